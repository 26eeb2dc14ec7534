#pragma once
// The records' times as one time line, as the run's rate reads it
// (analysis/rate): each record's elapsed minutes since the time origin, the
// record pass's midnight roll-overs counted, in seconds; and the origin's time
// of day, so that a moment can be said as a day and a time of day.
#include "analysis/record_store.h"

#include <span>
#include <vector>

// Seconds after the time origin of the records of series 1, in file order.
std::vector<double> secondes_des_enregistrements(const RecordStore& store);
// The same read where they lie, without a copy: the records' elapsed minutes
// in series 1, each kSecondesParMinute seconds (rate::TimeLine{minutes, 60}
// gives the same seconds as the copy above).
inline constexpr double kSecondesParMinute = 60;
std::span<const double> minutes_des_enregistrements(const RecordStore& store);

// The origin's time of day in seconds after midnight from the record pass's
// `origine_temps` (minutes); 0 without an origin (-1).
double heure_de_l_origine_s(long double origine_temps);
