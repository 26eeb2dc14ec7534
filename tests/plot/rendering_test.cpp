#include "platform/errors.h"
#include "platform/numbers.h"
#include "plot/density.h"
#include "plot/rendering.h"
#include "support/errors.h"
#include "support/pixels.h"

#include <QRandomGenerator>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr QRgb BLANC = qRgb(255, 255, 255);
constexpr QRgb BLEU = qRgb(0, 0, 255);
constexpr QRgb MARINE = qRgb(0, 0, 128);
constexpr QRgb MARRON = qRgb(128, 0, 0);
constexpr QRgb ROUGE = qRgb(255, 0, 0);
constexpr QRgb VERT = qRgb(0, 255, 0);

using Points = std::vector<std::pair<double, double>>;

Pixels ligne(int y, std::initializer_list<int> xs) {
    Pixels p;
    for (int x : xs) p.insert({x, y});
    return p;
}

Pixels colonne(int x, std::initializer_list<int> ys) {
    Pixels p;
    for (int y : ys) p.insert({x, y});
    return p;
}

ParametresTrace parametres(std::int32_t t, Dessin dessin = Dessin::rapide, const QString& fichier = {}) {
    ParametresTrace p;
    p.epaisseur.pixels = t;
    p.dessin = dessin;
    p.fichier_donnees = fichier;
    return p;
}

struct Texte {
    int x, y;
    QString texte;
    char h, v;
};

// The texts drawn alone, as the plot draws them.
QImage textes_seuls(QSize taille, const std::vector<Texte>& textes) {
    QImage image(taille, QImage::Format_RGB32);
    image.fill(BLANC);
    Toile toile(image);
    toile.police = police_graphe(taille.height());
    toile.couleur_police = MARINE;
    for (const Texte& t : textes) ecrit_texte(toile, t.x, t.y, t.texte, t.h, t.v);
    return image;
}

const QSize CARRE(343, 343);

// The run's tables of each test, as the window keeps them.
class Rendu : public ::testing::Test {
protected:
    void SetUp() override {
        class_table.largeur_classe = 10;
        plot_frame.couleur_serie[1] = MARRON;
        plot_frame.couleur_serie[2] = BLEU;
    }

    // Series 1 holds the records from position 1, series 2 the classes from position 0.
    void met_serie(int s, const Points& points) {
        std::size_t k = s == 1 ? 1 : 0;
        for (const auto& [x, y] : points) {
            record_store.serie_x[s][k] = x;
            record_store.serie_y[s][k] = y;
            ++k;
        }
        record_store.nb_points[s] = static_cast<std::int32_t>(points.size());
    }

    void redessine_graphe(int n, QImage& image, QStringView texte_x, QStringView texte_y, const ParametresTrace& p) {
        // The spans read from their texts as the window reads its fields.
        const long double x = platform::str_to_float(texte_x), y = platform::str_to_float(texte_y);
        ::redessine_graphe(n, image, x, y, p, {record_store, class_table, plot_scales, plot_frame});
    }

    // An image of `taille` logical pixels at the device pixel ratio `ratio`.
    QImage dessine(int n, QSize taille, const char* echelle_x, const char* echelle_y, const ParametresTrace& p,
                   qreal ratio = 1) {
        QImage image(taille_device(taille, ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(VERT);
        redessine_graphe(n, image, QString::fromLatin1(echelle_x), QString::fromLatin1(echelle_y), p);
        return image;
    }

    Repere repere(int n) const { return {n, plot_scales, plot_frame}; }

    RecordStore record_store;  // the fixture lives on the heap
    ClassTable class_table;
    PlotScales plot_scales;
    PlotFrame plot_frame;
};

}  // namespace

TEST_F(Rendu, FrameOfA343PixelImage) {
    dessine(2, CARRE, "800", "100", parametres(2));
    EXPECT_EQ(record_store.serie_courante, 2);
    EXPECT_EQ(plot_frame.largeur_trace[2], 283);
    EXPECT_EQ(plot_frame.hauteur_trace[2], 303);
    EXPECT_EQ(plot_frame.origine_x[2], 40);
    EXPECT_EQ(plot_frame.origine_y[2], 313);
    EXPECT_EQ(taille_relative(repere(2), 20), 5);
    EXPECT_EQ(taille_relative(repere(2), 10), 2);
    EXPECT_TRUE(police_graphe(343).bold());
    EXPECT_EQ(vers_pixel(repere(2), 0, 0), QPoint(40, 313));
    EXPECT_EQ(vers_pixel(repere(2), 800, 100), QPoint(323, 10));
    // Halves to even: 400 / 800 x 283 = 141.5 gives 142, 50 / 100 x 303 = 151.5 gives 152.
    EXPECT_EQ(vers_pixel(repere(2), 400, 50), QPoint(182, 161));
    // No clipping.
    EXPECT_EQ(vers_pixel(repere(2), -800, 300), QPoint(40 - 283, 313 - 909));
}

TEST_F(Rendu, AxesTicksAndTheirPlaces) {
    const QImage image = dessine(1, CARRE, "1000", "100", parametres(2));
    // The x axis runs 5 pixels past the plot area; the y ticks start on it at x = 38.
    EXPECT_EQ(de_couleur(image, BLEU, QRect(0, 313, 343, 1)).size(), 328u - 38u + 1u);
    EXPECT_EQ(image.pixel(37, 313), BLANC);
    EXPECT_EQ(image.pixel(329, 313), BLANC);
    // The y axis runs up to row 5.
    EXPECT_EQ(de_couleur(image, BLEU, QRect(40, 0, 1, 316)), de_couleur(image, BLEU, QRect(40, 5, 1, 311)));
    EXPECT_EQ(de_couleur(image, BLEU, QRect(40, 5, 1, 311)).size(), 311u);
    // Ten intervals: ticks 2 pixels long below and left of the axes.
    EXPECT_EQ(de_couleur(image, BLEU, QRect(0, 315, 343, 1)),
              ligne(315, {40, 68, 96, 124, 153, 181, 209, 238, 266, 294, 323}));
    EXPECT_TRUE(de_couleur(image, BLEU, QRect(0, 316, 343, 27)).empty());
    EXPECT_EQ(de_couleur(image, BLEU, QRect(38, 0, 1, 343)),
              colonne(38, {313, 283, 253, 223, 192, 162, 132, 101, 71, 41, 10}));
    EXPECT_TRUE(de_couleur(image, BLEU, QRect(0, 0, 38, 343)).empty());

    // Labels 0 to 1000 under the x ticks, 0 to 100 left of the y ticks.
    std::vector<Texte> textes;
    const int xs[] = {40, 68, 96, 124, 153, 181, 209, 238, 266, 294, 323};
    const int ys[] = {313, 283, 253, 223, 192, 162, 132, 101, 71, 41, 10};
    for (int k = 0; k <= 10; ++k) {
        textes.push_back({xs[k], 314, QString::number(100 * k), 'c', 'b'});
        textes.push_back({20, ys[k] + 2, QString::number(10 * k), 'c', 'L'});
    }
    EXPECT_EQ(de_couleur(image, MARINE), de_couleur(textes_seuls(CARRE, textes), MARINE));
    // Nothing else: white, blue axes, navy labels.
    EXPECT_EQ(de_couleur(image, BLANC).size() + de_couleur(image, BLEU).size() + de_couleur(image, MARINE).size(),
              343u * 343u);
}

TEST_F(Rendu, SpanNotAMultipleOfTheStepLabelsTheLastTickWithTheLastStep) {
    const QImage image = dessine(1, CARRE, "150", "20", parametres(2));
    // 150 / 20 gives 7 intervals over the whole plot area, the last labelled 140.
    EXPECT_EQ(de_couleur(image, BLEU, QRect(0, 315, 343, 1)), ligne(315, {40, 80, 120, 161, 201, 242, 282, 323}));
    // Span 20, step 5: four intervals.
    EXPECT_EQ(de_couleur(image, BLEU, QRect(38, 0, 1, 343)), colonne(38, {313, 238, 162, 86, 10}));
    std::vector<Texte> textes;
    const int xs[] = {40, 80, 120, 161, 201, 242, 282, 323};
    for (int k = 0; k <= 7; ++k) textes.push_back({xs[k], 314, QString::number(20 * k), 'c', 'b'});
    const int ys[] = {313, 238, 162, 86, 10};
    for (int k = 0; k <= 4; ++k) textes.push_back({20, ys[k] + 2, QString::number(5 * k), 'c', 'L'});
    EXPECT_EQ(de_couleur(image, MARINE), de_couleur(textes_seuls(CARRE, textes), MARINE));
}

TEST_F(Rendu, LabelsAccumulateTheStepInTheGeneralForm) {
    // Span 0.3: step 5, one interval whose end is labelled 5; span -60: step -5, 12 intervals to -60.
    const QImage image = dessine(1, CARRE, "0.3", "-60", parametres(2));
    std::vector<Texte> textes{{40, 314, QStringLiteral("0"), 'c', 'b'}, {323, 314, QStringLiteral("5"), 'c', 'b'}};
    for (int k = 0; k <= 12; ++k) textes.push_back({20, 313 - 303 * k / 12 + 2, QString::number(-5 * k), 'c', 'L'});
    EXPECT_EQ(de_couleur(image, MARINE), de_couleur(textes_seuls(CARRE, textes), MARINE));
}

// X max 20000 on the window's class plot: ten ticks of 2000, whose five-digit
// labels would run into each other; every second one is labelled, 0 to 20000.
TEST_F(Rendu, LabelsThatWouldRunIntoTheOneBeforeAreLeftOut) {
    const QSize classes(337, 337);
    const QImage image = dessine(2, classes, "20000", "200", parametres(2));
    Pixels ticks;
    std::vector<Texte> textes;
    for (int k = 0; k <= 10; ++k) {
        const int x = 40 + 277 * k / 10;
        ticks.insert({x, 309});
        if (k % 2 == 0) textes.push_back({x, 308, QString::number(2000 * k), 'c', 'b'});
        textes.push_back({20, 307 - 297 * k / 10 + 2, QString::number(20 * k), 'c', 'L'});
    }
    EXPECT_EQ(de_couleur(image, BLEU, QRect(0, 309, 337, 1)), ticks);
    EXPECT_EQ(de_couleur(image, MARINE), de_couleur(textes_seuls(classes, textes), MARINE));
}

// Which ticks keep their label: the labels' extents along the axis (the y
// axis's upwards, as negative pixels), and the room wanted between two.
TEST(EtiquettesDesAxes, EveryFirstSecondFifthTenthTickKeepsItsLabel) {
    struct Cas {
        std::vector<Etendue> etiquettes;
        int ecart;
        std::int32_t pas;
    };
    const Cas cas[] = {
        {{{0, 20}, {28, 48}, {56, 76}}, 8, 1},                      // just clear
        {{{0, 20}, {28, 48}, {56, 76}}, 9, 2},                      // one pixel short
        {{{-13, 0}, {-26, -13}, {-39, -26}}, 0, 1},                 // character cells touching
        {{{-13, 0}, {-25, -12}, {-37, -24}, {-49, -36}}, 0, 2},     // cells overlapping by a pixel
        {{{0, 40}, {15, 55}, {30, 70}, {45, 85}, {60, 100}, {75, 115}}, 0, 5},  // 2 too near still
        {{{0, 40}, {15, 55}}, 0, 2},                                // the origin's label alone
        {{}, 0, 1},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(pas_des_etiquettes(c.etiquettes, c.ecart), c.pas) << c.etiquettes.size() << " " << c.ecart;
    }
}

TEST_F(Rendu, TitleIsTheFileNameAtTheTopLeft) {
    // Drawn after the series, which is written straight into the image: the
    // title's font is given to the painter again.
    met_serie(1, {{10, 100}, {20, 200}});
    for (Dessin d : {Dessin::simple, Dessin::rapide}) {
        const QImage image = dessine(1, CARRE, "150", "1000", parametres(2, d, QStringLiteral("/data/runs/x.txt")));
        EXPECT_EQ(de_couleur(image, MARINE, QRect(45, 0, 298, 30)),
                  de_couleur(textes_seuls(CARRE, {{50, 10, QStringLiteral("x.txt"), 'd', 'b'}}), MARINE));
    }
    record_store.nb_points[1] = 0;

    const QImage image = dessine(1, CARRE, "150", "1000",
                                 parametres(2, Dessin::rapide, QStringLiteral("/data/runs/désintégration 3.txt")));
    const Pixels titre = de_couleur(image, MARINE, QRect(45, 0, 298, 60));
    const Pixels attendu =
        de_couleur(textes_seuls(CARRE, {{50, 10, QStringLiteral("désintégration 3.txt"), 'd', 'b'}}), MARINE);
    EXPECT_EQ(titre, attendu);
    int haut = 343, bas = 0, gauche = 343;
    for (const auto& [x, y] : titre) {
        haut = std::min(haut, y);
        bas = std::max(bas, y);
        gauche = std::min(gauche, x);
    }
    // A 13-pixel font: the text sits in the 13 to 16 rows below y = 10, from x = 50.
    EXPECT_GE(haut, 10);
    EXPECT_LE(bas, 10 + 16);
    EXPECT_GE(bas - haut, 9);
    EXPECT_GE(gauche, 50);
    EXPECT_LE(gauche, 52);
}

TEST_F(Rendu, TextAlignmentLetters) {
    QImage image(200, 200, QImage::Format_RGB32);
    auto boite = [&](char h, char v) {
        image.fill(BLANC);
        Toile toile(image);
        // The plot's face at a 13-pixel em: the tolerances below allow for its side
        // bearings (the hinted "H" of an 11-pixel em ends 3 pixels short of its advance).
        toile.police = police_graphe(343);
        toile.police.setPixelSize(13);
        toile.couleur_police = MARINE;
        toile.alignement = ALIGNE_DROITE + ALIGNE_BAS;
        ecrit_texte(toile, 100, 100, QStringLiteral("HH"), h, v);
        EXPECT_EQ(toile.alignement, ALIGNE_DROITE + ALIGNE_BAS) << "restored";
        EXPECT_FALSE(toile.pinceau_plein);
        toile.peintre().end();
        QRect r;
        for (const auto& [x, y] : de_couleur(image, MARINE)) r |= QRect(x, y, 1, 1);
        return r;
    };
    const QRect depart = boite('d', 'b');
    EXPECT_NEAR(depart.left(), 100, 2);
    EXPECT_GE(depart.top(), 100);
    EXPECT_LE(depart.top(), 104);
    EXPECT_EQ(boite('x', 'x'), depart);  // other letters: 'd' and 'b'
    const QRect fin = boite('g', 'h');
    EXPECT_NEAR(fin.right(), 99, 2);
    EXPECT_LE(fin.bottom(), 99);
    EXPECT_GE(fin.bottom(), 95);  // bottom of the cell: the descent lies under the capitals
    const QRect centre = boite('c', 'L');
    EXPECT_NEAR((centre.left() + centre.right()) / 2.0, 100, 1.5);
    EXPECT_EQ(centre.bottom(), 99);  // capitals stand on the baseline
    EXPECT_EQ(centre.width(), depart.width());
    EXPECT_EQ(fin.height(), depart.height());
}

TEST_F(Rendu, AValueEqualToTheSpanLandsOnTheFarEdge) {
    met_serie(1, {{150, 1000}});
    const QImage image = dessine(1, CARRE, "150", "1000", parametres(2));
    const Pixels point = de_couleur(image, MARRON);
    EXPECT_EQ(point.size(), 21u);  // a round dot of diameter 5
    EXPECT_TRUE(point.count({323, 10}));
    QRect r;
    for (const auto& [x, y] : point) r |= QRect(x, y, 1, 1);
    EXPECT_EQ(r, QRect(321, 8, 5, 5));
}

TEST_F(Rendu, RecordsPlotStartsAtTheFirstRecordNotAtTheOrigin) {
    met_serie(1, {{75, 500}, {80, 400}});
    for (Dessin d : {Dessin::simple, Dessin::rapide}) {
        const QImage image = dessine(1, CARRE, "150", "1000", parametres(2, d));
        EXPECT_TRUE(de_couleur(image, MARRON, QRect(30, 250, 60, 80)).empty());
        EXPECT_FALSE(de_couleur(image, MARRON).empty());
    }
}

TEST_F(Rendu, OnePointIsOneDotAndTheRedLinesTakeItsWidth) {
    class_table.Tau = 400;
    class_table.C0 = 5;
    // Class 0 at 195 + 10 / 2 = 200: pixel (111, 131).
    met_serie(2, {{195, 60}});
    for (Dessin d : {Dessin::simple, Dessin::rapide}) {
        const QImage image = dessine(2, CARRE, "800", "100", parametres(2, d));
        const Pixels point = de_couleur(image, BLEU, QRect(90, 110, 45, 45));
        EXPECT_EQ(point.size(), 21u);
        EXPECT_TRUE(point.count({111, 131}) && point.count({109, 131}) && point.count({113, 131}));
        // The Tau line is 2t + 1 = 5 pixels wide around x = 182, from y = 313 up to 161.
        EXPECT_EQ(de_couleur(image, ROUGE, QRect(175, 250, 20, 1)), ligne(250, {180, 181, 182, 183, 184}));
        EXPECT_EQ(image.pixel(182, 159), ROUGE);  // the round end reaches 2.5 pixels beyond
        EXPECT_EQ(image.pixel(182, 158), BLANC);
        // The second line from (0, 10 x C0) = (40, 161) to (Tau, 0) = (182, 313).
        EXPECT_EQ(image.pixel(111, 237), ROUGE);
    }
}

TEST_F(Rendu, TwoPointsAreJoinedAndTheRedLinesTakeTheLineWidth) {
    class_table.Tau = 400;
    class_table.C0 = 5;
    met_serie(2, {{195, 60}, {295, 60}});
    const QImage image = dessine(2, CARRE, "800", "100", parametres(2));
    // Width 2: the line runs between the pixel corners, two pixels across.
    EXPECT_EQ(de_couleur(image, ROUGE, QRect(175, 250, 20, 1)), ligne(250, {181, 182}));
    // The series line between the dots at x = 111 and x = 146, rows 130 and 131.
    EXPECT_EQ(de_couleur(image, BLEU, QRect(128, 120, 1, 20)), colonne(128, {130, 131}));
}

TEST_F(Rendu, EmptySeriesHasAxesLabelsTitleAndRedLinesFromTheLastFigures) {
    const QImage image = dessine(2, CARRE, "800", "100", parametres(3, Dessin::rapide, QStringLiteral("/x/run.txt")));
    // Tau = C0 = 0: a red line on the y axis up to half the N max scale, pen width 1.
    Pixels attendu;
    for (int y = 161; y <= 313; ++y) attendu.insert({40, y});
    EXPECT_EQ(de_couleur(image, ROUGE), attendu);
    EXPECT_FALSE(de_couleur(image, MARINE, QRect(45, 0, 200, 30)).empty());
    const Pixels bleus = de_couleur(image, BLEU);
    EXPECT_TRUE(
        std::all_of(bleus.begin(), bleus.end(), [](const auto& p) { return p.first <= 40 || p.second >= 313; }));
}

TEST_F(Rendu, ThicknessZeroDrawsOnePixelLinesAndNoDots) {
    met_serie(1, {{30, 200}, {90, 500}});
    for (Dessin d : {Dessin::simple, Dessin::rapide}) {
        const QImage image = dessine(1, CARRE, "150", "1000", parametres(0, d));
        const Pixels serie = de_couleur(image, MARRON);
        // From (97, 252) to (210, 161): 114 pixels, one per column.
        EXPECT_EQ(serie.size(), 114u);
        EXPECT_TRUE(serie.count({97, 252}) && serie.count({210, 161}));
    }
    met_serie(1, {{30, 200}});
    EXPECT_TRUE(de_couleur(dessine(1, CARRE, "150", "1000", parametres(0)), MARRON).empty());
    EXPECT_TRUE(de_couleur(dessine(1, CARRE, "150", "1000", parametres(-4)), MARRON).empty());
}

TEST_F(Rendu, ThicknessBeyondTheWidestPenDrawsAsTheWidestPen) {
    met_serie(1, {{30, 200}, {90, 500}, {120, 900}});
    for (Dessin d : {Dessin::simple, Dessin::rapide}) {
        const QImage plus_large = dessine(1, CARRE, "150", "1000", parametres(65535, d));
        EXPECT_EQ(de_couleur(plus_large, MARRON).size(), 343u * 343u);  // the first dot covers the image
        for (std::int32_t t : {1000000000, 2147483647}) {
            EXPECT_EQ(dessine(1, CARRE, "150", "1000", parametres(t, d)), plus_large) << t;
        }
    }
}

TEST_F(Rendu, TickStepZeroStopsAtThatAxis) {
    met_serie(1, {{30, 200}});
    QImage image(CARRE, QImage::Format_RGB32);
    // x span 0: 0 / 0 before the x axis; only the background.
    image.fill(VERT);
    EXPECT_EQ(erreur_de([&] { redessine_graphe(1, image, u"0", u"1000", parametres(2)); }),
              QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(de_couleur(image, BLANC).size(), 343u * 343u);
    image.fill(VERT);
    EXPECT_EQ(erreur_de([&] { redessine_graphe(1, image, u"-20", u"1000", parametres(2)); }),
              QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(de_couleur(image, BLANC).size(), 343u * 343u);
    // y span -50: the x axis with its labels, then the error.
    image.fill(VERT);
    EXPECT_EQ(erreur_de([&] { redessine_graphe(1, image, u"150", u"-50", parametres(2)); }),
              QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(de_couleur(image, BLEU, QRect(0, 0, 343, 313)).size(), 0u);
    EXPECT_EQ(de_couleur(image, BLEU, QRect(0, 313, 343, 1)).size(), 328u - 40u + 1u);
    EXPECT_FALSE(de_couleur(image, MARINE).empty());
    EXPECT_TRUE(de_couleur(image, MARRON).empty());
}

TEST_F(Rendu, ThicknessNotAnIntegerStopsAfterTheAxes) {
    class_table.Tau = 400;
    class_table.C0 = 5;
    met_serie(2, {{195, 60}, {295, 60}});
    ParametresTrace p = parametres(2, Dessin::rapide, QStringLiteral("/x/run.txt"));
    p.epaisseur.erreur = QStringLiteral("'2.5' is not a valid integer value");
    for (Dessin d : {Dessin::simple, Dessin::rapide}) {
        p.dessin = d;
        QImage image(CARRE, QImage::Format_RGB32);
        EXPECT_EQ(erreur_de([&] { redessine_graphe(2, image, u"800", u"100", p); }),
                  QStringLiteral("'2.5' is not a valid integer value"));
        EXPECT_EQ(de_couleur(image, BLEU, QRect(0, 0, 343, 313)), de_couleur(image, BLEU, QRect(38, 0, 3, 313)));
        EXPECT_FALSE(de_couleur(image, MARINE).empty());
        EXPECT_TRUE(de_couleur(image, MARINE, QRect(45, 0, 298, 30)).empty()) << "no title";
        EXPECT_TRUE(de_couleur(image, ROUGE).empty());
    }
    // With no point the thickness is never read: the redraw completes.
    met_serie(2, {});
    QImage image(CARRE, QImage::Format_RGB32);
    EXPECT_EQ(erreur_de([&] { redessine_graphe(2, image, u"800", u"100", p); }), QStringLiteral("(no error)"));
    EXPECT_FALSE(de_couleur(image, ROUGE).empty());
}

TEST_F(Rendu, PointsBeyondTheDrawingRangeStopTheSeriesThere) {
    // With a span of 1, 10^6 lies beyond 2^28 pixels and 10^9 beyond 32 bits:
    // the points before it are drawn, then the overflow is reported.
    for (double loin : {1e6, 1e9, -1e6}) {
        met_serie(1, {{0.5, 500}, {0.6, 600}, {loin, 500}, {0.7, 300}});
        QImage simple, rapide;
        for (Dessin d : {Dessin::simple, Dessin::rapide}) {
            QImage image(CARRE, QImage::Format_RGB32);
            EXPECT_EQ(erreur_de([&] { redessine_graphe(1, image, u"1", u"1000", parametres(2, d)); }),
                      QStringLiteral("Floating point overflow"));
            (d == Dessin::simple ? simple : rapide) = image;
        }
        EXPECT_EQ(simple, rapide);
        EXPECT_GT(de_couleur(rapide, MARRON).size(), 21u);
    }
    // 9 x 10^5 is still drawn, as a line leaving the image.
    met_serie(1, {{0.5, 500}, {9e5, 500}});
    const QImage image = dessine(1, CARRE, "1", "1000", parametres(2));
    EXPECT_EQ(image.pixel(342, 161), MARRON);
}

// The batched drawing against one stroke per dot and per segment, pixel for pixel.
TEST_F(Rendu, BatchedSeriesGivesTheSamePixelsAsStrokeByStroke) {
    QRandomGenerator aleatoire(20240611);
    struct Serie {
        const char* nom;
        Points points;
    };
    auto series = [&](int n, double ex, double ey, QSize taille) {
        std::vector<Serie> s;
        Points hasard, montant, repete, loin;
        for (int k = 0; k < n; ++k) {
            const double x = 1.05 * ex * k / n;
            double y = -std::log(1 - aleatoire.generateDouble()) * ey / 5;
            if (aleatoire.bounded(50) == 0) y = (aleatoire.generateDouble() * 40 - 5) * ey;
            hasard.emplace_back(x, y);
            montant.emplace_back(x, ey * 1.1 * (1 - std::exp(-3.0 * k / n)));
            repete.emplace_back(ex * (k / 500) / (n / 500.0), ey * ((k / 7) % 3) / 4);
            loin.emplace_back((aleatoire.generateDouble() * 3 - 1) * ex, (aleatoire.generateDouble() * 3 - 1) * ey);
        }
        s.push_back({"random", hasard});
        s.push_back({"monotone", montant});
        s.push_back({"repeated", repete});
        s.push_back({"scattered beyond the image", loin});
        // Many records per column of pixels, some beyond the top and the bottom:
        // vertical segments over and inside one another.
        Points colonnes;
        for (int k = 0; k < n; ++k) {
            colonnes.emplace_back(ex * (k / 40) / (n / 40.0), (aleatoire.generateDouble() * 1.6 - 0.3) * ey);
        }
        s.push_back({"columns", colonnes});
        // Pairs of records in a few columns taken in turn: vertical segments
        // apart from one another in a column, then across the gap between them.
        Points retours;
        for (int paire = 0; paire < 210; ++paire) {
            const double x = ex * (paire % 7 + 0.5) / 7;
            const double y = aleatoire.generateDouble() * 0.9 * ey;
            retours.emplace_back(x, y);
            retours.emplace_back(x, y + 0.03 * ey);
        }
        s.push_back({"columns taken in turn", retours});
        // A sparse walk by steps of a few pixels: segments just longer than the dots.
        Points marche;
        double x = 0, y = ey / 2;
        for (int k = 0; k < 120; ++k) {
            marche.emplace_back(x, y);
            x += aleatoire.bounded(0, 9) * ex / 300;
            y = std::clamp(y + aleatoire.bounded(-8, 9) * ey / 60, 0.0, ey);
        }
        s.push_back({"sparse walk", marche});
        // Round the image just outside its edges: only the dots reach into it.
        Points bord;
        const int lt = taille.width() - 60, ht = taille.height() - 40, oy = taille.height() - 30;
        auto au_pixel = [&](int px, int py) { bord.emplace_back((px - 40.0) / lt * ex, (oy - py) / double(ht) * ey); };
        for (int k = 0, px = -3; px < taille.width() + 3; px += 5, ++k) au_pixel(px, -1 - k % 3);
        for (int k = 0, py = -3; py < taille.height() + 3; py += 5, ++k) au_pixel(taille.width() + k % 3, py);
        for (int k = 0, px = taille.width() + 3; px > -3; px -= 5, ++k) au_pixel(px, taille.height() + k % 3);
        for (int k = 0, py = taille.height() + 3; py > -3; py -= 5, ++k) au_pixel(-1 - k % 3, py);
        s.push_back({"round the edges", bord});
        return s;
    };
    struct Plan {
        int plot;
        QSize taille;
        const char* ex;
        const char* ey;
        int n;
        qreal ratio;  // device pixels per logical pixel
    };
    const Plan plans[] = {{1, QSize(372, 95), "150", "1000", 5000, 1},
                          {2, CARRE, "800", "100", 3000, 1},
                          {1, QSize(372, 95), "150", "1000", 1000, 2},
                          {2, CARRE, "800", "100", 600, 1.5}};
    class_table.Tau = 333;
    class_table.C0 = 7.5;
    for (const Plan& plan : plans) {
        const double ex = QByteArray(plan.ex).toDouble(), ey = QByteArray(plan.ey).toDouble();
        for (const Serie& serie : series(plan.n, ex, ey, plan.taille)) {
            met_serie(plan.plot, serie.points);
            for (std::int32_t t = 0; t <= 4; ++t) {
                const QImage simple =
                    dessine(plan.plot, plan.taille, plan.ex, plan.ey, parametres(t, Dessin::simple), plan.ratio);
                const QImage rapide =
                    dessine(plan.plot, plan.taille, plan.ex, plan.ey, parametres(t, Dessin::rapide), plan.ratio);
                ASSERT_EQ(simple, rapide)
                    << "plot " << plan.plot << ", " << serie.nom << ", thickness " << t << ", ratio " << plan.ratio;
                if (t > 0) {
                    ASSERT_GT(de_couleur(rapide, plot_frame.couleur_serie[plan.plot]).size(), 50u);
                }
            }
        }
    }
    // The full capacity of the records plot.
    Points plein;
    for (int k = 0; k < 50000; ++k)
        plein.emplace_back(150.0 * k / 50000, -std::log(1 - aleatoire.generateDouble()) * 150);
    met_serie(1, plein);
    for (std::int32_t t : {1, 2}) {
        EXPECT_EQ(dessine(1, QSize(372, 95), "150", "1000", parametres(t, Dessin::simple)),
                  dessine(1, QSize(372, 95), "150", "1000", parametres(t, Dessin::rapide)));
    }
}

// At a device pixel ratio the drawing is the same, in logical pixels: each
// logical pixel of the series and of the red lines fills the device pixels it
// covers, edge to edge, and the frame is that of the logical size.
TEST_F(Rendu, AtADevicePixelRatioEachLogicalPixelFillsTheDevicePixelsItCovers) {
    class_table.Tau = 333;
    class_table.C0 = 7.5;
    Points records, classes;
    for (int k = 0; k < 300; ++k) records.emplace_back(k * 0.5, std::fmod(k * 37.0, 1000));
    for (int k = 0; k < 60; ++k) classes.emplace_back(10 * k, 90 * std::exp(-k / 20.0));
    met_serie(1, records);
    met_serie(2, classes);
    // The colour that only the series (plot 1) or the red lines (plot 2) paint.
    for (const auto& [n, couleur] : {std::pair{1, MARRON}, {2, ROUGE}}) {
        for (std::int32_t t : {0, 1, 2, 3}) {
            const Pixels logiques = de_couleur(dessine(n, CARRE, "150", "1000", parametres(t)), couleur);
            ASSERT_GT(logiques.size(), 100u);
            for (qreal ratio : {2.0, 1.5}) {
                Pixels attendu;
                for (const auto& [x, y] : logiques) {
                    const PixelsDevice xs = pixels_device(x, x + 1, ratio), ys = pixels_device(y, y + 1, ratio);
                    for (std::int64_t dy = ys.premier; dy <= ys.dernier; ++dy)
                        for (std::int64_t dx = xs.premier; dx <= xs.dernier; ++dx)
                            attendu.insert({static_cast<int>(dx), static_cast<int>(dy)});
                }
                EXPECT_EQ(de_couleur(dessine(n, CARRE, "150", "1000", parametres(t), ratio), couleur), attendu)
                    << "plot " << n << ", thickness " << t << ", ratio " << ratio;
            }
        }
    }
}
