// The likelihood's sums, four values at a time with their own exponential and
// logarithm, against the same terms added one by one with the library's
// functions: within rounding at every kind of point (the values below the
// logarithm's floor, exponents beyond the range of the vector functions,
// value counts that are not a multiple of four), off a grid and on one, where
// each value's density is its cell's probability over the step. Then the
// likelihood built from them: its gradient and Hessian are those of its value.
#include "fit/detail/exponential_sums.h"
#include "fit/detail/likelihood.h"
#include "fit/detail/sample.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(ExponentialSums, AgreeWithTheTermsAddedOneByOne) {
    using fit::detail::ExponentialPoint;
    using fit::detail::ExponentialSums;
    struct Case {
        const char* name;
        double lambda;
        double b;
        double largest_s;  // the values spread evenly up to it (off a grid)
        std::size_t n;
        double step = 0;  // on a grid: the values at the centres of cells, some cells skipped
    };
    const Case cases[] = {
        {"a usual fit", 1 / 220.0, 0.05, 1990, 1003},
        {"no background", 1 / 220.0, 0, 1990, 1000},
        {"the background alone", 1 / 220.0, 1, 1990, 1001},
        {"a nearly flat exponential", 1e-6, 0.3, 1990, 1002},
        // exponents down to -1000: densities below the floor, some below the vectors' range
        {"a steep exponential, no background", 1, 0, 1000, 1003},
        {"a steep exponential with background", 1, 0.01, 1000, 1003},
        {"fewer than four values", 1 / 220.0, 0.05, 1990, 3},
        {"on a grid of 0.1", 1 / 220.0, 0.05, 0, 17003, 0.1},
        {"on a coarse grid (a tenth of tau)", 1 / 220.0, 0.2, 0, 17, 22},
        {"on a grid, a steep exponential", 1, 0.01, 0, 1001, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double width = 2000;
        const fit::detail::Decay decay{c.step > 0 ? std::floor(width / c.step) * c.step : width, c.step};
        const ExponentialPoint p{c.lambda, decay.norm(c.lambda), decay.mean(c.lambda),
                                 c.b,      decay.width,          1e-30 / decay.width};
        // On a grid, the density of the j-th cell from its probability
        // r^j (1 - r) / (1 - r^M), r = e^(-lambda D), not from the norm.
        const double cells = c.step > 0 ? decay.width / c.step : 0;
        std::vector<double> s;
        std::vector<double> weight;
        ExponentialSums expected;
        for (std::size_t k = 0; k < c.n; ++k) {
            const double j = static_cast<double>(k + k / 7 % 2 * (k % 5));  // gaps of up to four cells
            if (c.step > 0 && j >= cells) break;
            s.push_back(c.step > 0 ? (j + 0.5) * c.step
                                   : c.largest_s * static_cast<double>(k) / static_cast<double>(c.n));
            weight.push_back(static_cast<double>(1 + k % 3));
            const double g = c.step > 0 ? std::exp(-c.lambda * c.step * j) * -std::expm1(-c.lambda * c.step) /
                                              -std::expm1(-c.lambda * decay.width) / c.step
                                        : p.norm * std::exp(-c.lambda * s.back());
            fit::detail::add_exponential_terms(expected, p, s.back(), weight.back(), g);
        }
        // The version this processor is given, and the baseline one every
        // x86-64 runs (which a processor with AVX2 never takes by itself).
        for (const auto sums : {&fit::detail::exponential_sums, &fit::detail::exponential_sums_baseline}) {
            const ExponentialSums got = sums(s.data(), weight.data(), s.size(), p);
            for (const auto sum :
                 {&ExponentialSums::value, &ExponentialSums::a_l, &ExponentialSums::a_b, &ExponentialSums::a_g,
                  &ExponentialSums::a_ll, &ExponentialSums::q_ll, &ExponentialSums::q_lb, &ExponentialSums::q_bb}) {
                EXPECT_NEAR(got.*sum, expected.*sum, 1e-12 * std::fabs(expected.*sum));
            }
        }
    }
}

// The gradient and Hessian in (lambda, b) against central differences of the
// value and of the gradient: the mean and variance the sums are turned with
// must be the derivatives of the norm of the grid (or of the continuous window).
TEST(ExponentialSums, TheLikelihoodsDerivativesAreThoseOfItsValue) {
    struct Case {
        const char* name;
        double step;  // 0: durations on no grid
        double b;
    };
    const Case cases[] = {
        {"on a grid of 0.1", 0.1, 0.05},
        {"on a coarse grid", 20, 0.1},
        {"on no grid", 0, 0.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<double> durations = toy_run({.seed = 7, .count = 5000, .background = 0.05, .step = c.step});
        const fit::detail::Sample x = fit::detail::sample_window(durations, 10, 2000);
        ASSERT_EQ(x.step > 0, c.step > 0);
        fit::detail::Likelihood likelihood(x);
        const double lambda = 1 / 215.0;
        const fit::detail::Local at = likelihood.local(lambda, c.b);
        const double h[2] = {1e-5 * lambda, 1e-6};
        for (int i = 0; i < 2; ++i) {
            const auto moved = [&](double sign) {
                return likelihood.local(lambda + (i == 0 ? sign * h[0] : 0), c.b + (i == 1 ? sign * h[1] : 0));
            };
            const fit::detail::Local up = moved(1);
            const fit::detail::Local down = moved(-1);
            const double slope = (up.value - down.value) / (2 * h[i]);
            EXPECT_NEAR(at.gradient[i], slope, 1e-5 * std::fabs(slope) + 1e-6) << "gradient " << i;
            for (int j = 0; j < 2; ++j) {
                const double curvature = (up.gradient[j] - down.gradient[j]) / (2 * h[i]);
                EXPECT_NEAR(at.hessian[i][j], curvature, 1e-5 * std::fabs(curvature)) << "Hessian " << i << j;
            }
        }
    }
}
