#pragma once
// The command line of vorns-fit.
#include "fit/run/duration_choices.h"
#include "fit/run/fit_choices.h"
#include "fit/run/run_exclusions.h"

#include <QList>
#include <QStringList>
#include <vector>

// --exclude FILE@START-END: a span of one file's clock left out.
struct FileExclusion {
    QString file;
    ExcludedSpan span;
};

// What --names, --group, --course, --setup and --note put on the report's first page.
struct ReportFieldOptions {
    QString names;
    QString group;
    QString course;
    QString setup;
    QString note;
};

struct FitOptions {
    FitChoices choices;
    bool unit_typed = false;  // --unit-ns given: it wins over the unit the file's format gives
    // The classes and the window of a file whose unit is unknown: those given,
    // else 10 and 800, the window [dX, X max]; a file of known unit takes what
    // was given and has the rest chosen in time (fit/run/duration_choices.h).
    long double dX = 10;
    long double x_max = 800;
    GivenDurations given;
    bool json = false;
    bool details = false;  // --details: more keys, for the validation scripts
    bool scan = false;     // --scan: the stability of tau against t min
    bool rate = false;     // --rate: the run's rate and its bins as text
    bool combine = false;  // --combine: the files' runs fitted together
    QStringList daq;       // --daq KEY=VALUE: the choices of qrt_vorn.daq, over those of the file
    QList<FileExclusion> exclusions;
    QString report;  // --report OUT.pdf: also the run report, as PDF
    bool follow = false;     // --follow: the one file followed as it grows, one line a reload
    double period_s = 5;     // --period: the refresh period of --follow, in seconds
    ReportFieldOptions fields;
    bool help = false;
    bool version = false;
    QStringList files;
};

// Raises platform::Error with the text to print on a bad option.
FitOptions read_options(const QStringList& arguments);

// The classes and the window of a run of `unit_ns` with these durations, and
// the option error of a window refused (t min not below t max): "--tmin 900 is
// not below --tmax 800".
DurationChoices file_durations(const FitOptions& options, double unit_ns, const DurationsSeen& seen);
void check_window(const FitOptions& options, const DurationChoices& choices);

// The spans --exclude leaves out of `file`.
std::vector<ExcludedSpan> excluded_spans(const FitOptions& options, const QString& file);

// The capture models know their lifetimes in ns only: raises platform::Error
// naming --unit-ns when `choices` (the unit typed, or the one the file's format
// gives) has none for a capture model. An option error: vorns-fit exits with 2.
void check_capture_unit(const FitChoices& choices);

extern const char* const kFitUsage;
