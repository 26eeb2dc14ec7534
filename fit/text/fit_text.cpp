#include "fit/text/fit_text.h"

#include "platform/numbers.h"

#include <cmath>
#include <cstdint>

namespace fit_text {

namespace {

const QString kPlusMinus = QStringLiteral(" \u00B1 ");

// Decimal places that give the uncertainty two significant digits (negative:
// rounded to tens, hundreds...).
int decimals_for(double sigma) {
    int d = 1 - static_cast<int>(std::floor(std::log10(sigma)));
    if (std::nearbyint(sigma * std::pow(10.0, d)) >= 100) --d;  // 9.96 rounds to 10
    return d;
}

// |value| rounded to `d` decimals, or nothing when it does not fit 15 digits.
QString fixed(double value, int d) {
    const double scaled = std::fabs(value) * std::pow(10.0, d);
    if (!(scaled < 1e15) || d > 15) return {};
    const auto units = static_cast<std::int64_t>(std::round(scaled));  // halves away from zero
    QString text;
    if (d <= 0) {
        text = platform::decimal(units) + (units == 0 ? QString() : QString(-d, QLatin1Char('0')));
    } else {
        const auto p = static_cast<std::int64_t>(std::pow(10.0, d));
        const QString fraction = platform::decimal(units % p);
        text = platform::decimal(units / p) + platform::decimal_separator() +
               QString(d - fraction.size(), QLatin1Char('0')) + fraction;
    }
    return (value < 0 && units != 0 ? QStringLiteral("-") : QString()) + text;
}

}  // namespace

QString value_with_uncertainty(double value, double sigma) {
    if (!std::isfinite(value)) return {};
    if (!(sigma > 0) || !std::isfinite(sigma)) return platform::general(value);
    const int d = decimals_for(sigma);
    const QString v = fixed(value, d);
    if (v.isEmpty()) return platform::general(value) + kPlusMinus + platform::general(sigma);
    return v + kPlusMinus + fixed(sigma, d);
}

QString interval_text(const fit::Result& r) {
    if (!(r.tau_error > 0) || !std::isfinite(r.tau_error) || std::isnan(r.tau_lower) || std::isnan(r.tau_upper)) {
        return {};
    }
    const int d = decimals_for(r.tau_error);
    const QString error = fixed(r.tau_error, d);
    const QString below = fixed(r.tau - r.tau_lower, d);
    const QString above = std::isfinite(r.tau_upper) ? fixed(r.tau_upper - r.tau, d) : QStringLiteral("\u221E");
    if (below == error && above == error) return {};
    return QStringLiteral("(\u2212") + below + QStringLiteral(" / +") + above + QStringLiteral(")");
}

QString status_line(const fit::Result& r) {
    const auto text = [](std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); };
    QString line = text(fit::text(r.status));
    if (r.status != fit::Status::converged) return line;
    for (const fit::Warning w : fit::kWarnings) {
        if (r.has(w)) line += QStringLiteral(" ; ") + text(fit::text(w));
    }
    return line;
}

}  // namespace fit_text
