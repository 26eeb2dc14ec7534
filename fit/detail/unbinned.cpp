#include "fit/detail/unbinned.h"

#include "fit/detail/goodness.h"
#include "fit/detail/likelihood.h"
#include "fit/detail/profile.h"
#include "fit/detail/rate_fit.h"
#include "fit/detail/reach.h"

#include <algorithm>
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
    const double ln_rho = log_rho.value_or(0);
    RateFit q;
    q.nll = [&](const Vector& p) { return likelihood.local(p[0], p[1], ln_rho); };
    q.profiled = [&](double lambda, double& b) { return likelihood.profiled(lambda, b, ln_rho); };
    q.width = x.width;
    q.largest = x.largest_s();
    const std::optional<double> tau_alone = truncated_lifetime(x.mean_s(), x.decay());
    q.lambda_start = tau_alone ? 1 / *tau_alone : 1 / x.width;
    // With hardly more in the window's upper half than the exponential alone
    // puts there, the start is the exponential alone's fit (b at 0), the
    // minimum when b stays there: the iteration then ends at its first point.
    const double estimate = background_estimate(x, q.lambda_start);
    q.b_start = !log_rho && tau_alone && estimate < 0.01 ? 0 : std::clamp(estimate, 0.01, 0.9);
    if (!log_rho) {
        q.tau_alone = tau_alone;
        q.alone_error = [&x](double tau) { return truncated_lifetime_error(tau, x.decay(), x.events); };
    }
    // A large sample off a grid starts from the fit of its thinned values.
    const std::size_t every = thinning(x);
    const Sample rough = every > 1 ? thinned(x, every) : Sample();
    Likelihood rough_likelihood(every > 1 ? rough : x);
    if (every > 1) {
        if (log_rho) rough_likelihood.set_negative(likelihood.negative_rate());
        q.rough_nll = [&](const Vector& p) { return rough_likelihood.local(p[0], p[1], ln_rho); };
    }
    fit_rate_and_background(q, r);
    if (r.status != Status::converged) return;
    if (log_rho) {
        r.tau_free = r.tau;
        r.free_share = 1 / (1 + std::exp(-(ln_rho + likelihood.log_odds(1 / r.tau))));
    }
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
    if (!outcome_usable(fit, true, r)) return;
    const double pi = fit.x[0];
    const double b = fit.x[1];
    const auto rho_of = [odds](double share) {
        if (!(share < 1)) return kInfinity;
        return share / (1 - share) * std::exp(-odds);
    };
    r.background_fraction = b;
    r.free_share = pi;
    r.rho = rho_of(pi);
    double sigma_pi = kNone;
    if (!read_charge_ratio_errors(fit, std::exp(-odds) / ((1 - pi) * (1 - pi)), r, sigma_pi)) return;

    const double best = fit.at.value;
    double b_profile = b;
    const auto rise = [&](double share) { return likelihood.profiled_share(share, b_profile) - best; };
    const double sigma = std::isfinite(sigma_pi) ? sigma_pi : 0.1;
    const auto side = [&](int toward, double end) {
        if (const std::optional<double> at = newton_crossing(f, fit, sigma, toward, setup, 0.5)) return *at;
        return profile_crossing(rise, pi, sigma, end, 0.5, toward > 0 ? 1.0 : 0.0);
    };
    r.rho_upper = rho_of(side(+1, 1));
    r.rho_lower = rho_of(side(-1, 1e-12));
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
