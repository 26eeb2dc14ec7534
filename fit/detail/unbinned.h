#pragma once
// The unbinned maximum-likelihood fits of the durations in the window.
//
// Exponential plus flat background, for s = t - a and W the width of the model:
//   f(s) = (1 - b) lambda e^(-lambda s) / (1 - e^(-lambda W)) + b / W
//   NLL(lambda, b) = - sum ln f(s_i),   lambda = 1 / tau > 0,  0 <= b <= 1
// minimised by the bounded Newton iteration in (lambda, b), where the
// likelihood of the exponential alone is convex and the flat limit (lambda = 0)
// is an ordinary point. Errors from the inverse Hessian (a rise of 0.5), the
// interval of tau from the likelihood profiled over b. With b at 0, tau and its
// error are those of the exponential alone.
#include "fit/detail/sample.h"
#include "fit/lifetime_fit.h"

namespace fit::detail {

// Fills the status, the lifetime, its errors and interval, b and the
// correlation; not the goodness of fit.
void fit_unbinned(const Sample& sample, Model model, Result& result);

}  // namespace fit::detail
