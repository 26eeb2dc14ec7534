// Data made exactly as each model expects them (the count at each grid value
// is the model's, rounded), one table per model: the fit gives back what they
// were made with, whatever the counter did inside a step, while the grid
// values less than a step above 0 are left out.
#include "fit/lifetime_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// Every grid value k step from 0 to t_max, repeated as many times as the
// model's count there (rounded), the first one `at_zero` times.
std::vector<double> exact_durations(double step, double t_max, const std::function<double(double)>& count,
                                    int at_zero) {
    std::vector<double> d(static_cast<std::size_t>(at_zero), 0.0);
    for (int k = 1; k * step <= t_max; ++k) {
        const auto n = static_cast<std::size_t>(std::lround(count(k * step)));
        d.insert(d.end(), n, k * step);
    }
    return d;
}

}  // namespace

// A counter that truncates, rounds or has a random clock phase turns an
// exponential into counts proportional to e^(-k D / tau) at every grid value
// whose cell lies above 0: they differ only at 0 (all but the rounding one
// put there as much as a whole step's worth, or more).
TEST(ExactData, TheExponentialOnEveryCounter) {
    constexpr double kTau = 220;
    struct Case {
        const char* counter;
        double step;
        double t_min;
        double flat;  // background count per grid value
        int at_zero;  // the count at 0
    };
    const Case cases[] = {
        {"truncating, coarse", 22, 0, 0, 100000},
        {"rounding, coarse", 22, 0, 0, 52000},
        {"random phase, coarse", 22, 0, 30, 48000},
        {"truncating, fine", 2.2, 0, 3, 10000},
        {"random phase, window above 0", 22, 66, 30, 48000},
    };
    for (const Case& c : cases) {
        const double amplitude = 1e6 * c.step / kTau;
        const std::vector<double> d = exact_durations(
            c.step, 5 * kTau, [&](double t) { return amplitude * std::exp(-t / kTau) + c.flat; }, c.at_zero);
        fit::Request q;
        q.durations = d;
        q.t_min = c.t_min;
        q.t_max = 5 * kTau;
        q.classes = {10, 110, 0, {}};
        const fit::Result r = fit::fit_lifetime(q);
        ASSERT_EQ(r.status, fit::Status::converged) << c.counter;
        EXPECT_NEAR(r.tau, kTau, 2e-4 * kTau) << c.counter;
        EXPECT_EQ(r.has(fit::Warning::grid_start_left_out), c.t_min == 0) << c.counter;
        EXPECT_NEAR(r.lattice_step, c.step, 1e-12 * c.step) << c.counter;
        double in_fit = 0;
        for (const double v : d) in_fit += v >= std::max(c.t_min, c.step) ? 1 : 0;
        EXPECT_EQ(r.events, in_fit) << c.counter;
        const double values = std::floor(5 * kTau / c.step + 1e-9) - std::max(std::ceil(c.t_min / c.step), 1.0) + 1;
        EXPECT_NEAR(r.background_fraction, c.flat * values / in_fit, 2e-4) << c.counter;
        // The exponential alone where there is no background.
        if (c.flat == 0) {
            q.model = fit::Model::exp_only;
            EXPECT_NEAR(fit::fit_lifetime(q).tau, kTau, 2e-4 * kTau) << c.counter;
        }
    }
}

namespace {

// Decays of muons stopped in matter: rho e^(-t/tau+) + e^(-t/tau-) a unit of
// time, on a clock of one unit, plus a flat background.
struct Muons {
    double tau_minus_ns;
    double rho;
    double unit_ns;
    double flat = 5;
};

std::vector<double> muon_durations(const Muons& m, double t_max) {
    const double plus = fit::kFreeLifetimeNs / m.unit_ns;
    const double minus = m.tau_minus_ns / m.unit_ns;
    return exact_durations(
        1, t_max, [&](double t) { return 1000 * (m.rho * std::exp(-t / plus) + std::exp(-t / minus)) + m.flat; }, 0);
}

fit::Request muon_request(const std::vector<double>& d, const Muons& m, fit::Model model, double t_max) {
    fit::Request q;
    q.durations = d;
    q.t_min = 10;
    q.t_max = t_max;
    q.model = model;
    q.classes = {10, 100, 0, {}};
    q.unit_ns = m.unit_ns;
    q.muons = {m.tau_minus_ns, m.rho};
    return q;
}

}  // namespace

// mu-capture takes the negative muons' lifetime and rho as given and finds
// the free muon's lifetime, where one exponential finds the mixture's, some
// per cent below it.
TEST(ExactData, TheFreeMuonBesideTheCapturedOnes) {
    struct Case {
        const char* name;
        Muons muons;
        double t_max;
        double one_exponential;  // the mixture's lifetime that one exponential finds, in ns
    };
    const Case cases[] = {
        {"carbon", {fit::kCarbonLifetimeNs, 1.27, 10}, 1000, 2120},
        {"oxygen, rho 1.1", {fit::kOxygenLifetimeNs, 1.1, 10}, 1000, 2010},
        {"a typed lifetime, units of 20 ns, no background", {1900, 1.4, 20, 0}, 600, 2080},
    };
    for (const Case& c : cases) {
        const std::vector<double> d = muon_durations(c.muons, c.t_max);
        const fit::Result r = fit::fit_lifetime(muon_request(d, c.muons, fit::Model::mu_capture, c.t_max));
        ASSERT_EQ(r.status, fit::Status::converged) << c.name;
        const double tau_plus = fit::kFreeLifetimeNs / c.muons.unit_ns;
        EXPECT_NEAR(r.tau, tau_plus, 2e-4 * tau_plus) << c.name;
        EXPECT_EQ(r.tau_free, r.tau) << c.name;
        EXPECT_DOUBLE_EQ(r.tau_minus * c.muons.unit_ns, c.muons.tau_minus_ns) << c.name;
        EXPECT_EQ(r.rho, c.muons.rho) << c.name;
        // The positive muons' share of the decays: rho / (rho + tau- / tau+) and less, as they live longer.
        EXPECT_GT(r.free_share, c.muons.rho / (c.muons.rho + 1)) << c.name;
        const fit::Result one = fit::fit_lifetime(muon_request(d, c.muons, fit::Model::exp_flat, c.t_max));
        EXPECT_NEAR(one.tau * c.muons.unit_ns, c.one_exponential, 25) << c.name;
    }
}

// charge-ratio takes both lifetimes as given and finds rho, with a profile
// interval around it.
TEST(ExactData, TheChargeRatio) {
    struct Case {
        const char* name;
        Muons muons;
        double start;  // the rho the fit starts from
    };
    const Case cases[] = {
        {"carbon, started at the data's rho", {fit::kCarbonLifetimeNs, 1.27, 10}, 1.27},
        {"oxygen, started far", {fit::kOxygenLifetimeNs, 0.8, 10}, 3},
        {"a typed lifetime, no background", {1900, 2, 10, 0}, 1.27},
    };
    for (const Case& c : cases) {
        const std::vector<double> d = muon_durations(c.muons, 1000);
        fit::Request q = muon_request(d, c.muons, fit::Model::charge_ratio, 1000);
        q.muons.rho = c.start;
        const fit::Result r = fit::fit_lifetime(q);
        ASSERT_EQ(r.status, fit::Status::converged) << c.name;
        EXPECT_NEAR(r.rho, c.muons.rho, 0.01 * c.muons.rho) << c.name;
        EXPECT_TRUE(std::isnan(r.tau)) << c.name;
        EXPECT_DOUBLE_EQ(r.tau_free * c.muons.unit_ns, fit::kFreeLifetimeNs) << c.name;
        EXPECT_GT(r.rho_error, 0) << c.name;
        EXPECT_LT(r.rho_lower, r.rho) << c.name;
        EXPECT_GT(r.rho_upper, r.rho) << c.name;
        // The interval is about one error wide on each side; without
        // background narrower, as b cannot go below 0 where the Hessian's can.
        if (c.muons.flat > 0) {
            EXPECT_NEAR(r.rho_upper - r.rho_lower, 2 * r.rho_error, 0.2 * r.rho_error) << c.name;
        } else {
            EXPECT_LT(r.rho_upper - r.rho_lower, 2 * r.rho_error) << c.name;
        }
    }
}
