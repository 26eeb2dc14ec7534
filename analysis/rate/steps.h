#pragma once
// The steps of analyse_rate after the gaps, on the ordered time line.
#include "analysis/rate/rate.h"

namespace rate {

constexpr double kSecondsPerDay = 86400;
constexpr double kSecondsPerHour = 3600;

// The bins of `analysis` (its rate, span and gaps known) over the ordered time line.
void fill_bins(RateAnalysis& analysis, TimeLine ordered, double origin_time_of_day_s, const RateChoices& choices);

// The seconds present, the muons and their bins of the count records, and
// the live time and rate they give (nothing without count records).
void add_count_records(RateAnalysis& analysis, TimeLine ordered, const CountRecords& counts);

// The chi2, the drift and the verdict over the bins in the test.
void test_constancy(RateAnalysis& analysis);

}  // namespace rate
