#include "fit/run/live_time.h"

#include "analysis/rate/rate.h"

#include <algorithm>
#include <limits>

namespace {

std::vector<double> seconds_of(const RecordStore& store) {
    const auto n = static_cast<std::size_t>(std::clamp(store.nb_points[1], 0, NB_MAX_DONNEES));
    std::vector<double> seconds(n);
    for (std::size_t i = 0; i < n; ++i) seconds[i] = store.serie_x[1][i + 1] * 60;
    return seconds;
}

double hours_of(const std::vector<double>& seconds) {
    // Only the live time is taken: the time of day of the origin does not change it.
    const rate::RateAnalysis a = rate::analyse_rate(seconds, 0);
    return a.rate_known ? a.live_s / 3600 : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double live_hours(const RecordStore& store) { return hours_of(seconds_of(store)); }

double RunLiveTime::hours(const RecordStore& store) {
    std::vector<double> seconds = seconds_of(store);
    if (!known_ || seconds != seconds_) {
        hours_ = hours_of(seconds);
        seconds_ = std::move(seconds);
        known_ = true;
    }
    return hours_;
}

fit::Forecast run_forecast(const RecordStore& store, const fit::Result& result, double precision) {
    return fit::forecast(result, precision, live_hours(store));
}
