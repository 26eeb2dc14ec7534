#include "platform/errors.h"
#include "platform/numbers.h"
#include "plot/plot_scales.h"
#include "plot/scales.h"

#include <gtest/gtest.h>

namespace {
QString erreur_de(const std::function<void()>& f) {
    try {
        f();
    } catch (const platform::Error& e) {
        return e.text();
    }
    return QStringLiteral("(no error)");
}
}  // namespace

TEST(Scales, TickStepIsTheTenthBroughtToAMultipleOfFive) {
    struct Cas {
        const char* echelle;
        long double pas;
    };
    const Cas cas[] = {{"1000", 100}, {"800", 80}, {"150", 20}, {"155", 20}, {"100", 10}, {"35", 5},   {"20", 5},
                       {"5", 5},      {"2", 5},    {"1", 5},    {"0", 0},    {"-10", 0}, {"-50", 0}, {"-60", -5},
                       {"250", 30},   {"0.3", 5},  {"1E4", 1000}};
    for (const Cas& c : cas) {
        lit_echelles(2, QString::fromLatin1(c.echelle), QString::fromLatin1(c.echelle));
        EXPECT_EQ(plot_scales.pas_x[2], c.pas) << c.echelle;
        EXPECT_EQ(plot_scales.pas_y[2], c.pas) << c.echelle;
        EXPECT_EQ(plot_scales.echelle_x[2], platform::str_to_float(QString::fromLatin1(c.echelle)));
    }
    // Odd multiples of 5 go up to the next multiple of 10, even ones stay.
    EXPECT_EQ(arrondi_cinq(5), 10);
    EXPECT_EQ(arrondi_cinq(15), 20);
    EXPECT_EQ(arrondi_cinq(20), 20);
}

TEST(Scales, ScalesAreReadPerPlotXBeforeY) {
    lit_echelles(1, u"150", u"1000");
    lit_echelles(2, u"800", u"100");
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(plot_scales.pas_y[1], 100);
    EXPECT_EQ(plot_scales.pas_x[2], 80);
    EXPECT_EQ(plot_scales.pas_y[2], 10);

    // A bad y text: the x span is already new, the rest keeps the last values.
    EXPECT_EQ(erreur_de([] { lit_echelles(1, u"300", u"abc"); }), QStringLiteral("'abc' is not a valid floating point value"));
    EXPECT_EQ(plot_scales.echelle_x[1], 300);
    EXPECT_EQ(plot_scales.echelle_y[1], 1000);
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(erreur_de([] { lit_echelles(1, u"", u"50"); }), QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(plot_scales.echelle_x[1], 300);
    EXPECT_EQ(plot_scales.echelle_y[1], 1000);
    EXPECT_EQ(plot_scales.echelle_x[2], 800);  // the other plot is untouched

    // The locale's decimal separator.
    platform::set_decimal_separator(QLatin1Char(','));
    lit_echelles(1, u"155,5", u"2,5");
    EXPECT_EQ(plot_scales.echelle_x[1], 155.5L);
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(plot_scales.echelle_y[1], 2.5L);
    EXPECT_EQ(erreur_de([] { lit_echelles(1, u"1.5", u"2"); }), QStringLiteral("'1.5' is not a valid floating point value"));
}

// The worked table runs through the buttons of the main window (tests/app); here the edges.
TEST(Scales, SteppingEdges) {
    struct Cas {
        const char* v;
        const char* plus;   // after "+"
        const char* moins;  // after "-"
    };
    for (const Cas& c : {Cas{"-5", "0", "1"}, Cas{" 42", "50", "30"}, Cas{"1818181818", "2000000000", "1000000000"},
                         Cas{"11", "20", "10"}, Cas{"22", "30", "20"}}) {
        EXPECT_EQ(eleve_echelle(QString::fromLatin1(c.v)), QString::fromLatin1(c.plus)) << c.v;
        EXPECT_EQ(abaisse_echelle(QString::fromLatin1(c.v)), QString::fromLatin1(c.moins)) << c.v;
    }
}

TEST(Scales, SteppingRefusesDecimalsAndResultsBeyondThirtyTwoBits) {
    EXPECT_EQ(erreur_de([] { eleve_echelle(u"2.5"); }), QStringLiteral("'2.5' is not a valid integer value"));
    EXPECT_EQ(erreur_de([] { abaisse_echelle(u"1E3"); }), QStringLiteral("'1E3' is not a valid integer value"));
    EXPECT_EQ(erreur_de([] { abaisse_echelle(u""); }), QStringLiteral("'' is not a valid integer value"));
    // 1818181819 x 1.1 is above 2 x 10^9: the next step, 3 x 10^9, does not fit.
    EXPECT_EQ(erreur_de([] { eleve_echelle(u"1818181819"); }), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(erreur_de([] { eleve_echelle(u"2147483647"); }), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(abaisse_echelle(u"2147483647"), QStringLiteral("1000000000"));
}

TEST(Scales, AutoscaleValueFromTheLargestValue) {
    struct Cas {
        long double maximum;
        const char* texte;
    };
    for (const Cas c : {Cas{137.3L, "155"}, Cas{913, "1005"}, Cas{90.9L, "100"}, Cas{1, "5"}, Cas{95.5L, "110"},
                        Cas{0.01L, "0"}}) {
        const auto texte = valeur_autoscale(c.maximum);
        ASSERT_TRUE(texte.has_value()) << static_cast<double>(c.maximum);
        EXPECT_EQ(*texte, QString::fromLatin1(c.texte)) << static_cast<double>(c.maximum);
    }
    EXPECT_FALSE(valeur_autoscale(0).has_value());
    EXPECT_FALSE(valeur_autoscale(-10).has_value());
    EXPECT_EQ(erreur_de([] { valeur_autoscale(3e9L); }), QStringLiteral("Floating point overflow"));
}
