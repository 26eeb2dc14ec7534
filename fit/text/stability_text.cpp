#include "fit/text/stability_text.h"

#include "fit/text/status_text.h"
#include "platform/numbers.h"
#include "platform/uncertainty.h"

#include <QCoreApplication>

#include <cmath>

namespace fit_text {

namespace {

// The stability's and the forecast's texts in the program's language.
struct StabilityText {
    Q_DECLARE_TR_FUNCTIONS(stability_text)
};

const QString kNothing = QStringLiteral("\u2014");

// A positive number with one decimal below 10, whole above ("3,4", "12").
QString short_number(double v) {
    const QString text = platform::fixed_decimals(v, std::fabs(v) < 10 ? 1 : 0);
    return text.isEmpty() ? platform::general(v) : text;
}

// A precision chosen ("1 %", "0,5 %").
QString percent(double fraction) { return platform::general(100 * fraction) + QStringLiteral(" %"); }
// A precision measured, with two significant digits ("0,83 %").
QString measured_percent(double fraction) {
    const double v = 100 * fraction;
    return platform::fixed_decimals(v, platform::two_digit_decimals(v)) + QStringLiteral(" %");
}

// "≈ 35 min", "≈ 6,1 h", "≈ 12 j".
QString hours_text(double hours) {
    if (hours < 1) {
        return StabilityText::tr("≈ %1 min")
            .arg(platform::decimal(std::max<std::int64_t>(1, std::llround(hours * 60))));
    }
    if (hours < 48) return StabilityText::tr("≈ %1 h").arg(short_number(hours));
    return StabilityText::tr("≈ %1 j", "days").arg(short_number(hours / 24));
}

}  // namespace

QString stability_warning(const fit::StabilityScan& scan) {
    if (!scan.outside()) return {};
    const fit::StabilityPoint& p = scan.points[static_cast<std::size_t>(scan.first_outside)];
    return StabilityText::tr(
               "Tau hors de la bande de stabilité à t min = %1 (%2 fois la variation attendue) : temps "
               "mort ou artefact aux temps courts ?")
        .arg(platform::general(p.t_min), short_number(std::fabs(p.deviation)));
}

QString stability_line(const fit::StabilityScan& scan) {
    if (scan.points.empty())
        return StabilityText::tr("pas de balayage de t min sans ajustement convergé de la fenêtre");
    if (scan.outside()) return stability_warning(scan);
    const QString first = platform::general(scan.points.front().t_min);
    const QString last = platform::general(scan.points.back().t_min);
    // No point judged (each one's background at its bound, or its Tau known
    // too roughly): the scan tells nothing, stable or not.
    if (std::isnan(scan.largest_deviation)) {
        return StabilityText::tr(
                   "Tau non jugé quand t min monte de %1 à %2 : aucun point comparé au premier ajustement avec un "
                   "Tau connu à %3 près")
            .arg(first, last, percent(fit::kStabilityJudgedPrecision));
    }
    return StabilityText::tr(
               "Tau stable quand t min monte de %1 à %2 : écart au premier ajustement jusqu'à %3 fois "
               "sa variation attendue (alerte au-delà de %4 fois pour les Tau connus à %5 près)")
        .arg(first, last, short_number(scan.largest_deviation), platform::general(fit::kStabilityScanThreshold),
             percent(fit::kStabilityJudgedPrecision));
}

QString stability_table_title() {
    return StabilityText::tr(
        "stabilité : Tau quand t min monte, bande = ±√(σ² − σ₀²) autour du premier ajustement, "
        "σ pris au Tau du premier");
}

QList<QStringList> stability_cells(const fit::StabilityScan& scan) {
    if (scan.points.empty()) return {};
    QList<QStringList> cells{{QStringLiteral("t min"), StabilityText::tr("événements", "column"), QStringLiteral("Tau"),
                              StabilityText::tr("bande", "column: the band of chance"),
                              StabilityText::tr("écart / bande", "column"), QString()}};
    // The band in the decimals of the first fit's error.
    const int decimals = platform::two_digit_decimals(scan.points.front().tau_error);
    for (const fit::StabilityPoint& p : scan.points) {
        const bool fitted = std::isfinite(p.tau);
        cells.append({platform::general(p.t_min), platform::general(p.events),
                      fitted ? platform::value_with_uncertainty(p.tau, p.tau_error) : kNothing,
                      std::isfinite(p.band) ? platform::fixed_decimals(p.band, decimals) : kNothing,
                      std::isfinite(p.deviation) ? platform::fixed_decimals(p.deviation, 1) : kNothing,
                      p.outside               ? StabilityText::tr("hors bande")
                      : p.background_at_limit ? StabilityText::tr("fond à la limite 0 : non comparé")
                      : fitted                ? QString()
                                              : text(p.status)});
    }
    return cells;
}

QStringList stability_table(const fit::StabilityScan& scan) {
    QStringList lines{stability_table_title()};
    for (const QStringList& c : stability_cells(scan)) {
        const QString line = c[0].rightJustified(8) + c[1].rightJustified(12) + QStringLiteral("  ") +
                             c[2].leftJustified(18) + c[3].rightJustified(8) + c[4].rightJustified(15) +
                             QStringLiteral("  ") + c[5];
        qsizetype end = line.size();
        while (end > 0 && line[end - 1] == QLatin1Char(' ')) --end;
        lines.append(line.left(end));
    }
    lines.append(stability_line(scan));
    return lines;
}

QString forecast_line(const fit::Forecast& f) {
    const QString goal = percent(f.precision);
    switch (f.state) {
        case fit::Forecast::State::not_converged:
            return StabilityText::tr("%1 sur Tau : pas de prévision sans ajustement convergé").arg(goal);
        case fit::Forecast::State::no_lifetime:
            return StabilityText::tr("%1 sur Tau : pas de prévision, ce modèle n'ajuste pas Tau").arg(goal);
        case fit::Forecast::State::no_precision:
            return StabilityText::tr("%1 sur Tau : pas de prévision sans précision visée au-dessus de 0").arg(goal);
        case fit::Forecast::State::reached:
            return StabilityText::tr("%1 sur Tau atteint (%2 maintenant)")
                .arg(goal, measured_percent(f.relative_error));
        case fit::Forecast::State::no_rate:
            return StabilityText::tr(
                       "%1 sur Tau : pas de prévision, taux inconnu (moins de 3 enregistrements ou tous "
                       "dans la même seconde)")
                .arg(goal);
        case fit::Forecast::State::forecast: break;
    }
    const double per_day = 24 * f.events_per_hour;
    const QString rate = per_day < 10 ? platform::fixed_decimals(per_day, 1) : platform::decimal(std::llround(per_day));
    // A precision so fine that the events it needs are past every number.
    if (!std::isfinite(f.hours)) {
        return StabilityText::tr("%1 sur Tau hors de portée (à %2 événements / jour)").arg(goal, rate);
    }
    return StabilityText::tr("%1 sur Tau dans %2 (à %3 événements / jour)").arg(goal, hours_text(f.hours), rate);
}

}  // namespace fit_text
