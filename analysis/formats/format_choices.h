#pragma once
// What the user chose for the formats of other apparatus: which channels of
// a DAQ card's raw stream make a decay and the durations kept, and whether
// the decay lines that start with their date are in UTC or in local time.
//
// The choices live in the settings file "qrt_vorn.daq", key=value lines
// (blank lines and lines starting with '#' are skipped):
//   single_channel=1      the muon's channel, 0 to 3
//   double_channel=2      the channel where it stops and its electron follows
//   veto_channel=3        0 to 3, or none
//   min_decay_ns=400      the shortest and the longest decay kept, in ns
//   max_decay_ns=9000
//   dated_decay_lines=local   or utc: the time of "'2022-01-24 12:34:56.789' Decay 2.4375"
// A program reads them once at start-up (vorns-fit's options may then change
// them) and sets them here; every record pass takes them. This is the one
// static storage of the library: a pass of a raw stream or of decay lines
// reads what the program set, as the number routines read the decimal
// separator.
#include "analysis/formats/raw_stream.h"

#include <QString>
#include <QStringList>

struct FormatChoices {
    daq::DecayChoices decays;
    bool dated_decay_lines_utc = false;
    bool operator==(const FormatChoices&) const = default;
};

inline const QString kFormatChoicesFile = QStringLiteral("qrt_vorn.daq");

// The choices every pass takes; the defaults until set.
const FormatChoices& format_choices();
void set_format_choices(const FormatChoices& choices);

// The choices of the lines of "qrt_vorn.daq", over `defaults`. A line that
// cannot be taken (no '=', an unknown key, a value out of range) leaves the
// value as it was; channels and durations that do not go together (see
// check_format_choices) leave those of `defaults`; `problems` gets a text
// that names each (French, as the program shows it).
FormatChoices read_format_choices(const QStringList& lines, const FormatChoices& defaults, QStringList& problems);

// The same from the file at `path` (settings/chemin_du_reglage of
// kFormatChoicesFile); the defaults when there is no such file.
FormatChoices read_format_choices_file(const QString& path, QStringList& problems);

// One choice given as key and value (vorns-fit's options): the same keys and
// values as the file. False, with `problem` set, when it cannot be taken.
bool take_format_choice(const QString& key, const QString& value, FormatChoices& choices, QString& problem);
// Whether the choices go together (daq::usable): the veto another channel
// than the two others, min_decay_ns not above max_decay_ns.
bool check_format_choices(const FormatChoices& choices, QString& problem);
