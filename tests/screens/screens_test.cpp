// The main window and the fit window on the screens of support/screens/
// screens.json, side by side: a 1366 x 768 laptop, a 1024 x 600 netbook, a
// 1920 x 1080 desktop, the same at a scale factor of 1.5 (1280 x 720 logical)
// and a 3840 x 2160 screen at 2 (1920 x 1080 logical).
#include "app/fit_window.h"
#include "platform/report.h"
#include "plot/density.h"
#include "support/pixels.h"
#include "support/window.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>
#include <map>
#include <set>

namespace {

QScreen* ecran(const char* nom) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(nom)) return s;
    ADD_FAILURE() << "no screen " << nom;
    return QGuiApplication::primaryScreen();
}

void traite_les_evenements() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// The window started on `s` as the program starts it: created there (the
// window made at the desktop's origin is on the laptop), or moved there and
// started again at its designed size, then shown.
void montre_sur(TForm1& form, QScreen* s) {
    if (form.screen() != s) {
        form.setScreen(s);
        form.resize(1063, 803);
        form.FormCreate();
    }
    form.show();
    traite_les_evenements();
}

// Every named control of the content with its place.
std::map<QString, QRect> places(const TForm1& form) {
    std::map<QString, QRect> p;
    for (const QWidget* w : form.contenu()->findChildren<QWidget*>())
        if (!w->objectName().isEmpty()) p[w->objectName()] = w->geometry();
    return p;
}

// A control can be reached: scrolled into view, it lies inside the viewport
// and on the screen, and the mouse over its middle is over it.
void joignable(TForm1& form, QWidget* w) {
    form.defilement()->ensureWidgetVisible(w, 0, 0);
    traite_les_evenements();
    const QWidget* vue = form.defilement()->viewport();
    const QRect dans_la_vue(w->mapTo(vue, QPoint(0, 0)), w->size());
    EXPECT_TRUE(vue->rect().contains(dans_la_vue)) << w->objectName().toStdString();
    const QPoint milieu = w->mapToGlobal(w->rect().center());
    EXPECT_TRUE(form.screen()->availableGeometry().contains(milieu)) << w->objectName().toStdString();
    EXPECT_EQ(QApplication::widgetAt(milieu), w) << w->objectName().toStdString();
}

}  // namespace

TEST(SmallScreens, TheWindowFitsTheScreenAndItsContentScrollsWithoutBeingLaidOutAgain) {
    // The places of a window whose client area is the designed one.
    std::map<QString, QRect> dessin;
    {
        TemporaryProgramFolder dossier;
        TForm1 reference;
        montre_sur(reference, ecran("desktop"));
        reference.resize(reference.contenu()->minimumSize());
        traite_les_evenements();
        dessin = places(reference);
    }
    struct Cas {
        const char* ecran;
        int hauteur;                // of the frame
        bool vertical, horizontal;  // the content scrolls that way
    };
    const Cas cas[] = {
        // 768 high: the 764 pixels inside the offscreen frame (no title bar) hold the content.
        {"laptop", 768, false, false},  {"scaled150", 720, true, false}, {"netbook", 600, true, true},
        {"desktop", 803, false, false}, {"dense200", 803, false, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ecran);
        TemporaryProgramFolder dossier;
        TForm1 form;
        montre_sur(form, ecran(c.ecran));
        ASSERT_EQ(form.screen(), ecran(c.ecran));
        const QRect disponible = form.screen()->availableGeometry();
        EXPECT_TRUE(disponible.contains(form.frameGeometry())) << "the frame, title bar included, is on the screen";
        EXPECT_EQ(form.frameGeometry().height(), c.hauteur);
        EXPECT_EQ(form.defilement()->verticalScrollBar()->isVisible(), c.vertical);
        EXPECT_EQ(form.defilement()->horizontalScrollBar()->isVisible(), c.horizontal);
        if (c.hauteur == 803) {
            // A screen that holds the window: its designed size, centred.
            EXPECT_EQ(form.frameGeometry().size(), QSize(1063, 803));
            EXPECT_EQ(form.frameGeometry().topLeft(),
                      disponible.topLeft() + QPoint((disponible.width() - 1063) / 2, (disponible.height() - 803) / 2));
            continue;
        }
        EXPECT_EQ(form.frameGeometry().top(), disponible.top());
        if (c.vertical) {
            EXPECT_EQ(places(form), dessin) << "every control keeps its designed place";
        }
        for (QWidget* w : {static_cast<QWidget*>(form.SpeedButton_exit), static_cast<QWidget*>(form.SpeedButton3),
                           static_cast<QWidget*>(form.SpeedButton_ajustement), static_cast<QWidget*>(form.Label38),
                           static_cast<QWidget*>(form.Label3)}) {
            joignable(form, w);
        }
    }
}

// The plots drawn at the screen's device pixel ratio: as many device pixels
// as the ratio gives, each line and letter in its own colours, shown as drawn.
TEST(HighDensityScreens, ThePlotsAreDrawnSharpAtTheScreensRatio) {
    const std::set<QRgb> couleurs = {qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(0, 0, 128), qRgb(128, 0, 0),
                                     qRgb(255, 0, 0)};
    struct Cas {
        const char* ecran;
        qreal ratio;
    };
    for (const Cas& c : {Cas{"desktop", 1}, Cas{"scaled150", 1.5}, Cas{"dense200", 2}}) {
        SCOPED_TRACE(c.ecran);
        TemporaryProgramFolder dossier;
        TForm1 form;
        montre_sur(form, ecran(c.ecran));
        form.trace_graphe(1);
        form.trace_graphe(2);
        traite_les_evenements();
        for (int n : {1, 2}) {
            SCOPED_TRACE(n);
            ImageWidget* controle = n == 1 ? form.Image1 : form.Image2;
            const QImage& image = controle->image();
            const QSize logique = n == 1 ? QSize(372, 95) : QSize(343, 343);
            EXPECT_EQ(image.devicePixelRatio(), c.ratio);
            EXPECT_EQ(image.size(), QSize(qRound(logique.width() * c.ratio), qRound(logique.height() * c.ratio)));
            EXPECT_EQ(form.etat().plot_frame.largeur_trace[n], logique.width() - 60) << "drawn in logical pixels";

            // No shade between the drawing's colours: nothing blurred or smoothed.
            std::set<QRgb> autres;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!couleurs.count(image.pixel(x, y))) autres.insert(image.pixel(x, y));
            EXPECT_TRUE(autres.empty()) << autres.size() << " other colours";

            // The x axis, one logical pixel thick, fills the device rows of
            // that pixel and no more.
            const int oy = form.etat().plot_frame.origine_y[n];
            const PixelsDevice rangees = pixels_device(oy, oy + 1, c.ratio);
            const QRect largeur(0, 0, image.width(), 1);
            const std::size_t axe = static_cast<std::size_t>(form.etat().plot_frame.largeur_trace[n] * c.ratio);
            for (std::int64_t y = rangees.premier - 1; y <= rangees.dernier + 1; ++y) {
                const std::size_t bleus = compte(image, qRgb(0, 0, 255), largeur.translated(0, static_cast<int>(y)));
                if (y < rangees.premier || y > rangees.dernier) {
                    EXPECT_LT(bleus, axe / 5) << "row " << y;
                } else {
                    EXPECT_GE(bleus, axe) << "row " << y;
                }
            }

            // Drawn at the device's density, not a logical drawing enlarged:
            // some letters have detail finer than a logical pixel.
            if (c.ratio == 2) {
                bool plus_fin = false;
                for (int y = 0; y + 1 < image.height() && !plus_fin; y += 2)
                    for (int x = 0; x + 1 < image.width() && !plus_fin; x += 2)
                        plus_fin = image.pixel(x, y) != image.pixel(x + 1, y) ||
                                   image.pixel(x, y) != image.pixel(x, y + 1) ||
                                   image.pixel(x, y) != image.pixel(x + 1, y + 1);
                EXPECT_TRUE(plus_fin);
            }

            // The screen shows the image's own pixels.
            EXPECT_EQ(controle->grab().toImage().convertToFormat(QImage::Format_RGB32),
                      image.convertToFormat(QImage::Format_RGB32));
        }
        EXPECT_EQ(form.Image5->image().devicePixelRatio(), c.ratio) << "the chooser's picture";
    }
}

// The fit window at its first opening, by the main window's place on its screen.
TEST(FitWindowPlace, BesideTheMainWindowWhereTheScreenHasRoomElseOverItAndOnTheScreen) {
    enum class Cote { droite, gauche, dessus };
    enum class Principale { centree, a_gauche, a_droite };
    struct Cas {
        const char* ecran;
        Principale principale;
        Cote cote;
    };
    const Cas cas[] = {
        {"desktop", Principale::centree, Cote::dessus},    // 428 pixels a side: too narrow
        {"desktop", Principale::a_gauche, Cote::droite},   //
        {"desktop", Principale::a_droite, Cote::gauche},   //
        {"laptop", Principale::centree, Cote::dessus},     //
        {"scaled150", Principale::centree, Cote::dessus},  // 720 high: the window is made to fit
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.ecran << " " << static_cast<int>(c.principale));
        TemporaryProgramFolder dossier;
        TForm1 form;
        montre_sur(form, ecran(c.ecran));
        const QRect disponible = form.screen()->availableGeometry();
        if (c.principale == Principale::a_gauche) form.move(disponible.topLeft());
        if (c.principale == Principale::a_droite)
            form.move(disponible.right() + 1 - form.frameGeometry().width(), disponible.top());
        traite_les_evenements();
        form.SpeedButton_ajustement->click();
        traite_les_evenements();
        ASSERT_NE(form.fenetre_ajustement(), nullptr);
        const QRect fenetre = form.fenetre_ajustement()->frameGeometry();
        const QRect principale = form.frameGeometry();
        EXPECT_EQ(form.fenetre_ajustement()->screen(), form.screen());
        EXPECT_TRUE(disponible.contains(fenetre)) << "on the screen, title bar included";
        switch (c.cote) {
            case Cote::droite: EXPECT_EQ(fenetre.topLeft(), QPoint(principale.right() + 1, principale.top())); break;
            case Cote::gauche: EXPECT_EQ(fenetre.topRight(), QPoint(principale.left() - 1, principale.top())); break;
            case Cote::dessus:
                EXPECT_LE(std::abs(fenetre.center().x() - principale.center().x()), 1);
                EXPECT_TRUE(principale.contains(fenetre.center()));
                break;
        }
    }
}
