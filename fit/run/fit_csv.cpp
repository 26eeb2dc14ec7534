#include "fit/run/fit_csv.h"

#include "fit/text/fit_text.h"
#include "platform/numbers.h"

#include <cmath>

namespace {

QChar field_separator() { return platform::decimal_separator() == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(','); }

// A number in the general form (15 significant digits); nothing when not finite.
QString cell(double v) { return std::isfinite(v) ? platform::general(v) : QString(); }

// A text cell: quoted when it holds the separator or a quote.
QString cell(const QString& text) {
    if (!text.contains(field_separator()) && !text.contains(QLatin1Char('"'))) return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString row(const QStringList& cells) { return cells.join(field_separator()); }

// The capture models' figures, after the others: lifetimes in the durations' units.
QString capture_cells(const fit::Result& r) {
    if (!fit::is_capture_model(r.model)) return {};
    return field_separator() +
           row({QStringLiteral("tau+"), cell(r.tau_free), QStringLiteral("tau-"), cell(r.tau_minus),
                QStringLiteral("rho"), cell(r.rho), QStringLiteral("sigma rho"), cell(r.rho_error),
                QStringLiteral("rho bas"), cell(r.rho_lower), QStringLiteral("rho haut"), cell(r.rho_upper)});
}

QString header(const fit::Result& r, const FitChoices& c) {
    const auto name = [](std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); };
    return row({QStringLiteral("t min"), cell(c.t_min), QStringLiteral("t max"), cell(c.t_max),
                QStringLiteral("modèle"), cell(fit_text::source_text(c.model)), QStringLiteral("méthode"),
                cell(fit_text::source_text(c.method)), QStringLiteral("état"), cell(name(fit::name(r.status))),
                QStringLiteral("événements"), cell(r.events), QStringLiteral("tau"), cell(r.tau),
                QStringLiteral("sigma tau"), cell(r.tau_error), QStringLiteral("tau bas"), cell(r.tau_lower),
                QStringLiteral("tau haut"), cell(r.tau_upper), QStringLiteral("fond"), cell(r.background_fraction),
                QStringLiteral("sigma fond"), cell(r.background_fraction_error), QStringLiteral("chi2"),
                cell(r.goodness.chi2), QStringLiteral("ddl"), platform::decimal(r.goodness.ndf),
                QStringLiteral("p"), cell(r.goodness.p_value), QStringLiteral("1 unité (ns)"), cell(c.unit_ns)}) +
           capture_cells(r);
}

}  // namespace

QStringList histogram_csv(const HistogramView& v, const fit::Result& r, const FitChoices& c) {
    QStringList lines{header(r, c), row({QStringLiteral("de"), QStringLiteral("à"), QStringLiteral("effectif"),
                                         QStringLiteral("erreur"), QStringLiteral("ajusté"),
                                         QStringLiteral("résidu normalisé"), QStringLiteral("fond")})};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const bool fitted = i < v.expected.size();
        lines.append(row({cell(v.lower[i]), cell(v.upper[i]), cell(v.count[i]), cell(v.error[i]),
                          fitted ? cell(v.expected[i]) : QString(), fitted ? cell(v.residual[i]) : QString(),
                          fitted ? cell(v.background * (v.upper[i] - v.lower[i]) / v.dX) : QString()}));
    }
    return lines;
}

QStringList convergence_csv(const std::vector<ConvergencePoint>& points, const fit::Result& r, const FitChoices& c) {
    QStringList lines{header(r, c), row({QStringLiteral("enregistrements"), QStringLiteral("événements"),
                                         QStringLiteral("tau"), QStringLiteral("sigma tau"),
                                         QStringLiteral("Tau (moyenne des classes)")})};
    for (const ConvergencePoint& p : points) {
        lines.append(row({cell(p.records), cell(p.events), cell(p.tau), cell(p.tau_error), cell(p.histogram_tau)}));
    }
    return lines;
}
