#include "cli/fit_json.h"

#include "cli/rate_json.h"
#include "fit/fermi_constant.h"
#include "platform/numbers.h"

#include <cmath>

namespace {

QString number(double v) { return std::isfinite(v) ? platform::general(v, QLatin1Char('.')) : QStringLiteral("null"); }

QString list(std::span<const double> values) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(values.size()));
    for (const double v : values) items.append(number(v));
    return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
}

// A JSON string: quotes, backslashes and control characters escaped.
QString quoted(const QString& text) {
    QString s = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            s += QLatin1Char('\\');
            s += c;
        } else if (c.unicode() < 0x20) {
            s += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            s += c;
        }
    }
    return s + QLatin1Char('"');
}

QString from_name(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

QString quoted(std::string_view name) { return quoted(from_name(name)); }

// The stability scan: one object a point, t min rising.
QString scan_list(const fit::StabilityScan& scan) {
    QStringList points;
    for (const fit::StabilityPoint& p : scan.points) {
        points.append(QStringLiteral("{\"tmin\":%1,\"events\":%2,\"tau\":%3,\"tau_error\":%4,\"band\":%5,"
                                     "\"deviation\":%6,\"outside\":%7}")
                          .arg(number(p.t_min), number(p.events), number(p.tau), number(p.tau_error), number(p.band),
                               number(p.deviation), p.outside ? QStringLiteral("true") : QStringLiteral("false")));
    }
    return QLatin1Char('[') + points.join(QLatin1Char(',')) + QLatin1Char(']');
}

// The scan as a whole, as the line under its table says it: whether it warns
// (null without a scan), from which t min, and its largest deviation of the
// points judged, in bands (null when none is judged: the scan tells nothing).
QString scan_verdict(const fit::StabilityScan& scan) {
    const bool warns = scan.outside();
    const QString t_min =
        warns ? number(scan.points[static_cast<std::size_t>(scan.first_outside)].t_min) : QStringLiteral("null");
    const QString told = scan.points.empty() ? QStringLiteral("null")
                         : warns             ? QStringLiteral("true")
                                             : QStringLiteral("false");
    return QStringLiteral("{\"warns\":%1,\"tmin\":%2,\"largest_deviation\":%3}")
        .arg(told, t_min, number(scan.largest_deviation));
}

// One object: the fit's figures, or null for each when there is no fit.
QString object(const fit::Result* r, const QString& status, const QString& file, std::span<const double> durations,
               bool details, const FileNotes& notes, bool read, const FitExtras& extras) {
    QStringList fields;
    const auto field = [&fields](const char* key, const QString& value) {
        fields.append(QLatin1Char('"') + QLatin1String(key) + QStringLiteral("\":") + value);
    };
    const auto figure = [&](const char* key, double fit::Result::*member) {
        field(key, number(r ? r->*member : fit::kNone));
    };
    const QString null = QStringLiteral("null");
    if (details) field("file", quoted(file));
    field("status", quoted(status));
    figure("events", &fit::Result::events);
    figure("tau", &fit::Result::tau);
    figure("tau_error", &fit::Result::tau_error);
    figure("tau_lower", &fit::Result::tau_lower);
    figure("tau_upper", &fit::Result::tau_upper);
    figure("background_fraction", &fit::Result::background_fraction);
    figure("background_fraction_error", &fit::Result::background_fraction_error);
    figure("correlation", &fit::Result::correlation);
    // The capture models' figures (null for the other models).
    figure("tau_free", &fit::Result::tau_free);
    figure("tau_minus", &fit::Result::tau_minus);
    figure("rho", &fit::Result::rho);
    figure("rho_error", &fit::Result::rho_error);
    figure("rho_lower", &fit::Result::rho_lower);
    figure("rho_upper", &fit::Result::rho_upper);
    field("chi2", number(r ? r->goodness.chi2 : fit::kNone));
    field("ndf", r ? platform::decimal(r->goodness.ndf) : null);
    field("p_value", number(r ? r->goodness.p_value : fit::kNone));
    figure("lattice_step", &fit::Result::lattice_step);
    field("method", r ? quoted(fit::name(r->method)) : null);
    field("model", r ? quoted(fit::name(r->model)) : null);
    figure("tmin", &fit::Result::t_min);
    figure("tmax", &fit::Result::t_max);
    // What the status line says beside "converged" (the histogram method's
    // classes that stop short of tmax among them).
    QStringList warnings;
    for (const fit::Warning w : fit::kWarnings) {
        if (r && r->has(w)) warnings.append(quoted(fit::name(w)));
    }
    field("warnings", QLatin1Char('[') + warnings.join(QLatin1Char(',')) + QLatin1Char(']'));
    field("skipped_lines", read ? platform::decimal(notes.skipped_lines) : null);
    field("message", notes.message.isEmpty() ? null : quoted(notes.message));
    fields += notes.rate_fields.isEmpty() ? rate_json_fields(nullptr) : notes.rate_fields;
    // Beside the fit's figures: G_F from the lifetime, the forecast at the run's
    // rate and, with --scan, the stability scan.
    const fit::FermiConstant gf = r ? fit::fermi_constant(*r, extras.unit_ns) : fit::FermiConstant{};
    field("gf", number(gf.value));
    field("gf_error", number(gf.error));
    field("forecast_hours", number(r ? extras.forecast.hours : fit::kNone));
    field("format", notes.format.isEmpty() ? null : quoted(notes.format));
    field("unit_ns", notes.unit_ns > 0 ? number(notes.unit_ns) : null);
    if (extras.scan) {
        field("stability", scan_list(*extras.scan));
        field("stability_verdict", scan_verdict(*extras.scan));
    }
    if (details) {
        field("pearson", number(r ? r->goodness.pearson : fit::kNone));
        figure("amplitude", &fit::Result::amplitude);
        figure("amplitude_error", &fit::Result::amplitude_error);
        figure("background_per_class", &fit::Result::background_per_class);
        figure("background_per_class_error", &fit::Result::background_per_class_error);
        field("first_class", r ? platform::decimal(r->goodness.first_class) : null);
        field("observed", list(r ? std::span<const double>(r->goodness.observed) : std::span<const double>()));
        field("expected", list(r ? std::span<const double>(r->goodness.expected) : std::span<const double>()));
        figure("model_lower", &fit::Result::model_lower);
        figure("model_upper", &fit::Result::model_upper);
        field("durations", list(durations));
    }
    return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
}

}  // namespace

QString fit_json(const fit::Result& r, const QString& file, std::span<const double> durations, bool details,
                 const FileNotes& notes, const FitExtras& extras) {
    return object(&r, from_name(fit::name(r.status)), file, durations, details, notes, true, extras);
}

QString json_string(const QString& text) { return quoted(text); }

QString unfitted_json(const QString& file, const QString& status, const QString& message, bool details, bool scan) {
    // A file not fitted has no scan: with --scan its list is empty, as for a fit that did not converge.
    const fit::StabilityScan none;
    FitExtras extras;
    if (scan) extras.scan = &none;
    return object(nullptr, status, file, {}, details, FileNotes{0, message, {}, {}, 0}, false, extras);
}

QString combination_json(const fit::Combination& c, std::span<const RunJson> runs, const QString& pulling_run,
                         const FileNotes& notes, double unit_ns) {
    const QString combined = fit_json(c.combined, {}, {}, false, notes, FitExtras{unit_ns, {}, nullptr});
    QStringList items;
    for (const RunJson& run : runs) {
        const auto figure = [&run](double fit::Result::*member) {
            return number(run.alone ? run.alone->*member : fit::kNone);
        };
        items.append(QStringLiteral("{\"file\":%1,\"status\":%2,\"events\":%3,\"span_s\":%4,\"live_time_s\":%5,"
                                    "\"rate_per_hour\":%6,\"tau\":%7,\"tau_error\":%8,\"excluded\":%9}")
                         .arg(quoted(run.file), quoted(run.status), figure(&fit::Result::events), number(run.span_s),
                              number(run.live_time_s), number(run.rate_per_hour), figure(&fit::Result::tau),
                              figure(&fit::Result::tau_error), platform::decimal(run.excluded)));
    }
    const fit::Consistency& k = c.consistency;
    const QString consistency =
        QStringLiteral(
            "{\"chi2\":%1,\"ndf\":%2,\"p_value\":%3,\"birge_ratio\":%4,\"compatible\":%5,\"pulling_run\":%6}")
            .arg(number(k.chi2), platform::decimal(k.ndf), number(k.p_value), number(k.birge_ratio),
                 k.compatible() ? QStringLiteral("true") : QStringLiteral("false"),
                 pulling_run.isEmpty() ? QStringLiteral("null") : quoted(pulling_run));
    return combined.chopped(1) + QStringLiteral(",\"runs\":[") + items.join(QLatin1Char(',')) +
           QStringLiteral("],\"consistency\":") + consistency + QLatin1Char('}');
}
