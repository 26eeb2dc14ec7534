// Inputs that have no lifetime to show, or a lifetime with a warning: each
// ends on its status, in a bounded time.
#include "fit/lifetime_fit.h"
#include "fit/text/fit_text.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using fit::Method;
using fit::Model;
using fit::Status;
using fit::Warning;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> repeated(double value, int count) {
    return std::vector<double>(static_cast<std::size_t>(count), value);
}

// count values spread evenly over [lo, hi] with density rising as t^power.
std::vector<double> spread(double lo, double hi, int count, double power = 0) {
    std::vector<double> d;
    for (int i = 0; i < count; ++i) d.push_back(lo + (hi - lo) * std::pow((i + 0.5) / count, 1 / (power + 1)));
    return d;
}

std::vector<double> joined(std::vector<double> a, const std::vector<double>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct EdgeCase {
    const char* name;
    std::vector<double> durations;
    double t_min;
    double t_max;
    Model model;
    Method method;
    Status status;
    std::uint32_t warnings = 0;  // that must be among those given
    long double dX = 10;
    double unit_ns = kNaN;  // and the muons, for the capture models
    fit::Muons muons{};
};

constexpr std::uint32_t bit(Warning w) { return static_cast<std::uint32_t>(w); }

}  // namespace

TEST(FitEdgeCases, EachEndsOnItsStatus) {
    const std::vector<double> toy = toy_durations(42, 2000, 0.05, 1);
    const auto& A = Model::exp_flat;
    const auto& E = Model::exp_only;
    const auto& U = Method::unbinned;
    const auto& H = Method::binned;
    const auto& C = Model::mu_capture;
    const auto& R = Model::charge_ratio;
    const EdgeCase cases[] = {
        {"bounds in the wrong order", toy, 800, 10, A, U, Status::window_refused},
        {"equal bounds", toy, 100, 100, A, H, Status::window_refused},
        {"infinite bound", toy, 0, kInf, A, U, Status::window_refused},
        {"bound that is not a number", toy, kNaN, 800, E, U, Status::window_refused},
        {"bounds too far apart to subtract", toy, -1.5e308, 1.5e308, A, U, Status::window_refused},
        {"window that starts below 0", toy, -100, 800, A, U, Status::window_refused},
        {"window that starts below 0, histogram", toy, -5, 800, A, H, Status::window_refused},
        {"no duration in the window", toy, 1e5, 1e6, A, U, Status::no_event},
        {"no duration at all", {}, 0, 800, A, H, Status::no_event},
        {"nine durations", spread(10, 300, 9), 0, 800, A, U, Status::too_few_events},
        {"all durations equal", repeated(150, 40), 0, 800, A, U, Status::all_equal},
        {"all in one class", repeated(150, 40), 0, 800, A, H, Status::all_equal},
        {"no class width", toy, 0, 800, A, H, Status::classes_refused, 0, 0},
        {"three classes in the window", toy, 0, 30, A, H, Status::too_few_classes},
        {"flat durations, exponential alone", spread(0, 1000, 500), 0, 1000, E, U, Status::no_decay_signal},
        {"flat durations, with background", spread(0, 1000, 500), 0, 1000, A, U, Status::lifetime_beyond_window},
        {"rising durations, exponential alone", spread(0, 1000, 500, 1), 0, 1000, E, U, Status::no_decay_signal},
        {"rising durations, with background", spread(0, 1000, 500, 1), 0, 1000, A, U, Status::no_decay_signal},
        {"flat classes", spread(0, 1000, 500), 0, 1000, A, H, Status::lifetime_beyond_window},
        {"slow decay seen through a narrow window", spread(0, 1000, 500, -0.01), 0, 1000, E, U,
         Status::lifetime_beyond_window},
        {"lifetime far below the largest duration", joined(spread(0, 1e-3, 40, -0.9), {1e4, 2e4}), 0, 3e4, A, U,
         Status::lifetime_too_short},
        {"durations on a clock", toy, 10, 2200, A, U, Status::converged, bit(Warning::clock_grid)},
        {"durations on a clock of 0.1", toy_durations(44, 2000, 0.05, 10), 10, 2000, A, U, Status::converged,
         bit(Warning::clock_grid)},
        {"durations of 0 with t_min = 0, left out on a clock", joined(repeated(0, 30), toy), 0, 2200, A, U,
         Status::converged, bit(Warning::clock_grid) | bit(Warning::grid_start_left_out)},
        {"durations of 0 with t_min = 0, continuous", joined(repeated(0, 30), spread(0.1, 800, 300, -0.8)), 0, 2200, A,
         U, Status::converged},
        {"a capture model without the unit", toy, 10, 2200, C, U, Status::unit_not_set},
        {"a capture model by the histogram", toy, 10, 2200, R, H, Status::model_refused, 0, 10, 10},
        {"no lifetime of the negative muons", toy, 10, 2200, C, U, Status::model_refused, 0, 10, 10, {0, 1.27}},
        {"a charge ratio that is not a number", toy, 10, 2200, C, U, Status::model_refused, 0, 10, 10, {2026.3, kNaN}},
        {"a capture model with its unit", toy, 10, 2200, C, U, Status::converged, bit(Warning::clock_grid), 10, 10},
        {"slower than the free muon", toy_run({7, 20000, 0.02, 0.1, false, 250}), 10, 2000, R, U, Status::converged,
         bit(Warning::charge_ratio_at_limit), 10, 10},
        {"durations between -dX and 0 in class 0", joined(repeated(-2.5, 5), toy), 0, 2200, A, H, Status::converged,
         bit(Warning::negative_in_first_class)},
        {"few events: a wide error", spread(0, 1000, 12, -0.3), 0, 1000, E, U, Status::converged,
         bit(Warning::large_error)},
        {"mostly background", joined(spread(0, 2000, 400), spread(0, 30, 6)), 0, 2000, A, U, Status::converged,
         bit(Warning::signal_compatible_with_zero)},
        {"densities below the range of doubles", joined(spread(1e-300, 1e-290, 20), spread(1e299, 1e300, 3, 0.5)), 0,
         1e301, A, U, Status::not_converged},
    };
    for (const EdgeCase& c : cases) {
        fit::Request request;
        request.durations = c.durations;
        request.t_min = c.t_min;
        request.t_max = c.t_max;
        request.model = c.model;
        request.method = c.method;
        request.classes = {c.dX, static_cast<std::int32_t>(c.dX > 0 ? std::min(1000.0L, 3000 / c.dX) : 0), 0, {}};
        request.unit_ns = c.unit_ns;
        request.muons = c.muons;
        const fit::Result r = fit::fit_lifetime(request);
        EXPECT_EQ(fit::name(r.status), fit::name(c.status)) << c.name;
        EXPECT_EQ(r.warnings & c.warnings, c.warnings) << c.name << ": warnings " << r.warnings;
        EXPECT_FALSE(fit_text::text(r.status).isEmpty()) << c.name;
        // charge-ratio fits no lifetime, but a ratio.
        const double fitted = c.model == R ? r.rho : r.tau;
        EXPECT_EQ(std::isnan(fitted), r.status != Status::converged) << c.name;
    }
}

// A fit takes kMinEvents events and, by the histogram method, kMinClasses
// classes: exactly so many are enough, one fewer is not, and the status says
// how many it takes.
TEST(FitEdgeCases, ExactlyTheLeastEventsAndClassesAreEnough) {
    const std::vector<double> toy = toy_durations(42, 2000, 0.05, 1);
    struct Case {
        const char* name;
        std::vector<double> durations;
        double t_max;
        Method method;
        Status too_few;
        const char* says;
    };
    const auto events = [](int n) { return spread(10, 300, n, -0.5); };
    const Case cases[] = {
        {"events", events(fit::kMinEvents), 800, Method::unbinned, Status::too_few_events, "moins de 10 événements"},
        {"events in classes", events(fit::kMinEvents), 800, Method::binned, Status::too_few_events,
         "moins de 10 événements"},
        {"classes", toy, 10.0 * fit::kMinClasses, Method::binned, Status::too_few_classes, "moins de 4 classes"},
    };
    for (const Case& c : cases) {
        fit::Request request;
        request.t_min = 0;
        request.t_max = c.t_max;
        request.method = c.method;
        request.classes = {10, 80, 0, {}};
        request.durations = c.durations;
        EXPECT_NE(fit::fit_lifetime(request).status, c.too_few) << c.name << " at the threshold";
        std::vector<double> fewer = c.durations;
        if (c.too_few == Status::too_few_classes) {
            request.t_max -= 10;
        } else {
            fewer.pop_back();
        }
        request.durations = fewer;
        const fit::Result r = fit::fit_lifetime(request);
        EXPECT_EQ(r.status, c.too_few) << c.name << " below the threshold";
        EXPECT_TRUE(fit_text::text(r.status).startsWith(QString::fromUtf8(c.says))) << c.name;
    }
}
