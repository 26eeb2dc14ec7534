#pragma once
// The fit of the decay rate lambda = 1 / tau and the background share b on an
// unbinned likelihood, one sample's or the sum of several: the bounded Newton
// iteration from its starts, then what its outcome says (status, tau, errors
// from the inverse Hessian, the profile interval of tau, the warnings).
#include "fit/detail/newton.h"
#include "fit/types.h"

#include <functional>
#include <optional>

namespace fit::detail {

struct RateFit {
    LocalFunction nll;  // the negative log-likelihood in (lambda, b), with gradient and Hessian
    // The same at lambda minimised over b (`b` holds the start and gets the
    // minimum): the profile, searched this way where Newton's crossing fails.
    std::function<double(double lambda, double& b)> profiled;
    double width = 0;        // the widest model window
    double largest = 0;      // the largest duration less its window's lower edge
    bool background = true;  // b free in [0, 1], else held at 0
    double lambda_start = 0;
    double b_start = 0;
    // The same likelihood on fewer values, whose fit is a cheap, close start
    // (empty: none).
    LocalFunction rough_nll;
    // tau and its error when b sits at 0: those of the exponential alone.
    std::optional<double> tau_alone;
    std::function<double(double tau)> alone_error;
};

// Fills r's status, tau and its errors and interval, b and its error, the
// correlation and the warnings of the fit (not that of a large error). On a
// status other than converged, r holds what was known when it was set.
// Returns the outcome of the iteration.
NewtonOutcome fit_rate_and_background(const RateFit& fit, Result& r);

// A function of (p, b) at a fixed p minimised over b in [0, b_max] (`at(b)`
// gives it with its gradient and Hessian in (p, b)); `b` holds the start and
// gets the minimum.
double minimum_over_b(const std::function<Local(double b)>& at, double& b, double b_max);

// The errors of a charge-ratio fit, whose first parameter gives rho with
// d rho / d parameter = `rho_slope`: b's error and the correlation, rho's
// error or the warning that it sits at its limit, b at 0. False, with the
// status set, when the Hessian is not positive; `sigma` gets the parameter's
// error (NaN at its bound).
bool read_charge_ratio_errors(const NewtonOutcome& fit, double rho_slope, Result& r, double& sigma);

// The outcome of a fit whose first parameter is reported: false, with the
// status set, when it did not converge or b reached 1 (no decay signal);
// else adds the warning of a loose convergence.
bool outcome_usable(const NewtonOutcome& fit, bool background, Result& r);

}  // namespace fit::detail
