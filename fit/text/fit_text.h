#pragma once
// The results of a lifetime fit as the program shows them, with the program's
// decimal separator.
#include "fit/lifetime_fit.h"

#include <QString>

namespace fit_text {

// "219.7 ± 3.1": the uncertainty with two significant digits and the value
// rounded to the same decimal place ("2200 ± 310", "0.0213 ± 0.0042").
// Without a finite positive uncertainty, the value alone in the general form.
QString value_with_uncertainty(double value, double sigma);

// "(−2.9 / +3.4)": the profile interval of tau as its two sides, rounded as its
// error is; empty when both sides read as the error itself (the interval is
// then not visibly asymmetric) or when there is no interval.
QString interval_text(const fit::Result& result);

// The status and, for a converged fit, each of its warnings, " ; " apart.
QString status_line(const fit::Result& result);

}  // namespace fit_text
