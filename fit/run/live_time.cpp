#include "fit/run/live_time.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <span>

double live_hours(const rate::RateAnalysis& run_rate) {
    return rate::live_time_known(run_rate) ? run_rate.live_s / 3600 : std::numeric_limits<double>::quiet_NaN();
}

namespace {

std::span<const double> minutes_of(const RecordStore& store) {
    return {store.serie_x[1].data() + 1, static_cast<std::size_t>(std::clamp(store.nb_points[1], 0, NB_MAX_DONNEES))};
}

double hours_of(std::span<const double> minutes, std::span<const double> count_seconds) {
    std::vector<double> seconds;
    seconds.reserve(minutes.size());
    std::transform(minutes.begin(), minutes.end(), std::back_inserter(seconds), [](double m) { return m * 60; });
    // Only the live time is taken: the time of day of the origin does not change it.
    return live_hours(rate::analyse_rate(seconds, 0, {}, {count_seconds, {}}));
}

}  // namespace

double RunLiveTime::hours(const RecordStore& store, std::span<const double> count_seconds) {
    // The same times bit for bit (a reload of an unchanged run): the same live time.
    const std::span<const double> minutes = minutes_of(store);
    const bool same = known_ && minutes.size() == minutes_.size() &&
                      (minutes.empty() || std::memcmp(minutes.data(), minutes_.data(), minutes.size_bytes()) == 0);
    const bool same_counts = std::equal(count_seconds.begin(), count_seconds.end(), counts_.begin(), counts_.end());
    if (!same || !same_counts) {
        hours_ = hours_of(minutes, count_seconds);
        counts_.assign(count_seconds.begin(), count_seconds.end());
        minutes_.assign(minutes.begin(), minutes.end());
        known_ = true;
    }
    return hours_;
}

fit::Forecast run_forecast(const rate::RateAnalysis& run_rate, const fit::Result& result, double precision) {
    return fit::forecast(result, precision, live_hours(run_rate));
}
