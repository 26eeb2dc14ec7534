#pragma once
// The decay lines of a DAQ-card program: "Decay 'Thu_Dec_10_11:49:22_2015' 2.4375",
// a local date and time in the C asctime form with '_' for its blanks, and
// the decay time in microseconds. The program's other lines are no records:
// empty lines, comments ('#') and lines that start with another word (rates,
// counts, settings). A line that starts otherwise (a number, a sign, a
// time), or a "Decay" line that cannot be read, is a bad line.
#include <QStringView>
#include <cstdint>

struct LigneDecay {
    bool desintegration = false;  // false: a line of the program that is no record
    std::int64_t jour = 0;        // the local date, in days since 1970-01-01
    std::int32_t seconde = 0;     // the local time of day, in seconds since midnight
    long double microsecondes = 0;
};

// Raises platform::Error with the reason for a bad line.
LigneDecay lit_ligne_decay(QStringView ligne);

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar.
std::int64_t jours_depuis_1970(std::int64_t annee, int mois, int jour);
