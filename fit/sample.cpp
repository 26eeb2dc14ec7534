#include "fit/sample.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace fit {

namespace {

// Greatest common divisor of two positive steps, a remainder within
// `tolerance` of 0 or of the divisor counting as none.
double near_gcd(double a, double b, double tolerance) {
    if (a < b) std::swap(a, b);
    for (int i = 0; i < 200 && b > tolerance; ++i) {
        double r = std::fmod(a, b);
        if (b - r <= tolerance) r = 0;
        a = b;
        b = r;
    }
    return a;
}

// Whether value - origin is a whole number of steps, to 1e-6 of a step
// (`inverse` is 1 / step).
bool on_grid(double value, double origin, double inverse) {
    const double q = (value - origin) * inverse;
    return std::fabs(q - std::nearbyint(q)) <= 1e-6;
}

}  // namespace

double clock_step(std::span<const double> values, double& origin) {
    if (values.empty()) return 0;
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    origin = *lowest;
    const double spread = *highest - *lowest;
    if (!(spread > 0) || !std::isfinite(spread)) return 0;
    // Values read from decimal text sit on their grid to about 1e-16 of their size.
    const double tolerance = 1e-9 * std::max({std::fabs(*lowest), std::fabs(*highest), spread});
    const double finest = 1e-7 * spread;
    double step = 0;
    double inverse = 0;
    double farthest = 0;  // the largest offset from the origin seen so far
    for (const double v : values) {
        const double d = v - origin;
        if (d <= tolerance) continue;
        farthest = std::max(farthest, d);
        if (step == 0) {
            step = d;
        } else if (!on_grid(v, origin, inverse)) {
            step = near_gcd(step, d, tolerance);
            if (step < finest) return 0;
            // Each remainder carries the error of the step before it, times
            // the quotient; the farthest offset divided by its whole number
            // of steps keeps the step exact to rounding.
            step = farthest / std::nearbyint(farthest / step);
        }
        inverse = 1 / step;
    }
    // Every value was a whole number of steps of a multiple of this step.
    return step == 0 ? 0 : spread / std::nearbyint(spread / step);
}

Sample sample_window(std::span<const double> durations, double t_min, double t_max) {
    Sample out;
    std::vector<double> inside;
    inside.reserve(durations.size());
    for (const double d : durations) {
        if (d >= t_min && d <= t_max) inside.push_back(d);
    }
    out.events = static_cast<double>(inside.size());
    if (inside.empty()) return out;

    double origin = 0;
    out.step = clock_step(inside, origin);
    out.origin = origin;
    const double step = out.step;
    if (step > 0) {
        const double first = origin + step * std::ceil((t_min - origin) / step - 1e-6);
        const double last = origin + step * std::floor((t_max - origin) / step + 1e-6);
        out.lower = first - step / 2;
        if (t_min >= 0) out.lower = std::max(out.lower, 0.0);
        out.width = last + step / 2 - out.lower;
    } else {
        out.lower = t_min;
        out.width = t_max - t_min;
    }

    const auto add = [&out](double value, double count, std::int64_t position) {
        out.s.push_back(value - out.lower);
        out.weight.push_back(count);
        out.position.push_back(position);
        out.sum_s += count * (value - out.lower);
    };
    const double highest = *std::max_element(inside.begin(), inside.end());
    const double cells = step > 0 ? std::nearbyint((highest - origin) / step) + 1 : 0;
    if (step > 0 && cells <= 4 * out.events + 4096) {
        // On a grid: counted by grid position, without sorting; a value is
        // its grid position's.
        std::vector<std::uint32_t> count(static_cast<std::size_t>(cells), 0);
        const double inverse = 1 / step;
        for (const double v : inside) ++count[static_cast<std::size_t>(std::nearbyint((v - origin) * inverse))];
        for (std::size_t p = 0; p < count.size(); ++p) {
            if (count[p] > 0) add(origin + static_cast<double>(p) * step, count[p], static_cast<std::int64_t>(p));
        }
    } else {
        std::sort(inside.begin(), inside.end());
        for (std::size_t i = 0; i < inside.size();) {
            std::size_t j = i + 1;
            while (j < inside.size() && inside[j] == inside[i]) ++j;
            add(inside[i], static_cast<double>(j - i), step > 0 ? std::llround((inside[i] - origin) / step) : 0);
            i = j;
        }
    }
    return out;
}

}  // namespace fit
