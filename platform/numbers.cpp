#include "platform/numbers.h"

#include "platform/errors.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace platform {

namespace {
QChar g_decimal_separator = QLatin1Char('.');

bool is_blank(QChar c) { return c == QLatin1Char(' '); }
bool is_digit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Decimal digits of |value| with `digits` significant digits, and its decimal
// exponent: value = 0.d1d2d3... * 10^(exponent + 1), i.e. d1.d2d3... * 10^exponent.
struct Decimal {
    std::string digits;  // significant digits, no dot
    int exponent = 0;
    bool negative = false;
};

Decimal to_decimal(long double value, int digits) {
    Decimal d;
    d.negative = std::signbit(value);
    // std::to_chars never looks at the locale (the C library's printf writes
    // the process locale's mark, a comma on a French or German desktop).
    char buf[96];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, digits - 1);
    // buf is "d.dddde[+-]xx"
    const char* e = std::find(buf, written.ptr, 'e');
    for (const char* p = buf; p < e; ++p) {
        if (*p != '.') d.digits.push_back(*p);
    }
    const char* exponent = e + 1;
    if (exponent < written.ptr && *exponent == '+') ++exponent;
    std::from_chars(exponent, written.ptr, d.exponent);
    return d;
}
}  // namespace

QChar decimal_separator() { return g_decimal_separator; }

void set_decimal_separator(QChar separator) { g_decimal_separator = separator; }

void take_decimal_separator_from_system() {
    const QString point = QLocale::system().decimalPoint();
    g_decimal_separator = point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

std::int32_t str_to_int(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && is_blank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n) raise_invalid_integer(text.toString());
    std::int64_t value = 0;
    for (; i < n; ++i) {
        if (!is_digit(text[i])) raise_invalid_integer(text.toString());
        value = value * 10 + (text[i].unicode() - '0');
        if (value > std::int64_t{1} << 31) raise_invalid_integer(text.toString());
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min()) {
        raise_invalid_integer(text.toString());
    }
    return static_cast<std::int32_t>(value);
}

long double str_to_float(QStringView text) { return str_to_float(text, g_decimal_separator); }

long double str_to_float(QStringView text, QChar separator) {
    // Build an ASCII copy with '.' as the mark, validating the shape as we go.
    std::string buf;
    qsizetype i = 0;
    qsizetype n = text.size();
    while (i < n && is_blank(text[i])) ++i;
    while (n > i && is_blank(text[n - 1])) --n;
    buf.reserve(static_cast<std::size_t>(n - i));
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int mantissa_digits = 0;
    bool seen_separator = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (is_digit(c)) {
            buf.push_back(static_cast<char>(c.unicode()));
            ++mantissa_digits;
        } else if (c == separator && !seen_separator) {
            seen_separator = true;
            buf.push_back('.');
        } else {
            break;
        }
    }
    if (mantissa_digits == 0) raise_invalid_float(text.toString());
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        buf.push_back('e');
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
            buf.push_back(static_cast<char>(text[i].unicode()));
            ++i;
        }
        int exponent_digits = 0;
        for (; i < n && is_digit(text[i]); ++i) {
            buf.push_back(static_cast<char>(text[i].unicode()));
            ++exponent_digits;
        }
        if (exponent_digits == 0) raise_invalid_float(text.toString());
    }
    if (i != n) raise_invalid_float(text.toString());
    long double value = 0;
    const char* first = buf.data();
    const char* last = first + buf.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
        raise_invalid_float(text.toString());
    }
    return negative ? -value : value;
}

std::int32_t round_to_int(long double value) {
    if (std::isnan(value)) raise_invalid_operation();
    const long double r = std::nearbyint(value);
    if (r > 2147483647.0L || r < -2147483648.0L) raise_overflow();
    return static_cast<std::int32_t>(r);
}

std::int32_t trunc_to_int(long double value) {
    if (std::isnan(value)) raise_invalid_operation();
    const long double r = std::trunc(value);
    if (r > 2147483647.0L || r < -2147483648.0L) raise_overflow();
    return static_cast<std::int32_t>(r);
}

long double checked_div(long double numerator, long double denominator) {
    if (std::isnan(numerator) || std::isnan(denominator)) raise_invalid_operation();
    if (denominator == 0) {
        if (numerator == 0) raise_invalid_operation();
        raise_division_by_zero();
    }
    return checked_value(numerator / denominator);
}

long double checked_value(long double value) {
    if (std::isnan(value)) raise_invalid_operation();
    if (std::isinf(value)) raise_overflow();
    return value;
}

QString general(long double value) { return general(value, g_decimal_separator); }

QString general(long double value, QChar separator) {
    // Counts and class bounds: the digits of the integer, no separator.
    if (std::fabs(value) < 1e15L && value == std::trunc(value)) return QString::number(static_cast<qint64>(value));
    return general_par_chiffres(value, separator);
}

QString general_par_chiffres(long double value) { return general_par_chiffres(value, g_decimal_separator); }

QString general_par_chiffres(long double value, QChar separator) {
    if (std::isnan(value)) raise_invalid_operation();
    if (std::isinf(value)) raise_overflow();
    if (value == 0) return QStringLiteral("0");
    Decimal d = to_decimal(value, 15);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string out;
    if (d.negative) out.push_back('-');
    const char sep = static_cast<char>(separator.unicode() < 128 ? separator.unicode() : '.');
    const int nd = static_cast<int>(d.digits.size());
    if (d.exponent >= -5 && d.exponent <= 14) {
        if (d.exponent < 0) {
            out += '0';
            out += sep;
            out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
            out += d.digits;
        } else if (nd <= d.exponent + 1) {
            out += d.digits;
            out.append(static_cast<std::size_t>(d.exponent + 1 - nd), '0');
        } else {
            out += d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1));
            out += sep;
            out += d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
        }
    } else {
        out += d.digits[0];
        if (nd > 1) {
            out += sep;
            out += d.digits.substr(1);
        }
        out += 'E';
        char exponent[8];
        out.append(exponent, std::to_chars(exponent, exponent + sizeof exponent, d.exponent).ptr);
    }
    QString s = QString::fromLatin1(out);
    if (separator.unicode() >= 128) s.replace(QLatin1Char('.'), separator);
    return s;
}

QString decimal(std::int64_t value) { return QString::number(value); }

QString format_picture(const char* picture, long double value) {
    if (std::isnan(value)) raise_invalid_operation();
    if (std::isinf(value)) raise_overflow();
    const char* dot = std::strchr(picture, '.');
    const bool force_integer_digit = picture[0] == '0';
    const int decimals = dot ? static_cast<int>(std::strlen(dot + 1)) : 0;

    // Round half away from zero on the 18-digit decimal value.
    std::string int_part = "0";
    std::string frac_part;
    if (value != 0) {
        Decimal d = to_decimal(value, 18);
        // Position of the decimal point within the digits.
        const int point = d.exponent + 1;  // digits before the point
        std::string all;                   // digits with the point at index `point` (padded)
        int lead_zeros = point < 0 ? -point : 0;
        all.append(static_cast<std::size_t>(lead_zeros), '0');
        all += d.digits;
        int p = point < 0 ? 0 : point;
        if (static_cast<int>(all.size()) < p + decimals + 1)
            all.append(static_cast<std::size_t>(p + decimals + 1 - static_cast<int>(all.size())), '0');
        std::string kept = all.substr(0, static_cast<std::size_t>(p + decimals));
        const bool round_up = all[static_cast<std::size_t>(p + decimals)] >= '5';
        if (round_up) {
            int k = static_cast<int>(kept.size()) - 1;
            while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9') {
                kept[static_cast<std::size_t>(k)] = '0';
                --k;
            }
            if (k >= 0) {
                ++kept[static_cast<std::size_t>(k)];
            } else {
                kept.insert(kept.begin(), '1');
                ++p;
            }
        }
        int_part = kept.substr(0, static_cast<std::size_t>(p));
        frac_part = kept.substr(static_cast<std::size_t>(p));
        const auto first = int_part.find_first_not_of('0');
        int_part = first == std::string::npos ? std::string() : int_part.substr(first);
        if (int_part.empty()) int_part.push_back('0');
    }
    while (!frac_part.empty() && frac_part.back() == '0') frac_part.pop_back();
    const bool zero = int_part == "0" && frac_part.empty();
    std::string out;
    if (std::signbit(value) && !zero) out.push_back('-');
    if (!(int_part == "0" && !force_integer_digit)) out += int_part;
    QString s = QString::fromLatin1(out);
    if (!frac_part.empty()) {
        s += g_decimal_separator;
        s += QString::fromLatin1(frac_part);
    }
    return s;
}

}  // namespace platform
