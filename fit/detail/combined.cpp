#include "fit/detail/combined.h"

#include "fit/detail/guarded_fit.h"
#include "fit/detail/likelihood.h"
#include "fit/detail/profile.h"
#include "fit/detail/reach.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace fit::detail {

namespace {

// Two samples whose values stand for the same cells (or, off any grid, that
// have the same window): their values can be counted together. Each run finds
// its own step and edges, equal to rounding when the grids are the same.
bool same_cells(const Sample& a, const Sample& b) {
    if (a.start_left_out != b.start_left_out || (a.step > 0) != (b.step > 0)) return false;
    if (a.step == 0) return a.lower == b.lower && a.width == b.width;
    const double tolerance = 1e-6 * a.step;
    return std::fabs(a.step - b.step) <= 1e-9 * a.step && std::fabs(a.lower - b.lower) <= tolerance &&
           std::fabs(a.width - b.width) <= tolerance;
}

// The values of b added to those of a, both rising; equal values (on a grid,
// equal positions, b's counted from a's origin) count once with both weights.
void add_values(Sample& a, const Sample& b) {
    Sample out = a;
    out.s.clear();
    out.weight.clear();
    out.position.clear();
    const std::size_t most = a.s.size() + b.s.size();
    out.s.reserve(most);
    out.weight.reserve(most);
    out.position.reserve(most);
    out.events = a.events + b.events;
    out.sum_s = a.sum_s + b.sum_s;
    const bool grid = a.step > 0;
    const std::int64_t offset = grid ? std::llround((b.origin - a.origin) / a.step) : 0;
    std::size_t i = 0;
    std::size_t j = 0;
    const auto take = [&out](const Sample& x, std::size_t k, double extra, std::int64_t shift) {
        out.s.push_back(x.s[k]);
        out.weight.push_back(x.weight[k] + extra);
        out.position.push_back(x.position[k] + shift);
    };
    while (i < a.s.size() || j < b.s.size()) {
        if (j == b.s.size()) {
            take(a, i++, 0, 0);
        } else if (i == a.s.size()) {
            take(b, j++, 0, offset);
        } else if (grid ? a.position[i] == b.position[j] + offset : a.s[i] == b.s[j]) {
            take(a, i++, b.weight[j++], 0);
        } else if (grid ? a.position[i] < b.position[j] + offset : a.s[i] < b.s[j]) {
            take(a, i++, 0, 0);
        } else {
            take(b, j++, 0, offset);
        }
    }
    a = std::move(out);
}

// The sum of the samples' likelihoods.
class SumOfLikelihoods {
public:
    explicit SumOfLikelihoods(const std::vector<Sample>& samples) {
        each_.reserve(samples.size());
        for (const Sample& x : samples) each_.emplace_back(x);
    }
    void set_negative(double lambda_minus) {
        for (Likelihood& l : each_) l.set_negative(lambda_minus);
    }

    Local local(double lambda, double b, double log_rho) {
        Local total;
        for (Likelihood& l : each_) {
            const Local one = l.local(lambda, b, log_rho);
            total.value += one.value;
            for (int i = 0; i < 2; ++i) {
                total.gradient[i] += one.gradient[i];
                for (int k = 0; k < 2; ++k) total.hessian[i][k] += one.hessian[i][k];
            }
        }
        return total;
    }

    // The sum at lambda minimised over the common b in [0, b_max] (b_max 0:
    // the exponential alone); `b` holds the start and gets the minimum.
    double profiled(double lambda, double& b, double b_max, double log_rho) {
        if (b_max <= 0) return local(lambda, 0, log_rho).value;
        NewtonSetup setup;
        setup.parameters = 1;
        setup.bounds[0] = {0, b_max};
        const auto f = [&](const Vector& p) {
            const Local two = local(lambda, p[0], log_rho);
            Local one;
            one.value = two.value;
            one.gradient[0] = two.gradient[1];
            one.hessian[0][0] = two.hessian[1][1];
            return one;
        };
        const NewtonOutcome fit = minimise(f, {{b, 0, 0}, {0.5, 0, 0}}, setup);
        b = fit.x[0];
        return fit.at.value;
    }

private:
    std::vector<Likelihood> each_;
};

// The samples' common tau and b.
void fit_together(const std::vector<Sample>& samples, const Request& q, Result& r) {
    double widest = 0;
    double largest = 0;
    const Sample* most = &samples.front();  // the sample with the most events gives the starts
    for (const Sample& x : samples) {
        widest = std::max(widest, x.width);
        largest = std::max(largest, x.largest_s());
        if (x.events > most->events) most = &x;
    }
    SumOfLikelihoods likelihood(samples);
    const std::optional<double> log_rho =
        q.model == Model::mu_capture ? std::optional<double>(std::log(q.muons.rho)) : std::nullopt;
    if (log_rho) {
        const double lambda_minus = q.unit_ns / q.muons.tau_minus_ns;
        likelihood.set_negative(lambda_minus);
        r.tau_minus = 1 / lambda_minus;
        r.rho = q.muons.rho;
    }
    const double ln_rho = log_rho.value_or(0);
    const double b_max = has_background(q.model) ? 1 : 0;

    NewtonSetup setup;
    setup.parameters = 2;
    const double lambda_min = 1e-3 / widest;
    const double lambda_max = std::max(1e7 / largest, 2 * lambda_min);
    setup.bounds[0] = {lambda_min, lambda_max};
    setup.bounds[1] = {0, b_max};
    setup.relative_step[0] = true;
    const auto f = [&](const Vector& p) { return likelihood.local(p[0], p[1], ln_rho); };
    const std::optional<double> tau_alone = truncated_lifetime(most->mean_s(), most->decay());
    const double lambda_start = tau_alone ? 1 / *tau_alone : 1 / most->width;
    const double b_start = b_max > 0 ? background_start(*most, lambda_start) : 0;
    const NewtonOutcome fit = minimise(f, {{lambda_start, b_start, 0}, {2 / widest, b_max / 2, 0}}, setup);
    if (!fit.converged) {
        r.status = Status::not_converged;
        return;
    }
    if (fit.loose) r.add(Warning::loose_convergence);
    const double lambda = fit.x[0];
    const double b = fit.x[1];
    if (b_max > 0 && b >= 1) {
        r.status = Status::no_decay_signal;
        return;
    }
    r.tau = 1 / lambda;
    if (b_max > 0) r.background_fraction = b;
    if (!within_reach(r.tau, widest, largest, r)) return;
    const std::optional<Errors> e = errors(fit, -1);
    if (!e) {
        r.status = Status::not_converged;
        return;
    }
    r.tau_error = e->p / (lambda * lambda);
    if (b_max > 0) {
        r.background_fraction_error = e->b;
        r.correlation = e->correlation;
        if (b <= 0 && fit.at_bound[1]) r.add(Warning::background_at_limit);
        if (1 - b < 2 * r.background_fraction_error) r.add(Warning::signal_compatible_with_zero);
    }
    const double best = fit.at.value;
    double b_profile = b;
    const auto rise = [&](double t) { return likelihood.profiled(1 / t, b_profile, b_max, ln_rho) - best; };
    const TauInterval interval = profile_interval(rise, r.tau, r.tau_error, 1 / lambda_max, 1 / lambda_min, 0.5);
    r.tau_lower = interval.lower;
    r.tau_upper = interval.upper;
    if (log_rho) r.tau_free = r.tau;
    if (r.tau_error > r.tau / 2) r.add(Warning::large_error);
    r.status = Status::converged;
}

}  // namespace

std::vector<Sample> merged_samples(std::vector<Sample> samples) {
    // The samples of each kind of cells, then merged two by two (each value
    // copied about log2(samples) times).
    std::vector<std::vector<Sample>> kinds;
    for (Sample& x : samples) {
        if (x.events == 0) continue;
        const auto same = std::find_if(kinds.begin(), kinds.end(),
                                       [&x](const std::vector<Sample>& k) { return same_cells(k.front(), x); });
        if (same == kinds.end()) {
            kinds.emplace_back().push_back(std::move(x));
        } else {
            same->push_back(std::move(x));
        }
    }
    std::vector<Sample> out;
    for (std::vector<Sample>& kind : kinds) {
        while (kind.size() > 1) {
            std::vector<Sample> halved;
            for (std::size_t i = 0; i + 1 < kind.size(); i += 2) {
                add_values(kind[i], kind[i + 1]);
                halved.push_back(std::move(kind[i]));
            }
            if (kind.size() % 2 == 1) halved.push_back(std::move(kind.back()));
            kind = std::move(halved);
        }
        out.push_back(std::move(kind.front()));
    }
    return out;
}

void fit_samples(const std::vector<Sample>& samples, const Request& q, Result& r) {
    if (samples.size() <= 1) {
        fit_sample(samples.empty() ? Sample() : samples.front(), q, r);
        return;
    }
    // One clock step for all is said; steps that differ, each run's fit says.
    const bool one_step = std::all_of(samples.begin(), samples.end(),
                                      [&samples](const Sample& x) { return x.step == samples.front().step; });
    if (one_step && samples.front().step > 0) {
        r.add(Warning::clock_grid);
        r.lattice_step = samples.front().step;
    }
    for (const Sample& x : samples) {
        r.events += x.events;
        if (x.start_left_out) r.add(Warning::grid_start_left_out);
        r.model_lower = std::isnan(r.model_lower) ? x.lower : std::min(r.model_lower, x.lower);
        r.model_upper = std::isnan(r.model_upper) ? x.lower + x.width : std::max(r.model_upper, x.lower + x.width);
    }
    if (r.events < kMinEvents) {
        r.status = Status::too_few_events;
    } else if (q.model == Model::charge_ratio) {
        // Its share of the positive muons depends on each sample's window.
        r.status = Status::model_refused;
    } else {
        fit_together(samples, q, r);
    }
}

}  // namespace fit::detail
