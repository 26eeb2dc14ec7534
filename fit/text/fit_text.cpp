#include "fit/text/fit_text.h"

#include "fit/fermi_constant.h"
#include "platform/numbers.h"
#include "platform/translations.h"
#include "platform/uncertainty.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdint>

namespace {
// The fit's texts in the program's language (platform/translations.h).
struct FitText {
    Q_DECLARE_TR_FUNCTIONS(fit_text)
};

const char* const kCarbonName = QT_TRANSLATE_NOOP("fit_text", "carbone");
const char* const kOxygenName = QT_TRANSLATE_NOOP("fit_text", "oxygène");
}  // namespace

namespace fit_text {

QString interval_text(double value, double sigma, double lower, double upper) {
    if (!(sigma > 0) || !std::isfinite(sigma) || std::isnan(lower) || std::isnan(upper)) return {};
    const int d = platform::two_digit_decimals(sigma);
    const QString error = platform::fixed_decimals(sigma, d);
    const QString below = platform::fixed_decimals(value - lower, d);
    const QString above = std::isfinite(upper) ? platform::fixed_decimals(upper - value, d) : QStringLiteral("\u221E");
    if (below == error && above == error) return {};
    return QStringLiteral("(\u2212") + below + QStringLiteral(" / +") + above + QStringLiteral(")");
}

QString interval_text(const fit::Result& r) {
    return interval_text(r.tau, fit::interval_error(r), r.tau_lower, r.tau_upper);
}

QString status_line(const fit::Result& r) {
    QString line = text(r.status);
    if (r.status != fit::Status::converged) return line;
    for (const fit::Warning w : fit::kWarnings) {
        if (!r.has(w)) continue;
        QString said = text(w);
        // The classes the histogram method fitted, when they stop short of the window.
        if (w == fit::Warning::window_beyond_classes) {
            said = FitText::tr("t max au-delà des classes affichées : ajusté sur [%1 ; %2]")
                       .arg(platform::general(r.model_lower), platform::general(r.model_upper));
        }
        if (w == fit::Warning::clock_grid) {
            said = FitText::tr("durées sur une grille d'horloge : vraisemblance des valeurs de la grille, de pas %1")
                       .arg(platform::general(r.lattice_step));
        }
        line += platform::list_separator() + said;
    }
    return line;
}

}  // namespace fit_text

namespace fit_text {

QString tau_caption() { return FitText::tr("Tau ajusté ="); }
QString background_caption() { return FitText::tr("fond ="); }
QString events_caption() { return FitText::tr("événements dans la fenêtre ="); }
QString chi2_caption() { return FitText::tr("chi2 / ddl ="); }
QString histogram_tau_caption() { return FitText::tr("Tau de l'histogramme (durée moyenne) ="); }

namespace {

const QString kNothing = QStringLiteral("\u2014");

// The time of `units` units worth unit_ns each, in ns below a microsecond, else in µs.
QString time_text(double tau, double sigma, double unit_ns) {
    if (!(unit_ns > 0) || !std::isfinite(unit_ns)) return {};
    const double ns = tau * unit_ns;
    if (!std::isfinite(ns)) return {};
    if (std::fabs(ns) < 1000) return value_with_uncertainty(ns, sigma * unit_ns) + QStringLiteral(" ns");
    return value_with_uncertainty(ns / 1000, sigma * unit_ns / 1000) + QStringLiteral(" \u00B5s");
}

QString background_text(const fit::Result& r) {
    if (r.model == fit::Model::exp_only || !std::isfinite(r.background_fraction)) return kNothing;
    if (r.background_at_limit()) return FitText::tr("0 (à la limite)", "the background");
    return value_with_uncertainty(100 * r.background_fraction, 100 * r.background_fraction_error) +
           QStringLiteral(" %");
}

QString chi2_text(const fit::Goodness& g) {
    const auto note = [&g] { return text(g.note); };
    if (!std::isfinite(g.chi2)) return g.note == fit::GoodnessNote::ok ? kNothing : note();
    QString text = platform::format_picture("0.#", g.chi2) + QStringLiteral(" / ") + platform::decimal(g.ndf);
    if (g.note != fit::GoodnessNote::ok || !std::isfinite(g.p_value)) return text + platform::list_separator() + note();
    const QString p = g.p_value < 0.001 ? QStringLiteral("< ") + platform::format_picture("0.###", 0.001)
                                        : QStringLiteral("= ") + platform::format_picture("0.###", g.p_value);
    return text + QStringLiteral(", p ") + p;
}

// "carbone" or "oxygène" for their lifetime.
std::optional<QString> material_name(double tau_minus_ns) {
    const auto near = [tau_minus_ns](double ns) { return std::fabs(tau_minus_ns - ns) <= 1e-9 * ns; };
    if (near(fit::kCarbonLifetimeNs)) return carbon();
    if (near(fit::kOxygenLifetimeNs)) return oxygen();
    return std::nullopt;
}

// The fixed values and, for charge-ratio, the fitted rho.
void capture_lines(const fit::Result& r, double unit_ns, ResultLines& lines) {
    if (!fit::is_capture_model(r.model) || !std::isfinite(r.tau_minus)) return;
    const double minus_ns = r.tau_minus * unit_ns;
    QString minus = QStringLiteral("\u03C4\u2212 = ") + platform::general(minus_ns) + QStringLiteral(" ns");
    if (const auto name = material_name(minus_ns)) minus += QStringLiteral(" (") + *name + QLatin1Char(')');
    if (r.model == fit::Model::mu_capture) {
        lines.fixed = minus + QStringLiteral(", \u03C1 = ") + platform::general(r.rho);
        return;
    }
    lines.fixed =
        QStringLiteral("\u03C4+ = ") + platform::general(r.tau_free * unit_ns) + QStringLiteral(" ns, ") + minus;
    if (std::isfinite(r.rho_error)) {
        lines.rho = value_with_uncertainty(r.rho, r.rho_error);
        lines.rho_interval = interval_text(r.rho, r.rho_error, r.rho_lower, r.rho_upper);
    } else {
        // At its limit: the value and the profile interval only, rounded to
        // two significant digits of the interval's width ("0 [0 ; 0.13]"), or
        // of its finite bound when it has no end.
        const double width = r.rho_upper - r.rho_lower;
        const double scale =
            std::isfinite(width) ? width : std::fabs(std::isfinite(r.rho_upper) ? r.rho_upper : r.rho_lower);
        const int decimals = scale > 0 && std::isfinite(scale) ? platform::two_digit_decimals(scale) : 2;
        const auto bound = [decimals](double v) {
            if (!std::isfinite(v)) return QStringLiteral("\u221E");
            if (v == 0) return QStringLiteral("0");
            const QString rounded = platform::fixed_decimals(v, decimals);
            return rounded.isEmpty() ? platform::general(v) : rounded;
        };
        lines.rho = bound(r.rho) + QStringLiteral(" [") + bound(r.rho_lower) + QStringLiteral(" ; ") +
                    bound(r.rho_upper) + QLatin1Char(']');
    }
}

}  // namespace

QString fermi_caption() { return QStringLiteral("G_F / (\u0127c)\u00B3 ="); }
QString fermi_matter_note() { return FitText::tr("biaisé : τ mesuré dans la matière (μ− capturés)"); }

QString fermi_text(const fit::Result& r, double unit_ns) {
    const fit::FermiConstant g = fit::fermi_constant(r, unit_ns);
    if (!std::isfinite(g.value)) return {};
    // In units of 10⁻⁵ GeV⁻², where G_F is about 1.166.
    constexpr double kScale = 1e5;
    const QString value = std::isfinite(g.error) && g.error > 0
                              ? value_with_uncertainty(g.value * kScale, g.error * kScale)
                              : platform::fixed_decimals(g.value * kScale, 5);
    return QLatin1Char('(') + value + QStringLiteral(") \u00D7 10\u207B\u2075 GeV\u207B\u00B2");
}

QString rho_caption() { return FitText::tr("rapport de charge ρ ="); }
QString fixed_caption() { return FitText::tr("valeurs fixées ="); }
QString carbon() { return FitText::tr(kCarbonName); }
QString oxygen() { return FitText::tr(kOxygenName); }

QString material_text(double tau_minus_ns) {
    return material_name(tau_minus_ns).value_or(platform::general(tau_minus_ns));
}

std::optional<double> material_lifetime_ns(const QString& name) {
    const auto is = [&name](const char* material) {
        const QString typed = name.trimmed();
        return typed.compare(FitText::tr(material), Qt::CaseInsensitive) == 0 ||
               typed.compare(QString::fromUtf8(material), Qt::CaseInsensitive) == 0;
    };
    if (is(kCarbonName)) return fit::kCarbonLifetimeNs;
    if (is(kOxygenName)) return fit::kOxygenLifetimeNs;
    return std::nullopt;
}

QString histogram_tau_text(long double tau) {
    return std::isfinite(tau) ? platform::format_picture("0.###", tau) : kNothing;
}

namespace {

// The names of the models and methods in the source language, with what
// tells the translator which is meant.
struct SourceText {
    const char* text;
    const char* comment;
};

SourceText source(fit::Model model) {
    switch (model) {
        case fit::Model::exp_flat: return {QT_TRANSLATE_NOOP("fit_text", "exponentielle + fond"), nullptr};
        case fit::Model::exp_only: return {QT_TRANSLATE_NOOP("fit_text", "exponentielle seule"), nullptr};
        case fit::Model::mu_capture: return {QT_TRANSLATE_NOOP("fit_text", "μ+ libre et μ− capturés"), nullptr};
        case fit::Model::charge_ratio: return {QT_TRANSLATE_NOOP("fit_text", "rapport de charge"), nullptr};
    }
    return {"", nullptr};
}

SourceText source(fit::Method method) {
    return method == fit::Method::binned
               ? SourceText QT_TRANSLATE_NOOP3("fit_text", "histogramme", "the fit's method")
               : SourceText QT_TRANSLATE_NOOP3("fit_text", "non binné", "the fit's method");
}

}  // namespace

QString text(fit::Model model) { return FitText::tr(source(model).text, source(model).comment); }
QString text(fit::Method method) { return FitText::tr(source(method).text, source(method).comment); }
QString source_text(fit::Model model) { return QString::fromUtf8(source(model).text); }
QString source_text(fit::Method method) { return QString::fromUtf8(source(method).text); }

ResultLines result_lines(const fit::Result& r, double unit_ns) {
    ResultLines lines;
    lines.status = status_line(r);
    lines.events = platform::general(r.events);
    // charge-ratio fits no lifetime, and shows the rest.
    const bool lifetime = r.status == fit::Status::converged && std::isfinite(r.tau);
    if (!lifetime && !(r.status == fit::Status::converged && r.model == fit::Model::charge_ratio)) {
        lines.tau = lines.background = lines.chi2 = kNothing;
        return lines;
    }
    lines.tau = lifetime ? value_with_uncertainty(r.tau, fit::interval_error(r)) : kNothing;
    lines.interval = interval_text(r);
    lines.tau_time = time_text(r.tau, fit::interval_error(r), unit_ns);
    lines.fermi = fermi_text(r, unit_ns);
    if (!lines.fermi.isEmpty() && fit::free_lifetime(r).in_matter) lines.fermi_note = fermi_matter_note();
    lines.background = background_text(r);
    lines.chi2 = chi2_text(r.goodness);
    capture_lines(r, unit_ns, lines);
    return lines;
}

QStringList text_lines(const ResultLines& lines) {
    const QString tau_label = tau_caption();
    const QString tau = tau_label + QLatin1Char(' ') + lines.tau +
                        (lines.interval.isEmpty() ? QString() : QLatin1Char(' ') + lines.interval);
    QStringList out{tau};
    if (!lines.tau_time.isEmpty()) out.append(QString(tau_label.size() + 1, QLatin1Char(' ')) + lines.tau_time);
    if (!lines.fermi.isEmpty()) {
        out.append(fermi_caption() + QLatin1Char(' ') + lines.fermi +
                   (lines.fermi_note.isEmpty() ? QString() : platform::list_separator() + lines.fermi_note));
    }
    // The capture models' lines.
    if (!lines.rho.isEmpty()) {
        out.append(rho_caption() + QLatin1Char(' ') + lines.rho +
                   (lines.rho_interval.isEmpty() ? QString() : QLatin1Char(' ') + lines.rho_interval));
    }
    if (!lines.fixed.isEmpty()) out.append(fixed_caption() + QLatin1Char(' ') + lines.fixed);
    out.append(background_caption() + QLatin1Char(' ') + lines.background);
    out.append(events_caption() + QLatin1Char(' ') + lines.events);
    out.append(chi2_caption() + QLatin1Char(' ') + lines.chi2);
    out.append(lines.status);
    return out;
}

}  // namespace fit_text
