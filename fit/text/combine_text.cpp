#include "fit/text/combine_text.h"

#include "analysis/rate/text/rate_text.h"
#include "fit/text/fit_text.h"
#include "platform/numbers.h"

#include <QCoreApplication>

#include <climits>
#include <cmath>

namespace fit_text {

namespace {

// The texts of runs fitted together in the program's language.
struct CombineText {
    Q_DECLARE_TR_FUNCTIONS(combine_text)
};

int count(std::size_t n) { return static_cast<int>(std::min<std::size_t>(n, INT_MAX)); }

const QString kNothing = QStringLiteral("\u2014");

QString seconds_text(double s) { return std::isfinite(s) ? rate_text::duration_text(s) : kNothing; }

QString alone_text(const fit::Result& r) {
    if (r.status != fit::Status::converged) return text(r.status);
    if (r.model == fit::Model::charge_ratio) return QStringLiteral("ρ = ") + value_with_uncertainty(r.rho, r.rho_error);
    return value_with_uncertainty(r.tau, fit::interval_error(r));
}

}  // namespace

QList<QStringList> run_cells(std::span<const RunRow> rows) {
    QList<QStringList> table{{CombineText::tr("run", "column"), CombineText::tr("événements", "column"),
                              CombineText::tr("durée", "column"), CombineText::tr("temps actif", "column"),
                              CombineText::tr("taux (/h)", "column"), CombineText::tr("τ seul", "column"), QString()}};
    for (const RunRow& row : rows) {
        if (!row.alone) {
            table.append({row.name, kNothing, kNothing, kNothing, kNothing, kNothing, row.note});
            continue;
        }
        table.append({row.name, platform::decimal(static_cast<std::int64_t>(row.alone->events)),
                      seconds_text(row.span_s), seconds_text(row.live_s),
                      std::isfinite(row.rate_per_hour) ? platform::fixed_decimals(row.rate_per_hour, 1) : kNothing,
                      alone_text(*row.alone), row.note});
    }
    return table;
}

QStringList run_table(std::span<const RunRow> rows) { return rate_text::aligned_table(run_cells(rows)); }

QString combined_line(const fit::Result& r, std::size_t runs, double unit_ns) {
    const ResultLines l = result_lines(r, unit_ns);
    if (r.status != fit::Status::converged) {
        return CombineText::tr("combinaison de %n runs : %1", nullptr, count(runs)).arg(l.status);
    }
    QString tau = QStringLiteral("τ = ") + l.tau;
    if (!l.interval.isEmpty()) tau += QLatin1Char(' ') + l.interval;
    if (!l.tau_time.isEmpty()) tau += QStringLiteral(" = ") + l.tau_time;
    return CombineText::tr("combinaison de %n runs : %1 ; %2 événements dans la fenêtre ; %3", nullptr, count(runs))
        .arg(tau, l.events, l.status);
}

QString verdict_text(const fit::Consistency& c, std::span<const QString> names) {
    if (c.compatible() || !c.pulling_run || *c.pulling_run >= names.size()) return CombineText::tr("runs compatibles");
    return CombineText::tr("le run %1 tire le plus (écart %2 σ)")
        .arg(names[*c.pulling_run], (c.largest_pull < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) +
                                        platform::fixed_decimals(std::fabs(c.largest_pull), 1));
}

QString combination_line(std::size_t runs) { return CombineText::tr("combinaison de %n runs", nullptr, count(runs)); }

QString consistency_line(const fit::Consistency& c, std::span<const QString> names) {
    QString line;
    if (c.ndf < 1 || !std::isfinite(c.chi2)) {
        line = CombineText::tr("cohérence : %1 (moins de deux runs ajustés seuls)").arg(kNothing);
    } else {
        line = CombineText::tr("cohérence : chi2 / ddl = %1 / %2, p = %3, rapport de Birge = %4 ; %5")
                   .arg(platform::format_picture("0.##", c.chi2), platform::decimal(c.ndf),
                        platform::format_picture("0.###", c.p_value), platform::format_picture("0.##", c.birge_ratio),
                        verdict_text(c, names));
    }
    if (!c.not_counted.empty()) {
        QStringList left;
        for (const std::size_t i : c.not_counted) left << (i < names.size() ? names[i] : QString::number(i + 1));
        line = CombineText::tr("%1 (non comptés, sans ajustement seul : %2)",
                               "the consistency line, then the runs left out")
                   .arg(line, left.join(QStringLiteral(", ")));
    }
    return line;
}

}  // namespace fit_text
