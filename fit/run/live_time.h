#pragma once
// The run's live time, for the forecast of the fit window and vorns-fit: the
// records' times (series 1, minutes since the time origin with the midnight
// roll-overs counted) as the rate library takes them, which gives the span
// from the first record to the last less the gaps in which none came; for a
// run with count records (two integers a line), the seconds present in the file.
#include "analysis/rate/rate.h"
#include "analysis/record_store.h"
#include "fit/forecast.h"

#include <span>
#include <vector>

// In hours, from the run's rate analysis; NaN when it cannot tell it (no
// count records and fewer than 3 records, or all in the same second).
double live_hours(const rate::RateAnalysis& run_rate);

// The same after each load of a followed run, made again only when the
// records' times changed.
class RunLiveTime {
public:
    double hours(const RecordStore& store, std::span<const double> count_seconds = {});

private:
    std::vector<double> minutes_;  // the records' times at the last analysis
    std::vector<double> counts_;   // the count records' seconds at the last analysis
    double hours_ = 0;
    bool known_ = false;
};

// The forecast of `result` at the run's rate: its events in the window over
// the live time of the run's rate analysis (made once for both).
fit::Forecast run_forecast(const rate::RateAnalysis& run_rate, const fit::Result& result, double precision);
