#include "fit/run/live_time.h"

#include <cmath>
#include <limits>

double live_hours(const rate::RateAnalysis& run_rate) {
    return rate::live_time_known(run_rate) ? run_rate.live_s / 3600 : std::numeric_limits<double>::quiet_NaN();
}

fit::Forecast run_forecast(const rate::RateAnalysis& run_rate, const fit::Result& result, double precision,
                           const KeptRecords* kept) {
    const double hours = live_hours(run_rate);
    return fit::forecast(result, precision, kept && std::isfinite(hours) ? kept->live_s / 3600 : hours);
}
