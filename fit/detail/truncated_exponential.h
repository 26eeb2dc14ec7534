#pragma once
// The exponential decay seen through a window of width W: durations s in
// [0, W] with density exp(-s/tau) / (tau (1 - exp(-W/tau))). With u = W / tau:
//   mean(s) = W h(u),      h(u) = 1/u - 1/(e^u - 1)  (1/2 at u = 0, falling to 0)
//   var(s)  = W^2 v(u),    v(u) = 1/u^2 - e^u / (e^u - 1)^2  (1/12 at u = 0)
// and h'(u) = -v(u). Both are computed without cancellation near u = 0.
//
// On a clock grid of step D the window holds M = W / D grid values, each the
// centre of its cell of width D, and the decay gives the j-th (from 0) the
// probability r^j (1 - r) / (1 - r^M), r = e^(-D/tau): the exponential's
// integral over the cell, whatever the counter does inside a step. As a
// density of s that is norm(lambda) e^(-lambda s) at the grid values
// s = (j + 1/2) D, lambda = 1 / tau, and
//   norm = 2 sinh(lambda D / 2) / (D (1 - e^(-lambda W)))
//   mean(s) = W h(lambda W) + D (1/2 - h(lambda D)),  var(s) = W^2 v(lambda W) - D^2 v(lambda D)
// (step 0: norm = lambda / (1 - e^(-lambda W)), the continuous window).
#include <optional>

namespace fit::detail {

double mean_over_width(double u);
double variance_over_width2(double u);

// The exponential in the model's window: continuous (step 0) or on a grid.
struct Decay {
    double width = 0;
    double step = 0;

    // The density at s over e^(-lambda s).
    double norm(double lambda) const;
    // ln(norm(lambda) / norm(reference)), without cancellation when they are close.
    double log_norm_ratio(double lambda, double reference) const;
    // Mean and variance of s: the first derivative of ln norm, and minus that of the mean.
    double mean(double lambda) const;
    double variance(double lambda) const;
    // The share of the decays in [lo, hi] (s from the window's lower edge; on
    // a grid, edges of whole cells).
    double share(double lambda, double lo, double hi) const;
};

// The maximum-likelihood lifetime of n durations with mean `mean_s` in the
// window: the root of mean_s = decay.mean(1 / tau), found by a bracketing root
// finder in lambda W. Nothing when the mean is not strictly between its
// values for tau -> 0 (D / 2) and tau -> infinity (W / 2): flat or rising data
// have no finite lifetime.
std::optional<double> truncated_lifetime(double mean_s, const Decay& decay);

// Its error from the Fisher information: tau^2 / sqrt(n var(s)).
double truncated_lifetime_error(double tau, const Decay& decay, double events);

// The negative log-likelihood of n durations with total sum_s, for lifetime tau,
// less its value at tau_ref (kept apart so that a rise of 0.5 is not lost in
// the rounding of a large total).
double truncated_nll_rise(double tau, double tau_ref, double events, double sum_s, const Decay& decay);

}  // namespace fit::detail
