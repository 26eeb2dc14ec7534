#pragma once
// The exponential decay seen through a window of width W: durations s in
// [0, W] with density exp(-s/tau) / (tau (1 - exp(-W/tau))). With u = W / tau:
//   mean(s) = W h(u),      h(u) = 1/u - 1/(e^u - 1)  (1/2 at u = 0, falling to 0)
//   var(s)  = W^2 v(u),    v(u) = 1/u^2 - e^u / (e^u - 1)^2  (1/12 at u = 0)
// and h'(u) = -v(u). Both are computed without cancellation near u = 0.
#include <optional>

namespace fit::detail {

double mean_over_width(double u);
double variance_over_width2(double u);

// The maximum-likelihood lifetime of n durations with mean `mean_s` in a window
// of width W: the root of mean_s = W h(W / tau), found by a bracketing root
// finder in u. Nothing when 0 < mean_s < W / 2 does not hold (flat or rising
// data have no finite lifetime).
std::optional<double> truncated_lifetime(double mean_s, double width);

// Its error from the Fisher information: tau^2 / sqrt(n var(s)).
double truncated_lifetime_error(double tau, double width, double events);

// The negative log-likelihood of n durations with total sum_s, for lifetime tau,
// less its value at tau_ref (kept apart so that a rise of 0.5 is not lost in
// the rounding of a large total).
double truncated_nll_rise(double tau, double tau_ref, double events, double sum_s, double width);

}  // namespace fit::detail
