#pragma once
// Spans of a run's clock left out of a fit: the records whose time lies inside
// leave the fit and the live time.
//
// A moment is said as a time of day, with the day after the time origin's
// ("+1/02:00:00": 2 a.m. the next day), and counted in seconds from the
// midnight that starts the origin's day; a record's time is the origin's time
// of day plus its seconds on the time line (analysis/run_times.h).
#include "analysis/rate/rate.h"

#include <QString>
#include <span>
#include <vector>

struct ExcludedSpan {
    double start_s = 0;  // from the midnight that starts the origin's day
    double end_s = 0;    // not before start_s
    bool operator==(const ExcludedSpan&) const = default;
};

// "hh:mm:ss-hh:mm:ss", each end with an optional "+D/" day offset; raises
// platform::Error naming what is wrong. An end before its start is refused.
ExcludedSpan read_excluded_span(const QString& text);

// "10:00:00 → 11:30:00", "10:00:00 → +1/02:00:00".
QString excluded_span_text(const ExcludedSpan& span);
// "10:00:00-+1/02:00:00", as read_excluded_span reads it (whole seconds).
QString excluded_span_option(const ExcludedSpan& span);

// What a run's row says of its spans: "exclu : 10:00:00 → 11:30:00 (42
// enregistrements)"; empty without a span.
QString excluded_note(std::span<const ExcludedSpan> spans, std::int64_t excluded);

// "exclu : 10:00:00 → 11:30:00 (42 enregistrements)"; empty without spans.
QString excluded_note(std::span<const ExcludedSpan> spans, std::int64_t excluded);

// The records kept outside the spans, and the run's rate without them.
struct KeptRecords {
    std::vector<double> durations;
    std::vector<double> seconds;  // their times on the time line
    std::int64_t excluded = 0;    // records left out
    double span_s = 0;            // first to last record, all of them
    double live_s = 0;            // the live time less the spans' share of it
    double rate_per_hour = 0;     // the live intervals kept over that live time; 0 when unknown
    bool rate_known = false;
};

// `durations` and `seconds` are the records' (series 1, in file order);
// `origin_s` the time origin's time of day (heure_de_l_origine_s).
// `counts`: the run's count records (two integers a line), whose seconds
// present are its live time, less those inside the spans.
KeptRecords keep_outside(std::span<const double> durations, std::span<const double> seconds, double origin_s,
                         std::span<const ExcludedSpan> spans, const rate::CountRecords& counts = {});
