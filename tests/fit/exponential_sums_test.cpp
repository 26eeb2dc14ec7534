// The likelihood's sums off a grid, four values at a time with their own
// exponential and logarithm, against the same terms added one by one with the
// library's functions: within rounding at every kind of point (the values
// below the logarithm's floor, exponents beyond the range of the vector
// functions, value counts that are not a multiple of four).
#include "fit/detail/exponential_sums.h"

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
        double largest_s;  // the values spread evenly up to it
        std::size_t n;
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double width = 2000;
        const ExponentialPoint p{c.lambda,     c.lambda / -std::expm1(-c.lambda * width), 0.4 / c.lambda, c.b, width,
                                 1e-30 / width};
        std::vector<double> s;
        std::vector<double> weight;
        ExponentialSums expected;
        for (std::size_t k = 0; k < c.n; ++k) {
            s.push_back(c.largest_s * static_cast<double>(k) / static_cast<double>(c.n));
            weight.push_back(static_cast<double>(1 + k % 3));
            fit::detail::add_exponential_terms(expected, p, s[k], weight[k], p.norm * std::exp(-c.lambda * s[k]));
        }
        const ExponentialSums got = fit::detail::exponential_sums(s.data(), weight.data(), s.size(), p);
        for (const auto sum :
             {&ExponentialSums::value, &ExponentialSums::a_l, &ExponentialSums::a_b, &ExponentialSums::a_g,
              &ExponentialSums::a_ll, &ExponentialSums::q_ll, &ExponentialSums::q_lb, &ExponentialSums::q_bb}) {
            EXPECT_NEAR(got.*sum, expected.*sum, 1e-12 * std::fabs(expected.*sum));
        }
    }
}
