// The main window and the fit window on the screens of screens.json: a laptop,
// a netbook, a desktop, 1920 x 1080 scaled by 1.5 and 3840 x 2160 by 2.
#include "app/fit_window.h"
#include "support/window.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <initializer_list>
#include <map>
#include <set>

namespace {

void traite_les_evenements() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// The window started on the screen `nom` as the program starts it: created
// there (the window made at the desktop's origin is on the laptop), or moved
// there and started again at its designed size; then shown.
void montre_sur(TForm1& form, const char* nom) {
    QScreen* ecran = nullptr;
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(nom)) ecran = s;
    ASSERT_NE(ecran, nullptr) << nom;
    if (form.screen() != ecran) {
        form.setScreen(ecran);
        form.resize(1063, 803);
        form.FormCreate();
    }
    form.show();
    traite_les_evenements();
    ASSERT_EQ(form.screen(), ecran);
}

// Every named control of the content with its place.
std::map<QString, QRect> places(const TForm1& form) {
    std::map<QString, QRect> p;
    for (const QWidget* w : form.contenu()->findChildren<QWidget*>())
        if (!w->objectName().isEmpty()) p[w->objectName()] = w->geometry();
    return p;
}

}  // namespace

TEST(SmallScreens, TheWindowFitsTheScreenAndItsContentScrollsWithoutBeingLaidOutAgain) {
    std::map<QString, QRect> dessin;  // the places in the designed client area
    {
        TemporaryProgramFolder dossier;
        TForm1 reference;
        montre_sur(reference, "desktop");
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
        montre_sur(form, c.ecran);
        const QRect disponible = form.screen()->availableGeometry();
        EXPECT_TRUE(disponible.contains(form.frameGeometry())) << "the frame, title bar included, is on the screen";
        EXPECT_EQ(form.frameGeometry().height(), c.hauteur);
        EXPECT_EQ(form.defilement()->verticalScrollBar()->isVisible(), c.vertical);
        EXPECT_EQ(form.defilement()->horizontalScrollBar()->isVisible(), c.horizontal);
        if (c.hauteur == 803) {  // a screen that holds the window: its designed size, centred
            EXPECT_EQ(form.frameGeometry(), QRect(disponible.topLeft() + QPoint((disponible.width() - 1063) / 2,
                                                                                (disponible.height() - 803) / 2),
                                                  QSize(1063, 803)));
            continue;
        }
        EXPECT_EQ(form.frameGeometry().top(), disponible.top());
        if (c.vertical) {
            EXPECT_EQ(places(form), dessin) << "every control keeps its designed place";
        }
        // Each control scrolled into view lies in the viewport, on the screen, under the mouse.
        for (QWidget* w : std::initializer_list<QWidget*>{form.SpeedButton_exit, form.SpeedButton3,
                                                          form.SpeedButton_ajustement, form.Label38, form.Label3}) {
            form.defilement()->ensureWidgetVisible(w, 0, 0);
            traite_les_evenements();
            const QWidget* vue = form.defilement()->viewport();
            EXPECT_TRUE(vue->rect().contains(QRect(w->mapTo(vue, QPoint(0, 0)), w->size())))
                << qPrintable(w->objectName());
            const QPoint milieu = w->mapToGlobal(w->rect().center());
            EXPECT_TRUE(disponible.contains(milieu)) << qPrintable(w->objectName());
            EXPECT_EQ(QApplication::widgetAt(milieu), w) << qPrintable(w->objectName());
        }
    }
}

// The plots drawn at the screen's device pixel ratio, in logical pixels: as
// many device pixels as the ratio gives, each line and letter in its own
// colours (nothing blurred or smoothed), shown as drawn.
TEST(HighDensityScreens, ThePlotsAreDrawnSharpAtTheScreensRatio) {
    const std::set<QRgb> couleurs = {qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(0, 0, 128), qRgb(128, 0, 0),
                                     qRgb(255, 0, 0)};
    for (const auto& [ecran, ratio] : {std::pair{"desktop", 1.0}, {"scaled150", 1.5}, {"dense200", 2.0}}) {
        SCOPED_TRACE(ecran);
        TemporaryProgramFolder dossier;
        TForm1 form;
        montre_sur(form, ecran);
        form.trace_graphe(1);
        form.trace_graphe(2);
        traite_les_evenements();
        for (int n : {1, 2}) {
            ImageWidget* controle = n == 1 ? form.Image1 : form.Image2;
            const QImage& image = controle->image();
            const QSize logique = n == 1 ? QSize(372, 95) : QSize(343, 343);
            EXPECT_EQ(image.devicePixelRatio(), ratio);
            EXPECT_EQ(image.size(), QSize(qRound(logique.width() * ratio), qRound(logique.height() * ratio)));
            EXPECT_EQ(form.etat().plot_frame.largeur_trace[n], logique.width() - 60) << "drawn in logical pixels";
            std::set<QRgb> autres;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (!couleurs.count(image.pixel(x, y))) autres.insert(image.pixel(x, y));
            EXPECT_TRUE(autres.empty()) << autres.size() << " other colours in plot " << n;
            EXPECT_EQ(controle->grab().toImage().convertToFormat(QImage::Format_RGB32),
                      image.convertToFormat(QImage::Format_RGB32));
        }
        EXPECT_EQ(form.Image5->image().devicePixelRatio(), ratio) << "the chooser's picture";
    }
}

// The fit window at its first opening, and shown again after its screen was
// unplugged: beside the main window (at the screen's left or right edge, or
// centred and moved aside) where the screen has room for both, else over it.
TEST(FitWindowPlace, BesideTheMainWindowWhereTheScreenHasRoomElseOverItAndOnTheScreen) {
    struct Cas {
        const char* ecran;
        char principale;  // 'g' at the screen's left edge, 'd' at its right one, 'c' centred
        char cote;        // of the fit window: 'd' right of it, 'g' left of it, 'c' over it
        bool poussee;     // the main window moved aside, the least: the fit window at the screen's right edge
    };
    const Cas cas[] = {
        {"desktop", 'c', 'd', true},  // 428 pixels a side: too narrow, 1920 for both
        {"desktop", 'g', 'd', false}, {"desktop", 'd', 'g', false},
        {"laptop", 'c', 'c', false},  {"scaled150", 'c', 'c', false},  // too narrow for both
        {"netbook", 'c', 'c', false},  // 600 high: smaller than the fit window's content, which scrolls
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.ecran << " " << c.principale);
        TemporaryProgramFolder dossier;
        TForm1 form;
        montre_sur(form, c.ecran);
        const QRect disponible = form.screen()->availableGeometry();
        if (c.principale == 'g') form.move(disponible.topLeft());
        if (c.principale == 'd') form.move(disponible.right() + 1 - form.frameGeometry().width(), disponible.top());
        traite_les_evenements();
        const int haut = form.frameGeometry().top();
        const auto a_sa_place = [&] {
            const QRect fenetre = form.fenetre_ajustement()->frameGeometry();
            const QRect principale = form.frameGeometry();
            EXPECT_TRUE(disponible.contains(fenetre)) << "on the screen, title bar included";
            EXPECT_TRUE(disponible.contains(principale));
            EXPECT_EQ(principale.top(), haut);
            if (c.cote == 'c') {
                EXPECT_LE(std::abs(fenetre.center().x() - principale.center().x()), 1);
                EXPECT_TRUE(principale.contains(fenetre.center()));
            } else {
                const int x = c.cote == 'd' ? principale.right() + 1 : principale.left() - fenetre.width();
                EXPECT_EQ(fenetre.topLeft(), QPoint(x, principale.top()));
            }
            if (c.poussee) {
                EXPECT_EQ(fenetre.right(), disponible.right());
            }
        };
        form.SpeedButton_ajustement->click();
        traite_les_evenements();
        ASSERT_NE(form.fenetre_ajustement(), nullptr);
        a_sa_place();
        FenetreAjustement& f = *form.fenetre_ajustement();
        // A short run loaded (its chi2 line is a long sentence), each tab shown:
        // the window keeps its place; closed and shown again, it is still there.
        const QString run = QStringLiteral(VORNS_SOURCE_DIR "/fichiers/avec_commentaire.txt");
        form.etat().file_state.fichier_donnees = run;
        form.charge_le_fichier(run);
        for (int onglet = 0; onglet < f.Onglets->count(); ++onglet) {
            f.Onglets->setCurrentIndex(onglet);
            traite_les_evenements();
            a_sa_place();
        }
        f.close();
        form.SpeedButton_ajustement->click();
        traite_les_evenements();
        a_sa_place();
        // Hidden, then its screen unplugged (the frame where no screen is now), shown again.
        f.close();
        f.move(30000, 30000);
        form.SpeedButton_ajustement->click();
        traite_les_evenements();
        a_sa_place();
        // The rate's lines shown on the "taux" tab: the window grows no further
        // than the screen, and its last button scrolls into view.
        f.Onglets->setCurrentWidget(f.onglet_taux);
        traite_les_evenements();
        ASSERT_FALSE(f.onglet_taux->Label_taux->text().isEmpty());
        EXPECT_TRUE(disponible.contains(f.frameGeometry())) << "with the taux tab";
        EXPECT_FALSE(f.defilement()->horizontalScrollBar()->isVisible()) << "the screen is wide enough";
        f.defilement()->ensureWidgetVisible(f.Bouton_imprimer, 0, 0);
        traite_les_evenements();
        const QPoint milieu = f.Bouton_imprimer->mapToGlobal(f.Bouton_imprimer->rect().center());
        EXPECT_TRUE(disponible.contains(milieu));
        EXPECT_EQ(QApplication::widgetAt(milieu), f.Bouton_imprimer);
    }
}
