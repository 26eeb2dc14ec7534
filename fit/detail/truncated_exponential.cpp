#include "fit/detail/truncated_exponential.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <cmath>
#include <cstdint>

namespace fit::detail {

double mean_over_width(double u) {
    if (u < 0.1) {
        // Bernoulli series of 1/u - 1/(e^u - 1); the next term is below 1e-17.
        const double u2 = u * u;
        return 0.5 - u / 12 * (1 - u2 / 60 * (1 - u2 / 42 * (1 - u2 / 40)));
    }
    return 1 / u - 1 / std::expm1(u);
}

double variance_over_width2(double u) {
    if (u < 0.02) {
        const double u2 = u * u;
        return 1.0 / 12 - u2 / 240 + u2 * u2 / 6048;
    }
    if (u > 700) return 1 / (u * u);
    const double half = 2 * std::sinh(u / 2);
    return 1 / (u * u) - 1 / (half * half);
}

std::optional<double> truncated_lifetime(double mean_s, double width) {
    if (!(width > 0) || !std::isfinite(width)) return std::nullopt;
    const double r = mean_s / width;
    if (!(r > 0 && r < 0.5)) return std::nullopt;
    // h falls from 1/2 at u = 0, and h(u) < 1/u, so [0, 1/r + 1] brackets the root.
    const auto f = [r](double u) { return mean_over_width(u) - r; };
    const double hi = 1 / r + 1;
    std::uintmax_t iterations = 200;
    const auto [a, b] = boost::math::tools::toms748_solve(f, 0.0, hi, 0.5 - r, f(hi),
                                                          boost::math::tools::eps_tolerance<double>(), iterations);
    const double u = (a + b) / 2;
    if (!(u > 0)) return std::nullopt;
    return width / u;
}

double truncated_lifetime_error(double tau, double width, double events) {
    const double variance = width * width * variance_over_width2(width / tau);
    return tau * tau / std::sqrt(events * variance);
}

double truncated_nll_rise(double tau, double tau_ref, double events, double sum_s, double width) {
    // NLL(tau) = n ln tau + n ln(1 - exp(-W/tau)) + sum_s / tau
    const double log_z = std::log(-std::expm1(-width / tau) / -std::expm1(-width / tau_ref));
    return events * (std::log(tau / tau_ref) + log_z) + sum_s * (1 / tau - 1 / tau_ref);
}

}  // namespace fit::detail
