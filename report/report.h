#pragma once
// A run report for the lab notebook: what was measured, on which data, how.
// It gathers the numbers the libraries compute for each run (its load, its
// rate, its fit with the histogram, convergence, stability and forecast) and,
// for several runs, their combined fit; report_text.h makes its texts,
// report_pages.h draws its pages.
#include "analysis/load.h"
#include "analysis/rate/rate.h"
#include "fit/combine.h"
#include "fit/forecast.h"
#include "fit/run/convergence.h"
#include "fit/run/fit_choices.h"
#include "fit/run/histogram_view.h"
#include "fit/run/run_exclusions.h"
#include "fit/run/run_file.h"
#include "fit/stability.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What the user writes on the report: who made the measurement, in which
// group and course, on which set-up, and a free note. Empty fields are left out.
struct ReportFields {
    QString names;
    QString group;
    QString course;
    QString setup;
    QString note;
    bool operator==(const ReportFields&) const = default;
};

struct ReportRun {
    QString file;    // as the user named it
    QString sha256;  // of the bytes loaded, lower-case hexadecimal
    Chargement load;
    QStringList title_lines;  // the file's first four lines, as the main window shows them
    QStringList comment;      // the comment, as typed
    rate::RateAnalysis rate;
    std::vector<ExcludedSpan> excluded;  // spans of its clock left out
    KeptRecords kept;                    // the records loaded outside them
    std::optional<KeptRecords> whole;    // past the window's capacity: all its records outside them, fitted together
    std::vector<std::int32_t> counts;    // their classes, for the binned fit
    fit::Result result;                  // the run fitted alone
    HistogramView histogram;
    std::vector<ConvergencePoint> convergence;
    fit::StabilityScan scan;
    fit::Forecast forecast;
    double unit_ns = fit::kNone;  // the unit its fit took: the one typed, else its format's
    QString stop_alarm;           // the window's line of a run that stopped, while it is raised
};

struct RunReport {
    QString version;
    QDateTime made;
    ReportFields fields;
    ChoixDesClasses classes;
    FitChoices choices;
    bool unit_typed = false;  // the unit was given: it wins over the one of a file's format
    bool combined = false;    // the runs fitted together
    std::vector<ReportRun> runs;
    std::optional<fit::Combination> combination;  // of the runs fitted together
    double combined_unit_ns = fit::kNone;         // the unit they were fitted in
    HistogramView combined_histogram;              // all their kept records, with the combined fit
};

// SHA-256 of `bytes` in lower-case hexadecimal.
QString sha256_hex(QByteArrayView bytes);

// The report of one file's bytes: loaded into `store` and `table` as vorns
// loads it, the records in `excluded` left out, fitted with the report's
// choices, its rate, forecast, stability scan and the convergence of its fit
// as the run grows (the run's first tenth, two tenths... fitted). Only the class
// choices can raise (platform::Error), as the load does.
ReportRun report_run(const RunReport& report, const QString& file, QByteArrayView bytes, const QStringList& comment,
                     const std::vector<ExcludedSpan>& excluded, RecordStore& store, ClassTable& table);

// The combined fit of the runs' kept records, when they are fitted together
// (none when their formats give different units and none was typed), and the
// histogram of all their records with it.
void combine(RunReport& report);
// The runs as the combination and its table take them.
std::vector<RunToCombine> runs_to_combine(const RunReport& report);

// The vorns-fit command line that gives the same fit: the files, the class
// choices, the fit's choices, --combine and --exclude for runs fitted together.
QString reproduce_line(const RunReport& report);
