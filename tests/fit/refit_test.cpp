// The fit made again after each load: the last result stands when the events
// the fit takes are the same (unbinned: the durations in the window; binned:
// the counts of the shown classes), and is then what a fresh fit gives.
#include "fit/refit.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The same result, bit for bit where it matters to what is shown.
void expect_same(const fit::Result& a, const fit::Result& b, const char* what) {
    EXPECT_EQ(a.status, b.status) << what;
    EXPECT_EQ(a.warnings, b.warnings) << what;
    EXPECT_EQ(a.events, b.events) << what;
    for (const auto member : {&fit::Result::tau, &fit::Result::tau_error, &fit::Result::tau_lower,
                              &fit::Result::tau_upper, &fit::Result::background_fraction, &fit::Result::model_lower}) {
        EXPECT_TRUE(a.*member == b.*member || (std::isnan(a.*member) && std::isnan(b.*member))) << what;
    }
    EXPECT_EQ(a.goodness.observed, b.goodness.observed) << what;
}

std::vector<double> with(std::vector<double> d, std::initializer_list<double> more) {
    d.insert(d.end(), more);
    return d;
}

}  // namespace

TEST(Refit, TheLastResultStandsExactlyWhenTheFittedEventsAreTheSame) {
    const std::vector<double> run = toy_durations(8, 3000, 0.05, 10);
    struct Load {
        const char* name;
        std::vector<double> durations;
        fit::Method method = fit::Method::unbinned;
        double t_max = 800;
        bool reused;
        fit::Model model = fit::Model::exp_flat;
        double unit_ns = fit::kNone;
        fit::Muons muons{};
    };
    const auto capture = fit::Model::mu_capture;
    const fit::Muons oxygen{fit::kOxygenLifetimeNs, 1.27};
    const Load loads[] = {
        {"the first load", run, fit::Method::unbinned, 800, false},
        {"the same records", run, fit::Method::unbinned, 800, true},
        {"new records beyond the window", with(run, {900, 1500.5}), fit::Method::unbinned, 800, true},
        {"a new record in the window", with(run, {900, 1500.5, 300}), fit::Method::unbinned, 800, false},
        {"another window", with(run, {900, 1500.5, 300}), fit::Method::unbinned, 700, false},
        {"the histogram method", with(run, {900, 1500.5, 300}), fit::Method::binned, 700, false},
        {"a new record beyond the classes", with(run, {900, 1500.5, 300, 1e6}), fit::Method::binned, 700, true},
        {"a new record in a shown class: other counts", with(run, {900, 1500.5, 300, 1e6, 705}), fit::Method::binned,
         700, false},
        {"a duration between -dX and 0", with(run, {900, 1500.5, 300, 1e6, 705, -2}), fit::Method::binned, 700, false},
        {"two records swapped",
         [&] {
             std::vector<double> d = with(run, {900, 1500.5, 300, 1e6, 705, -2});
             std::swap(d[0], d[1]);
             return d;
         }(),
         fit::Method::unbinned, 700, false},
        {"a capture model", run, fit::Method::unbinned, 700, false, capture, 10},
        {"the same capture model", run, fit::Method::unbinned, 700, true, capture, 10},
        {"its unit changed", run, fit::Method::unbinned, 700, false, capture, 12},
        {"its material changed", run, fit::Method::unbinned, 700, false, capture, 12, oxygen},
        {"the exponential: its unit", run, fit::Method::unbinned, 700, false, fit::Model::exp_flat, 12, oxygen},
        {"is no part of its fit", run, fit::Method::unbinned, 700, true, fit::Model::exp_flat},
    };
    fit::Refit refit;
    for (const Load& l : loads) {
        fit::Request q;
        q.durations = l.durations;
        q.t_min = 10;
        q.t_max = l.t_max;
        q.method = l.method;
        q.classes = {10, 75, 0, {}};
        q.model = l.model;
        q.unit_ns = l.unit_ns;
        q.muons = l.muons;
        const fit::Result& r = refit.fit(q);
        EXPECT_EQ(refit.reused(), l.reused) << l.name;
        ASSERT_EQ(r.status, fit::Status::converged) << l.name;
        expect_same(r, fit::fit_lifetime(q), l.name);
    }
}
