#include "fit/detail/profile.h"

#include <boost/math/tools/toms748_solve.hpp>

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

TauInterval profile_interval(const std::function<double(double)>& rise, double best, double sigma, double smallest,
                             double largest, double level) {
    if (!(sigma > 0) || !std::isfinite(sigma)) sigma = 0.1 * best;
    TauInterval interval;
    interval.upper = crossing(rise, best, sigma, largest, level, std::numeric_limits<double>::infinity());
    interval.lower = crossing(rise, best, sigma, smallest, level, 0.0);
    return interval;
}

}  // namespace fit::detail
