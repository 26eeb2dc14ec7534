#pragma once
// The decay lines of a DAQ-card program, in its two layouts:
//  - "Decay 'Thu_Dec_10_11:49:22_2015' 2.4375": a local date and time in the
//    C asctime form with '_' for its blanks, then the decay time in
//    microseconds (its older files);
//  - "'2015-12-10 11:49:22.123' Decay 2.4375": the date and time first, to
//    the microsecond at most, in UTC or in local time as the program's
//    version wrote them (a choice of the user: format_choices.h), then the
//    decay time in microseconds.
// The program's other lines are no records: empty lines, comments ('#'),
// lines that start with another word (rates, counts, settings) and dated
// lines of another word. A line that starts otherwise (a number, a sign, a
// time), or a decay line that cannot be read, is a bad line.
#include "analysis/formats/civil_date.h"

#include <QStringView>
#include <cstdint>

struct LigneDecay {
    bool desintegration = false;  // false: a line of the program that is no record
    bool date_first = false;    // the date first: UTC or local as the user chose
    std::int64_t jour = 0;        // the date, in days since 1970-01-01
    std::int32_t seconde = 0;     // the time of day, in seconds since midnight
    std::int32_t microsecond = 0;  // of that second (a date first only)
    long double microsecondes = 0;  // the decay time
};

// Raises platform::Error with the reason for a bad line.
LigneDecay lit_ligne_decay(QStringView ligne);
