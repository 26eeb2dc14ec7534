#include "fit/detail/sample.h"

#include "fit/detail/clock_step.h"
#include "fit/detail/window_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace fit::detail {

Sample thinned(const Sample& x, std::size_t every) {
    if (x.step > 0 || every < 2 || x.s.size() <= every) return x;
    Sample out;
    out.events = x.events;
    out.sum_s = x.sum_s;
    out.lower = x.lower;
    out.width = x.width;
    out.origin = x.origin;
    out.start_left_out = x.start_left_out;
    out.s.reserve(x.s.size() / every + 1);
    out.weight.reserve(x.s.size() / every + 1);
    for (std::size_t i = 0; i < x.s.size(); i += every) {
        double weight = 0;
        double sum = 0;
        for (std::size_t k = i; k < std::min(x.s.size(), i + every); ++k) {
            weight += x.weight[k];
            sum += x.weight[k] * x.s[k];
        }
        out.s.push_back(sum / weight);
        out.weight.push_back(weight);
    }
    return out;
}

Sample sample_window(std::span<const double> durations, double t_min, double t_max) {
    Sample out;
    const WindowValues inside(durations, t_min, t_max);
    if (inside.empty()) return out;
    const std::size_t n = inside.size();
    const double lowest = inside.lowest();
    const double highest = inside.highest();

    double origin = 0;
    GridCounts counting;
    double vote_origin = 0;
    out.step = window_step(inside, origin, &counting, vote_origin);
    // Grid positions must fit 64 bits.
    if (out.step > 0 && !(std::max(highest - origin, origin - lowest) / out.step < 1e18)) out.step = 0;
    out.origin = origin;
    const double step = out.step;
    std::int64_t first_position = 0;
    std::int64_t last_position = 0;
    if (step > 0) {
        double first = std::ceil((t_min - origin) / step - 1e-6);
        const double last = std::floor((t_max - origin) / step + 1e-6);
        // The first grid value fitted is at least one step above 0: a time
        // below 0, where no decay is, may have given a value below that.
        const double above_zero = std::ceil((step - origin) / step - 1e-6);
        if (t_min >= 0 && first < above_zero) {
            first = above_zero;
            out.start_left_out = true;
        }
        out.lower = origin + step * first - step / 2;
        out.width = origin + step * last + step / 2 - out.lower;
        // A bound far beyond the durations stays within 64 bits.
        first_position = static_cast<std::int64_t>(std::clamp(first, -1e18, 1e18));
        last_position = static_cast<std::int64_t>(std::clamp(last, -1e18, 1e18));
    } else {
        out.lower = t_min;
        out.width = t_max - t_min;
    }

    // As many values as grid positions counted (fewer when the window's edges
    // gather some), else as durations; reserved at once.
    std::size_t most = n;
    if (counting.done) {
        most = 0;
        for (const std::uint32_t c : counting.count) most += c > 0 ? 1 : 0;
    }
    out.s.reserve(most);
    out.weight.reserve(most);
    if (step > 0) out.position.reserve(most);
    if (step > 0) {
        // On a grid a value is its grid position's: one off the grid (a few
        // may be) counts at the nearest grid value inside the window.
        const double inverse = 1 / step;
        // A value whose nearest grid value was left out is left out too (at
        // the position below the first).
        const std::int64_t lowest_position = out.start_left_out ? first_position - 1 : first_position;
        const auto clamped = [&](std::int64_t p) { return std::clamp(p, lowest_position, last_position); };
        const auto position = [&](double v) {
            return clamped(static_cast<std::int64_t>(std::nearbyint((v - origin) * inverse)));
        };
        // A count at a position (rising): equal positions in a row make one value.
        const auto count_at = [&out, first_position](std::int64_t p, double count) {
            if (p < first_position) return;
            if (!out.position.empty() && out.position.back() == p) {
                out.weight.back() += count;
            } else {
                out.position.push_back(p);
                out.weight.push_back(count);
            }
        };
        const std::int64_t from = position(lowest);
        const auto cells = static_cast<double>(position(highest) - from) + 1;
        if (counting.done) {
            // Counted while the step was checked, on the grid of the vote's
            // origin: shifted to the origin found, then clamped.
            const auto shift =
                static_cast<std::int64_t>(counting.base) + std::llround((vote_origin - origin) * inverse);
            for (std::size_t k = 0; k < counting.count.size(); ++k) {
                if (counting.count[k] > 0) count_at(clamped(static_cast<std::int64_t>(k) + shift), counting.count[k]);
            }
        } else if (cells <= 4 * static_cast<double>(inside.size()) + 4096) {
            // Counted by grid position, without sorting.
            std::vector<std::uint32_t> count(static_cast<std::size_t>(cells), 0);
            for (const double v : durations) {
                if (inside.inside(v)) ++count[static_cast<std::size_t>(position(v) - from)];
            }
            for (std::size_t k = 0; k < count.size(); ++k) {
                if (count[k] > 0) count_at(from + static_cast<std::int64_t>(k), count[k]);
            }
        } else {
            std::vector<std::int64_t> positions;
            positions.reserve(n);
            for (const double v : durations) {
                if (inside.inside(v)) positions.push_back(position(v));
            }
            std::sort(positions.begin(), positions.end());
            for (const std::int64_t p : positions) count_at(p, 1);
        }
        out.s.resize(out.position.size());
        for (std::size_t k = 0; k < out.position.size(); ++k) {
            const double value = origin + static_cast<double>(out.position[k]) * step;
            out.events += out.weight[k];
            out.s[k] = value - out.lower;
            out.sum_s += out.weight[k] * (value - out.lower);
        }
    } else {
        std::vector<double> values = inside.copied();
        std::sort(values.begin(), values.end());
        for (std::size_t i = 0; i < values.size();) {
            std::size_t j = i + 1;
            while (j < values.size() && values[j] == values[i]) ++j;
            const auto count = static_cast<double>(j - i);
            out.events += count;
            out.s.push_back(values[i] - out.lower);
            out.weight.push_back(count);
            out.sum_s += count * (values[i] - out.lower);
            i = j;
        }
    }
    return out;
}

}  // namespace fit::detail
