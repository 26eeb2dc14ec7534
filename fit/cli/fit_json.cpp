#include "fit/cli/fit_json.h"

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

QString quoted(std::string_view name) {
    return quoted(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

}  // namespace

QString fit_json(const fit::Result& r, const QString& file, std::span<const double> durations, bool details) {
    QStringList fields;
    const auto field = [&fields](const char* key, const QString& value) {
        fields.append(QLatin1Char('"') + QLatin1String(key) + QStringLiteral("\":") + value);
    };
    if (details) field("file", quoted(file));
    field("status", quoted(fit::name(r.status)));
    field("events", number(r.events));
    field("tau", number(r.tau));
    field("tau_error", number(r.tau_error));
    field("tau_lower", number(r.tau_lower));
    field("tau_upper", number(r.tau_upper));
    field("background_fraction", number(r.background_fraction));
    field("background_fraction_error", number(r.background_fraction_error));
    field("correlation", number(r.correlation));
    field("chi2", number(r.goodness.chi2));
    field("ndf", platform::decimal(r.goodness.ndf));
    field("p_value", number(r.goodness.p_value));
    field("lattice_step", number(r.lattice_step));
    field("method", quoted(fit::name(r.method)));
    field("model", quoted(fit::name(r.model)));
    field("tmin", number(r.t_min));
    field("tmax", number(r.t_max));
    // What the status line says beside "converged" (the histogram method's
    // classes that stop short of tmax among them).
    QStringList warnings;
    for (const fit::Warning w : fit::kWarnings) {
        if (r.has(w)) warnings.append(quoted(fit::name(w)));
    }
    field("warnings", QLatin1Char('[') + warnings.join(QLatin1Char(',')) + QLatin1Char(']'));
    if (details) {
        field("pearson", number(r.goodness.pearson));
        field("amplitude", number(r.amplitude));
        field("amplitude_error", number(r.amplitude_error));
        field("background_per_class", number(r.background_per_class));
        field("background_per_class_error", number(r.background_per_class_error));
        field("first_class", platform::decimal(r.goodness.first_class));
        field("observed", list(r.goodness.observed));
        field("expected", list(r.goodness.expected));
        field("model_lower", number(r.model_lower));
        field("model_upper", number(r.model_upper));
        field("durations", list(durations));
    }
    return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
}
