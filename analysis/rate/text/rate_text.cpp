#include "analysis/rate/text/rate_text.h"

#include "analysis/day_rule.h"
#include "platform/numbers.h"
#include "platform/uncertainty.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace rate_text {

namespace {

const QString kNothing = QStringLiteral("\u2014");

// The rate's texts in the program's language (platform/translations.h).
struct RateText {
    Q_DECLARE_TR_FUNCTIONS(rate_text)
};

QString two_digits(std::int64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

// A count as tr's %n takes it.
int count(std::int64_t n) { return static_cast<int>(std::clamp<std::int64_t>(n, 0, INT_MAX)); }

QString p_text(double p) {
    return p < 0.001 ? QStringLiteral("p < ") + platform::format_picture("0.###", 0.001)
                     : QStringLiteral("p = ") + platform::format_picture("0.###", p);
}

}  // namespace

QString duration_text(double seconds) {
    if (!std::isfinite(seconds)) return kNothing;
    if (seconds < 9.95) return RateText::tr("%1 s").arg(platform::format_picture("0.#", std::max(0.0, seconds)));
    const std::int64_t s = std::llround(std::min(seconds, 1e15));
    const auto d = [](std::int64_t v) { return platform::decimal(v); };
    if (s < 60) return RateText::tr("%1 s").arg(d(s));
    if (s < 3600) {
        return s % 60 == 0 ? RateText::tr("%1 min").arg(d(s / 60))
                           : RateText::tr("%1 min %2 s").arg(d(s / 60), d(s % 60));
    }
    const std::int64_t m = std::llround(static_cast<double>(s) / 60);
    if (m < 24 * 60) {
        return m % 60 == 0 ? RateText::tr("%1 h").arg(d(m / 60))
                           : RateText::tr("%1 h %2 min").arg(d(m / 60), d(m % 60));
    }
    const std::int64_t h = std::llround(static_cast<double>(s) / 3600);
    return h % 24 == 0 ? RateText::tr("%1 j", "days").arg(d(h / 24))
                       : RateText::tr("%1 j %2 h", "days and hours").arg(d(h / 24), d(h % 24));
}

QString clock_text(const rate::ClockTime& t, bool with_day) {
    const QString time = two_digits(t.time_of_day_s / 3600) + QLatin1Char(':') + two_digits(t.time_of_day_s / 60 % 60) +
                         QLatin1Char(':') + two_digits(t.time_of_day_s % 60);
    if (!with_day) return time;
    return RateText::tr("jour %1 %2", "the day from the run's first, then the time of day")
        .arg((t.day >= 0 ? QStringLiteral("+") : QString()) + platform::decimal(t.day), time);
}

QString rate_line(const rate::RateAnalysis& a) {
    if (!a.rate_known) return RateText::tr("taux moyen : %1").arg(kNothing);
    return RateText::tr("taux moyen : %1 /h")
        .arg(platform::value_with_uncertainty(a.rate_per_hour, a.rate_error_per_hour));
}

QString live_time_line(const rate::RateAnalysis& a) {
    const QString span = duration_text(a.span_s);
    if (a.counts_known) {
        return RateText::tr("durée : %1 ; temps actif : %2 (secondes présentes dans le fichier)")
            .arg(span, duration_text(a.live_s));
    }
    if (!a.rate_known) return RateText::tr("durée : %1").arg(span);
    return RateText::tr("durée : %1 ; temps actif : %2 (%3 %)")
        .arg(span, duration_text(a.live_s), platform::format_picture("0.#", 100 * a.live_s / a.span_s));
}

QString muons_line(const rate::RateAnalysis& a) {
    if (!a.counts_known) return {};
    return RateText::tr("muons à travers le détecteur : %1 /min (%n muons)", nullptr, count(a.muons))
        .arg(platform::value_with_uncertainty(a.muons_per_minute, a.muons_per_minute_error));
}

QStringList gap_lines(const rate::RateAnalysis& a) {
    if (!a.rate_known) return {};
    const QString threshold = duration_text(a.gap_threshold_s);
    if (a.gaps.empty()) return {RateText::tr("aucun trou de plus de %1").arg(threshold)};
    QStringList lines{a.gaps.size() == 1
                          ? RateText::tr("1 trou de plus de %1").arg(threshold)
                          : RateText::tr("%n trous de plus de %1, %2 en tout", nullptr, count(std::ssize(a.gaps)))
                                .arg(threshold, duration_text(a.gaps_s))};
    for (const rate::Gap& g : a.gaps) {
        lines.append(RateText::tr("trou : %1 \u2192 %2 (%3)")
                         .arg(clock_text(g.start, a.crosses_midnight),
                              clock_text(g.end, a.crosses_midnight && g.end.day != g.start.day),
                              duration_text(g.length_s)));
    }
    return lines;
}

QString bins_line(const rate::RateAnalysis& a) {
    if (a.bins.empty()) return {};
    const QString width = duration_text(a.bin_width_s);
    const int bins = count(std::ssize(a.bins));
    if (a.bin_width_widened) {
        return RateText::tr("tranches de %1 (élargies : au plus %2 tranches), %n tranches", nullptr, bins)
            .arg(width, platform::decimal(rate::kMaxBins));
    }
    if (a.bin_width_typed) {
        return RateText::tr("tranches de %1 (largeur donnée), %n tranches", nullptr, bins).arg(width);
    }
    return RateText::tr("tranches de %1 (environ %2 événements chacune), %n tranches", nullptr, bins)
        .arg(width, platform::general(rate::kEventsPerBin));
}

QString constancy_line(const rate::RateAnalysis& a) {
    if (!a.rate_known) return {};
    if (!a.constancy_known) return RateText::tr("trop peu de tranches pour juger la constance du taux");
    QString line;
    switch (a.verdict) {
        case rate::Verdict::stable: line = RateText::tr("taux stable (chi2 / ddl = %1 / %2, %3)"); break;
        case rate::Verdict::not_constant: line = RateText::tr("taux non constant (chi2 / ddl = %1 / %2, %3)"); break;
        case rate::Verdict::drifting_up: line = RateText::tr("taux en hausse (chi2 / ddl = %1 / %2, %3)"); break;
        case rate::Verdict::drifting_down: line = RateText::tr("taux en baisse (chi2 / ddl = %1 / %2, %3)"); break;
        case rate::Verdict::too_few_records: line = RateText::tr("taux (chi2 / ddl = %1 / %2, %3)"); break;
    }
    return line.arg(platform::format_picture("0.#", a.chi2), platform::decimal(a.ndf), p_text(a.p_value));
}

QString drift_line(const rate::RateAnalysis& a) {
    if (!a.drift_known) return {};
    const QString value = platform::value_with_uncertainty(a.drift_per_hour_per_hour, a.drift_error_per_hour_per_hour);
    // A sign before a value that does not read as zero.
    const QString shown = value.section(QLatin1Char(' '), 0, 0);
    const bool plus = a.drift_per_hour_per_hour > 0 && shown.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return RateText::tr("dérive : %1 /h par heure").arg((plus ? QStringLiteral("+") : QString()) + value);
}

QStringList caveat_lines(const rate::RateAnalysis& a) {
    QStringList lines;
    if (a.records == 0) {
        lines.append(RateText::tr("aucun événement"));
    } else if (a.records < 3) {
        lines.append(RateText::tr("moins de 3 événements : ni taux ni trou"));
    } else if (!a.rate_known) {
        lines.append(RateText::tr("tous les événements dans la même seconde : pas de taux"));
    }
    if (a.backward_intervals > 0) {
        // A longer step back is the next day: it never reaches the time line.
        lines.append(RateText::tr("l'heure recule %n fois d'une ligne à la suivante (de %1 au plus) : "
                                  "les événements sont pris dans l'ordre de leurs heures",
                                  nullptr, count(a.backward_intervals))
                         .arg(duration_text(static_cast<double>(kReculDuMemeJour) * 60)));
    }
    if (!a.gaps.empty()) {
        lines.append(RateText::tr("les heures ne portent pas de date : un trou a pu durer des jours entiers de plus"));
    }
    return lines;
}

QStringList summary_lines(const rate::RateAnalysis& a) {
    QStringList lines{rate_line(a), live_time_line(a)};
    if (a.counts_known) lines.append(muons_line(a));
    lines += gap_lines(a);
    for (const QString& line : {bins_line(a), constancy_line(a), drift_line(a)}) {
        if (!line.isEmpty()) lines.append(line);
    }
    lines += caveat_lines(a);
    return lines;
}

QStringList aligned_table(const QList<QStringList>& rows) {
    if (rows.isEmpty()) return {};
    std::vector<qsizetype> widths(rows.front().size(), 0);
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    QStringList lines;
    for (const QStringList& row : rows) {
        QString line = row[0].leftJustified(widths[0]);
        for (qsizetype i = 1; i + 1 < row.size(); ++i) line += QStringLiteral("  ") + row[i].rightJustified(widths[i]);
        if (!row.back().isEmpty()) line += QStringLiteral("  ") + row.back();
        lines.append(line);
    }
    return lines;
}

QStringList bin_table(const rate::RateAnalysis& a) {
    if (a.bins.empty()) return {};
    QList<QStringList> rows{{RateText::tr("début", "column: the bin's start"), RateText::tr("événements", "column"),
                             RateText::tr("actif (s)", "column: the bin's live time"),
                             RateText::tr("taux (/h)", "column"), RateText::tr("erreur (/h)", "column"), QString()}};
    for (const rate::RateBin& b : a.bins) {
        rows.append({clock_text(b.start_clock, a.crosses_midnight), platform::decimal(b.count),
                     platform::format_picture("0", b.live_s), platform::fixed_decimals(b.rate_per_hour, 1),
                     platform::fixed_decimals(b.rate_error_per_hour, 1),
                     b.in_test ? QString() : RateText::tr("hors test", "a bin left out of the constancy test")});
    }
    return aligned_table(rows);
}

QString stopped_line(const rate::RateAnalysis& a, double age_s, double last_record_s) {
    if (a.records == 0)
        return RateText::tr("acquisition arrêtée ? aucun événement depuis %1").arg(duration_text(age_s));
    const rate::ClockTime last =
        std::isfinite(last_record_s) ? rate::clock_time(last_record_s, a.origin_time_of_day_s) : a.last_clock;
    return RateText::tr("acquisition arrêtée ? aucun événement depuis %1 (le dernier à %2)")
        .arg(duration_text(age_s), clock_text(last, a.crosses_midnight || last.day != 0));
}

}  // namespace rate_text
