#pragma once
// Number conversions and formats. Every real-to-text and text-to-real goes
// through here, with the decimal separator read once at start-up.
#include <QString>
#include <QStringView>
#include <cstdint>

namespace platform {

// The locale's decimal separator, '.' until set_decimal_separator is called.
QChar decimal_separator();
void set_decimal_separator(QChar separator);
// Reads the separator from the system locale; called once at start-up.
void take_decimal_separator_from_system();

// Text to number; raise "'TEXT' is not a valid integer value" / "... floating point value".
std::int32_t str_to_int(QStringView text);
long double str_to_float(QStringView text);
// The same with a given decimal separator, for text that files and other
// programs read whatever the desktop's language ('.' in JSON and settings).
long double str_to_float(QStringView text, QChar separator);

// Real to integer, halves to even; outside the 32-bit range: "Floating point overflow".
std::int32_t round_to_int(long double value);
// Real to integer, toward zero, with the same range check.
std::int32_t trunc_to_int(long double value);

// Checked arithmetic: no infinity or NaN ever comes out.
long double checked_div(long double numerator, long double denominator);
long double checked_value(long double value);  // raises on an infinite or NaN result

// The general form: up to 15 significant digits ("12", "0.368", "1.5E-6", "1E20").
QString general(long double value);
QString general(long double value, QChar separator);
// The same worked out digit by digit for every value; general() takes a
// shortcut for whole numbers below 10^15, which gives the same text.
QString general_par_chiffres(long double value);
QString general_par_chiffres(long double value, QChar separator);
// Integer in plain decimal.
QString decimal(std::int64_t value);
// The picture formats "0.#", "0.##", "0.###" and "#.##".
QString format_picture(const char* picture, long double value);

}  // namespace platform
