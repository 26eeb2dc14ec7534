// The time line, its rate and its gaps.
#include "analysis/rate/rate.h"

#include "analysis/rate/steps.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iterator>
#include <optional>

namespace rate {

namespace {

std::atomic<std::uint64_t> g_analyses{0};

// The time of day of the line's zero, within a day.
double normalised_time_of_day(double seconds) {
    if (!std::isfinite(seconds)) return 0;
    const double t = std::fmod(seconds, kSecondsPerDay);
    return t < 0 ? t + kSecondsPerDay : t;
}

// The intervals longer than `threshold`: the index of the record before each, and their sum.
struct GapSearch {
    std::vector<std::size_t> before;
    double total_s = 0;
};

GapSearch find_gaps(TimeLine t, double threshold, double longest_interval) {
    GapSearch found;
    if (!(longest_interval > threshold)) return found;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) {
        const double d = t[i + 1] - t[i];
        if (d > threshold) {
            found.before.push_back(i);
            found.total_s += d;
        }
    }
    return found;
}

// The record pass gives times in file order, which only go back where a time
// of day did by less than a day. Counts those and the records in the same
// second, and finds the longest interval, when the line is in order and every
// time is a finite number (else the longest interval means nothing).
std::optional<double> longest_interval_in_order(TimeLine seconds, RateAnalysis& a) {
    // Counted in locals, without a branch on the interval: records in the
    // same second come at random in a run, which no branch predicts.
    bool finite = true;
    bool first = true;
    double previous = 0;
    double longest = 0;
    std::int64_t backward = 0;
    std::int64_t zero = 0;
    for (std::size_t i = 0; i < seconds.size(); ++i) {
        const double v = seconds[i];
        if (!std::isfinite(v)) [[unlikely]] {
            finite = false;
            continue;
        }
        if (!first) [[likely]] {
            const double d = v - previous;
            backward += d < 0;
            zero += d == 0;
            longest = longest < d ? d : longest;
        }
        previous = v;
        first = false;
    }
    a.backward_intervals += backward;
    a.zero_intervals += zero;
    if (!finite || backward != 0) return std::nullopt;
    return longest;
}

// Gaps found at the rate of the whole span, then once more at the rate
// without them. A pass that would leave no live time (records in bursts
// within one second) is not taken.
void find_rate_and_gaps(RateAnalysis& a, TimeLine t, double longest_interval) {
    const auto n = static_cast<double>(a.intervals);
    const double log_chances = std::log(n / kGapProbability);
    double r = n / a.span_s;  // events per second
    a.gap_threshold_s = log_chances / r;
    GapSearch gaps;
    for (int pass = 0; pass < 2; ++pass) {
        const double threshold = log_chances / r;
        GapSearch found = find_gaps(t, threshold, longest_interval);
        const double live = a.span_s - found.total_s;
        if (!(live > 0)) break;
        gaps = std::move(found);
        a.gap_threshold_s = threshold;
        r = (n - static_cast<double>(gaps.before.size())) / live;
    }
    a.gaps_s = gaps.total_s;
    a.live_s = a.span_s - gaps.total_s;
    const double live_intervals = n - static_cast<double>(gaps.before.size());
    a.rate_known = true;
    a.rate_per_hour = live_intervals / a.live_s * kSecondsPerHour;
    a.rate_error_per_hour = std::sqrt(live_intervals) / a.live_s * kSecondsPerHour;
    a.gaps.reserve(gaps.before.size());
    for (const std::size_t i : gaps.before) {
        Gap g;
        g.start_s = t[i];
        g.end_s = t[i + 1];
        g.length_s = t[i + 1] - t[i];
        a.gaps.push_back(g);
    }
}

}  // namespace

ClockTime clock_time(double seconds, double origin_time_of_day_s) {
    constexpr double kLimit = 1e15;  // far beyond any run, and exact in a 64-bit integer
    double x = std::round(normalised_time_of_day(origin_time_of_day_s) + seconds);
    if (!std::isfinite(x)) x = 0;
    const auto s = static_cast<std::int64_t>(std::clamp(x, -kLimit, kLimit));
    constexpr auto kDay = static_cast<std::int64_t>(kSecondsPerDay);
    const std::int64_t day = s >= 0 ? s / kDay : -((-s + kDay - 1) / kDay);
    return {day, s - day * kDay};
}

std::uint64_t analyses_made() { return g_analyses.load(std::memory_order_relaxed); }

RateAnalysis analyse_rate(TimeLine seconds, double origin_time_of_day_s, const RateChoices& choices,
                          const CountRecords& counts) {
    g_analyses.fetch_add(1, std::memory_order_relaxed);
    RateAnalysis a;
    const double origin = normalised_time_of_day(origin_time_of_day_s);
    a.origin_time_of_day_s = origin;
    std::vector<double> ordered_copy;
    TimeLine t = seconds;
    const std::optional<double> in_order = longest_interval_in_order(seconds, a);
    double longest_interval = in_order.value_or(0);
    if (!in_order) {
        ordered_copy.reserve(seconds.size());
        for (std::size_t i = 0; i < seconds.size(); ++i) {
            const double v = seconds[i];
            if (std::isfinite(v)) ordered_copy.push_back(v);
        }
        std::sort(ordered_copy.begin(), ordered_copy.end());
        t = TimeLine{ordered_copy};
        longest_interval = 0;
        for (std::size_t i = 0; i + 1 < t.size(); ++i) longest_interval = std::max(longest_interval, t[i + 1] - t[i]);
    }
    a.records = static_cast<std::int64_t>(t.size());
    if (t.empty()) {
        add_count_records(a, t, counts);
        return a;
    }
    a.intervals = a.records - 1;
    a.first_s = t[0];
    a.last_s = t[t.size() - 1];
    a.span_s = a.last_s - a.first_s;
    a.live_s = a.span_s;
    if (!std::isfinite(a.span_s)) a.span_s = a.live_s = 0;  // the ends of a double's range
    a.first_clock = clock_time(a.first_s, origin);
    a.last_clock = clock_time(a.last_s, origin);
    a.crosses_midnight = a.first_clock.day != 0 || a.last_clock.day != 0;
    if (a.records < 3 || !(a.span_s > 0)) {
        add_count_records(a, t, counts);
        return a;
    }

    find_rate_and_gaps(a, t, longest_interval);
    for (Gap& g : a.gaps) {
        g.start = clock_time(g.start_s, origin);
        g.end = clock_time(g.end_s, origin);
    }
    if (choices.bins) {
        fill_bins(a, t, origin, choices);
        test_constancy(a);
    }
    add_count_records(a, t, counts);
    return a;
}

}  // namespace rate
