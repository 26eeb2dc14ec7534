#pragma once
// The fit of one file as one line of JSON, numbers with '.' and null for what
// is not a number.
#include "fit/combine.h"
#include "fit/forecast.h"
#include "fit/lifetime_fit.h"
#include "fit/stability.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>

// What vorns says of a file beside its fit: the lines it skipped as no record,
// and its message (the skipped lines, why there is no record, why the file
// cannot be read); an empty message is null.
struct FileNotes {
    std::int32_t skipped_lines = 0;
    QString message;
    QStringList rate_fields;  // the run's rate (cli/rate_json.h); empty: all null
    QString format;           // the file's format ("acquisition", "two-integers", "decay-lines"); empty: null
    double unit_ns = 0;       // nanoseconds in one unit of the durations fitted; 0: null
};

// What the fit gives beside its own figures: G_F (from the lifetime with one
// unit worth unit_ns), the forecast, and with --scan the stability scan.
struct FitExtras {
    double unit_ns = fit::kNone;
    fit::Forecast forecast;
    const fit::StabilityScan* scan = nullptr;
};

// A JSON string: quotes, backslashes and control characters escaped.
QString json_string(const QString& text);

// The keys every script may rely on, the same for every file and in the same
// order, so that each file given has one line; with `details`, also the file,
// the warnings, the classes the chi2 compared and the durations fitted.
QString fit_json(const fit::Result& result, const QString& file, std::span<const double> durations, bool details,
                 const FileNotes& notes, const FitExtras& extras = {});
// The object of a file that was not fitted: its status ("unreadable" for a
// file that cannot be read), its message, and null for every figure.
QString unfitted_json(const QString& file, const QString& status, const QString& message, bool details,
                      bool scan = false);

// One run of a combination: its file, its status (its own fit's, or
// "unreadable"), its fit alone (null when not read) and its rate.
struct RunJson {
    QString file;
    QString status;
    const fit::Result* alone = nullptr;
    double span_s = fit::kNone;
    double live_time_s = fit::kNone;
    double rate_per_hour = fit::kNone;
    std::int64_t excluded = 0;  // records left out by --exclude
};

// The one object of a combination: the combined fit's keys (as fit_json's,
// the rate's null), then "runs" (file, status, events, span_s, live_time_s,
// rate_per_hour, tau, tau_error, excluded) and "consistency" (chi2, ndf,
// p_value, birge_ratio, compatible, pulling_run: its file or null).
QString combination_json(const fit::Combination& c, std::span<const RunJson> runs, const QString& pulling_run,
                         const FileNotes& notes, double unit_ns);
