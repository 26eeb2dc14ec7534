#include "fit/detail/sample.h"

#include "fit/detail/clock_step.h"
#include "fit/detail/window_values.h"

#include <boost/sort/spreadsort/float_sort.hpp>

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

namespace {

// A window's durations with the sample's step, origin and edges (its values
// not added yet) and, on a grid, the grid positions fitted and the durations
// counted by position while the step was checked (when they were).
struct Framed {
    Sample sample;
    GridCounts counting;
    std::int64_t shift = 0;  // counting.count[k] is at position k + shift, before clamping
    std::int64_t first_position = 0;
    std::int64_t last_position = 0;

    // A position moved into the window; a value whose nearest grid value was
    // left out is left out too (at the position below the first).
    std::int64_t clamped(std::int64_t p) const {
        return std::clamp(p, sample.start_left_out ? first_position - 1 : first_position, last_position);
    }
};

Framed framed(const WindowValues& inside, double t_min, double t_max) {
    Framed f;
    Sample& out = f.sample;
    double origin = 0;
    double vote_origin = 0;
    out.step = window_step(inside, origin, &f.counting, vote_origin);
    // Grid positions must fit 64 bits.
    if (out.step > 0 && !(std::max(inside.highest() - origin, origin - inside.lowest()) / out.step < 1e18)) {
        out.step = 0;
    }
    out.origin = origin;
    const double step = out.step;
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
        f.first_position = static_cast<std::int64_t>(std::clamp(first, -1e18, 1e18));
        f.last_position = static_cast<std::int64_t>(std::clamp(last, -1e18, 1e18));
        // Counted on the grid of the vote's origin: shifted to the origin found.
        if (f.counting.done) {
            f.shift = static_cast<std::int64_t>(f.counting.base) + std::llround((vote_origin - origin) * (1 / step));
        }
    } else {
        out.lower = t_min;
        out.width = t_max - t_min;
    }
    return f;
}

// A count at a grid position (rising, from the first fitted): equal positions
// in a row make one value.
void count_at(Sample& out, std::int64_t p, double count) {
    if (!out.position.empty() && out.position.back() == p) {
        out.weight.back() += count;
    } else {
        out.position.push_back(p);
        out.weight.push_back(count);
    }
}

// The counts made while the step was checked, at their positions (the
// sample holds none yet): equal positions in a row (those clamped to an edge)
// one value.
void add_counted(const Framed& f, Sample& out) {
    const std::vector<std::uint32_t>& count = f.counting.count;
    std::size_t most = 0;
    for (const std::uint32_t c : count) most += c > 0 ? 1 : 0;
    out.position.reserve(most);
    out.weight.reserve(most);
    for (std::size_t k = 0; k < count.size(); ++k) {
        if (count[k] == 0) continue;
        const std::int64_t p = f.clamped(static_cast<std::int64_t>(k) + f.shift);
        if (p < f.first_position) continue;
        if (!out.position.empty() && out.position.back() == p) {
            out.weight.back() += count[k];
        } else {
            out.position.push_back(p);
            out.weight.push_back(count[k]);
        }
    }
}

// On a grid, the values from their positions: the events and their sum.
void add_grid_values(Sample& out) {
    out.s.reserve(out.position.size());
    for (const std::int64_t p : out.position)
        out.s.push_back(out.origin + static_cast<double>(p) * out.step - out.lower);
    for (std::size_t k = 0; k < out.position.size(); ++k) {
        out.events += out.weight[k];
        out.sum_s += out.weight[k] * out.s[k];
    }
}

// Off a grid, durations (in any order) made the sample's values: rising, less
// the lower edge, equal ones one value with their count. The buffer becomes
// the values, without a second copy.
void add_off_grid_values(Sample& out, std::vector<double> values) {
    // A radix sort on the values' bits: about twice as fast as a comparison sort.
    boost::sort::spreadsort::float_sort(values.begin(), values.end());
    const double lower = out.lower;
    out.weight.reserve(out.weight.size() + values.size());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < values.size();) {
        const double s = values[i] - lower;
        std::size_t j = i + 1;
        while (j < values.size() && values[j] - lower == s) ++j;
        const auto count = static_cast<double>(j - i);
        values[kept++] = s;
        out.weight.push_back(count);
        out.events += count;
        out.sum_s += count * s;
        i = j;
    }
    values.resize(kept);
    out.s = std::move(values);
}

// The sample of a window's durations once framed.
Sample filled(Framed f, const WindowValues& inside) {
    Sample& out = f.sample;
    const std::span<const double> durations = inside.durations();
    if (out.step > 0) {
        // On a grid a value is its grid position's: one off the grid (a few
        // may be) counts at the nearest grid value inside the window.
        const double inverse = 1 / out.step;
        const auto position = [&](double v) {
            return f.clamped(static_cast<std::int64_t>(std::nearbyint((v - out.origin) * inverse)));
        };
        const std::int64_t from = position(inside.lowest());
        const auto cells = static_cast<double>(position(inside.highest()) - from) + 1;
        if (f.counting.done) {
            add_counted(f, out);
        } else if (cells <= 4 * static_cast<double>(inside.size()) + 4096) {
            // Counted by grid position, without sorting.
            std::vector<std::uint32_t> count(static_cast<std::size_t>(cells), 0);
            for (const double v : durations) {
                if (inside.inside(v)) ++count[static_cast<std::size_t>(position(v) - from)];
            }
            for (std::size_t k = 0; k < count.size(); ++k) {
                const std::int64_t p = from + static_cast<std::int64_t>(k);
                if (count[k] > 0 && p >= f.first_position) count_at(out, p, count[k]);
            }
        } else {
            std::vector<std::int64_t> positions;
            positions.reserve(inside.size());
            for (const double v : durations) {
                if (inside.inside(v)) positions.push_back(position(v));
            }
            std::sort(positions.begin(), positions.end());
            for (const std::int64_t p : positions) {
                if (p >= f.first_position) count_at(out, p, 1);
            }
        }
        add_grid_values(out);
    } else {
        add_off_grid_values(out, inside.copied());
    }
    return std::move(out);
}

// Runs framed on the same cells with their durations counted: the counts
// added by position on the grid of the first (another's positions counted
// from its origin), one sample.
Sample added_counts(std::span<const Framed* const> runs) {
    const Framed& a = *runs.front();
    std::int64_t lowest = INT64_MAX;
    std::int64_t highest = INT64_MIN;
    std::vector<std::int64_t> offset;
    for (const Framed* x : runs) {
        offset.push_back(std::llround((x->sample.origin - a.sample.origin) / a.sample.step));
        const std::vector<std::uint32_t>& count = x->counting.count;
        const auto first = std::find_if(count.begin(), count.end(), [](std::uint32_t c) { return c > 0; });
        if (first == count.end()) continue;
        const auto last = std::find_if(count.rbegin(), count.rend(), [](std::uint32_t c) { return c > 0; });
        const auto at = [x](auto k) { return x->clamped(static_cast<std::int64_t>(k) + x->shift); };
        lowest = std::min(lowest, std::max(at(first - count.begin()), x->first_position) + offset.back());
        highest = std::max(highest, at(count.rend() - last - 1) + offset.back());
    }
    Sample out = a.sample;
    if (lowest > highest) return out;
    std::vector<double> weight(static_cast<std::size_t>(highest - lowest + 1), 0.0);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Framed& x = *runs[i];
        for (std::size_t k = 0; k < x.counting.count.size(); ++k) {
            if (x.counting.count[k] == 0) continue;
            const std::int64_t p = x.clamped(static_cast<std::int64_t>(k) + x.shift);
            if (p >= x.first_position) weight[static_cast<std::size_t>(p + offset[i] - lowest)] += x.counting.count[k];
        }
    }
    for (std::size_t k = 0; k < weight.size(); ++k) {
        if (weight[k] > 0) count_at(out, lowest + static_cast<std::int64_t>(k), weight[k]);
    }
    add_grid_values(out);
    return out;
}

}  // namespace

bool same_cells(const Sample& a, const Sample& b) {
    if (a.start_left_out != b.start_left_out || (a.step > 0) != (b.step > 0)) return false;
    if (a.step == 0) return a.lower == b.lower && a.width == b.width;
    const double tolerance = 1e-6 * a.step;
    return std::fabs(a.step - b.step) <= 1e-9 * a.step && std::fabs(a.lower - b.lower) <= tolerance &&
           std::fabs(a.width - b.width) <= tolerance;
}

Sample sample_window(std::span<const double> durations, double t_min, double t_max) {
    const WindowValues inside(durations, t_min, t_max);
    if (inside.empty()) return Sample();
    return filled(framed(inside, t_min, t_max), inside);
}

std::vector<Sample> run_samples(std::span<const std::span<const double>> runs, double t_min, double t_max) {
    // Each run framed; those counted while their step was checked, and those
    // off any grid, kept framed.
    std::vector<WindowValues> inside;
    inside.reserve(runs.size());
    std::vector<Framed> counted(runs.size());
    std::vector<Sample> alone(runs.size());
    std::vector<bool> waiting(runs.size(), false);   // counted, not yet in a sample
    std::vector<bool> off_grid(runs.size(), false);  // off any grid
    std::size_t off_grid_values = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const WindowValues& in = inside.emplace_back(runs[i], t_min, t_max);
        if (in.empty()) continue;
        Framed f = framed(in, t_min, t_max);
        waiting[i] = f.sample.step > 0 && f.counting.done;
        off_grid[i] = f.sample.step == 0;
        if (off_grid[i]) off_grid_values += in.size();
        if (waiting[i] || off_grid[i]) {
            counted[i] = std::move(f);
        } else {
            alone[i] = filled(std::move(f), in);
        }
    }
    // Runs off any grid share the window's edges: their values gathered into
    // one buffer and sorted once, one sample in the place of the first.
    std::vector<double> values;
    values.reserve(off_grid_values);
    std::size_t first_off_grid = runs.size();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!off_grid[i]) continue;
        if (first_off_grid == runs.size()) first_off_grid = i;
        inside[i].append_to(values);
    }
    if (first_off_grid < runs.size()) {
        alone[first_off_grid] = std::move(counted[first_off_grid].sample);
        add_off_grid_values(alone[first_off_grid], std::move(values));
    }
    // In the runs' order, a counted run with those after it on the same cells one sample.
    std::vector<Sample> out;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!waiting[i]) {
            if (alone[i].events > 0) out.push_back(std::move(alone[i]));
            continue;
        }
        std::vector<const Framed*> kind;
        for (std::size_t j = i; j < runs.size(); ++j) {
            if (!waiting[j] || !same_cells(counted[i].sample, counted[j].sample)) continue;
            waiting[j] = false;
            kind.push_back(&counted[j]);
        }
        out.push_back(added_counts(kind));
    }
    return out;
}

}  // namespace fit::detail
