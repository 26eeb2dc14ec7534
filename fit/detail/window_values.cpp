#include "fit/detail/window_values.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace fit::detail {

namespace {

// The values are counted and their extremes found several at a time, in the
// compilers' vector types (GCC and Clang share them): four at a time in the
// AVX2 registers where the processor has them (chosen at run time), two in
// those every x86-64 has.
#pragma GCC diagnostic ignored "-Wpsabi"  // every function taking a vector is inlined here

template <int N>
struct Lanes {
    using V [[gnu::vector_size(8 * N)]] = double;
    using M [[gnu::vector_size(8 * N)]] = std::int64_t;  // a comparison: all bits set where true
};

struct Pass {
    std::size_t size = 0;
    std::size_t above = 0;
    double lowest = INFINITY;
    double highest = -INFINITY;
};

template <class V, class M>
[[gnu::always_inline]] inline V chosen(const M& where, const V& yes, const V& no) {
    return (V)((where & (M)yes) | (~where & (M)no));
}

// The values of d[0, n) inside [t_min, t_max]: how many, how many above, the
// extremes; before[c] gets how many are inside before the c-th chunk of `chunk`
// values (a multiple of N).
template <int N>
[[gnu::always_inline]] inline Pass pass_of(const double* d, std::size_t n, double t_min, double t_max,
                                           std::size_t chunk, std::size_t* before) {
    using V = typename Lanes<N>::V;
    using M = typename Lanes<N>::M;
    const V lower = V{} + t_min;
    const V upper = V{} + t_max;
    const V none_low = V{} + INFINITY;
    const V none_high = V{} - INFINITY;
    V lowest = none_low;
    V highest = none_high;
    Pass out;
    for (std::size_t from = 0; from < n; from += chunk) {
        *before++ = out.size;
        const std::size_t to = std::min(n, from + chunk);
        M inside{};
        M above{};
        std::size_t i = from;
        for (; i + N <= to; i += N) {
            V v;
            std::memcpy(&v, d + i, sizeof v);
            const M in = (v >= lower) & (v <= upper);  // not a number: neither
            inside -= in;
            above -= v > upper;
            const V low = chosen(in, v, none_low);
            const V high = chosen(in, v, none_high);
            lowest = chosen(low < lowest, low, lowest);
            highest = chosen(highest < high, high, highest);
        }
        for (int k = 0; k < N; ++k) {
            out.size += static_cast<std::size_t>(inside[k]);
            out.above += static_cast<std::size_t>(above[k]);
        }
        for (; i < to; ++i) {
            if (!(d[i] >= t_min)) continue;
            if (d[i] > t_max) {
                ++out.above;
                continue;
            }
            ++out.size;
            out.lowest = std::min(out.lowest, d[i]);
            out.highest = std::max(out.highest, d[i]);
        }
    }
    for (int k = 0; k < N; ++k) {
        out.lowest = std::min(out.lowest, lowest[k]);
        out.highest = std::max(out.highest, highest[k]);
    }
    return out;
}

Pass pass_baseline(const double* d, std::size_t n, double t_min, double t_max, std::size_t chunk, std::size_t* before) {
    return pass_of<2>(d, n, t_min, t_max, chunk, before);
}

[[gnu::target("avx2")]] Pass pass_avx2(const double* d, std::size_t n, double t_min, double t_max, std::size_t chunk,
                                       std::size_t* before) {
    return pass_of<4>(d, n, t_min, t_max, chunk, before);
}

}  // namespace

WindowValues::WindowValues(std::span<const double> durations, double t_min, double t_max)
    : WindowValues(durations, t_min, t_max, [] {
          static const bool avx2 = __builtin_cpu_supports("avx2");
          return avx2;
      }()) {}

WindowValues::WindowValues(std::span<const double> durations, double t_min, double t_max, Baseline)
    : WindowValues(durations, t_min, t_max, false) {}

WindowValues::WindowValues(std::span<const double> durations, double t_min, double t_max, bool avx2)
    : durations_(durations), t_min_(t_min), t_max_(t_max) {
    inside_before_.resize((durations.size() + kChunk - 1) / kChunk);
    const Pass pass = (avx2 ? pass_avx2 : pass_baseline)(durations.data(), durations.size(), t_min, t_max, kChunk,
                                                         inside_before_.data());
    size_ = pass.size;
    above_ = pass.above;
    lowest_ = pass.lowest;
    highest_ = pass.highest;
    // Each lane keeps the first of equal extremes, as one by one; but 0 and
    // -0 are equal, and which of them came first over all lanes is not known:
    // an extreme at 0 is found again one value at a time.
    if (lowest_ == 0 || highest_ == 0) {
        lowest_ = INFINITY;
        highest_ = -INFINITY;
        for (const double d : durations) {
            if (!inside(d)) continue;
            lowest_ = std::min(lowest_, d);
            highest_ = std::max(highest_, d);
        }
    }
}

void WindowValues::ranked(std::size_t first, std::size_t count, std::vector<double>& out) const {
    out.clear();
    if (size_ == durations_.size()) {
        const std::span<const double> run = durations_.subspan(first, count);
        out.assign(run.begin(), run.end());
        return;
    }
    // From the chunk that holds the value ranked first.
    const auto chunk = std::upper_bound(inside_before_.begin(), inside_before_.end(), first) - 1;
    std::size_t rank = *chunk;
    for (std::size_t i = static_cast<std::size_t>(chunk - inside_before_.begin()) * kChunk;
         i < durations_.size() && out.size() < count; ++i) {
        if (!inside(durations_[i])) continue;
        if (rank >= first) out.push_back(durations_[i]);
        ++rank;
    }
}

std::vector<double> WindowValues::copied() const {
    std::vector<double> out;
    append_to(out);
    return out;
}

void WindowValues::append_to(std::vector<double>& out) const {
    if (size_ == durations_.size()) {
        out.insert(out.end(), durations_.begin(), durations_.end());
        return;
    }
    const std::size_t at = out.size();
    out.resize(at + size_);
    double* to = out.data() + at;
    for (const double d : durations_) {
        if (inside(d)) *to++ = d;
    }
}

}  // namespace fit::detail
