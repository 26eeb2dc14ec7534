#include "fit/run/run_exclusions.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The spans' texts in the program's language.
struct SpanText {
    Q_DECLARE_TR_FUNCTIONS(run_exclusions)
};

constexpr double kDay = 86400;

// "[+D/]hh:mm:ss" in seconds from the midnight of day 0.
double moment(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(?:\\+(\\d{1,4})/)?(\\d{1,2}):(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch()) {
        throw platform::Error(SpanText::tr("'%1' is no time of day hh:mm:ss (with a day: +1/hh:mm:ss)").arg(text));
    }
    const int h = m.captured(2).toInt();
    const int min = m.captured(3).toInt();
    const int s = m.captured(4).toInt();
    if (h > 23 || min > 59 || s > 59) throw platform::Error(SpanText::tr("'%1' is no time of day").arg(text));
    return m.captured(1).toInt() * kDay + h * 3600 + min * 60 + s;
}

QString moment_text(double seconds) {
    const auto whole = static_cast<std::int64_t>(std::llround(seconds));
    const std::int64_t day = whole / 86400;
    const std::int64_t t = whole % 86400;
    const QString clock = QStringLiteral("%1:%2:%3")
                              .arg(t / 3600, 2, 10, QLatin1Char('0'))
                              .arg(t / 60 % 60, 2, 10, QLatin1Char('0'))
                              .arg(t % 60, 2, 10, QLatin1Char('0'));
    return day == 0 ? clock : QStringLiteral("+%1/").arg(day) + clock;
}

// The length of [a, b] that lies inside [c, d].
double overlap(double a, double b, double c, double d) { return std::max(0.0, std::min(b, d) - std::max(a, c)); }

}  // namespace

ExcludedSpan read_excluded_span(const QString& text) {
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() != 2) throw platform::Error(SpanText::tr("'%1' is no span START-END").arg(text));
    const ExcludedSpan span{moment(ends[0]), moment(ends[1])};
    if (span.end_s < span.start_s) {
        throw platform::Error(SpanText::tr("'%1': the span ends before it starts").arg(text));
    }
    return span;
}

QString excluded_span_text(const ExcludedSpan& span) {
    return moment_text(span.start_s) + QStringLiteral(" \u2192 ") + moment_text(span.end_s);
}

QString excluded_span_option(const ExcludedSpan& span) {
    return moment_text(span.start_s) + QLatin1Char('-') + moment_text(span.end_s);
}

QString excluded_note(std::span<const ExcludedSpan> spans, std::int64_t excluded) {
    if (spans.empty()) return {};
    QStringList each;
    for (const ExcludedSpan& s : spans) each << excluded_span_text(s);
    return SpanText::tr("exclu : %1 (%n enregistrements)", nullptr,
                        static_cast<int>(std::clamp<std::int64_t>(excluded, 0, INT_MAX)))
        .arg(each.join(QStringLiteral(", ")));
}

KeptRecords keep_outside(std::span<const double> durations, std::span<const double> seconds, double origin_s,
                         std::span<const ExcludedSpan> spans, const rate::CountRecords& counts) {
    KeptRecords kept;
    const std::size_t n = std::min(durations.size(), seconds.size());
    const auto excluded = [&](double t) {
        return std::any_of(spans.begin(), spans.end(),
                           [t](const ExcludedSpan& s) { return t >= s.start_s && t <= s.end_s; });
    };
    kept.durations.reserve(n);
    kept.seconds.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (excluded(origin_s + seconds[i])) {
            ++kept.excluded;
        } else {
            kept.durations.push_back(durations[i]);
            kept.seconds.push_back(seconds[i]);
        }
    }
    // The run's live time from all its records, less the part of each span
    // that lies in it (spans that overlap counted once).
    const rate::RateAnalysis all = rate::analyse_rate(seconds.first(n), origin_s, {}, counts);
    kept.span_s = all.span_s;
    kept.live_s = all.live_s;
    kept.rate_known = all.rate_known;
    kept.rate_per_hour = all.rate_per_hour;
    if (spans.empty()) return kept;
    std::vector<ExcludedSpan> merged(spans.begin(), spans.end());
    std::sort(merged.begin(), merged.end(), [](const auto& a, const auto& b) { return a.start_s < b.start_s; });
    std::vector<ExcludedSpan> joined;
    for (const ExcludedSpan& s : merged) {
        if (!joined.empty() && s.start_s <= joined.back().end_s) {
            joined.back().end_s = std::max(joined.back().end_s, s.end_s);
        } else {
            joined.push_back(s);
        }
    }
    if (all.counts_known) {
        // The seconds present of the records and count records kept.
        std::vector<double> count_seconds;
        std::vector<std::int64_t> muons;
        for (std::size_t i = 0; i < std::min(counts.seconds.size(), counts.muons.size()); ++i) {
            if (excluded(origin_s + counts.seconds[i])) continue;
            count_seconds.push_back(counts.seconds[i]);
            muons.push_back(counts.muons[i]);
        }
        kept.live_s = rate::analyse_rate(kept.seconds, origin_s, {}, {count_seconds, muons}).live_s;
    } else {
        for (const ExcludedSpan& s : joined) {
            const double a = s.start_s - origin_s;
            const double b = s.end_s - origin_s;
            double cut = overlap(a, b, all.first_s, all.last_s);
            for (const rate::Gap& g : all.gaps) cut -= overlap(a, b, g.start_s, g.end_s);
            kept.live_s -= cut;
        }
    }
    // The live intervals over the live time, as the rate library counts them.
    const double intervals = all.rate_per_hour * all.live_s / 3600 - static_cast<double>(kept.excluded);
    kept.rate_known = all.rate_known && kept.live_s > 0 && intervals > 0;
    kept.rate_per_hour = kept.rate_known ? intervals / kept.live_s * 3600 : 0;
    return kept;
}
