#include "platform/numbers.h"
#include "plot/scales.h"
#include "support/errors.h"

#include <gtest/gtest.h>

TEST(Scales, TickStepIsTheTenthBroughtToAMultipleOfFive) {
    struct Cas {
        long double echelle;
        long double pas;
    };
    const Cas cas[] = {{1000, 100}, {800, 80}, {150, 20}, {155, 20}, {100, 10},  {35, 5},
                       {20, 5},     {5, 5},    {2, 5},    {1, 5},    {0, 0},     {-10, 0},
                       {-50, 0},    {-60, -5}, {250, 30}, {0.3L, 5}, {1E4, 1000}};
    PlotScales plot_scales;
    for (const Cas& c : cas) {
        prend_echelles(2, c.echelle, c.echelle, plot_scales);
        EXPECT_EQ(plot_scales.pas_x[2], c.pas) << static_cast<double>(c.echelle);
        EXPECT_EQ(plot_scales.pas_y[2], c.pas) << static_cast<double>(c.echelle);
        EXPECT_EQ(plot_scales.echelle_x[2], c.echelle);
    }
    // Odd multiples of 5 go up to the next multiple of 10, even ones stay.
    EXPECT_EQ(arrondi_cinq(5), 10);
    EXPECT_EQ(arrondi_cinq(15), 20);
    EXPECT_EQ(arrondi_cinq(20), 20);
}

TEST(Scales, EachPlotHasItsOwnScales) {
    PlotScales plot_scales;
    prend_echelles(1, 150, 1000, plot_scales);
    prend_echelles(2, 800, 100, plot_scales);
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(plot_scales.pas_y[1], 100);
    EXPECT_EQ(plot_scales.pas_x[2], 80);
    EXPECT_EQ(plot_scales.pas_y[2], 10);
    EXPECT_EQ(plot_scales.echelle_y[1], 1000);
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
