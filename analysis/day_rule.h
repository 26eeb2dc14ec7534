#pragma once
// The times of day of a data file carry no date: which day a line's time
// belongs to is told from the previous record's time of day, the one rule of
// the record pass, and so of the time line, the run's rate and the report
// that read its elapsed times. Plain C++.
//
// A time of day more than an hour earlier than the previous record's is on
// the next day (the run went past midnight). A smaller step back (a line out
// of order, a clock set back an hour) stays on the same day: the elapsed time
// goes back, and the run's rate says how often it did. The first record is
// compared with the time origin. Any time later than the previous one is on
// the same day: a run that stopped for a day or more cannot be told apart
// from one that stopped for less.

// The longest step back, in minutes, that stays on the same day.
inline constexpr long double kReculDuMemeJour = 60;

// Whether a time of day (minutes since midnight) after a record at
// `precedente` lies on the next day.
constexpr bool jour_suivant(long double precedente, long double heure) {
    return heure < precedente - kReculDuMemeJour;
}
