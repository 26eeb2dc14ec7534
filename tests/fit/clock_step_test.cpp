// The clock step of the durations: the step they share, which one duration far
// above the others or a few off the grid do not change.
#include "fit/detail/clock_step.h"
#include "fit/detail/sample.h"
#include "fit/lifetime_fit.h"
#include "platform/numbers.h"
#include "support/toy_durations.h"

#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

// The values with `more` spread among them, the first in front.
std::vector<double> with(std::vector<double> values, std::initializer_list<double> more) {
    const std::size_t every = values.size() / more.size();
    std::size_t at = 0;
    for (const double v : more) {
        values.insert(values.begin() + static_cast<std::ptrdiff_t>(at), v);
        at += every + 1;
    }
    return values;
}

// Durations as the record pass reads them from the file's text.
std::vector<double> read(const std::vector<QString>& texts) {
    std::vector<double> values;
    for (const QString& t : texts) values.push_back(static_cast<double>(platform::str_to_float(t, QLatin1Char('.'))));
    return values;
}

}  // namespace

TEST(ClockStep, TheStepTheDurationsShare) {
    const std::vector<double> tenths = toy_durations(21, 3000, 0.05, 10);
    std::vector<QString> halves;  // 0.5 apart, written with one to three decimals
    for (int k = 0; k < 400; ++k) halves.push_back(QString::number(k * 0.5 + 3, 'f', 1 + k % 3));
    struct Case {
        const char* name;
        std::vector<double> durations;
        double step;
    };
    const Case cases[] = {
        {"a clean grid of 0.1", tenths, 0.1},
        {"a coarse grid: some blocks hold only even multiples", toy_durations(22, 3000, 0, 1, 220), 1},
        {"a grid of 100", read({"0", "100", "200", "100", "0", "300", "0", "100", "500", "200"}), 100},
        {"one duration far above the others", with(tenths, {1e15}), 0.1},
        {"one far above and off the grid", with(tenths, {123456789.123}), 0.1},
        {"one far above, last",
         [&] {
             std::vector<double> v = tenths;
             v.push_back(1e15);
             return v;
         }(),
         0.1},
        {"a few off the grid", with(tenths, {17.37, 250.001, 3.14159265, 999.99}), 0.1},
        {"one off the grid below all others", with(tenths, {0.0314}), 0.1},
        {"two clocks: their common step",
         [&] {
             std::vector<double> v = tenths;
             for (std::size_t i = 0; i < v.size(); i += 2) v[i] = std::round(v[i] * 4) / 4;
             return v;
         }(),
         0.05},
        {"continuous durations", toy_durations(23, 3000, 0.05, 1 << 30), 0},
        {"a grid of 0.5 written with decimals", read(halves), 0.5},
        {"all equal", {150, 150, 150}, 0},
    };
    for (const Case& c : cases) {
        double origin = 0;
        const double step = fit::detail::clock_step(c.durations, origin);
        if (c.step == 0) {
            EXPECT_EQ(step, 0) << c.name;
            continue;
        }
        EXPECT_NEAR(step, c.step, 1e-12 * c.step) << c.name;
        const double q = (origin - c.durations.back()) / c.step;
        EXPECT_NEAR(q, std::round(q), 1e-6) << c.name << ": the origin " << origin << " is not on the grid";
    }
}

// A few values off the grid leave the fit on the grid of the others: each
// counts as the nearest grid value inside the window.
TEST(ClockStep, TheFitKeepsTheGridOfTheOthers) {
    const std::vector<double> tenths = toy_durations(24, 5000, 0.05, 10);
    fit::Request q;
    q.t_min = 10;
    q.t_max = 2000;
    q.classes = {10, 200, 0, {}};
    const std::vector<double> snapped = with(tenths, {10, 333.3, 2000});
    q.durations = snapped;
    const fit::Result clean = fit::fit_lifetime(q);
    const std::vector<double> spoiled = with(tenths, {10.02, 333.333, 1999.99});
    q.durations = spoiled;
    const fit::Result r = fit::fit_lifetime(q);
    ASSERT_EQ(r.status, fit::Status::converged);
    EXPECT_NEAR(r.lattice_step, 0.1, 1e-12);
    EXPECT_EQ(r.events, clean.events);
    EXPECT_NEAR(r.tau, clean.tau, 1e-9 * clean.tau);
    EXPECT_NEAR(r.background_fraction, clean.background_fraction, 1e-9);
    EXPECT_DOUBLE_EQ(r.model_lower, clean.model_lower);
    EXPECT_DOUBLE_EQ(r.model_upper, clean.model_upper);
}

// The grid a window's durations sit on, at the edges of the check: values
// just inside or just beyond its tolerance (1e-12 of their size), one more
// off the grid than it allows (1 %), durations outside the window (which
// neither count nor spoil the grid), negative values, a window across 0.
TEST(ClockStep, TheWindowsGridAtTheEdgesOfItsCheck) {
    const std::vector<double> tenths = toy_durations(31, 2000, 0.05, 10);
    // The values off the grid that the window [10, 2000] allows: 1 % of those in it.
    const int allowed =
        static_cast<int>(0.01 * static_cast<double>(std::count_if(tenths.begin(), tenths.end(),
                                                                  [](double d) { return d >= 10 && d <= 2000; })));
    // `count` durations of 500 or more each moved up by `tolerances` times 1e-12 of itself.
    const auto moved = [&](int count, double tolerances) {
        std::vector<double> v = tenths;
        for (double& d : v) {
            if (count > 0 && d >= 500) {
                d += tolerances * 1e-12 * d;
                --count;
            }
        }
        return v;
    };
    const auto plus = [](std::vector<double> v, std::initializer_list<double> more) {
        v.insert(v.end(), more);
        return v;
    };
    std::vector<double> around_zero = tenths;
    for (double& d : around_zero) d = std::round(d * 10 - 50) / 10;
    struct Case {
        const char* name;
        std::vector<double> durations;
        double t_min;
        double t_max;
        double step;
    };
    const Case cases[] = {
        {"one more than allowed within 0.9 of the tolerance", moved(allowed + 1, 0.9), 10, 2000, 0.1},
        {"one more than allowed beyond it by 1.1", moved(allowed + 1, 1.1), 10, 2000, 0},
        {"as many as allowed beyond it", moved(allowed, 1.1), 10, 2000, 0.1},
        {"one more than allowed beyond, the window without them", moved(allowed + 1, 1.1), 10, 499, 0.1},
        {"off the grid and far out, outside the window",
         plus(moved(allowed, 1.1), {3.14159, 2718.28, -1e300, 1e300, 1e15, 9.99999}), 10, 2000, 0.1},
        {"one more off inside", plus(moved(allowed, 1.1), {777.7 * (1 + 1.1e-12)}), 10, 2000, 0},
        {"negative values, a window across 0", around_zero, -5, 100, 0.1},
        {"negative values, the window below 0", around_zero, -5, -0.05, 0.1},
        {"a single value", {123.4}, 0, 2000, 0},
        {"a single value inside", {1.5, 123.4, 3000}, 10, 2000, 0},
    };
    for (const Case& c : cases) {
        const fit::detail::Sample s = fit::detail::sample_window(c.durations, c.t_min, c.t_max);
        const auto inside = std::count_if(c.durations.begin(), c.durations.end(),
                                          [&c](double d) { return d >= c.t_min && d <= c.t_max; });
        EXPECT_NEAR(s.step, c.step, 1e-12) << c.name;
        EXPECT_EQ(s.events, static_cast<double>(inside)) << c.name;
        // The durations in the window alone: the same grid.
        std::vector<double> kept;
        std::copy_if(c.durations.begin(), c.durations.end(), std::back_inserter(kept),
                     [&c](double d) { return d >= c.t_min && d <= c.t_max; });
        double origin = 0;
        EXPECT_NEAR(fit::detail::clock_step(kept, origin), c.step, 1e-12) << c.name << " (every value)";
    }
}
