// Redrawing the two plots of the main window.
#include "support/pixels.h"
#include "support/window.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb MARRON = qRgb(128, 0, 0);
constexpr QRgb BLEU = qRgb(0, 0, 255);
constexpr QRgb MARINE = qRgb(0, 0, 128);
constexpr QRgb ROUGE = qRgb(255, 0, 0);

class Trace : public AvecFenetre {
protected:
    void SetUp() override { class_table.largeur_classe = 10; }
};

}  // namespace

TEST_F(Trace, EachPlotTakesTheSizeOfItsImage) {
    form.trace_graphe(1);
    EXPECT_EQ(form.Image1->image().size(), form.Image1->size());
    EXPECT_EQ(plot_frame.largeur_trace[1], form.Image1->width() - 60);
    EXPECT_EQ(plot_frame.hauteur_trace[1], form.Image1->height() - 40);
    EXPECT_EQ(plot_frame.origine_x[1], 40);
    EXPECT_EQ(plot_frame.origine_y[1], form.Image1->height() - 30);
    form.trace_graphe(2);
    EXPECT_EQ(form.Image2->image().size(), QSize(343, 343));
    EXPECT_EQ(plot_frame.largeur_trace[2], 283);
    EXPECT_EQ(plot_frame.hauteur_trace[2], 303);
    EXPECT_EQ(plot_frame.origine_y[2], 313);
    EXPECT_EQ(record_store.serie_courante, 2);
    // The x axis of each plot along its origin row.
    EXPECT_EQ(form.Image2->image().pixel(200, 313), BLEU);
    EXPECT_EQ(form.Image1->image().pixel(200, form.Image1->height() - 30), BLEU);
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(Trace, SeriesThicknessIsReadFromTheSetupFieldAtEveryRedraw) {
    record_store.serie_x[1][1] = 75;
    record_store.serie_y[1][1] = 500;
    record_store.nb_points[1] = 1;
    struct Cas {
        const char* texte;
        int pixels;
    };
    for (const Cas c : {Cas{"1", 9}, Cas{"2", 21}, Cas{" 3", 37}, Cas{"0", 0}}) {
        form.Edit3->setText(QString::fromLatin1(c.texte));
        form.trace_graphe(1);
        EXPECT_EQ(compte(form.Image1->image(), MARRON), std::size_t(c.pixels)) << c.texte;
    }
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(Trace, ClassPlotHasItsPointsAtClassCentresAndTheRedLines) {
    // Classes of width 10 at 0, 10, 20: centres 5, 15, 25.
    for (int k = 0; k < 3; ++k) {
        record_store.serie_x[2][k] = 10 * k;
        record_store.serie_y[2][k] = 50;
    }
    record_store.nb_points[2] = 3;
    class_table.Tau = 400;
    class_table.C0 = 5;
    form.trace_graphe(2);
    const QImage& image = form.Image2->image();
    // Centres 5, 15, 25 at x = 42, 45, 49; y = 50 / 100 x 303 = 151.5 -> 152 -> row 161.
    EXPECT_EQ(image.pixel(42, 159), BLEU);
    EXPECT_EQ(image.pixel(42, 158), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(51, 161), BLEU);  // the right edge of the last dot
    EXPECT_EQ(image.pixel(52, 161), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(182, 250), ROUGE);
    EXPECT_EQ(compte(image, ROUGE, QRect(150, 250, 60, 1)), 2u);  // the line width of t = 2
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(Trace, TitleIsTheDataFileName) {
    form.trace_graphe(2);
    const std::size_t sans = compte(form.Image2->image(), MARINE, QRect(45, 0, 298, 30));
    EXPECT_EQ(sans, 0u);
    file_state.fichier_donnees = QStringLiteral("/tmp/mesures/run 12.txt");
    form.trace_graphe(2);
    EXPECT_GT(compte(form.Image2->image(), MARINE, QRect(45, 0, 298, 30)), 30u);
}

TEST_F(Trace, ThicknessNotAnIntegerIsReportedAfterTheAxes) {
    record_store.serie_x[2][0] = 100;
    record_store.serie_y[2][0] = 50;
    record_store.nb_points[2] = 1;
    class_table.Tau = 400;
    file_state.fichier_donnees = QStringLiteral("/tmp/run.txt");
    form.Edit3->setText(QStringLiteral("2.5"));
    record_store.serie_courante = 1;
    // Through a button, inside the window's error report.
    form.findChild<QToolButton*>(QStringLiteral("SpeedButton9"))->click();
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'2.5' is not a valid integer value")});
    EXPECT_EQ(form.Edit7->text(), QStringLiteral("200"));
    const QImage& image = form.Image2->image();
    EXPECT_EQ(image.pixel(200, 313), BLEU);
    EXPECT_EQ(compte(image, BLEU, QRect(41, 0, 302, 313)), 0u) << "no series";
    EXPECT_EQ(compte(image, MARINE, QRect(45, 0, 298, 30)), 0u) << "no title";
    EXPECT_EQ(compte(image, ROUGE), 0u) << "no red lines";
}
