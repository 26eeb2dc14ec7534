#include "fit/detail/sample.h"

#include <boost/sort/spreadsort/float_sort.hpp>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace fit::detail {

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

// How far a value read from decimal text may lie from its grid point
// (measured from the grid's origin): far above their rounding, about 1e-16 of
// the larger, far below the step of any clock. A value so far above the others
// that its place on the grid cannot be told counts as on it.
double placing(double value, double origin) { return 1e-12 * std::max(std::fabs(value), std::fabs(origin)); }

// Whether value - origin is a whole number of steps (`inverse` is 1 / step).
bool on_grid(double value, double origin, double step, double inverse) {
    const double q = (value - origin) * inverse;
    return std::fabs(q - std::nearbyint(q)) * step <= placing(value, origin);
}

// The common step of every value, measured from the lowest (`origin`), or 0
// when they share none coarser than 1e-7 of their spread.
double common_step(std::span<const double> values, double& origin) {
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
        } else if (!on_grid(v, origin, step, inverse)) {
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

// A step that blocks of durations give, with how many blocks give it.
struct Vote {
    double step;
    double origin;  // a value on its grid: the lowest of the first block that gives it
    int blocks;
};

// The common steps of blocks of 16 consecutive durations (the last block
// takes the few left over), of every `stride`-th block; `varied` gets whether
// one of them held two different values.
std::vector<Vote> block_steps(std::span<const double> values, std::size_t stride, bool& varied) {
    constexpr std::size_t kBlock = 16;
    const std::size_t blocks = std::max<std::size_t>(1, values.size() / kBlock);
    std::vector<Vote> votes;
    varied = false;
    for (std::size_t b = 0; b < blocks; b += stride) {
        const std::size_t first = b * kBlock;
        const std::size_t size = b + 1 == blocks ? values.size() - first : kBlock;
        const std::span<const double> block = values.subspan(first, size);
        const auto [lowest, highest] = std::minmax_element(block.begin(), block.end());
        varied = varied || *lowest != *highest;
        double origin = 0;
        const double step = common_step(block, origin);
        if (!(step > 0)) continue;
        // Steps within 1e-6 of each other are one step.
        const auto same = std::find_if(votes.begin(), votes.end(),
                                       [step](const Vote& v) { return std::fabs(v.step - step) <= 1e-6 * v.step; });
        if (same == votes.end()) {
            votes.push_back({step, origin, 1});
        } else {
            ++same->blocks;
        }
    }
    return votes;
}

// The steps to try, coarsest first: those the blocks give (the eight most
// given) and, as a block may hold only even multiples of the step, the common
// divisor of the step most blocks give with each other.
std::vector<Vote> candidates_of(std::vector<Vote> votes) {
    if (votes.empty()) return votes;
    std::sort(votes.begin(), votes.end(), [](const Vote& a, const Vote& b) { return a.blocks > b.blocks; });
    votes.resize(std::min<std::size_t>(votes.size(), 8));
    std::vector<Vote> candidates = votes;
    for (std::size_t i = 1; i < votes.size(); ++i) {
        candidates.push_back({near_gcd(votes[0].step, votes[i].step, 1e-6 * votes[i].step), votes[0].origin, 0});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Vote& a, const Vote& b) { return a.step > b.step; });
    return candidates;
}

// x rounded to the nearest whole number (ties to even, as std::nearbyint),
// for |x| below 2^51, without a library call.
double rounded(double x) {
    constexpr double kShift = 0x1.8p52;
    return (x + kShift) - kShift;
}

// The values' grid positions counted in the same pass as the check of a step
// (`base` the position of count[0]), when the window's positions are few.
struct Counting {
    double lowest = 0;  // the lowest and highest value
    double highest = 0;
    std::vector<std::uint32_t> count;
    double base = 0;
    bool done = false;
};

// Whether all values but `allowed` lie on the candidate's grid; if so its
// step to rounding and the lowest value on it (`origin`), and the values
// counted by position on its grid when `counting` is given and they fit.
bool shared_step(const Vote& c, std::span<const double> values, double allowed, double& step, double& origin,
                 Counting* counting) {
    double off = 0;
    double lowest = INFINITY;
    double span = 0;  // the farthest offset of a value on the grid, placed to 1e-6 of a step
    const double inverse = 1 / c.step;
    if (counting != nullptr) {
        // Positions from just below the lowest value to just above the highest.
        const double first = std::floor((counting->lowest - c.origin) * inverse) - 1;
        const double cells = std::ceil((counting->highest - c.origin) * inverse) + 2 - first;
        const double size = static_cast<double>(values.size());
        const double farthest = std::max(std::fabs(first), std::fabs(first + cells));
        if (!(cells <= 4 * size + 4096) || !(cells < 0x1p31) || !(farthest < 0x1p50)) {
            counting = nullptr;
        } else {
            counting->base = first;
            counting->count.assign(static_cast<std::size_t>(cells), 0);
        }
    }
    if (counting != nullptr) {
        std::uint32_t* count = counting->count.data();
        const double base = counting->base;
        // on_grid in products: off the grid when |q - k| exceeds
        // 1e-12 max(|v|, |origin|) / step. In slices: the positions of a
        // slice first (a loop the compiler vectorises), then counted; a look
        // at the values off the grid after each slice.
        const double off_factor = 1e-12 * inverse;
        const double origin_size = std::fabs(c.origin);
        constexpr std::size_t kSlice = 4096;
        double at[kSlice];
        for (std::size_t from = 0; from < values.size() && !(off > allowed); from += kSlice) {
            const std::size_t size = std::min(values.size() - from, kSlice);
            const double* v = values.data() + from;
            double slice_off = 0;  // whole numbers: exact in any order
            for (std::size_t i = 0; i < size; ++i) {
                const double q = (v[i] - c.origin) * inverse;
                const double k = rounded(q);
                const double bound = std::max(std::fabs(v[i]), origin_size) * off_factor;
                slice_off += std::fabs(q - k) <= bound ? 0.0 : 1.0;
                at[i] = k - base;
            }
            for (std::size_t i = 0; i < size; ++i) ++count[static_cast<std::int32_t>(at[i])];
            off += slice_off;
        }
        counting->done = !(off > allowed);
        if (counting->done) {
            // The lowest value on the grid and the farthest offset placed to
            // 1e-6 of a step are those of the extreme values when these are
            // on the grid (as they are but for a few off it).
            const double extremes[] = {counting->lowest, counting->highest};
            bool both = true;
            for (const double x : extremes) {
                both = both && on_grid(x, c.origin, c.step, inverse) && placing(x, c.origin) <= 1e-6 * c.step;
            }
            if (both) {
                origin = counting->lowest;
                span = std::max(std::fabs(counting->lowest - c.origin), std::fabs(counting->highest - c.origin));
                step = span > 0 ? span / std::nearbyint(span / c.step) : c.step;
                return true;
            }
            off = 0;
            for (const double x : values) {
                if (on_grid(x, c.origin, c.step, inverse)) {
                    lowest = std::min(lowest, x);
                    if (placing(x, c.origin) <= 1e-6 * c.step) span = std::max(span, std::fabs(x - c.origin));
                }
            }
        }
    } else {
        for (const double v : values) {
            if (!on_grid(v, c.origin, c.step, inverse)) {
                if (++off > allowed) break;
            } else {
                lowest = std::min(lowest, v);
                if (placing(v, c.origin) <= 1e-6 * c.step) span = std::max(span, std::fabs(v - c.origin));
            }
        }
    }
    if (off > allowed) return false;
    origin = lowest;
    // The farthest offset divided by its whole number of steps: the step to rounding.
    step = span > 0 ? span / std::nearbyint(span / c.step) : c.step;
    return true;
}

// The coarsest step of the blocks' votes that all values share but one, or
// 1 % of them; 0 when there is none. `origin` gets the lowest value on its
// grid; `counting` (when given) the values counted on the grid of the step
// found, from the origin of the vote that gave it (`vote_origin`).
double voted_step(std::vector<Vote> votes, std::span<const double> values, double& origin, Counting* counting,
                  double& vote_origin) {
    const double allowed = std::max(1.0, 0.01 * static_cast<double>(values.size()));
    for (const Vote& c : candidates_of(std::move(votes))) {
        double step = 0;
        if (shared_step(c, values, allowed, step, origin, counting)) {
            vote_origin = c.origin;
            return step;
        }
    }
    return 0;
}

// The common step of the values as clock_step finds it; `counting` as for voted_step.
double found_step(std::span<const double> values, double lowest, double& origin, Counting* counting,
                  double& vote_origin) {
    if (values.empty()) return 0;
    origin = lowest;
    // Each block of durations gives its own common step: a value off the grid
    // spoils only its block, and most blocks give the step of the others.
    // Eight blocks spread over the durations first: when none gives a step,
    // the durations have none (or more than a few are off it); when theirs is
    // not shared by all values but a few, or each of them holds one value
    // only (durations in order, many equal), every block votes.
    const std::size_t stride = std::max<std::size_t>(1, values.size() / 16 / 8);
    bool varied = false;
    const std::vector<Vote> few = block_steps(values, stride, varied);
    if (few.empty() && varied) return 0;
    if (!few.empty()) {
        const double step = voted_step(few, values, origin, counting, vote_origin);
        if (step > 0 || stride == 1) return step;
    }
    return voted_step(block_steps(values, 1, varied), values, origin, counting, vote_origin);
}

}  // namespace

double clock_step(std::span<const double> values, double& origin) {
    if (values.empty()) return 0;
    double vote_origin = 0;
    return found_step(values, *std::min_element(values.begin(), values.end()), origin, nullptr, vote_origin);
}

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
    // The durations inside the window, with the lowest and highest of them.
    const std::unique_ptr<double[]> kept = std::make_unique_for_overwrite<double[]>(durations.size());
    std::size_t n = 0;
    double lowest = INFINITY;
    double highest = -INFINITY;
    for (const double d : durations) {
        const bool in = d >= t_min && d <= t_max;
        kept[n] = d;
        n += in ? 1 : 0;
        lowest = std::min(lowest, in ? d : INFINITY);
        highest = std::max(highest, in ? d : -INFINITY);
    }
    const std::span<double> inside(kept.get(), n);
    if (inside.empty()) return out;

    double origin = 0;
    Counting counting;
    counting.lowest = lowest;
    counting.highest = highest;
    double vote_origin = 0;
    out.step = found_step(inside, lowest, origin, &counting, vote_origin);
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

    const std::size_t most = counting.done ? std::min(n, counting.count.size()) : n;
    out.s.reserve(most);
    out.weight.reserve(most);
    if (step > 0) out.position.reserve(most);
    const auto add = [&out](double value, double count, std::int64_t position) {
        out.events += count;
        out.s.push_back(value - out.lower);
        out.weight.push_back(count);
        if (out.step > 0) out.position.push_back(position);
        out.sum_s += count * (value - out.lower);
    };
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
        const auto add_position = [&](std::int64_t p, double count) {
            if (p < first_position) return;
            add(origin + static_cast<double>(p) * step, count, p);
        };
        // Counts of equal positions in a row (rising), added as one value.
        std::int64_t pending_at = 0;
        double pending = 0;
        const auto count_at = [&](std::int64_t p, double count) {
            if (pending > 0 && p != pending_at) {
                add_position(pending_at, pending);
                pending = 0;
            }
            pending_at = p;
            pending += count;
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
            for (const double v : inside) ++count[static_cast<std::size_t>(position(v) - from)];
            for (std::size_t k = 0; k < count.size(); ++k) {
                if (count[k] > 0) add_position(from + static_cast<std::int64_t>(k), count[k]);
            }
        } else {
            std::vector<std::int64_t> positions(inside.size());
            std::transform(inside.begin(), inside.end(), positions.begin(), position);
            std::sort(positions.begin(), positions.end());
            for (const std::int64_t p : positions) count_at(p, 1);
        }
        if (pending > 0) add_position(pending_at, pending);
    } else {
        // A radix sort on the values' bits: about twice as fast as a comparison sort.
        boost::sort::spreadsort::float_sort(inside.begin(), inside.end());
        for (std::size_t i = 0; i < inside.size();) {
            std::size_t j = i + 1;
            while (j < inside.size() && inside[j] == inside[i]) ++j;
            add(inside[i], static_cast<double>(j - i), 0);
            i = j;
        }
    }
    return out;
}

}  // namespace fit::detail
