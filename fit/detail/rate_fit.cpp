#include "fit/detail/rate_fit.h"

#include "fit/detail/likelihood.h"
#include "fit/detail/profile.h"
#include "fit/detail/reach.h"

#include <algorithm>
#include <cmath>

namespace fit::detail {

double minimum_over_b(const std::function<Local(double b)>& at, double& b, double b_max) {
    NewtonSetup setup;
    setup.parameters = 1;
    setup.bounds[0] = {0, b_max};
    const auto f = [&](const Vector& p) {
        const Local two = at(p[0]);
        Local one;
        one.value = two.value;
        one.gradient[0] = two.gradient[1];
        one.hessian[0][0] = two.hessian[1][1];
        return one;
    };
    const NewtonOutcome fit = minimise(f, {{b, 0, 0}, {b_max / 2, 0, 0}}, setup);
    b = fit.x[0];
    return fit.at.value;
}

bool read_charge_ratio_errors(const NewtonOutcome& fit, double rho_slope, Result& r, double& sigma) {
    const std::optional<Errors> e = errors(fit, 1);
    if (!e) {
        r.status = Status::not_converged;
        return false;
    }
    sigma = e->p;
    r.background_fraction_error = e->b;
    r.correlation = e->correlation;
    if (fit.at_bound[0]) {
        r.add(Warning::charge_ratio_at_limit);
    } else {
        r.rho_error = e->p * rho_slope;
    }
    if (fit.x[1] <= 0 && fit.at_bound[1]) r.add(Warning::background_at_limit);
    return true;
}

bool outcome_usable(const NewtonOutcome& fit, bool background, Result& r) {
    if (!fit.converged) {
        r.status = Status::not_converged;
        return false;
    }
    if (fit.loose) r.add(Warning::loose_convergence);
    if (background && fit.x[1] >= 1) {
        r.status = Status::no_decay_signal;
        return false;
    }
    return true;
}

NewtonOutcome fit_rate_and_background(const RateFit& q, Result& r) {
    NewtonSetup setup;
    setup.parameters = 2;
    const double lambda_min = 1e-3 / q.width;
    const double lambda_max = std::max(1e7 / q.largest, 2 * lambda_min);
    const double b_max = q.background ? 1 : 0;
    setup.bounds[0] = {lambda_min, lambda_max};
    setup.bounds[1] = {0, b_max};
    setup.relative_step[0] = true;
    // Once more, if need be, from the middle of the window and an even share.
    Vector start{q.lambda_start, q.b_start, 0};
    const Vector middle{2 / q.width, b_max / 2, 0};
    NewtonOutcome rough;
    if (q.rough_nll) {
        rough = minimise(q.rough_nll, {start, middle}, setup);
        if (rough.converged) start = rough.x;
    }
    const NewtonOutcome fit = minimise(q.nll, {start, {q.lambda_start, q.b_start, 0}, middle}, setup);
    if (!outcome_usable(fit, q.background, r)) return fit;
    const double lambda = fit.x[0];
    const double b = fit.x[1];
    r.tau = 1 / lambda;
    if (q.background) r.background_fraction = b;
    if (!within_reach(r.tau, q.width, q.largest, r)) return fit;

    const std::optional<Errors> e = errors(fit, -1);
    const bool at_zero = q.background && b <= 0 && fit.at_bound[1];
    if (at_zero) r.add(Warning::background_at_limit);
    if (at_zero && q.tau_alone) {
        r.tau = *q.tau_alone;
        r.tau_error = q.alone_error(r.tau);
    } else if (e) {
        r.tau_error = e->p / (lambda * lambda);
    } else {
        r.status = Status::not_converged;
        return fit;
    }
    if (e && q.background) {
        r.background_fraction_error = e->b;
        r.correlation = e->correlation;
    }

    // The interval: each side by Newton's crossing, else by searching the profile.
    const double sigma_lambda = e && std::isfinite(e->p) ? e->p : r.tau_error * lambda * lambda;
    double b_profile = b;
    const auto rise = [&](double t) { return q.profiled(1 / t, b_profile) - fit.at.value; };
    const auto side = [&](int toward, double end, double none) {
        // A higher rate is a shorter lifetime.
        // The crossing of the close likelihood first, when there is one: a start a few steps nearer.
        std::optional<double> near;
        if (rough.converged && !rough.at_bound[1] == !fit.at_bound[1]) {
            near = newton_crossing(q.rough_nll, rough, sigma_lambda, toward, setup, 0.5);
        }
        if (const std::optional<double> at = newton_crossing(q.nll, fit, sigma_lambda, toward, setup, 0.5, near)) {
            return 1 / *at;
        }
        return profile_crossing(rise, r.tau, r.tau_error, end, 0.5, none);
    };
    r.tau_upper = side(-1, 1 / lambda_min, INFINITY);
    r.tau_lower = side(+1, 1 / lambda_max, 0.0);
    if (q.background && 1 - b < 2 * r.background_fraction_error) r.add(Warning::signal_compatible_with_zero);
    r.status = Status::converged;
    return fit;
}

}  // namespace fit::detail
