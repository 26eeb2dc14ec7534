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

double Decay::norm(double lambda) const {
    const double cell = step > 0 ? 2 * std::sinh(lambda * step / 2) / step : lambda;
    return cell / -std::expm1(-lambda * width);
}

double Decay::log_norm_ratio(double lambda, double reference) const {
    double cell = std::log(lambda / reference);
    if (step > 0) cell = std::log(std::sinh(lambda * step / 2) / std::sinh(reference * step / 2));
    return cell - std::log(-std::expm1(-lambda * width) / -std::expm1(-reference * width));
}

double Decay::mean(double lambda) const {
    const double cell = step > 0 ? step * (0.5 - mean_over_width(lambda * step)) : 0;
    return width * mean_over_width(lambda * width) + cell;
}

double Decay::variance(double lambda) const {
    const double cell = step > 0 ? step * step * variance_over_width2(lambda * step) : 0;
    return width * width * variance_over_width2(lambda * width) - cell;
}

double Decay::share(double lambda, double lo, double hi) const {
    return std::exp(-lambda * lo) * -std::expm1(-lambda * (hi - lo)) / -std::expm1(-lambda * width);
}

std::optional<double> truncated_lifetime(double mean_s, const Decay& decay) {
    const double width = decay.width;
    if (!(width > 0) || !std::isfinite(width)) return std::nullopt;
    // In u = lambda W, with the grid's cells m = D / W of the width:
    // mean_s / W = h(u) + m (1/2 - h(m u)), falling from 1/2 to m / 2.
    const double m = decay.step > 0 ? decay.step / width : 0;
    const double r = mean_s / width;
    if (!(r > m / 2 && r < 0.5)) return std::nullopt;
    // h(u) < 1/u, so [0, 1 / (r - m/2) + 1] brackets the root.
    const auto f = [r, m](double u) {
        return mean_over_width(u) + (m > 0 ? m * (0.5 - mean_over_width(m * u)) : 0) - r;
    };
    const double hi = 1 / (r - m / 2) + 1;
    std::uintmax_t iterations = 200;
    const auto [a, b] = boost::math::tools::toms748_solve(f, 0.0, hi, 0.5 - r, f(hi),
                                                          boost::math::tools::eps_tolerance<double>(), iterations);
    const double u = (a + b) / 2;
    if (!(u > 0)) return std::nullopt;
    return width / u;
}

double truncated_lifetime_error(double tau, const Decay& decay, double events) {
    return tau * tau / std::sqrt(events * decay.variance(1 / tau));
}

double truncated_nll_rise(double tau, double tau_ref, double events, double sum_s, const Decay& decay) {
    // NLL(tau) = -n ln norm(1 / tau) + sum_s / tau
    return -events * decay.log_norm_ratio(1 / tau, 1 / tau_ref) + sum_s * (1 / tau - 1 / tau_ref);
}

}  // namespace fit::detail
