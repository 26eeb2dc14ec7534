#include "fit/detail/unbinned.h"

#include "fit/detail/goodness.h"
#include "fit/detail/likelihood.h"
#include "fit/detail/profile.h"
#include "fit/detail/reach.h"

#include <cmath>
#include <limits>
#include <optional>

namespace fit::detail {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

void fit_exponential_alone(const Sample& x, Result& r) {
    const Decay decay = x.decay();
    const std::optional<double> tau = truncated_lifetime(x.mean_s(), decay);
    if (!tau) {
        r.status = Status::no_decay_signal;
        return;
    }
    r.tau = *tau;
    if (!within_reach(*tau, x.width, x.largest_s(), r)) return;
    r.tau_error = truncated_lifetime_error(*tau, decay, x.events);
    const auto rise = [&](double t) { return truncated_nll_rise(t, *tau, x.events, x.sum_s, decay); };
    const TauInterval interval = profile_interval(rise, *tau, r.tau_error, 1e-7 * x.largest_s(), 1000 * x.width, 0.5);
    r.tau_lower = interval.lower;
    r.tau_upper = interval.upper;
    r.status = Status::converged;
}

// The exponential plus background, or mu-capture (`capture`: ln rho): tau
// and b. With b at 0 the exponential's tau and error are those of the
// exponential alone.
void fit_lifetime_and_background(const Sample& x, Likelihood& likelihood, std::optional<double> log_rho, Result& r) {
    NewtonSetup setup;
    setup.parameters = 2;
    const double lambda_min = 1e-3 / x.width;
    const double lambda_max = std::max(1e7 / x.largest_s(), 2 * lambda_min);
    setup.bounds[0] = {lambda_min, lambda_max};
    setup.bounds[1] = {0, 1};
    setup.relative_step[0] = true;
    const double ln_rho = log_rho.value_or(0);
    const auto f = [&](const Vector& p) { return likelihood.local(p[0], p[1], ln_rho); };

    const std::optional<double> tau_alone = truncated_lifetime(x.mean_s(), x.decay());
    const double lambda_start = tau_alone ? 1 / *tau_alone : 1 / x.width;
    // Once more, if need be, from the middle of the window and an even share.
    const NewtonOutcome fit =
        minimise(f, {{lambda_start, background_start(x, lambda_start), 0}, {2 / x.width, 0.5, 0}}, setup);
    if (!fit.converged) {
        r.status = Status::not_converged;
        return;
    }
    if (fit.loose) r.add(Warning::loose_convergence);
    const double lambda = fit.x[0];
    const double b = fit.x[1];
    if (b >= 1) {
        r.status = Status::no_decay_signal;
        return;
    }
    r.tau = 1 / lambda;
    r.background_fraction = b;
    if (!within_reach(r.tau, x.width, x.largest_s(), r)) return;

    const std::optional<Errors> e = errors(fit, -1);
    const bool at_zero = b <= 0 && fit.at_bound[1];
    if (at_zero) r.add(Warning::background_at_limit);
    if (at_zero && tau_alone && !log_rho) {
        r.tau = *tau_alone;
        r.tau_error = truncated_lifetime_error(*tau_alone, x.decay(), x.events);
    } else if (e) {
        r.tau_error = e->p / (lambda * lambda);
    } else {
        r.status = Status::not_converged;
        return;
    }
    if (e) {
        r.background_fraction_error = e->b;
        r.correlation = e->correlation;
    }

    const double best = fit.at.value;
    double b_start = b;
    const auto rise = [&](double t) { return likelihood.profiled(1 / t, b_start, ln_rho) - best; };
    const TauInterval interval = profile_interval(rise, r.tau, r.tau_error, 1 / lambda_max, 1 / lambda_min, 0.5);
    r.tau_lower = interval.lower;
    r.tau_upper = interval.upper;
    if (log_rho) {
        r.tau_free = r.tau;
        r.free_share = 1 / (1 + std::exp(-(ln_rho + likelihood.log_odds(1 / r.tau))));
    }
    if (1 - b < 2 * r.background_fraction_error) r.add(Warning::signal_compatible_with_zero);
    r.status = Status::converged;
}

// charge-ratio: the share pi of the positive muons and b, both lifetimes
// fixed; rho = pi / (1 - pi) e^(-log_odds). The interval of rho is that of pi
// (the profile likelihood does not depend on how the parameter is written),
// its Hessian error that of pi times d rho / d pi.
void fit_charge_ratio(const Sample& x, Likelihood& likelihood, double lambda_plus, double rho_start, Result& r) {
    NewtonSetup setup;
    setup.parameters = 2;
    setup.bounds[0] = {0, 1};
    setup.bounds[1] = {0, 1};
    const auto f = [&](const Vector& p) { return likelihood.local_share(p[0], p[1]); };
    const double odds = likelihood.log_odds(lambda_plus);
    const double pi_start = 1 / (1 + std::exp(-(std::log(rho_start) + odds)));
    const std::optional<double> tau_alone = truncated_lifetime(x.mean_s(), x.decay());
    const double b_start = background_start(x, tau_alone ? 1 / *tau_alone : lambda_plus);
    const NewtonOutcome fit = minimise(f, {{pi_start, b_start, 0}, {0.5, 0.5, 0}}, setup);
    if (!fit.converged) {
        r.status = Status::not_converged;
        return;
    }
    if (fit.loose) r.add(Warning::loose_convergence);
    const double pi = fit.x[0];
    const double b = fit.x[1];
    if (b >= 1) {
        r.status = Status::no_decay_signal;
        return;
    }
    const auto rho_of = [odds](double share) {
        if (!(share < 1)) return kInfinity;
        return share / (1 - share) * std::exp(-odds);
    };
    r.background_fraction = b;
    r.free_share = pi;
    r.rho = rho_of(pi);
    const std::optional<Errors> e = errors(fit, 1);
    if (!e) {
        r.status = Status::not_converged;
        return;
    }
    r.background_fraction_error = e->b;
    r.correlation = e->correlation;
    if (fit.at_bound[0]) {
        r.add(Warning::charge_ratio_at_limit);
    } else {
        r.rho_error = e->p * std::exp(-odds) / ((1 - pi) * (1 - pi));
    }
    if (b <= 0 && fit.at_bound[1]) r.add(Warning::background_at_limit);

    const double best = fit.at.value;
    double b_profile = b;
    const auto rise = [&](double share) { return likelihood.profiled_share(share, b_profile) - best; };
    const TauInterval interval = profile_interval(rise, pi, std::isfinite(e->p) ? e->p : 0.1, 1e-12, 1, 0.5);
    r.rho_lower = rho_of(interval.lower);
    r.rho_upper = rho_of(interval.upper);
    if (1 - b < 2 * r.background_fraction_error) r.add(Warning::signal_compatible_with_zero);
    r.status = Status::converged;
}

}  // namespace

void fit_unbinned(const Sample& x, const Request& q, Result& r) {
    r.lattice_step = x.step;
    r.model_lower = x.lower;
    r.model_upper = x.lower + x.width;
    if (x.step > 0) r.add(Warning::clock_grid);
    if (x.start_left_out) r.add(Warning::grid_start_left_out);
    Likelihood likelihood(x);
    const double lambda_minus = q.unit_ns / q.muons.tau_minus_ns;
    const double lambda_plus = q.unit_ns / kFreeLifetimeNs;
    switch (q.model) {
        case Model::exp_only: fit_exponential_alone(x, r); break;
        case Model::exp_flat: fit_lifetime_and_background(x, likelihood, std::nullopt, r); break;
        case Model::mu_capture:
            likelihood.set_negative(lambda_minus);
            r.tau_minus = 1 / lambda_minus;
            r.rho = q.muons.rho;
            fit_lifetime_and_background(x, likelihood, std::log(q.muons.rho), r);
            break;
        case Model::charge_ratio:
            likelihood.set_negative(lambda_minus);
            likelihood.set_positive(lambda_plus);
            r.tau_minus = 1 / lambda_minus;
            r.tau_free = 1 / lambda_plus;
            fit_charge_ratio(x, likelihood, lambda_plus, q.muons.rho, r);
            break;
    }
    if (r.status != Status::converged) return;
    if (r.tau_error > r.tau / 2) r.add(Warning::large_error);

    // The goodness of fit: the model's share of the decays in each class.
    const Decay decay = x.decay();
    const double b = has_background(q.model) ? r.background_fraction : 0;
    const auto share = [&](double lo, double hi) {
        if (!is_capture_model(q.model)) return decay.share(1 / r.tau, lo, hi);
        return r.free_share * decay.share(1 / r.tau_free, lo, hi) +
               (1 - r.free_share) * decay.share(1 / r.tau_minus, lo, hi);
    };
    r.goodness = goodness_of_unbinned(x, static_cast<double>(q.classes.dX), share, b, has_background(q.model) ? 2 : 1);
}

}  // namespace fit::detail
