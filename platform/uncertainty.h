#pragma once
// A measured value beside its uncertainty, rounded the way a physicist writes
// it, with the program's decimal separator.
#include <QString>

namespace platform {

// Decimal places that give `sigma` (finite, above 0) two significant digits;
// negative for tens, hundreds...
int two_digit_decimals(double sigma);

// `value` rounded to `decimals` places (halves away from zero; no minus sign
// on a value shown as zero); empty when it does not fit 15 digits.
QString fixed_decimals(double value, int decimals);

// "219.7 ± 3.1": the uncertainty with two significant digits and the value
// rounded to the same decimal place ("2200 ± 310", "0.0213 ± 0.0042").
// Without a finite positive uncertainty, the value alone in the general form.
QString value_with_uncertainty(double value, double sigma);

}  // namespace platform
