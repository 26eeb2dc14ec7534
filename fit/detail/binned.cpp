#include "fit/detail/binned.h"

#include "fit/detail/goodness.h"
#include "fit/detail/guarded_log.h"
#include "fit/detail/newton.h"
#include "fit/detail/profile.h"
#include "fit/detail/reach.h"
#include "fit/detail/truncated_exponential.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace fit::detail {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The chi2 of the classes against the model, in the parameters (A, lambda, B).
class Chi2 {
public:
    Chi2(std::span<const double> counts, double dX, std::int32_t first) : n_(counts), dX_(dX), first_(first) {}

    // Expected count of the class at `i` of the span.
    double expected(double a, double lambda, double b, std::size_t i) const {
        const double q = lambda * dX_;
        const double k = first_ + static_cast<double>(i);
        return a * std::exp(-k * q) * -std::expm1(-q) / q + b;
    }

    Local local(double a, double lambda, double b) const {
        const double q = lambda * dX_;
        const double h = mean_over_width(q);
        const double v = variance_over_width2(q);
        const double shape0 = -std::expm1(-q) / q;
        Local l;
        for (std::size_t i = 0; i < n_.size(); ++i) {
            const double k = first_ + static_cast<double>(i);
            const double e = std::exp(-k * q) * shape0;
            const double mu = a * e + b;
            const double n = n_[i];
            const double kh = k + h;
            const double mu_a = e;
            const double mu_l = -dX_ * a * e * kh;
            const double mu_al = -dX_ * e * kh;
            const double mu_ll = dX_ * dX_ * a * e * (kh * kh + v);
            const GuardedLog ln = guarded_log(mu, 1e-30);
            const double t1 = 2 * (1 - n * ln.d1);
            const double t2 = -2 * n * ln.d2;
            l.value += 2 * (mu - n + (n > 0 ? n * (std::log(n) - ln.value) : 0));
            const double mu_t[3] = {mu_a, mu_l, 1};
            for (int p = 0; p < 3; ++p) {
                l.gradient[p] += t1 * mu_t[p];
                for (int r = 0; r <= p; ++r) l.hessian[p][r] += t2 * mu_t[p] * mu_t[r];
            }
            l.hessian[1][0] += t1 * mu_al;
            l.hessian[1][1] += t1 * mu_ll;
        }
        for (int p = 0; p < 3; ++p) {
            for (int r = p + 1; r < 3; ++r) l.hessian[p][r] = l.hessian[r][p];
        }
        return l;
    }

private:
    std::span<const double> n_;
    double dX_;
    std::int32_t first_;
};

// The parameters in the Newton iteration's order, with B last and absent for
// the exponential alone.
Local with_lambda_fixed(const Local& l) {
    Local r;
    r.value = l.value;
    const int keep[2] = {0, 2};
    for (int p = 0; p < 2; ++p) {
        r.gradient[p] = l.gradient[keep[p]];
        for (int q = 0; q < 2; ++q) r.hessian[p][q] = l.hessian[keep[p]][keep[q]];
    }
    return r;
}

}  // namespace

void fit_classes(std::span<const double> counts, double dX, std::int32_t first, Model model, Result& r) {
    const bool background = has_background(model);
    const auto m = static_cast<double>(counts.size());
    double total = 0;
    int filled = 0;
    for (const double n : counts) {
        total += n;
        if (n > 0) ++filled;
    }
    r.events = total;
    if (counts.size() < static_cast<std::size_t>(kMinClasses)) {
        r.status = Status::too_few_classes;
        return;
    }
    if (total <= 0) {
        r.status = Status::no_event;
        return;
    }
    if (total < kMinEvents) {
        r.status = Status::too_few_events;
        return;
    }
    if (filled < 2) {
        r.status = Status::all_equal;
        return;
    }

    const Chi2 chi2(counts, dX, first);
    const double span = m * dX;
    NewtonSetup setup;
    setup.parameters = background ? 3 : 2;
    setup.bounds[0] = {0, kInfinity};
    setup.bounds[1] = {1e-3 / span, 1e7 / span};
    setup.bounds[2] = {0, kInfinity};
    setup.relative_step[1] = true;
    const auto f = [&](const Vector& p) { return chi2.local(p[0], p[1], background ? p[2] : 0); };

    // Start: B from the last quarter of the classes, tau from the mean
    // position of what stands above it, A from the sum above it.
    const std::size_t tail = std::max<std::size_t>(1, counts.size() / 4);
    double b0 = 0;
    if (background) {
        for (std::size_t i = counts.size() - tail; i < counts.size(); ++i) b0 += counts[i];
        b0 /= static_cast<double>(tail);
    }
    double above = 0;
    double moment = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double excess = std::max(counts[i] - b0, 0.0);
        above += excess;
        moment += excess * (static_cast<double>(i) + 0.5) * dX;
    }
    const std::optional<double> tau0 = above > 0 ? truncated_lifetime(moment / above, Decay{span, 0}) : std::nullopt;
    const double lambda0 = 1 / tau0.value_or(span / 2);
    double shapes = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) shapes += chi2.expected(1, lambda0, 0, i);
    const double a0 = shapes > 0 ? std::max(above, 1.0) / shapes : total;

    // Once more, if need be, from the middle of the range and an even share.
    const NewtonOutcome fit = minimise(f, {{a0, lambda0, b0}, {total, 2 / span, 0.5 * total / m}}, setup);
    if (!fit.converged) {
        r.status = Status::not_converged;
        return;
    }
    if (fit.loose) r.add(Warning::loose_convergence);
    const double a = fit.x[0];
    const double lambda = fit.x[1];
    const double b = background ? fit.x[2] : 0;
    r.tau = 1 / lambda;
    r.amplitude = a;
    r.background_per_class = b;
    if (background) r.background_fraction = b * m / total;
    if (a <= 0) {
        r.status = Status::no_decay_signal;
        return;
    }
    if (!within_reach(r.tau, span, span, r)) return;

    // Errors: twice the inverse Hessian of the chi2, over the parameters not
    // held at a bound; B's from the whole Hessian.
    const int parameters = setup.parameters;
    const bool held_b = background && fit.at_bound[2];
    Matrix cov;
    if (!invert_positive(fit.at.hessian, held_b ? 2 : parameters, cov)) {
        r.status = Status::not_converged;
        return;
    }
    r.tau_error = std::sqrt(2 * cov[1][1]) / (lambda * lambda);
    r.amplitude_error = std::sqrt(2 * cov[0][0]);
    Matrix whole;
    if (background && invert_positive(fit.at.hessian, 3, whole)) {
        r.background_per_class_error = std::sqrt(2 * whole[2][2]);
        r.background_fraction_error = r.background_per_class_error * m / total;
        r.correlation = -whole[1][2] / std::sqrt(whole[1][1] * whole[2][2]);
    }
    if (held_b) r.add(Warning::background_at_limit);

    // The interval of tau: the chi2 minimised over A and B at each tau.
    NewtonSetup inner;
    inner.parameters = background ? 2 : 1;
    inner.bounds[0] = {0, kInfinity};
    inner.bounds[1] = {0, kInfinity};
    Vector warm{a, b, 0};
    const auto rise = [&](double t) {
        const double l = 1 / t;
        const auto g = [&](const Vector& p) { return with_lambda_fixed(chi2.local(p[0], l, p[1])); };
        const NewtonOutcome o = minimise(g, warm, inner);
        warm = o.x;
        return o.at.value - fit.at.value;
    };
    const TauInterval interval =
        profile_interval(rise, r.tau, r.tau_error, 1 / setup.bounds[1].upper, 1 / setup.bounds[1].lower, 1.0);
    r.tau_lower = interval.lower;
    r.tau_upper = interval.upper;

    std::vector<double> expected(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) expected[i] = chi2.expected(a, lambda, b, i);
    r.goodness = goodness({counts.begin(), counts.end()}, std::move(expected), parameters);
    r.goodness.first_class = first;
    r.goodness.width.assign(counts.size(), dX);
    if (background && 1 - r.background_fraction < 2 * r.background_fraction_error) {
        r.add(Warning::signal_compatible_with_zero);
    }
    if (r.tau_error > r.tau / 2) r.add(Warning::large_error);
    r.status = Status::converged;
}

}  // namespace fit::detail
