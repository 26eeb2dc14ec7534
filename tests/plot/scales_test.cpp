#include "platform/numbers.h"
#include "plot/scales.h"
#include "support/errors.h"

#include <gtest/gtest.h>

TEST(Scales, TickStepIsTheTenthBroughtToAMultipleOfFive) {
    struct Cas {
        const char* echelle;
        long double pas;
    };
    const Cas cas[] = {{"1000", 100}, {"800", 80}, {"150", 20}, {"155", 20}, {"100", 10},  {"35", 5},
                       {"20", 5},     {"5", 5},    {"2", 5},    {"1", 5},    {"0", 0},     {"-10", 0},
                       {"-50", 0},    {"-60", -5}, {"250", 30}, {"0.3", 5},  {"1E4", 1000}};
    PlotScales plot_scales;
    for (const Cas& c : cas) {
        lit_echelles(2, QString::fromLatin1(c.echelle), QString::fromLatin1(c.echelle), plot_scales);
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
    PlotScales plot_scales;
    const auto lit = [&](int n, QStringView x, QStringView y) { lit_echelles(n, x, y, plot_scales); };
    lit(1, u"150", u"1000");
    lit(2, u"800", u"100");
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(plot_scales.pas_y[1], 100);
    EXPECT_EQ(plot_scales.pas_x[2], 80);
    EXPECT_EQ(plot_scales.pas_y[2], 10);

    // A bad y text: the x span is already new, the rest keeps the last values.
    EXPECT_EQ(erreur_de([&] { lit(1, u"300", u"abc"); }), QStringLiteral("'abc' is not a valid floating point value"));
    EXPECT_EQ(plot_scales.echelle_x[1], 300);
    EXPECT_EQ(plot_scales.echelle_y[1], 1000);
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(erreur_de([&] { lit(1, u"", u"50"); }), QStringLiteral("'' is not a valid floating point value"));
    EXPECT_EQ(plot_scales.echelle_x[1], 300);
    EXPECT_EQ(plot_scales.echelle_y[1], 1000);
    EXPECT_EQ(plot_scales.echelle_x[2], 800);  // the other plot is untouched

    // The locale's decimal separator.
    platform::set_decimal_separator(QLatin1Char(','));
    lit(1, u"155,5", u"2,5");
    EXPECT_EQ(plot_scales.echelle_x[1], 155.5L);
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(plot_scales.echelle_y[1], 2.5L);
    EXPECT_EQ(erreur_de([&] { lit(1, u"1.5", u"2"); }), QStringLiteral("'1.5' is not a valid floating point value"));
}

TEST(Scales, AutoscaleValueFromTheLargestValue) {
    struct Cas {
        long double maximum;
        const char* texte;
    };
    for (const Cas c :
         {Cas{137.3L, "155"}, Cas{913, "1005"}, Cas{90.9L, "100"}, Cas{1, "5"}, Cas{95.5L, "110"}, Cas{0.01L, "0"}}) {
        const auto texte = valeur_autoscale(c.maximum);
        ASSERT_TRUE(texte.has_value()) << static_cast<double>(c.maximum);
        EXPECT_EQ(*texte, QString::fromLatin1(c.texte)) << static_cast<double>(c.maximum);
    }
    EXPECT_FALSE(valeur_autoscale(0).has_value());
    EXPECT_FALSE(valeur_autoscale(-10).has_value());
    EXPECT_EQ(erreur_de([] { valeur_autoscale(3e9L); }), QStringLiteral("Floating point overflow"));
}
