#pragma once
// The run's live time, for the forecast of the fit window and vorns-fit, from
// the run's rate analysis (made once a load, for the rate too): the
// records' times (series 1, minutes since the time origin with the midnight
// roll-overs counted) as the rate library takes them, which gives the span
// from the first record to the last less the gaps in which none came; for a
// run with count records (two integers a line), the seconds present in the file.
#include "analysis/rate/rate.h"
#include "fit/forecast.h"
#include "fit/run/run_exclusions.h"

// In hours, from the run's rate analysis; NaN when it cannot tell it (no
// count records and fewer than 3 records, or all in the same second).
double live_hours(const rate::RateAnalysis& run_rate);

// The forecast of `result` at the run's rate: its events in the window over
// the live time of the run's rate analysis (made once for both), or over the
// live time `kept` of the run when spans of it are left out.
fit::Forecast run_forecast(const rate::RateAnalysis& run_rate, const fit::Result& result, double precision,
                           const KeptRecords* kept = nullptr);
