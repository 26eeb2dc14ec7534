// The histogram of the binned fit: made as the class pass makes it, and fitted
// back to the model it was made from.
#include "analysis/class_pass.h"
#include "analysis/class_table.h"
#include "fit/detail/binned.h"
#include "fit/lifetime_fit.h"
#include "support/series.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

TEST(FitClasses, CountsAreThoseOfTheClassPass) {
    struct Case {
        long double dX;
        long double x_max;
        std::vector<double> durations;
    };
    std::vector<double> toy = toy_durations(9, 3000, 0.05, 10);
    // Class edges, values just below them, durations between -dX and 0, beyond X max.
    toy.insert(toy.end(), {0, 0.3, 0.7, 10, 20, 19.999999, -0.05, -9.99, -10, 799.9, 800, 1e9, -1e9});
    const Case cases[] = {{10, 800, toy}, {0.1L, 100, toy}, {2.5L, 2500, toy}, {7, 7000, {3, 6.9999999999, 7, 13.9}}};
    auto store = std::make_unique<RecordStore>();
    auto class_table = std::make_unique<ClassTable>();
    for (const Case& c : cases) {
        durees(*store, c.durations);
        prend_largeur_classe(c.dX, *class_table);
        const std::int32_t n = nombre_de_classes(c.x_max, *class_table);
        calcule_classes(n, false, *store, *class_table);
        const std::vector<std::int32_t> counts = fit::class_counts(c.durations, c.dX, n);
        ASSERT_EQ(counts.size(), static_cast<std::size_t>(n));
        for (std::int32_t k = 0; k < n; ++k) {
            EXPECT_EQ(counts[static_cast<std::size_t>(k)], class_table->effectif[static_cast<std::size_t>(k)])
                << "dX " << static_cast<double>(c.dX) << ", class " << k;
        }
    }
}

TEST(FitClasses, AHistogramMadeFromTheModelGivesItsParametersBack) {
    // A (tau/dX) e^(-k dX/tau) (1 - e^(-dX/tau)) + B, classes 2 .. 61.
    const double a = 1000;
    const double tau = 150;
    const double b = 3;
    const double dX = 10;
    std::vector<double> counts;
    for (int k = 2; k < 62; ++k) counts.push_back(a * tau / dX * std::exp(-k * dX / tau) * -std::expm1(-dX / tau) + b);
    for (const fit::Model model : {fit::Model::exp_flat, fit::Model::exp_only}) {
        std::vector<double> n = counts;
        if (model == fit::Model::exp_only) {
            for (double& v : n) v -= b;
        }
        fit::Result r;
        fit::detail::fit_classes(n, dX, 2, model, r);
        ASSERT_EQ(r.status, fit::Status::converged);
        EXPECT_NEAR(r.amplitude, a, 1e-5 * a);
        EXPECT_NEAR(r.tau, tau, 1e-5 * tau);
        if (model == fit::Model::exp_flat) {
            EXPECT_NEAR(r.background_per_class, b, 1e-5 * b);
        }
        EXPECT_NEAR(r.goodness.chi2, 0, 1e-8);
    }
}
