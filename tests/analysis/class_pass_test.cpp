// The class pass through the load's class step, and the texts made of it.
#include "analysis/class_rule.h"
#include "analysis/class_table.h"
#include "analysis/load.h"
#include "analysis/load_text.h"
#include "analysis/record_store.h"
#include "platform/numbers.h"
#include "support/errors.h"
#include "support/qstring_print.h"
#include "support/series.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

struct Passe {
    ResultatClasses resultat;
    QStringList trace;
    QStringList listing;
    std::optional<TextesDesChiffres> textes;  // with the figures
};

// A store and a class table of its own for each test, as the window keeps them.
class ClassPass : public ::testing::Test {
protected:
    Passe passe(long double dX, long double x_max, bool par_centres = false) {
        Passe p{classe_les_durees({dX, x_max, par_centres}, record_store, class_table), {}, {}, {}};
        const std::int32_t n = p.resultat.n_classe;
        p.trace = lignes_de_trace(n, class_table);
        ecrit_la_serie_des_classes(n, class_table, record_store);
        p.listing = lignes_du_listing(n, record_store);
        if (p.resultat.chiffres) p.textes = textes_des_chiffres(*p.resultat.chiffres, false);
        return p;
    }
    void durees(std::initializer_list<double> valeurs, long double acquisition = 100) {
        ::durees(record_store, valeurs, acquisition);
    }

    RecordStore record_store;  // the fixture lives on the heap
    ClassTable class_table;
};

}  // namespace

TEST_F(ClassPass, DefaultsWithoutDataGiveEightyEmptyClasses) {
    durees({});
    const Passe p = passe(10, 800);
    EXPECT_EQ(p.resultat.n_classe, 80);
    ASSERT_EQ(p.trace.size(), 83);
    EXPECT_EQ(p.trace.front(), QStringLiteral("80  classes"));
    EXPECT_EQ(p.trace[1], QStringLiteral("-classe=1  n=0  val moyenne =0"));
    EXPECT_EQ(p.trace[82], QStringLiteral(" n_classe=80 valeur centrale  somme_duree=0"));
    ASSERT_EQ(p.listing.size(), 80);
    EXPECT_EQ(p.listing.front(), QStringLiteral("1   0   0"));
    EXPECT_EQ(p.listing.back(), QStringLiteral("80   790   0"));
    EXPECT_FALSE(p.textes.has_value());
    EXPECT_EQ(p.resultat.effectif_max, 0);
    EXPECT_EQ(n_max_autoscale(p.resultat), std::nullopt) << "no scale of 0";
    EXPECT_EQ(class_table.n_classe, 80);
    EXPECT_EQ(class_table.x_max, 800);
    EXPECT_EQ(record_store.nb_points[2], 80);
    EXPECT_EQ(record_store.max_x_serie[2], -10);
    EXPECT_EQ(record_store.max_y_serie[2], -10);
}

TEST_F(ClassPass, NumberOfClassesRoundsHalvesToEven) {
    struct Cas {
        long double dX, x_max;
        std::int32_t n;
    };
    const Cas cas[] = {{10, 805, 80},     {10, 815, 82}, {10, 4, 0},   {2.5L, 800, 320},
                       {10, 10010, 1001}, {10, -4, 0},   {10, -16, -2}};
    for (const Cas& c : cas) {
        prend_largeur_classe(c.dX, class_table);
        EXPECT_EQ(nombre_de_classes(c.x_max, class_table), c.n) << static_cast<double>(c.x_max);
    }
}

TEST_F(ClassPass, NoClassLeavesThreeTraceLinesAndKeepsTheFigures) {
    durees({5, 15});
    class_table.Tau = 123;
    class_table.C0 = 4;
    for (long double x_max : {4.0L, -16.0L}) {
        const Passe p = passe(10, x_max);
        const QString n = platform::decimal(p.resultat.n_classe);
        EXPECT_EQ(p.trace,
                  (QStringList{n + QStringLiteral("  classes"), QStringLiteral("  somme_val_moyenne_classe=0"),
                               QStringLiteral(" n_classe=") + n + QStringLiteral(" valeur centrale  somme_duree=0")}));
        EXPECT_TRUE(p.listing.isEmpty());
        EXPECT_FALSE(p.textes.has_value());
        EXPECT_EQ(record_store.nb_points[2], p.resultat.n_classe);
        EXPECT_EQ(class_table.n_classe, 0) << "no class shown";
        EXPECT_EQ(class_table.x_max, x_max);
    }
    EXPECT_EQ(class_table.Tau, 123);
    EXPECT_EQ(class_table.C0, 4);
    // The durations are still sorted into the (unshown) classes.
    EXPECT_EQ(class_table.effectif[0], 1);
    EXPECT_EQ(class_table.effectif[1], 1);
}

TEST_F(ClassPass, DurationOnABoundGoesToTheUpperClass) {
    durees({0, 9.99, 10, 20, -5});
    const Passe p = passe(10, 800);
    EXPECT_EQ(p.listing[0], QStringLiteral("1   0   3"));  // 0, 9.99 and -5
    EXPECT_EQ(p.listing[1], QStringLiteral("2   10   1"));
    EXPECT_EQ(p.listing[2], QStringLiteral("3   20   1"));
    EXPECT_EQ(p.trace[1], QStringLiteral("-classe=1  n=3  val moyenne =1.66333333333333"));
    EXPECT_EQ(record_store.serie_x[2][2], 20.0);
    EXPECT_EQ(record_store.serie_y[2][0], 3.0);
}

// The class of a double by the quick rule is that of the extended quotient:
// on and around every class bound (a few doubles either side), at 0, below
// -dX, beyond the last class, for widths that are doubles or not.
TEST(ClassRule, QuickRuleGivesTheClassOfTheExtendedQuotient) {
    // 0x1p1022 and 1e308: widths whose inverse is the least normal double, and below it.
    const long double largeurs[] = {10,       0.1,    0.1L,  2.5,      7,     3,          1 / 3.0,
                                    1 / 3.0L, 1e-300, 1e300, 0x1p1022, 1e308, DBL_MIN / 4};
    for (const long double dX : largeurs) {
        for (const std::int32_t classes : {1, 80, 1001}) {
            const RegleDesClasses regle(dX, classes);
            const auto verifie = [&](double d) {
                EXPECT_EQ(regle(d), classe_de(d, dX, classes))
                    << "d " << d << " dX " << static_cast<double>(dX) << " classes " << classes;
            };
            for (std::int32_t k = -2; k <= classes + 1; k += (k > 3 && k < classes - 3 ? 97 : 1)) {
                double d = static_cast<double>(k * dX);
                for (int pas = 0; pas < 4; ++pas) d = std::nextafter(d, -HUGE_VAL);
                for (int pas = 0; pas < 9; ++pas, d = std::nextafter(d, HUGE_VAL)) verifie(d);
                verifie(static_cast<double>((k + 0.5L) * dX));
            }
            for (const double d : {0.0, -0.0, DBL_MIN, -DBL_MIN, DBL_MAX, -DBL_MAX, HUGE_VAL, -HUGE_VAL, double{NAN}}) {
                verifie(d);
            }
        }
    }
}

TEST_F(ClassPass, TraceAndListingOfAClassShowItsMeanAndLowerBound) {
    // Twelve durations of mean 25 in class 3, and a 30 on the lower bound of class 4.
    durees({21, 29, 22, 28, 23, 27, 24, 26, 25, 25, 20.5, 29.5, 30});
    const Passe p = passe(10, 800);
    EXPECT_EQ(p.trace[3], QStringLiteral("-classe=3  n=12  val moyenne =25"));
    EXPECT_EQ(p.listing[2], QStringLiteral("3   20   12"));
    EXPECT_EQ(p.trace[4], QStringLiteral("-classe=4  n=1  val moyenne =30"));
    EXPECT_EQ(p.trace[81], QStringLiteral("  somme_val_moyenne_classe=330"));
    // Centres: 12 x 25 + 1 x 35.
    EXPECT_EQ(p.trace[82], QStringLiteral(" n_classe=80 valeur centrale  somme_duree=335"));
    EXPECT_EQ(p.listing[4], QStringLiteral("5   40   0"));
}

TEST_F(ClassPass, ListingPrintsTheStored64BitBounds) {
    durees({0.25});
    const Passe p = passe(0.1L, 1);
    ASSERT_EQ(p.listing.size(), 10);
    EXPECT_EQ(p.listing[3], QStringLiteral("4   0.3   0"));
    EXPECT_EQ(record_store.serie_x[2][3], static_cast<double>(3 * 0.1L));
    EXPECT_EQ(p.listing[2], QStringLiteral("3   0.2   1"));
}

// Tau by class means is the mean of the durations shown: a duration beyond X
// max takes no part in it, as in the events it is divided by (a record of
// 2000 with X max 800 made Tau 1008.5 for two events of 2 and 15).
TEST_F(ClassPass, TotalByClassMeansIsOfTheDurationsShown) {
    struct Cas {
        bool par_centres;
        const char *tau, *lambda, *demi_vie, *cm, *c0, *activite;
    };
    const Cas cas[] = {
        // Tau = (2 + 15) / 2 = 8.5 lies in class 1, which holds the 2.
        {false, "8.5", "0.118", "5.892", "1 [ classe 1]", "0.368", "0.004"},
        // By class centres, (5 + 15) / 2 = 10 lies in class 2, which holds the 15.
        {true, "10", "0.1", "6.931", "1 [ classe 2]", "0.368", "0.004"},
    };
    for (const Cas& c : cas) {
        durees({2, 15, 2000});
        const Passe p = passe(10, 800, c.par_centres);
        ASSERT_TRUE(p.textes.has_value());
        const TextesDesChiffres& s = *p.textes;
        EXPECT_EQ(s.duree_totale_moyennes, QStringLiteral("17"));
        EXPECT_EQ(s.duree_totale_centres, QStringLiteral("20"));
        EXPECT_EQ(s.evenements, QStringLiteral("2"));
        EXPECT_EQ(s.tau, QString::fromUtf8(c.tau));
        EXPECT_EQ(s.lambda, QString::fromUtf8(c.lambda));
        EXPECT_EQ(s.demi_vie, QString::fromUtf8(c.demi_vie));
        EXPECT_EQ(s.cm, QString::fromUtf8(c.cm));
        EXPECT_EQ(s.c0, QString::fromUtf8(c.c0));
        EXPECT_EQ(s.activite, QString::fromUtf8(c.activite));
        EXPECT_EQ(class_table.evenements, 2);
        EXPECT_EQ(class_table.somme_duree, 20);
        EXPECT_EQ(p.resultat.durees_hors_table, 0);
        EXPECT_EQ(class_table.effectif[200], 1);  // counted, not shown
    }
}

TEST_F(ClassPass, FiguresAreExtendedPrecision) {
    durees({5, 15}, 3);
    passe(10, 800, true);
    EXPECT_EQ(class_table.Tau, 10);
    EXPECT_EQ(class_table.Cm, 1);
    EXPECT_EQ(class_table.C0, 1 / std::numbers::e_v<long double>);
    EXPECT_EQ(class_table.activite_initiale, 1 / std::numbers::e_v<long double> / 3);
}

// A run in time (ns, µs) keeps four significant digits where "0.###" would
// round a figure to 0; other figures, and every figure of a run of unknown
// unit, show what they always showed.
TEST_F(ClassPass, FiguresOfARunInTimeKeepFourSignificantDigits) {
    struct Cas {
        double duree;
        long double dX, x_max;
        bool unite_connue;
        const char *tau, *lambda, *demi_vie, *activite;
    };
    const Cas cas[] = {
        {2500, 10, 5000, false, "2500", "0", "1732.868", "0.004"},
        {2500, 10, 5000, true, "2500", "0.0004", "1732.868", "0.004"},
        {40000, 100, 50000, true, "40000", "0.000025", "27725.887", "0.004"},
        {0.2, 0.01, 1, false, "0.2", "5", "0.139", "0.004"},
        {0.2, 0.01, 1, true, "0.2", "5", "0.139", "0.004"},
    };
    for (const Cas& c : cas) {
        durees({c.duree});  // 100 minutes: C0 / 100 = 0.00368 per minute
        const Passe p = passe(c.dX, c.x_max);
        ASSERT_TRUE(p.resultat.chiffres.has_value());
        const TextesDesChiffres s = textes_des_chiffres(*p.resultat.chiffres, c.unite_connue);
        EXPECT_EQ(s.tau, QString::fromUtf8(c.tau)) << c.duree << c.unite_connue;
        EXPECT_EQ(s.lambda, QString::fromUtf8(c.lambda)) << c.duree << c.unite_connue;
        EXPECT_EQ(s.demi_vie, QString::fromUtf8(c.demi_vie)) << c.duree << c.unite_connue;
        EXPECT_EQ(s.activite, QString::fromUtf8(c.activite)) << c.duree << c.unite_connue;
    }
    // The locale's decimal mark.
    durees({2854.638});
    const Passe p = passe(10, 5000);
    platform::set_decimal_separator(QLatin1Char(','));
    EXPECT_EQ(textes_des_chiffres(*p.resultat.chiffres, true).lambda, QStringLiteral("0,0003503"));
    platform::set_decimal_separator(QLatin1Char('.'));
}

TEST_F(ClassPass, LargestCountLooksAtShownClassesOnly) {
    record_store.nb_points[1] = 37 + 50;
    for (std::size_t j = 1; j <= 37; ++j) record_store.serie_y[1][j] = 3;
    for (std::size_t j = 38; j <= 87; ++j) record_store.serie_y[1][j] = 900;
    const Passe p = passe(10, 800);
    EXPECT_EQ(p.resultat.effectif_max, 37);
    EXPECT_EQ(n_max_autoscale(p.resultat), 37);
    EXPECT_EQ(class_table.effectif[90], 50);
}

TEST_F(ClassPass, ImpossibleClassWidthIsRefusedAndKeepsTheWidth) {
    prend_largeur_classe(10, class_table);
    for (long double dX : {0.0L, -0.0L, -5.0L}) {
        const QString message = erreur_de([&] { prend_largeur_classe(dX, class_table); });
        EXPECT_TRUE(message.startsWith(QStringLiteral("dX = ")) && message.contains(QStringLiteral("supérieure à 0")))
            << message;
        EXPECT_EQ(class_table.largeur_classe, 10);
    }
}

TEST_F(ClassPass, MoreThan1001ClassesAreRefusedBeforeAnythingChanges) {
    durees({5});
    passe(10, 800);
    prend_largeur_classe(10, class_table);
    for (long double x_max : {10015.0L, 1e6L, 1e300L}) {
        const QString message = erreur_de([&] { nombre_de_classes(x_max, class_table); });
        EXPECT_TRUE(message.contains(QStringLiteral("1001")) && message.contains(QStringLiteral("X max / dX")))
            << message;
    }
    // A width so small that X max / dX is no finite number.
    prend_largeur_classe(1e-4940L, class_table);
    EXPECT_TRUE(erreur_de([&] { nombre_de_classes(1e300L, class_table); }).contains(QStringLiteral("1001")));
    // Beyond the range of the stored class bounds.
    prend_largeur_classe(1e4000L, class_table);
    EXPECT_TRUE(
        erreur_de([&] { nombre_de_classes(1e4001L, class_table); }).startsWith(QStringLiteral("X max = 1E4001")));
    EXPECT_EQ(record_store.nb_points[2], 80);
    // A pass refused by its choices leaves the table's classes those of the last pass.
    EXPECT_FALSE(erreur_de([&] { classe_les_durees({10, 1e6L, false}, record_store, class_table); }).isEmpty());
    EXPECT_EQ(class_table.n_classe, 80);
    EXPECT_EQ(class_table.x_max, 800);
}

TEST_F(ClassPass, DurationsOutsideTheTableAreLeftOut) {
    durees({-10, -25, 1e6, 10009.99, 5, 1e300});
    const Passe p = passe(10, 10010);
    EXPECT_EQ(p.resultat.n_classe, 1001);
    EXPECT_EQ(p.resultat.durees_hors_table, 4);
    EXPECT_EQ(class_table.effectif[0], 1);
    EXPECT_EQ(class_table.effectif[1000], 1);
    EXPECT_EQ(p.listing.size(), 1001);
    EXPECT_EQ(p.listing.back(), QStringLiteral("1001   10000   1"));
    EXPECT_EQ(class_table.evenements, 2);
    // The class width beside the table is untouched.
    EXPECT_EQ(class_table.largeur_classe, 10);
    EXPECT_EQ(p.textes->evenements, QStringLiteral("2"));
}

// The last class of the table ends just below 1001 x dX: a duration on that
// bound would be class 1001, one past the table, and -dX would be class -1.
TEST_F(ClassPass, TheTableEndsBelow1001ClassWidths) {
    for (const long double dX : {10.0L, 2.5L, 0.25L}) {
        const auto d = static_cast<double>(dX);
        durees({1000 * d, 1000.5 * d, 1001 * d, -d, 1001.5 * d});
        const Passe p = passe(dX, 1001 * dX);
        EXPECT_EQ(p.resultat.durees_hors_table, 3) << d;
        EXPECT_EQ(class_table.effectif[1000], 2) << d;
        EXPECT_EQ(class_table.evenements, 2) << d;
        EXPECT_EQ(p.listing.back(), QStringLiteral("1001   ") + platform::general(1000 * dX) + QStringLiteral("   2"));
    }
}

// Tau is the mean of the durations shown: it lies among the shown classes,
// whatever lies beyond X max or outside the table (before, 1000, 30005 and -35
// here, in classes that hold nothing or lie outside the table).
TEST_F(ClassPass, TauLiesAmongTheShownClasses) {
    struct Cas {
        std::initializer_list<double> valeurs;
        long double dX, x_max;
        const char *tau, *cm;
    };
    const Cas cas[] = {
        {{0, 0, 1000, 1000}, 10, 800, "0", "2 [ classe 1]"},
        {{0, 0, 30000, 30010}, 10, 800, "0", "2 [ classe 1]"},
        {{-5, -30}, 10, 800, "-5", "1 [ classe 1]"},
        {{0, 1e300}, 1e-4930L, 2e-4930L, "0", "1 [ classe 1]"},
    };
    for (const Cas& c : cas) {
        durees(c.valeurs);
        const Passe p = passe(c.dX, c.x_max);
        ASSERT_TRUE(p.textes.has_value()) << c.cm;
        if (c.tau) {
            EXPECT_EQ(p.textes->tau, QString::fromUtf8(c.tau));
        }
        EXPECT_EQ(p.textes->cm, QString::fromUtf8(c.cm));
    }
}

TEST_F(ClassPass, ZeroTauAndZeroAcquisitionTimeShowNoFigureAndFinish) {
    durees({-5, 5}, 0);
    const Passe p = passe(10, 800);
    ASSERT_TRUE(p.textes.has_value());
    const TextesDesChiffres& s = *p.textes;
    EXPECT_EQ(s.tau, QStringLiteral("0"));
    EXPECT_EQ(s.lambda, TEXTE_INDEFINI);
    EXPECT_EQ(s.cm, QStringLiteral("2 [ classe 1]"));
    EXPECT_EQ(s.c0, QStringLiteral("0.736"));
    EXPECT_EQ(s.activite, TEXTE_INDEFINI);
    EXPECT_EQ(class_table.activite_initiale, 0);
    EXPECT_EQ(p.listing.size(), 80);
}

TEST_F(ClassPass, ReadsNoRecordBeyondTheCapacityOfSeries1) {
    for (std::size_t j = 1; j <= NB_MAX_DONNEES; ++j) record_store.serie_y[1][j] = 5;
    for (std::size_t j = 0; j < 100; ++j) record_store.serie_y[2][j] = 5;
    record_store.nb_points[1] = NB_MAX_DONNEES + 60;
    passe(10, 800);
    EXPECT_EQ(class_table.effectif[0], NB_MAX_DONNEES);
}

TEST_F(ClassPass, Series2BeyondTheShownClassesKeepsEarlierPoints) {
    durees({5});
    passe(10, 800);
    passe(10, 400);
    EXPECT_EQ(record_store.nb_points[2], 40);
    EXPECT_EQ(record_store.serie_x[2][50], 500.0);
}
