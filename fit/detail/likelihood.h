#pragma once
// The likelihood of the unbinned fits on one sample: the exponential (or the
// capture models' two decays) plus the flat background, with its gradient and
// Hessian, and profiled over the background. The fit of one run takes one; a
// combination of runs sums theirs.
#include "fit/detail/exponential_sums.h"
#include "fit/detail/guarded_log.h"
#include "fit/detail/newton.h"
#include "fit/detail/sample.h"
#include "fit/detail/truncated_exponential.h"
#include "fit/types.h"

#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

namespace fit::detail {

// e^(-lambda s) for every value of the sample. On a clock grid each comes from
// the one before by a power of e^(-lambda D), and afresh every 64 values, which
// keeps it within 1e-14 of the direct exponential at a fraction of the cost.
inline void decay_terms(const Sample& x, double lambda, std::vector<double>& e) {
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
inline void densities(const Sample& x, double lambda, std::vector<double>& g) {
    decay_terms(x, lambda, g);
    const double norm = x.decay().norm(lambda);
    for (double& e : g) e *= norm;
}

// Adds one value's -c ln f to the NLL, its gradient and Hessian in (p, b),
// from f's derivatives in p and b (f is linear in b).
inline void add_value(Local& l, double c, const GuardedLog& ln, double f_p, double f_b, double f_pp, double f_pb) {
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
    double negative_rate() const { return lambda_minus_; }

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
        if (!capture()) return local_exponential(lambda, b, mean, variance);
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
            const double minus = minus_[k];
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

    // The same for the exponential alone (pi = 1): the sums of each value's
    // terms in one pass, the densities computed on the way, then the NLL's
    // derivatives from them. On a clock grid the density of a grid value is
    // its cell's probability over D, norm e^(-lambda s) with the grid's norm,
    // whose logarithm's derivative is again the grid's mean: the same sums.
    Local local_exponential(double lambda, double b, double mean, double variance) {
        const ExponentialPoint point{lambda, decay_.norm(lambda), mean, b, x_.width, floor_};
        const ExponentialSums sums = exponential_sums(x_.s.data(), x_.weight.data(), x_.s.size(), point);
        Local l;
        l.value = sums.value;
        l.gradient[0] = -(1 - b) * sums.a_l;
        l.gradient[1] = -sums.a_b;
        // g_ll = g dm^2 - g variance
        l.hessian[0][0] = -((1 - b) * (1 - b) * sums.q_ll + (1 - b) * (sums.a_ll - variance * sums.a_g));
        l.hessian[0][1] = -((1 - b) * sums.q_lb - sums.a_l);
        l.hessian[1][1] = -sums.q_bb;
        l.hessian[1][0] = l.hessian[0][1];
        return l;
    }

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

// Samples off a grid with more values than this get a start from their
// thinned likelihood (sample.h).
constexpr std::size_t kRoughValues = 16384;

inline std::size_t thinning(const Sample& x) {
    return x.step > 0 || x.distinct() <= 4 * kRoughValues ? 1 : x.distinct() / kRoughValues;
}

// The share of the window's upper half beyond what the exponential of rate
// lambda puts there, as if all of it were background (0 or less: no more than
// the exponential's); 0.5 when the exponential is too flat to tell.
inline double background_estimate(const Sample& x, double lambda) {
    double upper = 0;
    for (std::size_t k = 0; k < x.s.size(); ++k) {
        if (x.s[k] > x.width / 2) upper += x.weight[k];
    }
    const double u = lambda * x.width;
    const double tail = std::exp(-u / 2) * -std::expm1(-u / 2) / -std::expm1(-u);
    if (!(tail < 0.45)) return 0.5;
    return (upper / x.events - tail) / (0.5 - tail);
}

// A start for b: that estimate, kept off the bounds.
inline double background_start(const Sample& x, double lambda) {
    return std::clamp(background_estimate(x, lambda), 0.01, 0.9);
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

inline std::optional<Errors> errors(const NewtonOutcome& fit, double sign) {
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

}  // namespace fit::detail
