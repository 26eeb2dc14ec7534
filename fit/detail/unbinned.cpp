#include "fit/detail/unbinned.h"

#include "fit/detail/guarded_log.h"
#include "fit/detail/newton.h"
#include "fit/detail/profile.h"
#include "fit/detail/reach.h"
#include "fit/detail/truncated_exponential.h"

#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <vector>

namespace fit::detail {

namespace {

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

// The likelihood of exponential plus background on one sample.
class ExpFlat {
public:
    explicit ExpFlat(const Sample& x) : x_(x), floor_(1e-30 / x.width) {}

    // NLL with its gradient and Hessian in (lambda, b).
    Local local(double lambda, double b) {
        const double w = x_.width;
        const double u = lambda * w;
        const double norm = lambda / -std::expm1(-u);
        const double mean = w * mean_over_width(u);
        const double variance = w * w * variance_over_width2(u);
        decay_terms(x_, lambda, e_);
        Local l;
        for (std::size_t k = 0; k < e_.size(); ++k) {
            const double g = norm * e_[k];
            const double f = (1 - b) * g + b / w;
            const double dm = mean - x_.s[k];
            const double f_l = (1 - b) * g * dm;
            const double f_b = 1 / w - g;
            const double f_ll = (1 - b) * g * (dm * dm - variance);
            const double f_lb = -g * dm;
            const GuardedLog ln = guarded_log(f, floor_);
            const double c = x_.weight[k];
            l.value -= c * ln.value;
            l.gradient[0] -= c * ln.d1 * f_l;
            l.gradient[1] -= c * ln.d1 * f_b;
            l.hessian[0][0] -= c * (ln.d2 * f_l * f_l + ln.d1 * f_ll);
            l.hessian[0][1] -= c * (ln.d2 * f_l * f_b + ln.d1 * f_lb);
            l.hessian[1][1] -= c * ln.d2 * f_b * f_b;
        }
        l.hessian[1][0] = l.hessian[0][1];
        return l;
    }

    // NLL at lambda, minimised over b (a convex problem: each event's -ln f is
    // convex in b). The exponentials are computed once; `b` holds the start
    // and gets the minimum.
    double profiled(double lambda, double& b) {
        const double w = x_.width;
        const double norm = lambda / -std::expm1(-lambda * w);
        decay_terms(x_, lambda, e_);
        for (double& e : e_) e *= norm;  // now the exponential's density g
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
            // The exponential alone, whose likelihood needs no logarithm per value.
            b = 0;
            return -x_.events * std::log(norm) + lambda * x_.sum_s;
        }
        if (std::get<0>(slope(1.0)) <= 0) {
            b = 1;
        } else {
            std::uintmax_t iterations = 60;
            b = boost::math::tools::newton_raphson_iterate(slope, std::clamp(b, 0.0, 1.0), 0.0, 1.0, 24, iterations);
        }
        double value = 0;
        for (std::size_t k = 0; k < e_.size(); ++k) {
            value -= x_.weight[k] * guarded_log((1 - b) * e_[k] + b / w, floor_).value;
        }
        return value;
    }

private:
    const Sample& x_;
    double floor_;
    std::vector<double> e_;
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
    const std::optional<double> tau = truncated_lifetime(x.mean_s(), x.width);
    if (!tau) {
        r.status = Status::no_decay_signal;
        return;
    }
    r.tau = *tau;
    if (!within_reach(*tau, x.width, x.largest_s(), r)) return;
    r.tau_error = truncated_lifetime_error(*tau, x.width, x.events);
    const auto rise = [&](double t) { return truncated_nll_rise(t, *tau, x.events, x.sum_s, x.width); };
    const TauInterval interval = profile_interval(rise, *tau, r.tau_error, 1e-7 * x.largest_s(), 1000 * x.width, 0.5);
    r.tau_lower = interval.lower;
    r.tau_upper = interval.upper;
    r.status = Status::converged;
}

void fit_exponential_and_background(const Sample& x, Result& r) {
    ExpFlat likelihood(x);
    NewtonSetup setup;
    setup.parameters = 2;
    const double lambda_min = 1e-3 / x.width;
    const double lambda_max = std::max(1e7 / x.largest_s(), 2 * lambda_min);
    setup.bounds[0] = {lambda_min, lambda_max};
    setup.bounds[1] = {0, 1};
    setup.relative_step[0] = true;
    const auto f = [&](const Vector& p) { return likelihood.local(p[0], p[1]); };

    const std::optional<double> tau_alone = truncated_lifetime(x.mean_s(), x.width);
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

    Matrix cov;
    const bool positive = invert_positive(fit.at.hessian, 2, cov);
    if (positive) {
        r.background_fraction_error = std::sqrt(cov[1][1]);
        r.correlation = -cov[0][1] / std::sqrt(cov[0][0] * cov[1][1]);
    }
    const bool at_zero = b <= 0 && fit.at_bound[1];
    if (at_zero && tau_alone) {
        r.add(Warning::background_at_limit);
        r.tau = *tau_alone;
        r.tau_error = truncated_lifetime_error(*tau_alone, x.width, x.events);
    } else if (positive) {
        r.tau_error = std::sqrt(cov[0][0]) / (lambda * lambda);
    } else {
        r.status = Status::not_converged;
        return;
    }

    const double best = fit.at.value;
    double b_start = b;
    const auto rise = [&](double t) { return likelihood.profiled(1 / t, b_start) - best; };
    const TauInterval interval = profile_interval(rise, r.tau, r.tau_error, 1 / lambda_max, 1 / lambda_min, 0.5);
    r.tau_lower = interval.lower;
    r.tau_upper = interval.upper;
    if (1 - b < 2 * r.background_fraction_error) r.add(Warning::signal_compatible_with_zero);
    r.status = Status::converged;
}

}  // namespace

void fit_unbinned(const Sample& x, Model model, Result& r) {
    r.lattice_step = x.step;
    r.model_lower = x.lower;
    r.model_upper = x.lower + x.width;
    if (x.step > 0) r.add(Warning::clock_grid);
    if (model == Model::exp_only) {
        fit_exponential_alone(x, r);
    } else {
        fit_exponential_and_background(x, r);
    }
    if (r.status == Status::converged && r.tau_error > r.tau / 2) r.add(Warning::large_error);
}

}  // namespace fit::detail
