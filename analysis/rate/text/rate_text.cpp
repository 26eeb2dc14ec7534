#include "analysis/rate/text/rate_text.h"

#include "analysis/day_rule.h"
#include "platform/numbers.h"
#include "platform/uncertainty.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace rate_text {

namespace {

const QString kNothing = QStringLiteral("\u2014");

QString two_digits(std::int64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

QString count_of(std::int64_t n, const char* one, const char* several) {
    return platform::decimal(n) + QLatin1Char(' ') + QString::fromUtf8(n > 1 ? several : one);
}

QString p_text(double p) {
    return p < 0.001 ? QStringLiteral("p < ") + platform::format_picture("0.###", 0.001)
                     : QStringLiteral("p = ") + platform::format_picture("0.###", p);
}

}  // namespace

QString duration_text(double seconds) {
    if (!std::isfinite(seconds)) return kNothing;
    if (seconds < 9.95) return platform::format_picture("0.#", std::max(0.0, seconds)) + QStringLiteral(" s");
    const std::int64_t s = std::llround(std::min(seconds, 1e15));
    if (s < 60) return platform::decimal(s) + QStringLiteral(" s");
    if (s < 3600) {
        const QString minutes = platform::decimal(s / 60) + QStringLiteral(" min");
        return s % 60 == 0 ? minutes : minutes + QLatin1Char(' ') + platform::decimal(s % 60) + QStringLiteral(" s");
    }
    const std::int64_t m = std::llround(static_cast<double>(s) / 60);
    if (m < 24 * 60) {
        const QString hours = platform::decimal(m / 60) + QStringLiteral(" h");
        return m % 60 == 0 ? hours : hours + QLatin1Char(' ') + platform::decimal(m % 60) + QStringLiteral(" min");
    }
    const std::int64_t h = std::llround(static_cast<double>(s) / 3600);
    const QString days = platform::decimal(h / 24) + QStringLiteral(" j");
    return h % 24 == 0 ? days : days + QLatin1Char(' ') + platform::decimal(h % 24) + QStringLiteral(" h");
}

QString clock_text(const rate::ClockTime& t, bool with_day) {
    const QString time = two_digits(t.time_of_day_s / 3600) + QLatin1Char(':') + two_digits(t.time_of_day_s / 60 % 60) +
                         QLatin1Char(':') + two_digits(t.time_of_day_s % 60);
    if (!with_day) return time;
    return QStringLiteral("jour ") + (t.day >= 0 ? QStringLiteral("+") : QString()) + platform::decimal(t.day) +
           QLatin1Char(' ') + time;
}

QString rate_line(const rate::RateAnalysis& a) {
    const QString value =
        a.rate_known ? platform::value_with_uncertainty(a.rate_per_hour, a.rate_error_per_hour) + QStringLiteral(" /h")
                     : kNothing;
    return QStringLiteral("taux moyen : ") + value;
}

QString live_time_line(const rate::RateAnalysis& a) {
    QString line = QStringLiteral("durée : ") + duration_text(a.span_s);
    if (a.counts_known) {
        return line + QStringLiteral(" ; temps actif : ") + duration_text(a.live_s) +
               QStringLiteral(" (secondes présentes dans le fichier)");
    }
    if (!a.rate_known) return line;
    return line + QStringLiteral(" ; temps actif : ") + duration_text(a.live_s) + QStringLiteral(" (") +
           platform::format_picture("0.#", 100 * a.live_s / a.span_s) + QStringLiteral(" %)");
}

QString muons_line(const rate::RateAnalysis& a) {
    if (!a.counts_known) return {};
    return QStringLiteral("muons à travers le détecteur : ") +
           platform::value_with_uncertainty(a.muons_per_minute, a.muons_per_minute_error) + QStringLiteral(" /min (") +
           count_of(a.muons, "muon", "muons") + QLatin1Char(')');
}

QStringList gap_lines(const rate::RateAnalysis& a) {
    if (!a.rate_known) return {};
    const QString threshold = QStringLiteral(" de plus de ") + duration_text(a.gap_threshold_s);
    if (a.gaps.empty()) return {QStringLiteral("aucun trou") + threshold};
    QStringList lines{
        count_of(static_cast<std::int64_t>(a.gaps.size()), "trou", "trous") + threshold +
        (a.gaps.size() > 1 ? QStringLiteral(", ") + duration_text(a.gaps_s) + QStringLiteral(" en tout") : QString())};
    for (const rate::Gap& g : a.gaps) {
        lines.append(QStringLiteral("trou : ") + clock_text(g.start, a.crosses_midnight) + QStringLiteral(" \u2192 ") +
                     clock_text(g.end, a.crosses_midnight && g.end.day != g.start.day) + QStringLiteral(" (") +
                     duration_text(g.length_s) + QLatin1Char(')'));
    }
    return lines;
}

QString bins_line(const rate::RateAnalysis& a) {
    if (a.bins.empty()) return {};
    QString why;
    if (a.bin_width_widened) {
        why = QStringLiteral("élargies : au plus ") + platform::decimal(rate::kMaxBins) + QStringLiteral(" tranches");
    } else if (a.bin_width_typed) {
        why = QStringLiteral("largeur donnée");
    } else {
        why =
            QStringLiteral("environ ") + platform::general(rate::kEventsPerBin) + QStringLiteral(" événements chacune");
    }
    return QStringLiteral("tranches de ") + duration_text(a.bin_width_s) + QStringLiteral(" (") + why +
           QStringLiteral("), ") + count_of(static_cast<std::int64_t>(a.bins.size()), "tranche", "tranches");
}

QString constancy_line(const rate::RateAnalysis& a) {
    if (!a.rate_known) return {};
    if (!a.constancy_known) return QStringLiteral("trop peu de tranches pour juger la constance du taux");
    QString verdict;
    switch (a.verdict) {
        case rate::Verdict::stable: verdict = QStringLiteral("taux stable"); break;
        case rate::Verdict::not_constant: verdict = QStringLiteral("taux non constant"); break;
        case rate::Verdict::drifting_up: verdict = QStringLiteral("taux en hausse"); break;
        case rate::Verdict::drifting_down: verdict = QStringLiteral("taux en baisse"); break;
        case rate::Verdict::too_few_records: verdict = QStringLiteral("taux"); break;
    }
    return verdict + QStringLiteral(" (chi2 / ddl = ") + platform::format_picture("0.#", a.chi2) +
           QStringLiteral(" / ") + platform::decimal(a.ndf) + QStringLiteral(", ") + p_text(a.p_value) +
           QLatin1Char(')');
}

QString drift_line(const rate::RateAnalysis& a) {
    if (!a.drift_known) return {};
    const QString value = platform::value_with_uncertainty(a.drift_per_hour_per_hour, a.drift_error_per_hour_per_hour);
    // A sign before a value that does not read as zero.
    const QString shown = value.section(QLatin1Char(' '), 0, 0);
    const bool plus = a.drift_per_hour_per_hour > 0 && shown.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return QStringLiteral("dérive : ") + (plus ? QStringLiteral("+") : QString()) + value +
           QStringLiteral(" /h par heure");
}

QStringList caveat_lines(const rate::RateAnalysis& a) {
    QStringList lines;
    if (a.records == 0) {
        lines.append(QStringLiteral("aucun événement"));
    } else if (a.records < 3) {
        lines.append(QStringLiteral("moins de 3 événements : ni taux ni trou"));
    } else if (!a.rate_known) {
        lines.append(QStringLiteral("tous les événements dans la même seconde : pas de taux"));
    }
    if (a.backward_intervals > 0) {
        // A longer step back is the next day: it never reaches the time line.
        lines.append(QStringLiteral("l'heure recule ") + platform::decimal(a.backward_intervals) +
                     QStringLiteral(" fois d'une ligne à la suivante (de ") +
                     duration_text(static_cast<double>(kReculDuMemeJour) * 60) +
                     QStringLiteral(" au plus) : les événements sont pris dans l'ordre de leurs heures"));
    }
    if (!a.gaps.empty()) {
        lines.append(
            QStringLiteral("les heures ne portent pas de date : un trou a pu durer des jours entiers de plus"));
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
    QList<QStringList> rows{{QStringLiteral("début"), QStringLiteral("événements"), QStringLiteral("actif (s)"),
                             QStringLiteral("taux (/h)"), QStringLiteral("erreur (/h)"), QString()}};
    for (const rate::RateBin& b : a.bins) {
        rows.append({clock_text(b.start_clock, a.crosses_midnight), platform::decimal(b.count),
                     platform::format_picture("0", b.live_s), platform::fixed_decimals(b.rate_per_hour, 1),
                     platform::fixed_decimals(b.rate_error_per_hour, 1),
                     b.in_test ? QString() : QStringLiteral("hors test")});
    }
    return aligned_table(rows);
}

QString stopped_line(const rate::RateAnalysis& a, double age_s, double last_record_s) {
    QString line = QStringLiteral("acquisition arrêtée ? aucun événement depuis ") + duration_text(age_s);
    if (a.records == 0) return line;
    const rate::ClockTime last =
        std::isfinite(last_record_s) ? rate::clock_time(last_record_s, a.origin_time_of_day_s) : a.last_clock;
    return line + QStringLiteral(" (le dernier à ") + clock_text(last, a.crosses_midnight || last.day != 0) +
           QLatin1Char(')');
}

}  // namespace rate_text
