// Runs fitted together: the combination against the fit of one run, of the
// runs' events put together, and the consistency of the runs.
#include "fit/combine.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

using Durations = std::vector<double>;

fit::Result single(const fit::Request& q, const Durations& d) {
    fit::Request one = q;
    one.durations = d;
    return fit::fit_lifetime(one);
}

Durations joined(const std::vector<Durations>& runs) {
    Durations all;
    for (const Durations& d : runs) all.insert(all.end(), d.begin(), d.end());
    return all;
}

void expect_same_fit(const fit::Result& a, const fit::Result& b, double relative, const char* name) {
    ASSERT_EQ(a.status, b.status) << name;
    EXPECT_EQ(a.events, b.events) << name;
    for (const auto field : {&fit::Result::tau, &fit::Result::tau_error, &fit::Result::tau_lower,
                             &fit::Result::tau_upper, &fit::Result::background_fraction}) {
        if (std::isnan(b.*field)) {
            EXPECT_TRUE(std::isnan(a.*field)) << name;
        } else {
            EXPECT_NEAR(a.*field, b.*field, relative * std::fabs(b.*field)) << name;
        }
    }
}

}  // namespace

TEST(CombineRuns, Combinations) {
    const Durations a = toy_run({.seed = 1, .count = 20000, .background = 0.05, .step = 1});
    const Durations b = toy_run({.seed = 2, .count = 20000, .background = 0.05, .step = 1});
    const Durations fine = toy_run({.seed = 3, .count = 20000, .background = 0.05, .step = 0.1});
    const Durations shorter = toy_run({.seed = 4, .count = 20000, .background = 0.05, .step = 1, .tau = 190});
    const Durations outside(50, 5000.0);  // no event in the window
    // On no clock, enough for the fit's start from the thinned values.
    const Durations free_a = toy_run({.seed = 7, .count = 30000, .background = 0.05, .step = 0});
    const Durations free_b = toy_run({.seed = 8, .count = 30000, .background = 0.05, .step = 0});
    // Decays of both charges in carbon (units of 10 ns), rho = 1.27, on grids of 1 and 0.1.
    const ToyRun muons{
        .seed = 5, .count = 20000, .background = 0.05, .step = 1, .tau = 219.698, .tau_minus = 202.63, .rho = 1.27};
    const Durations muons_a = toy_run(muons);
    const Durations muons_fine = toy_run(
        {.seed = 6, .count = 20000, .background = 0.05, .step = 0.1, .tau = 219.698, .tau_minus = 202.63, .rho = 1.27});
    struct Case {
        const char* name;
        std::vector<Durations> runs;
        fit::Model model;
        fit::Method method;
        std::function<void(const fit::Combination&, const fit::Request&, const std::vector<Durations>&)> check;
    };
    const auto as_concatenated = [](double relative) {
        return [relative](const fit::Combination& c, const fit::Request& q, const std::vector<Durations>& runs) {
            expect_same_fit(c.combined, single(q, joined(runs)), relative, "concatenated");
        };
    };
    // Runs on different grids: near the runs' weighted mean, with its error.
    const auto as_weighted_mean = [](const fit::Combination& c, const fit::Request&, const std::vector<Durations>&) {
        double sum = 0, weights = 0;
        for (const fit::Result& r : c.runs) {
            sum += r.tau / (r.tau_error * r.tau_error);
            weights += 1 / (r.tau_error * r.tau_error);
        }
        ASSERT_EQ(c.combined.status, fit::Status::converged);
        EXPECT_EQ(c.combined.events, c.runs[0].events + c.runs[1].events);
        EXPECT_NEAR(c.combined.tau, sum / weights, 0.05 / std::sqrt(weights));
        EXPECT_NEAR(c.combined.tau_error, 1 / std::sqrt(weights), 0.03 / std::sqrt(weights));
        EXPECT_LT(c.combined.tau_lower, c.combined.tau);
        EXPECT_GT(c.combined.tau_upper, c.combined.tau);
        EXPECT_EQ(c.consistency.ndf, 1);
        EXPECT_TRUE(c.consistency.compatible());
    };
    // charge-ratio on different grids: each run's share of the positive muons
    // from its own window; ln rho near the runs' weighted mean of ln rho (its
    // errors, relative, are nearer to Gaussian than those of rho).
    const auto as_weighted_rho = [](const fit::Combination& c, const fit::Request&, const std::vector<Durations>&) {
        double sum = 0, weights = 0;
        for (const fit::Result& r : c.runs) {
            ASSERT_EQ(r.status, fit::Status::converged);
            const double relative = r.rho_error / r.rho;
            sum += std::log(r.rho) / (relative * relative);
            weights += 1 / (relative * relative);
        }
        ASSERT_EQ(c.combined.status, fit::Status::converged);
        EXPECT_NEAR(std::log(c.combined.rho), sum / weights, 0.3 / std::sqrt(weights));
        EXPECT_NEAR(c.combined.rho_error / c.combined.rho, 1 / std::sqrt(weights), 0.1 / std::sqrt(weights));
        EXPECT_LT(c.combined.rho_lower, c.combined.rho);
        EXPECT_GT(c.combined.rho_upper, c.combined.rho);
        EXPECT_EQ(c.consistency.ndf, 1);
    };
    const Case cases[] = {
        {"one run: the fit of the run",
         {a},
         fit::Model::exp_flat,
         fit::Method::unbinned,
         [](const fit::Combination& c, const fit::Request& q, const std::vector<Durations>& runs) {
             expect_same_fit(c.combined, single(q, runs[0]), 0, "one run");
             expect_same_fit(c.runs[0], c.combined, 0, "one run alone");
             EXPECT_EQ(c.consistency.ndf, 0);
             EXPECT_TRUE(std::isnan(c.consistency.chi2));
         }},
        {"the same data twice: the same tau, sigma / sqrt 2",
         {a, a},
         fit::Model::exp_flat,
         fit::Method::unbinned,
         [](const fit::Combination& c, const fit::Request&, const std::vector<Durations>&) {
             ASSERT_EQ(c.combined.status, fit::Status::converged);
             EXPECT_NEAR(c.combined.tau, c.runs[0].tau, 1e-9 * c.runs[0].tau);
             EXPECT_NEAR(c.combined.tau_error * std::sqrt(2.0), c.runs[0].tau_error, 1e-6 * c.runs[0].tau_error);
             EXPECT_NEAR(c.consistency.chi2, 0, 1e-12);
             EXPECT_EQ(c.consistency.ndf, 1);
         }},
        {"two runs on one grid: their events together",
         {a, b},
         fit::Model::exp_flat,
         fit::Method::unbinned,
         as_concatenated(1e-9)},
        {"three runs on no clock, one twice (values in common): their events together",
         {free_a, free_b, free_a},
         fit::Model::exp_flat,
         fit::Method::unbinned,
         as_concatenated(1e-9)},
        {"runs on no clock around one on a grid: every event counted once",
         {free_a, a, free_b},
         fit::Model::exp_flat,
         fit::Method::unbinned,
         [](const fit::Combination& c, const fit::Request&, const std::vector<Durations>&) {
             ASSERT_EQ(c.combined.status, fit::Status::converged);
             EXPECT_EQ(c.combined.events, c.runs[0].events + c.runs[1].events + c.runs[2].events);
         }},
        {"two runs, the exponential alone", {a, b}, fit::Model::exp_only, fit::Method::unbinned, as_concatenated(1e-9)},
        {"binned: the histograms added", {a, b}, fit::Model::exp_flat, fit::Method::binned, as_concatenated(0)},
        {"clock steps of 1 and 0.1", {a, fine}, fit::Model::exp_flat, fit::Method::unbinned, as_weighted_mean},
        {"clock steps of 1 and 0.1, the exponential alone",
         {a, fine},
         fit::Model::exp_only,
         fit::Method::unbinned,
         as_weighted_mean},
        {"charge-ratio, clock steps of 1 and 0.1",
         {muons_a, muons_fine},
         fit::Model::charge_ratio,
         fit::Method::unbinned,
         as_weighted_rho},
        {"a run with no event in the window: the other alone",
         {outside, a},
         fit::Model::exp_flat,
         fit::Method::unbinned,
         [](const fit::Combination& c, const fit::Request& q, const std::vector<Durations>& runs) {
             EXPECT_EQ(c.runs[0].status, fit::Status::no_event);
             expect_same_fit(c.combined, single(q, runs[1]), 0, "the other alone");
             EXPECT_EQ(c.consistency.not_counted, std::vector<std::size_t>{0});
         }},
        {"a run of another lifetime pulls",
         {a, b, shorter},
         fit::Model::exp_flat,
         fit::Method::unbinned,
         [](const fit::Combination& c, const fit::Request&, const std::vector<Durations>&) {
             EXPECT_EQ(c.consistency.ndf, 2);
             EXPECT_FALSE(c.consistency.compatible());
             EXPECT_EQ(c.consistency.pulling_run, 2u);
             EXPECT_LT(c.consistency.largest_pull, -3);
             EXPECT_NEAR(c.consistency.birge_ratio, std::sqrt(c.consistency.chi2 / 2), 1e-12);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fit::Request q;
        q.t_min = 10;
        q.t_max = 1500;
        q.model = c.model;
        q.method = c.method;
        q.classes = {10, 150, 1, {}};
        q.unit_ns = 10;
        std::vector<fit::Run> runs;
        for (const Durations& d : c.runs) runs.push_back({d, {}});
        const fit::Combination combination = fit::combine_runs(q, runs);
        ASSERT_EQ(combination.runs.size(), c.runs.size());
        c.check(combination, q, c.runs);
        // The combined fit alone (runs on one grid counted together at once): the same.
        expect_same_fit(fit::fit_combined(q, runs), combination.combined, 1e-9, "the combined fit alone");
    }
}
