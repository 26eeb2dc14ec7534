// The load indicator strip painted at once and alone, against the plain
// painting of the whole window by the event loop.
#include "load_fixture.h"

#include <QApplication>
#include <QBackingStore>
#include <QFrame>

namespace {

// What the window shows: the offscreen platform keeps it in an image.
QImage ecran(QWidget& fenetre) {
    QBackingStore* store = fenetre.backingStore();
    if (!store || !store->paintDevice() || store->paintDevice()->devType() != QInternal::Image) return {};
    return *static_cast<QImage*>(store->paintDevice());
}

QRect dans_la_fenetre(QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

QImage zone(const QImage& image, const QRect& r) { return image.copy(r).convertToFormat(QImage::Format_RGB32); }

void montre_tout(QWidget& fenetre) {
    fenetre.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

TEST_F(DataFileWindow, TheStripAloneIsPaintedAtOnceWithThePixelsOfThePlainPainting) {
    montre_tout(form);
    ASSERT_FALSE(ecran(form).isNull()) << "the offscreen platform keeps the window in an image";
    const QRect bande = dans_la_fenetre(form.Panel6);
    const QRect etiquette = dans_la_fenetre(form.Label3);
    const QImage etiquette_avant = zone(ecran(form), etiquette);

    form.Label3->setText(QStringLiteral("changed, painted by the event loop"));
    form.Panel6->setColor(QColor(255, 0, 0));
    form.Panel6->paintAlone();
    const QImage apres = ecran(form);
    EXPECT_EQ(apres.pixel(bande.center()), qRgb(255, 0, 0));
    EXPECT_EQ(zone(apres, etiquette), etiquette_avant) << "nothing else is painted yet";

    // The event loop then paints the rest, and the strip the same as it was painted alone.
    QApplication::processEvents();
    const QImage plain = ecran(form);
    EXPECT_EQ(zone(plain, bande), zone(apres, bande));
    EXPECT_NE(zone(plain, etiquette), etiquette_avant);
    EXPECT_EQ(zone(plain, bande), form.Panel6->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(DataFileWindow, TheStripPaintedAloneLeavesWhatCoversItCovered) {
    montre_tout(form);
    const QRect bande = dans_la_fenetre(form.Panel6);
    auto* dessus = new QFrame(&form);
    dessus->setAutoFillBackground(true);
    QPalette p = dessus->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 255));
    dessus->setPalette(p);
    dessus->setGeometry(bande.x(), bande.y(), bande.width() / 2, bande.height());
    dessus->show();
    dessus->raise();
    montre_tout(form);

    form.Panel6->setColor(QColor(255, 0, 0));
    form.Panel6->paintAlone();
    const QImage image = ecran(form);
    EXPECT_EQ(image.pixel(bande.x() + 2, bande.center().y()), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(bande.right() - 2, bande.center().y()), qRgb(255, 0, 0));
}

TEST_F(DataFileWindow, TheStripOfAHiddenWindowIsLeftToTheEventLoop) {
    form.Panel6->setColor(QColor(255, 0, 0));
    form.Panel6->paintAlone();  // no window on the screen: nothing to paint, no failure
    EXPECT_EQ(form.Panel6->color(), QColor(255, 0, 0));
}

TEST_F(DataFileWindow, TheLoadShowsTheGreenStripBeforeTheEventLoopRuns) {
    montre_tout(form);
    const QRect bande = dans_la_fenetre(form.Panel6);
    charge(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    EXPECT_EQ(ecran(form).pixel(bande.center()), qRgb(0, 128, 0));

    // A file that cannot be read leaves the strip red on the screen.
    charge(chemin(QStringLiteral("missing.txt")));
    EXPECT_EQ(ecran(form).pixel(bande.center()), qRgb(255, 0, 0));
    EXPECT_EQ(recorder().messages.size(), 1);
}
