// The count records of a file of two integers: the seconds present in the
// file, the muons through the detector and their bins.
#include "analysis/rate/steps.h"

#include <algorithm>
#include <cmath>

namespace rate {

namespace {

constexpr double kSecondsPerMinute = 60;
// Far beyond any run, and exact in a 64-bit integer and a double.
constexpr double kLimit = 1e15;

bool usable(double s) { return std::isfinite(s) && std::abs(s) < kLimit; }

std::int64_t whole_second(double s) { return std::llround(s); }

// The whole seconds of the count records and of the records, each once, in order.
std::vector<std::int64_t> seconds_present(TimeLine records, std::span<const double> counts) {
    std::vector<std::int64_t> present;
    present.reserve(records.size() + counts.size());
    for (const TimeLine times : {records, TimeLine{counts}}) {
        for (std::size_t i = 0; i < times.size(); ++i) {
            const double s = times[i];
            if (usable(s)) present.push_back(whole_second(s));
        }
    }
    std::sort(present.begin(), present.end());
    present.erase(std::unique(present.begin(), present.end()), present.end());
    return present;
}

void per_minute(std::int64_t muons, std::int64_t seconds, double& value, double& error) {
    if (seconds <= 0) return;
    const auto live = static_cast<double>(seconds);
    value = static_cast<double>(muons) / live * kSecondsPerMinute;
    error = std::sqrt(static_cast<double>(muons)) / live * kSecondsPerMinute;
}

// Bins of the rate's width (a minute without one) from the first second
// present to the last, each with its muons and its seconds present.
void fill_muon_bins(RateAnalysis& a, const std::vector<std::int64_t>& present, const CountRecords& counts) {
    const auto first = static_cast<double>(present.front());
    const double span = static_cast<double>(present.back()) - first + 1;
    double width = a.bin_width_s > 0 ? a.bin_width_s : kSecondsPerMinute;
    if (span / width > static_cast<double>(kMaxBins)) {
        width = std::ceil(span / static_cast<double>(kMaxBins) / kSecondsPerMinute) * kSecondsPerMinute;
    }
    a.muon_bin_width_s = width;
    const auto n = static_cast<std::size_t>(std::max(1.0, std::ceil(span / width)));
    a.muon_bins.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        a.muon_bins[i].start_s = first + static_cast<double>(i) * width;
        a.muon_bins[i].end_s = first + static_cast<double>(i + 1) * width;
    }
    const auto bin_of = [&](std::int64_t s) {
        const double i = std::floor((static_cast<double>(s) - first) / width);
        return static_cast<std::size_t>(std::clamp(i, 0.0, static_cast<double>(n - 1)));
    };
    for (const std::int64_t s : present) ++a.muon_bins[bin_of(s)].seconds_present;
    const std::size_t pairs = std::min(counts.seconds.size(), counts.muons.size());
    for (std::size_t i = 0; i < pairs; ++i) {
        if (usable(counts.seconds[i]) && counts.muons[i] > 0) {
            a.muon_bins[bin_of(whole_second(counts.seconds[i]))].muons += counts.muons[i];
        }
    }
    for (MuonBin& b : a.muon_bins) per_minute(b.muons, b.seconds_present, b.per_minute, b.error_per_minute);
}

}  // namespace

void add_count_records(RateAnalysis& a, TimeLine ordered, const CountRecords& counts) {
    if (counts.seconds.empty()) return;
    const std::vector<std::int64_t> present = seconds_present(ordered, counts.seconds);
    if (present.empty()) return;
    a.counts_known = true;
    a.seconds_present = static_cast<std::int64_t>(present.size());
    a.live_s = static_cast<double>(a.seconds_present);
    if (a.rate_known) {
        // The records over the seconds present.
        const auto records = static_cast<double>(a.records);
        a.rate_per_hour = records / a.live_s * kSecondsPerHour;
        a.rate_error_per_hour = std::sqrt(records) / a.live_s * kSecondsPerHour;
    }
    fill_muon_bins(a, present, counts);
    for (const MuonBin& b : a.muon_bins) a.muons += b.muons;
    per_minute(a.muons, a.seconds_present, a.muons_per_minute, a.muons_per_minute_error);
}

}  // namespace rate
