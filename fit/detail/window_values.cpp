#include "fit/detail/window_values.h"

#include <algorithm>

namespace fit::detail {

WindowValues::WindowValues(std::span<const double> durations, double t_min, double t_max)
    : durations_(durations), t_min_(t_min), t_max_(t_max) {
    // No call inside the loop: the counts and extremes stay in registers.
    inside_before_.resize((durations.size() + kChunk - 1) / kChunk);
    std::size_t* before = inside_before_.data();
    std::size_t size = 0;
    std::size_t above = 0;
    double lowest = INFINITY;
    double highest = -INFINITY;
    const double* d = durations.data();
    for (std::size_t from = 0; from < durations.size(); from += kChunk) {
        *before++ = size;
        const std::size_t to = std::min(durations.size(), from + kChunk);
        for (std::size_t i = from; i < to; ++i) {
            if (!(d[i] >= t_min)) continue;
            if (d[i] > t_max) {
                ++above;
                continue;
            }
            ++size;
            lowest = std::min(lowest, d[i]);
            highest = std::max(highest, d[i]);
        }
    }
    size_ = size;
    above_ = above;
    lowest_ = lowest;
    highest_ = highest;
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
