// The rate in bins of wall-clock time, and whether it stayed constant.
#include "analysis/rate/steps.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace rate {

namespace {

// The width for a typed one that makes too many bins: the first of
// kBinWidths that makes at most kMaxBins, beyond them whole days.
double widened_width_s(double span_s) {
    const double least = span_s / static_cast<double>(kMaxBins);
    for (const double w : kBinWidths) {
        if (w >= least) return w;
    }
    return std::ceil(least / kSecondsPerDay) * kSecondsPerDay;
}

// A live time below this share of the width is rounding left by the gaps.
constexpr double kNoLiveTime = 1e-9;

}  // namespace

double chosen_bin_width_s(double rate_per_hour) {
    constexpr double kWidest = std::end(kBinWidths)[-1];
    if (!(rate_per_hour > 0) || !std::isfinite(rate_per_hour)) return kWidest;
    const double ideal = kEventsPerBin / rate_per_hour * kSecondsPerHour;
    double best = kBinWidths[0];
    for (const double w : kBinWidths) {
        if (std::fabs(std::log(w / ideal)) < std::fabs(std::log(best / ideal))) best = w;
    }
    return best;
}

void fill_bins(RateAnalysis& a, TimeLine t, double origin, const RateChoices& choices) {
    a.bin_width_typed = choices.bin_width_s > 0 && std::isfinite(choices.bin_width_s);
    double w = a.bin_width_typed ? choices.bin_width_s : chosen_bin_width_s(a.rate_per_hour);
    if (std::ceil(a.span_s / w) > static_cast<double>(kMaxBins)) {
        w = widened_width_s(a.span_s);
        a.bin_width_widened = true;
    }
    a.bin_width_s = w;
    const auto count = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::ceil(a.span_s / w)));
    const auto bin_of = [&](double v) {
        const double k = std::floor((v - a.first_s) / w);
        return static_cast<std::size_t>(std::clamp(k, 0.0, static_cast<double>(count - 1)));
    };

    a.bins.resize(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < a.bins.size(); ++i) {
        RateBin& b = a.bins[i];
        b.start_s = a.first_s + static_cast<double>(i) * w;
        b.end_s = i + 1 == a.bins.size() ? a.last_s : a.first_s + static_cast<double>(i + 1) * w;
        b.live_s = b.end_s - b.start_s;
        b.start_clock = clock_time(b.start_s, origin);
    }
    // The times are in order: one sweep, each bin taking the records before its end.
    std::size_t j = 0;
    for (std::size_t i = 0; i + 1 < a.bins.size(); ++i) {
        const std::size_t from = j;
        while (j < t.size() && t[j] < a.bins[i].end_s) ++j;
        a.bins[i].count = static_cast<std::int64_t>(j - from);
    }
    a.bins.back().count = static_cast<std::int64_t>(t.size() - j);
    for (const Gap& g : a.gaps) {
        // One bin more on each side: the overlap itself says where the gap is.
        const std::size_t last = std::min(bin_of(g.end_s) + 1, a.bins.size() - 1);
        for (std::size_t i = bin_of(g.start_s) - (bin_of(g.start_s) > 0 ? 1 : 0); i <= last; ++i) {
            RateBin& b = a.bins[i];
            const double overlap = std::min(b.end_s, g.end_s) - std::max(b.start_s, g.start_s);
            if (overlap > 0) b.live_s -= overlap;
        }
    }
    for (RateBin& b : a.bins) {
        if (b.live_s < kNoLiveTime * w) b.live_s = 0;
        if (b.live_s > 0) {
            b.rate_per_hour = static_cast<double>(b.count) / b.live_s * kSecondsPerHour;
            b.rate_error_per_hour = std::sqrt(static_cast<double>(b.count)) / b.live_s * kSecondsPerHour;
        }
        b.in_test = b.live_s >= kLiveFractionForTest * w;
    }
}

void test_constancy(RateAnalysis& a) {
    double counts = 0;
    double live = 0;
    for (const RateBin& b : a.bins) {
        if (!b.in_test) continue;
        ++a.bins_in_test;
        counts += static_cast<double>(b.count);
        live += b.live_s;
    }
    if (a.bins_in_test < 2 || !(counts > 0)) return;

    // The constant rate that fits the bins best, per second.
    const double r = counts / live;
    double chi2 = 0;
    // The straight line through the rates (per hour) against the middle of
    // each bin (hours from the first record), each weighted by the inverse of
    // its variance at the constant rate, r / live in per second squared.
    double sw = 0;
    double swx = 0;
    double swy = 0;
    for (const RateBin& b : a.bins) {
        if (!b.in_test) continue;
        const double expected = r * b.live_s;
        const double c = static_cast<double>(b.count);
        chi2 += (c - expected) * (c - expected) / expected;
        const double weight = b.live_s / r / (kSecondsPerHour * kSecondsPerHour);
        const double x = ((b.start_s + b.end_s) / 2 - a.first_s) / kSecondsPerHour;
        sw += weight;
        swx += weight * x;
        swy += weight * b.rate_per_hour;
    }
    a.chi2 = chi2;
    a.ndf = a.bins_in_test - 1;
    a.p_value = boost::math::cdf(
        boost::math::complement(boost::math::chi_squared_distribution<double>(static_cast<double>(a.ndf)), chi2));
    a.constancy_known = true;

    const double mean_x = swx / sw;
    const double mean_y = swy / sw;
    double sxx = 0;
    double sxy = 0;
    for (const RateBin& b : a.bins) {
        if (!b.in_test) continue;
        const double weight = b.live_s / r / (kSecondsPerHour * kSecondsPerHour);
        const double dx = ((b.start_s + b.end_s) / 2 - a.first_s) / kSecondsPerHour - mean_x;
        sxx += weight * dx * dx;
        sxy += weight * dx * (b.rate_per_hour - mean_y);
    }
    if (sxx > 0) {
        a.drift_known = true;
        a.drift_per_hour_per_hour = sxy / sxx;
        a.drift_error_per_hour_per_hour = 1 / std::sqrt(sxx);
    }

    if (a.drift_known && std::fabs(a.drift_per_hour_per_hour) >= kDriftSigmas * a.drift_error_per_hour_per_hour) {
        a.verdict = a.drift_per_hour_per_hour > 0 ? Verdict::drifting_up : Verdict::drifting_down;
    } else {
        a.verdict = a.p_value < kNotConstantP ? Verdict::not_constant : Verdict::stable;
    }
}

}  // namespace rate
