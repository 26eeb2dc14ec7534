#pragma once
// The histogram of the durations and its Poisson fit.
//
// Class k (of width dX) expects
//   mu_k = A (tau/dX) e^(-k dX/tau) (1 - e^(-dX/tau)) + B
// events: A e^(-t/tau) / dX integrated over the class, plus B a class. The fit
// minimises the Baker-Cousins chi2 = 2 sum (mu - n + n ln(n/mu)) with A >= 0
// and B >= 0 (B = 0 for the exponential alone) by the bounded Newton iteration
// in (A, 1/tau, B); errors from twice the inverse Hessian (a rise of 1), the
// interval of tau from the chi2 profiled over A and B.
#include "fit/types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fit::detail {

// Fits classes first .. first + counts.size() - 1 with the given counts.
// Fills the status, tau, its errors and interval, A, B (with b = B classes /
// events), the correlation of tau and B and the chi2 of the fit.
void fit_classes(std::span<const double> counts, double dX, std::int32_t first, Model model, Result& result);

}  // namespace fit::detail
