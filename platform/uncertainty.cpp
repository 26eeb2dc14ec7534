#include "platform/uncertainty.h"

#include "platform/numbers.h"

#include <cmath>
#include <cstdint>

namespace platform {

int two_digit_decimals(double sigma) {
    int d = 1 - static_cast<int>(std::floor(std::log10(sigma)));
    if (std::nearbyint(sigma * std::pow(10.0, d)) >= 100) --d;  // 9.96 rounds to 10
    return d;
}

QString fixed_decimals(double value, int d) {
    const double scaled = std::fabs(value) * std::pow(10.0, d);
    if (!(scaled < 1e15) || d > 15) return {};
    const auto units = static_cast<std::int64_t>(std::round(scaled));  // halves away from zero
    QString text;
    if (d <= 0) {
        text = decimal(units) + (units == 0 ? QString() : QString(-d, QLatin1Char('0')));
    } else {
        const auto p = static_cast<std::int64_t>(std::pow(10.0, d));
        const QString fraction = decimal(units % p);
        text = decimal(units / p) + decimal_separator() + QString(d - fraction.size(), QLatin1Char('0')) + fraction;
    }
    return (value < 0 && units != 0 ? QStringLiteral("-") : QString()) + text;
}

QString value_with_uncertainty(double value, double sigma) {
    static const QString kPlusMinus = QStringLiteral(" \u00B1 ");
    if (!std::isfinite(value)) return {};
    if (!(sigma > 0) || !std::isfinite(sigma)) return general(value);
    const int d = two_digit_decimals(sigma);
    const QString v = fixed_decimals(value, d);
    if (v.isEmpty()) return general(value) + kPlusMinus + general(sigma);
    return v + kPlusMinus + fixed_decimals(sigma, d);
}

}  // namespace platform
