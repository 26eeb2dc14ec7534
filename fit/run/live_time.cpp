#include "fit/run/live_time.h"

#include <limits>

double live_hours(const rate::RateAnalysis& run_rate) {
    return rate::live_time_known(run_rate) ? run_rate.live_s / 3600 : std::numeric_limits<double>::quiet_NaN();
}

fit::Forecast run_forecast(const rate::RateAnalysis& run_rate, const fit::Result& result, double precision) {
    return fit::forecast(result, precision, live_hours(run_rate));
}
