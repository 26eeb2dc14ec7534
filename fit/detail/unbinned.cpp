#include "fit/detail/unbinned.h"

#include "fit/detail/goodness.h"
#include "fit/detail/guarded_log.h"
#include "fit/detail/newton.h"
#include "fit/detail/profile.h"
#include "fit/detail/reach.h"
#include "fit/detail/truncated_exponential.h"

#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace fit::detail {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// e^(-lambda s) for every value of the sample. On a clock grid each comes from
// the one before by a power of e^(-lambda D), and afresh every 64 values, which
// keeps it within 1e-14 of the direct exponential at a fraction of the cost.
void decay_terms(const Sample& x, double lambda, std::vector<double>& e) {
    const std::size_t m = x.s.size();
    e.resize(m);
    if (x.step <= 0) {
        for (std::size_t k = 0; k < m; ++k) e[k] = std::exp(-lambda * x.s[k]);
        return;
    }
    const double r = std::exp(-lambda * x.step);
    for (std::size_t k = 0; k < m; ++k) {
        const std::int64_t gap = k == 0 ? 0 : x.position[k] - x.position[k - 1];
        if (k % 64 == 0 || gap > 3) {
            e[k] = std::exp(-lambda * x.s[k]);
        } else {
            double factor = 1;
            for (std::int64_t i = 0; i < gap; ++i) factor *= r;
            e[k] = e[k - 1] * factor;
        }
    }
}

// The density of each value for the rate lambda: norm(lambda) e^(-lambda s).
void densities(const Sample& x, double lambda, std::vector<double>& g) {
    decay_terms(x, lambda, g);
    const double norm = x.decay().norm(lambda);
    for (double& e : g) e *= norm;
}

// Adds one value's -c ln f to the NLL, its gradient and Hessian in (p, b),
// from f's derivatives in p and b (f is linear in b).
void add_value(Local& l, double c, const GuardedLog& ln, double f_p, double f_b, double f_pp, double f_pb) {
    l.value -= c * ln.value;
    l.gradient[0] -= c * ln.d1 * f_p;
    l.gradient[1] -= c * ln.d1 * f_b;
    l.hessian[0][0] -= c * (ln.d2 * f_p * f_p + ln.d1 * f_pp);
    l.hessian[0][1] -= c * (ln.d2 * f_p * f_b + ln.d1 * f_pb);
    l.hessian[1][1] -= c * ln.d2 * f_b * f_b;
}

// The likelihood of the signal plus the flat background b on one sample,
//   f(s) = (1 - b) S(s) + b / W,
// the signal S the exponential of rate lambda, or for the capture models the
// decays of the two charges:
//   S(s) = pi g+(s) + (1 - pi) g-(s),  g(s) = norm(lambda) e^(-lambda s),
// pi the share of the positive muons among the decays in the window:
//   pi = rho A+ / (rho A+ + A-),  A = e^(-lambda a) / norm(lambda)
// (A is the integral of e^(-lambda t) over the window, a its lower edge; on a
// grid, D times the sum over its grid values: each component is weighted by
// its decays at the grid values).
class Likelihood {
public:
    explicit Likelihood(const Sample& x) : x_(x), decay_(x.decay()), floor_(1e-30 / x.width) {}

    // The negative muons' rate, fixed (the capture models).
    void set_negative(double lambda_minus) {
        lambda_minus_ = lambda_minus;
        densities(x_, lambda_minus, minus_);
    }
    // The positive muons' rate, fixed (charge-ratio).
    void set_positive(double lambda_plus) {
        lambda_plus_ = lambda_plus;
        densities(x_, lambda_plus, plus_);
    }
    bool capture() const { return !minus_.empty(); }

    // ln(pi / (1 - pi)) at the rate lambda of the positive muons, for rho = 1.
    double log_odds(double lambda) const {
        return -(lambda - lambda_minus_) * x_.lower - decay_.log_norm_ratio(lambda, lambda_minus_);
    }

    // NLL with its gradient and Hessian in (lambda, b): the exponential, or
    // mu-capture with rho fixed (ln rho given).
    Local local(double lambda, double b, double log_rho = 0) {
        const double w = x_.width;
        const double mean = decay_.mean(lambda);
        const double variance = decay_.variance(lambda);
        densities(x_, lambda, e_);
        // The share and its derivatives: d ln(pi / (1 - pi)) / d lambda = -(a + mean).
        double pi = 1, pi_l = 0, pi_ll = 0;
        if (capture()) {
            pi = 1 / (1 + std::exp(-(log_rho + log_odds(lambda))));
            const double q = pi * (1 - pi);
            const double odds_l = -(x_.lower + mean);
            pi_l = q * odds_l;
            pi_ll = q * ((1 - 2 * pi) * odds_l * odds_l + variance);
        }
        Local l;
        for (std::size_t k = 0; k < e_.size(); ++k) {
            const double g = e_[k];
            const double minus = capture() ? minus_[k] : 0;
            const double dm = mean - x_.s[k];
            const double g_l = g * dm;
            const double g_ll = g * (dm * dm - variance);
            const double s = pi * g + (1 - pi) * minus;
            const double s_l = pi_l * (g - minus) + pi * g_l;
            const double s_ll = pi_ll * (g - minus) + 2 * pi_l * g_l + pi * g_ll;
            add_value(l, x_.weight[k], guarded_log((1 - b) * s + b / w, floor_), (1 - b) * s_l, 1 / w - s,
                      (1 - b) * s_ll, -s_l);
        }
        l.hessian[1][0] = l.hessian[0][1];
        return l;
    }

    // NLL with its gradient and Hessian in (pi, b), both rates fixed: charge-ratio.
    Local local_share(double pi, double b) const {
        const double w = x_.width;
        Local l;
        for (std::size_t k = 0; k < plus_.size(); ++k) {
            const double d = plus_[k] - minus_[k];
            const double s = minus_[k] + pi * d;
            add_value(l, x_.weight[k], guarded_log((1 - b) * s + b / w, floor_), (1 - b) * d, 1 / w - s, 0, -d);
        }
        l.hessian[1][0] = l.hessian[0][1];
        return l;
    }

    // NLL at lambda minimised over b (a convex problem: each value's -ln f
    // is convex in b); `b` holds the start and gets the minimum.
    double profiled(double lambda, double& b, double log_rho = 0) {
        densities(x_, lambda, e_);
        if (capture()) {
            const double pi = 1 / (1 + std::exp(-(log_rho + log_odds(lambda))));
            for (std::size_t k = 0; k < e_.size(); ++k) e_[k] = pi * e_[k] + (1 - pi) * minus_[k];
            return over_background(b);
        }
        const double value = over_background(b);
        // The exponential alone, whose likelihood needs no logarithm per value.
        if (b == 0) return -x_.events * std::log(decay_.norm(lambda)) + lambda * x_.sum_s;
        return value;
    }

    // The same at the share pi, both rates fixed.
    double profiled_share(double pi, double& b) {
        e_.resize(plus_.size());
        for (std::size_t k = 0; k < e_.size(); ++k) e_[k] = pi * plus_[k] + (1 - pi) * minus_[k];
        return over_background(b);
    }

private:
    const Sample& x_;
    Decay decay_;
    double floor_;
    double lambda_minus_ = 0;
    double lambda_plus_ = 0;
    std::vector<double> minus_;  // g- at every value
    std::vector<double> plus_;   // g+ at every value, when its rate is fixed
    std::vector<double> e_;      // work: the signal's density at every value

    // -sum c ln((1 - b) S + b / W) with S in e_, minimised over b in [0, 1];
    // its value (not computed when b = 0, where the caller has a shorter way).
    double over_background(double& b) const {
        const double w = x_.width;
        const auto slope = [&](double bb) {
            double d1 = 0;
            double d2 = 0;
            for (std::size_t k = 0; k < e_.size(); ++k) {
                const double f_b = 1 / w - e_[k];
                const double inv = 1 / std::max((1 - bb) * e_[k] + bb / w, floor_);
                d1 -= x_.weight[k] * f_b * inv;
                d2 += x_.weight[k] * f_b * f_b * inv * inv;
            }
            return std::make_tuple(d1, d2);
        };
        if (std::get<0>(slope(0.0)) >= 0) {
            b = 0;
        } else if (std::get<0>(slope(1.0)) <= 0) {
            b = 1;
        } else {
            std::uintmax_t iterations = 60;
            b = boost::math::tools::newton_raphson_iterate(slope, std::clamp(b, 0.0, 1.0), 0.0, 1.0, 24, iterations);
        }
        if (b == 0 && !capture()) return 0;
        double value = 0;
        for (std::size_t k = 0; k < e_.size(); ++k) {
            value -= x_.weight[k] * guarded_log((1 - b) * e_[k] + b / w, floor_).value;
        }
        return value;
    }
};

// A start for b: the share of the window's upper half beyond what the
// exponential of rate lambda puts there, as if all of it were background.
double background_start(const Sample& x, double lambda) {
    double upper = 0;
    for (std::size_t k = 0; k < x.s.size(); ++k) {
        if (x.s[k] > x.width / 2) upper += x.weight[k];
    }
    const double u = lambda * x.width;
    const double tail = std::exp(-u / 2) * -std::expm1(-u / 2) / -std::expm1(-u);
    if (!(tail < 0.45)) return 0.5;
    return std::clamp((upper / x.events - tail) / (0.5 - tail), 0.01, 0.9);
}

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

// The errors of a fit in (p, b) from the inverse Hessian: b's and the
// correlation from the whole matrix, p's over the parameters not held at a
// bound (nothing when p is held). The sign of the correlation follows that of
// the reported parameter against p. False when the Hessian is not positive.
struct Errors {
    double p = kNone;
    double b = kNone;
    double correlation = kNone;
};

std::optional<Errors> errors(const NewtonOutcome& fit, double sign) {
    Errors e;
    Matrix cov;
    if (invert_positive(fit.at.hessian, 2, cov)) {
        e.b = std::sqrt(cov[1][1]);
        e.correlation = sign * cov[0][1] / std::sqrt(cov[0][0] * cov[1][1]);
        if (!fit.at_bound[0] && !fit.at_bound[1]) e.p = std::sqrt(cov[0][0]);
    }
    if (!fit.at_bound[0] && fit.at_bound[1]) {
        if (!(fit.at.hessian[0][0] > 0)) return std::nullopt;
        e.p = 1 / std::sqrt(fit.at.hessian[0][0]);
    }
    if (!fit.at_bound[0] && !std::isfinite(e.p)) return std::nullopt;
    return e;
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
