// The goodness of fit: its degrees of freedom, its p-value and the rule of
// too few expected events, on tables at the rule's edges and on real fits,
// which carry no warning when they are healthy.
#include "fit/detail/goodness.h"
#include "fit/lifetime_fit.h"
#include "support/toy_durations.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

double p_value(double chi2, int ndf) {
    return boost::math::cdf(boost::math::complement(boost::math::chi_squared_distribution<double>(ndf), chi2));
}

}  // namespace

TEST(Goodness, NoPValueWhenTooManyClassesExpectFewerThanFive) {
    using fit::GoodnessNote;
    struct Case {
        const char* name;
        std::vector<double> expected;  // observed: one more in each class
        GoodnessNote note;
    };
    const Case cases[] = {
        {"ten classes expecting exactly 5", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, GoodnessNote::ok},
        {"a fifth of them below 5", {4.9, 4.9, 8, 8, 8, 8, 8, 8, 8, 8}, GoodnessNote::ok},
        {"more than a fifth below 5", {4.9, 4.9, 4.9, 8, 8, 8, 8, 8, 8, 8}, GoodnessNote::too_few_expected},
        {"no degree of freedom left", {50, 40, 30}, GoodnessNote::too_few_classes},
    };
    for (const Case& c : cases) {
        std::vector<double> observed;
        for (const double mu : c.expected) observed.push_back(mu + 1);
        const fit::Goodness g = fit::detail::goodness(observed, c.expected, 3);
        EXPECT_EQ(g.note, c.note) << c.name;
        EXPECT_EQ(g.ndf, static_cast<int>(c.expected.size()) - 3) << c.name;
        EXPECT_EQ(std::isfinite(g.p_value), c.note == GoodnessNote::ok) << c.name;
        if (c.note == GoodnessNote::ok) {
            EXPECT_DOUBLE_EQ(g.p_value, p_value(g.chi2, g.ndf)) << c.name;
        }
    }
}

// ndf = classes - 3 with a background (tau, b and the normalisation, or A,
// tau and B), classes - 2 without; a healthy fit warns of nothing.
TEST(Goodness, RealFitsCountTheirParametersAndWarnOfNothing) {
    const std::vector<double> durations = toy_durations(31, 20000, 0.05, 1 << 30);
    struct Case {
        fit::Model model;
        fit::Method method;
        int parameters;
    };
    const Case cases[] = {{fit::Model::exp_flat, fit::Method::unbinned, 3},
                          {fit::Model::exp_only, fit::Method::unbinned, 2},
                          {fit::Model::exp_flat, fit::Method::binned, 3},
                          {fit::Model::exp_only, fit::Method::binned, 2}};
    for (const Case& c : cases) {
        fit::Request q;
        q.durations = durations;
        q.t_min = 10;
        q.t_max = c.model == fit::Model::exp_only ? 600 : 2000;  // little background below 600
        q.model = c.model;
        q.method = c.method;
        q.classes = {10, 200, 0, {}};
        const fit::Result r = fit::fit_lifetime(q);
        const std::string what = std::string(fit::name(c.model)) + " " + std::string(fit::name(c.method));
        ASSERT_EQ(r.status, fit::Status::converged) << what;
        EXPECT_EQ(r.warnings, 0u) << what;
        const fit::Goodness& g = r.goodness;
        EXPECT_GT(g.classes, 40) << what;
        EXPECT_EQ(g.ndf, g.classes - c.parameters) << what;
        EXPECT_EQ(g.note, fit::GoodnessNote::ok) << what;
        EXPECT_DOUBLE_EQ(g.p_value, p_value(g.chi2, g.ndf)) << what;
    }
}
