#include "fit/detail/profile.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <algorithm>

#include <cmath>
#include <cstdint>
#include <limits>

namespace fit::detail {

namespace {

// Steps from `best` toward `end` (first by 1.1 sigma, then doubling; toward 0
// never more than halving) until the rise passes the level, then solves.
double crossing(const std::function<double(double)>& rise, double best, double sigma, double end, double level,
                double none) {
    const bool up = end > best;
    double step = 1.1 * sigma;
    double inner = best;
    double f_inner = -level;
    for (int i = 0; i < 64; ++i, step *= 2) {
        double outer = up ? best + step : std::max(best - step, inner / 2);
        if (up ? outer >= end : outer <= end) outer = end;
        const double f_outer = rise(outer) - level;
        if (!std::isfinite(f_outer)) return std::numeric_limits<double>::quiet_NaN();
        if (f_outer >= 0) {
            std::uintmax_t iterations = 60;
            const auto lo = up ? inner : outer;
            const auto hi = up ? outer : inner;
            const auto f = [&](double t) { return rise(t) - level; };
            const auto [a, b] =
                boost::math::tools::toms748_solve(f, lo, hi, up ? f_inner : f_outer, up ? f_outer : f_inner,
                                                  boost::math::tools::eps_tolerance<double>(20), iterations);
            return (a + b) / 2;
        }
        if (outer == end) return none;
        inner = outer;
        f_inner = f_outer;
    }
    return none;
}

}  // namespace

double profile_crossing(const std::function<double(double)>& rise, double best, double sigma, double end, double level,
                        double none) {
    if (!(sigma > 0) || !std::isfinite(sigma)) sigma = 0.1 * best;
    return crossing(rise, best, sigma, end, level, none);
}

std::optional<double> newton_crossing(const LocalFunction& f, const NewtonOutcome& best, double sigma, int side,
                                      const NewtonSetup& setup, double level, std::optional<double> start) {
    const Interval pr = setup.bounds[0];
    const Interval br = setup.bounds[1];
    const double p_best = best.x[0];
    if (!(sigma > 0) || !std::isfinite(sigma)) return std::nullopt;
    const Matrix& h = best.at.hessian;
    // b at its minimum for p, to first order: it moves by -H_pb / H_bb per unit of p.
    const bool b_free = br.upper > br.lower && !best.at_bound[1] && h[1][1] > 0;
    const double slope = b_free ? -h[0][1] / h[1][1] : 0;
    double p = p_best + side * sigma;
    if (setup.relative_step[0]) p = std::clamp(p, 0.5 * p_best, 1.5 * p_best);
    if (start && (*start - p_best) * side > 0) p = *start;
    double b = std::clamp(best.x[1] + slope * (p - p_best), br.lower, br.upper);
    // b held at a bound by the best fit may leave it on this side: where the
    // best fit's gradient and Hessian put its minimum for p.
    if (br.upper > br.lower && best.at_bound[1] && h[1][1] > 0) {
        b = std::clamp(best.x[1] - (best.at.gradient[1] + h[0][1] * (p - p_best)) / h[1][1], br.lower, br.upper);
    }
    const double target = best.at.value + level;
    for (int i = 0; i < 40; ++i) {
        if (!(p > pr.lower && p < pr.upper)) return std::nullopt;
        const Local at = f({p, b, 0});
        const double rise = at.value - target;
        const double g_p = at.gradient[0];
        const double g_b = at.gradient[1];
        if (!std::isfinite(rise) || !std::isfinite(g_p) || !std::isfinite(g_b)) return std::nullopt;
        // b stays at a bound that f pushes it against (or has no room).
        const bool held = br.upper <= br.lower || (b <= br.lower && g_b > 0) || (b >= br.upper && g_b < 0);
        double dp = 0;
        double db = 0;
        if (held) {
            if (g_p == 0) return std::nullopt;
            dp = -rise / g_p;
        } else {
            // [g_p g_b; H_bp H_bb] (dp, db) = -(rise, g_b)
            const double det = g_p * at.hessian[1][1] - g_b * at.hessian[1][0];
            if (det == 0 || !std::isfinite(det)) return std::nullopt;
            dp = (-rise * at.hessian[1][1] + g_b * g_b) / det;
            db = (-g_p * g_b + at.hessian[1][0] * rise) / det;
        }
        // A step stays on its side of the best fit and, for a scale, within half of it.
        double alpha = 1;
        if (setup.relative_step[0] && std::fabs(dp) > 0.5 * p) alpha = 0.5 * p / std::fabs(dp);
        double next = p + alpha * dp;
        while ((next - p_best) * side <= 0 && alpha > 1e-3) {
            alpha /= 2;
            next = p + alpha * dp;
        }
        if ((next - p_best) * side <= 0) return std::nullopt;
        const double next_b = std::clamp(b + alpha * db, br.lower, br.upper);
        // Newton's steps shrink quadratically: the last one taken is within
        // far less than its size of the crossing.
        const bool settled = alpha == 1 && std::fabs(next - p) <= 3e-3 * sigma && std::fabs(next_b - b) <= 1e-4;
        p = next;
        b = next_b;
        if (settled) return p;
    }
    return std::nullopt;
}

TauInterval profile_interval(const std::function<double(double)>& rise, double best, double sigma, double smallest,
                             double largest, double level) {
    if (!(sigma > 0) || !std::isfinite(sigma)) sigma = 0.1 * best;
    TauInterval interval;
    interval.upper = crossing(rise, best, sigma, largest, level, std::numeric_limits<double>::infinity());
    interval.lower = crossing(rise, best, sigma, smallest, level, 0.0);
    return interval;
}

}  // namespace fit::detail
