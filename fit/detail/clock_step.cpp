#include "fit/detail/clock_step.h"

#include <algorithm>
#include <cmath>
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

// The common steps of blocks of 16 consecutive values inside the window (the
// last block takes the few left over), of every `stride`-th block; `varied`
// gets whether one of them held two different values.
std::vector<Vote> block_steps(const WindowValues& values, std::size_t stride, bool& varied) {
    constexpr std::size_t kBlock = 16;
    const std::size_t blocks = std::max<std::size_t>(1, values.size() / kBlock);
    // Every block: the values inside in a row, once.
    const std::vector<double> all = stride == 1 ? values.copied() : std::vector<double>();
    std::vector<double> picked;
    std::vector<Vote> votes;
    varied = false;
    for (std::size_t b = 0; b < blocks; b += stride) {
        const std::size_t first = b * kBlock;
        const std::size_t size = b + 1 == blocks ? values.size() - first : kBlock;
        if (stride > 1) values.ranked(first, size, picked);
        const std::span<const double> block =
            stride == 1 ? std::span<const double>(all).subspan(first, size) : std::span<const double>(picked);
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

// The values inside the window counted by grid position on the candidate's
// grid (counting.count from its base), and how many of them are off it
// (on_grid in products: off when |q - k| exceeds 1e-12 max(|v|, |origin|) /
// step). Stops once more than `allowed` are off. In slices of the durations:
// the positions of a slice first, with whether one may be off, in a loop the
// compiler vectorises; then counted. A duration below the window counts as
// the lowest value inside it, one above as the highest: taken off after. A
// value within half the bound of the value nearest 0 (the smallest bound) is
// on the grid; the values of a slice with one farther are looked at one by one.
[[gnu::always_inline]] inline double counted_off_of(const WindowValues& values, const Vote& c, double inverse,
                                                    double allowed, GridCounts& counting) {
    std::uint32_t* count = counting.count.data();
    const double base = counting.base;
    const double off_factor = 1e-12 * inverse;
    const double origin_size = std::fabs(c.origin);
    const double lowest = values.lowest();
    const double highest = values.highest();
    const double nearest_zero = lowest <= 0 && highest >= 0 ? 0 : std::min(std::fabs(lowest), std::fabs(highest));
    // |q - k| times this is 1 or more beyond half the smallest bound; taken to
    // 2 at most, a whole number the compiler can vectorise. A bound far below
    // any rounding (a grid from 0 with a value there): every value looked at.
    const double smallest = std::max(nearest_zero, origin_size) * off_factor;
    const bool look_at_each = !(smallest >= 0x1p-960);
    const double unsure_scale = look_at_each ? 0 : 2 / smallest;
    const auto cell = [&](double v) { return static_cast<std::int32_t>(rounded((v - c.origin) * inverse) - base); };
    const std::span<const double> durations = values.durations();
    constexpr std::size_t kSlice = 2048;
    std::int32_t at[kSlice];
    double off = 0;
    for (std::size_t from = 0; from < durations.size() && !(off > allowed); from += kSlice) {
        const std::size_t size = std::min(durations.size() - from, kSlice);
        const double* v = durations.data() + from;
        std::int32_t unsure = look_at_each ? 1 : 0;
        for (std::size_t i = 0; i < size; ++i) {
            const double q = (std::min(highest, std::max(lowest, v[i])) - c.origin) * inverse;
            const double k = rounded(q);
            at[i] = static_cast<std::int32_t>(k - base);
            unsure |= static_cast<std::int32_t>(std::min(std::fabs(q - k) * unsure_scale, 2.0));
        }
        for (std::size_t i = 0; i < size; ++i) ++count[at[i]];
        for (std::size_t i = 0; unsure != 0 && i < size; ++i) {
            const double q = (v[i] - c.origin) * inverse;
            const bool beyond = std::fabs(q - rounded(q)) > std::max(std::fabs(v[i]), origin_size) * off_factor;
            if (beyond && values.inside(v[i])) off += 1;
        }
    }
    if (off > allowed) return off;
    count[cell(lowest)] -= static_cast<std::uint32_t>(values.below());
    count[cell(highest)] -= static_cast<std::uint32_t>(values.above());
    return off;
}

// The same compiled twice: for the AVX2 registers (four values at a time,
// chosen at run time where the processor has them) and for the baseline's.
double counted_off_baseline(const WindowValues& values, const Vote& c, double inverse, double allowed,
                            GridCounts& counting) {
    return counted_off_of(values, c, inverse, allowed, counting);
}

[[gnu::target("avx2")]] double counted_off_avx2(const WindowValues& values, const Vote& c, double inverse,
                                                double allowed, GridCounts& counting) {
    return counted_off_of(values, c, inverse, allowed, counting);
}

double counted_off(const WindowValues& values, const Vote& c, double inverse, double allowed, GridCounts& counting) {
    static const bool avx2 = __builtin_cpu_supports("avx2");
    return (avx2 ? counted_off_avx2 : counted_off_baseline)(values, c, inverse, allowed, counting);
}

// Whether all values but `allowed` lie on the candidate's grid; if so its
// step to rounding and the lowest value on it (`origin`), and the values
// counted by position on its grid when `counting` is given and they fit.
bool shared_step(const Vote& c, const WindowValues& values, double allowed, double& step, double& origin,
                 GridCounts* counting) {
    double off = 0;
    double lowest = INFINITY;
    double span = 0;  // the farthest offset of a value on the grid, placed to 1e-6 of a step
    const double inverse = 1 / c.step;
    if (counting != nullptr) {
        // Positions from just below the lowest value to just above the highest.
        const double first = std::floor((values.lowest() - c.origin) * inverse) - 1;
        const double cells = std::ceil((values.highest() - c.origin) * inverse) + 2 - first;
        const double size = static_cast<double>(values.size());
        const double farthest = std::max(std::fabs(first), std::fabs(first + cells));
        if (!(cells <= 4 * size + 4096) || !(cells < 0x1p31) || !(farthest < 0x1p50)) {
            counting = nullptr;
        } else {
            counting->base = first;
            counting->count.assign(static_cast<std::size_t>(cells), 0);
        }
    }
    // A value inside the window: whether it is on the grid; if so, the lowest
    // and the farthest offset so far with it.
    const auto look_at = [&](double v) {
        if (!on_grid(v, c.origin, c.step, inverse)) return false;
        lowest = std::min(lowest, v);
        if (placing(v, c.origin) <= 1e-6 * c.step) span = std::max(span, std::fabs(v - c.origin));
        return true;
    };
    if (counting != nullptr) {
        off = counted_off(values, c, inverse, allowed, *counting);
        counting->done = !(off > allowed);
        if (counting->done) {
            // The lowest value on the grid and the farthest offset placed to
            // 1e-6 of a step are those of the extreme values when these are
            // on the grid (as they are but for a few off it).
            const double extremes[] = {values.lowest(), values.highest()};
            bool both = true;
            for (const double x : extremes) {
                both = both && on_grid(x, c.origin, c.step, inverse) && placing(x, c.origin) <= 1e-6 * c.step;
            }
            if (both) {
                origin = values.lowest();
                span = std::max(std::fabs(values.lowest() - c.origin), std::fabs(values.highest() - c.origin));
                step = span > 0 ? span / std::nearbyint(span / c.step) : c.step;
                return true;
            }
            off = 0;
            for (const double x : values.durations()) {
                if (values.inside(x)) look_at(x);
            }
        }
    } else {
        for (const double v : values.durations()) {
            if (!values.inside(v) || look_at(v)) continue;
            if (++off > allowed) break;
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
double voted_step(std::vector<Vote> votes, const WindowValues& values, double& origin, GridCounts* counting,
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

}  // namespace

double window_step(const WindowValues& values, double& origin, GridCounts* counting, double& vote_origin) {
    if (values.empty()) return 0;
    origin = values.lowest();
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

double clock_step(std::span<const double> values, double& origin) {
    double vote_origin = 0;
    return window_step(WindowValues(values), origin, nullptr, vote_origin);
}

}  // namespace fit::detail
