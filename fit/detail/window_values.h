#pragma once
// The durations inside a window [t_min, t_max], read where they are (a run's
// durations are not copied to pick those inside): how many, the lowest and
// the highest, and those of given ranks among them.
#include <cmath>
#include <cstddef>
#include <span>
#include <vector>

namespace fit::detail {

class WindowValues {
public:
    WindowValues(std::span<const double> durations, double t_min, double t_max);
    // The same, two values at a time as on a processor without AVX2.
    struct Baseline {};
    WindowValues(std::span<const double> durations, double t_min, double t_max, Baseline);
    // Every value (the window from -infinity to +infinity).
    explicit WindowValues(std::span<const double> values) : WindowValues(values, -INFINITY, INFINITY) {}

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    double lowest() const { return lowest_; }
    double highest() const { return highest_; }
    // How many durations lie above the window, and below it (or are not numbers).
    std::size_t above() const { return above_; }
    std::size_t below() const { return durations_.size() - size_ - above_; }
    bool inside(double d) const { return d >= t_min_ && d <= t_max_; }
    // All the durations, inside the window or not, in their order.
    std::span<const double> durations() const { return durations_; }

    // The values ranked first to first + count - 1 among those inside, in their order.
    void ranked(std::size_t first, std::size_t count, std::vector<double>& out) const;
    // Those inside, in their order.
    std::vector<double> copied() const;
    // The same added at the end of `out`.
    void append_to(std::vector<double>& out) const;

private:
    static constexpr std::size_t kChunk = 256;
    WindowValues(std::span<const double> durations, double t_min, double t_max, bool avx2);
    std::span<const double> durations_;
    double t_min_;
    double t_max_;
    std::size_t size_ = 0;
    std::size_t above_ = 0;
    double lowest_ = INFINITY;
    double highest_ = -INFINITY;
    std::vector<std::size_t> inside_before_;  // how many are inside before each chunk of kChunk durations
};

}  // namespace fit::detail
