// The clock step of the durations: the step they share, which one duration far
// above the others or a few off the grid do not change.
#include "fit/detail/clock_step.h"
#include "fit/lifetime_fit.h"
#include "platform/numbers.h"
#include "support/toy_durations.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>
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
