#pragma once
// The run's rate in vorns-fit's JSON object: its keys and values, in order,
// null where the run does not tell them.
#include "analysis/rate/rate.h"

#include <QStringList>

// "key":value items: span_s, live_time_s, rate_per_hour, rate_per_hour_error,
// gaps (a list of {start_s, end_s, length_s}, seconds from the first record),
// rate_p_value, drift_per_hour, drift_per_hour_error. Every value null for no
// analysis (a file that was not read).
QStringList rate_json_fields(const rate::RateAnalysis* analysis);
