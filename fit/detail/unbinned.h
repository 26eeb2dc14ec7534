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
// error are those of the exponential alone. On a clock grid, the same with the
// probabilities of the grid values (truncated_exponential.h).
//
// The capture models put the decays of the two charges in place of the
// exponential (unbinned.cpp): mu-capture in (lambda+, b), charge-ratio in the
// share of the positive muons and b.
#include "fit/detail/sample.h"
#include "fit/types.h"

namespace fit::detail {

// Fills the status, the lifetime, its errors and interval, b, the
// correlation, the capture models' figures and the goodness of fit. The
// capture models need the request's unit and muons checked beforehand.
void fit_unbinned(const Sample& sample, const Request& request, Result& result);

}  // namespace fit::detail
