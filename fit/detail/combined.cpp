#include "fit/detail/combined.h"

#include "fit/detail/guarded_fit.h"
#include "fit/detail/likelihood.h"
#include "fit/detail/profile.h"
#include "fit/detail/rate_fit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace fit::detail {

namespace {

// The values of b added to those of a, both on one grid and rising; equal
// positions (b's counted from a's origin) count once with both weights.
void add_values(Sample& a, const Sample& b) {
    const std::size_t most = a.s.size() + b.s.size();
    std::vector<double> s;
    std::vector<double> weight;
    std::vector<std::int64_t> position;
    s.reserve(most);
    weight.reserve(most);
    position.reserve(most);
    const std::int64_t offset = std::llround((b.origin - a.origin) / a.step);
    const auto take = [&](const Sample& x, std::size_t k, double more, std::int64_t shift) {
        s.push_back(x.s[k]);
        weight.push_back(x.weight[k] + more);
        position.push_back(x.position[k] + shift);
    };
    std::size_t i = 0;
    std::size_t j = 0;
    // Where both have values left: the lower first, equal ones together.
    while (i < a.s.size() && j < b.s.size()) {
        const bool equal = a.position[i] == b.position[j] + offset;
        if (a.position[i] <= b.position[j] + offset) {
            take(a, i++, equal ? b.weight[j] : 0, 0);
            if (equal) ++j;
        } else {
            take(b, j++, 0, offset);
        }
    }
    for (; i < a.s.size(); ++i) take(a, i, 0, 0);
    for (; j < b.s.size(); ++j) take(b, j, 0, offset);
    a.s = std::move(s);
    a.weight = std::move(weight);
    a.position = std::move(position);
    a.events += b.events;
    a.sum_s += b.sum_s;
}

// Samples on one grid counted together by position (b's positions counted
// from a's origin), each value from the first sample that holds it; false,
// leaving them, when their positions are too spread for an array of them.
bool counted_together(std::vector<Sample>& kind) {
    Sample& a = kind.front();
    std::vector<std::int64_t> offset;
    std::int64_t first = INT64_MAX;
    std::int64_t last = INT64_MIN;
    double values = 0;
    for (const Sample& x : kind) {
        offset.push_back(std::llround((x.origin - a.origin) / a.step));
        if (x.position.empty()) continue;
        first = std::min(first, x.position.front() + offset.back());
        last = std::max(last, x.position.back() + offset.back());
        values += static_cast<double>(x.position.size());
    }
    if (first > last || !(static_cast<double>(last) - static_cast<double>(first) < 4 * values + 4096)) return false;
    const auto cells = static_cast<std::size_t>(last - first + 1);
    std::vector<double> s(cells);
    std::vector<double> weight(cells, 0.0);
    for (std::size_t i = 0; i < kind.size(); ++i) {
        const Sample& x = kind[i];
        for (std::size_t k = 0; k < x.position.size(); ++k) {
            const auto at = static_cast<std::size_t>(x.position[k] + offset[i] - first);
            if (weight[at] == 0) s[at] = x.s[k];
            weight[at] += x.weight[k];
        }
        if (i > 0) {
            a.events += x.events;
            a.sum_s += x.sum_s;
        }
    }
    a.s.clear();
    a.weight.clear();
    a.position.clear();
    for (std::size_t at = 0; at < cells; ++at) {
        if (weight[at] == 0) continue;
        a.s.push_back(s[at]);
        a.weight.push_back(weight[at]);
        a.position.push_back(first + static_cast<std::int64_t>(at));
    }
    kind.resize(1);
    return true;
}

// Merges the rising values [begin, middle) and [middle, end) of s (with their
// weights) into out, without a branch on the comparison (which no processor
// could foresee).
void merge_rising(const std::vector<double>& s, const std::vector<double>& weight, std::size_t begin,
                  std::size_t middle, std::size_t end, std::vector<double>& out_s, std::vector<double>& out_weight) {
    std::size_t i = begin;
    std::size_t j = middle;
    std::size_t k = begin;
    for (; i < middle && j < end; ++k) {
        const double first = s[i];
        const double second = s[j];
        const std::size_t from_second = second < first;
        out_s[k] = std::min(first, second);  // the second when lower, else the first
        out_weight[k] = weight[from_second != 0 ? j : i];
        j += from_second;
        i += 1 - from_second;
    }
    for (; i < middle; ++i, ++k) {
        out_s[k] = s[i];
        out_weight[k] = weight[i];
    }
    for (; j < end; ++j, ++k) {
        out_s[k] = s[j];
        out_weight[k] = weight[j];
    }
}

// Samples off a grid with the same window counted together: their values,
// each sample's already rising, merged two by two (each value copied about
// log2(samples) times), then equal ones counting once with their summed weights.
void sorted_together(std::vector<Sample>& kind) {
    Sample& a = kind.front();
    std::size_t total = 0;
    for (const Sample& x : kind) total += x.s.size();
    std::vector<double> s;
    std::vector<double> weight;
    s.reserve(total);
    weight.reserve(total);
    std::vector<std::size_t> ends;  // of the rising runs in s
    for (std::size_t i = 0; i < kind.size(); ++i) {
        const Sample& x = kind[i];
        s.insert(s.end(), x.s.begin(), x.s.end());
        weight.insert(weight.end(), x.weight.begin(), x.weight.end());
        ends.push_back(s.size());
        if (i > 0) {
            a.events += x.events;
            a.sum_s += x.sum_s;
        }
    }
    std::vector<double> merged_s(total);
    std::vector<double> merged_weight(total);
    while (ends.size() > 1) {
        std::vector<std::size_t> halved;
        std::size_t begin = 0;
        for (std::size_t r = 0; r < ends.size(); r += 2) {
            const std::size_t end = r + 1 < ends.size() ? ends[r + 1] : ends[r];
            merge_rising(s, weight, begin, ends[r], end, merged_s, merged_weight);
            halved.push_back(end);
            begin = end;
        }
        s.swap(merged_s);
        weight.swap(merged_weight);
        ends = std::move(halved);
    }
    std::size_t kept = 0;
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (kept > 0 && s[kept - 1] == s[k]) {
            weight[kept - 1] += weight[k];
        } else {
            s[kept] = s[k];
            weight[kept++] = weight[k];
        }
    }
    s.resize(kept);
    weight.resize(kept);
    a.s = std::move(s);
    a.weight = std::move(weight);
    kind.resize(1);
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

    // charge-ratio, both rates fixed: the common parameter is ln rho, each
    // sample's share of the positive muons pi = 1 / (1 + e^-(ln rho + its log-odds))
    // (its window's), d pi / d ln rho = pi (1 - pi).
    void set_positive(double lambda_plus) {
        odds_.clear();
        for (Likelihood& l : each_) {
            l.set_positive(lambda_plus);
            odds_.push_back(l.log_odds(lambda_plus));
        }
    }
    double share(std::size_t i, double log_rho) const { return 1 / (1 + std::exp(-(log_rho + odds_[i]))); }
    const std::vector<double>& log_odds() const { return odds_; }

    // NLL with its gradient and Hessian in (ln rho, b).
    Local local_log_rho(double log_rho, double b) const {
        Local total;
        for (std::size_t i = 0; i < each_.size(); ++i) {
            const double pi = share(i, log_rho);
            const double q = pi * (1 - pi);
            const Local one = each_[i].local_share(pi, b);
            total.value += one.value;
            total.gradient[0] += one.gradient[0] * q;
            total.gradient[1] += one.gradient[1];
            total.hessian[0][0] += one.hessian[0][0] * q * q + one.gradient[0] * q * (1 - 2 * pi);
            total.hessian[0][1] += one.hessian[0][1] * q;
            total.hessian[1][1] += one.hessian[1][1];
        }
        total.hessian[1][0] = total.hessian[0][1];
        return total;
    }

    // The sum at lambda minimised over the common b in [0, b_max] (b_max 0:
    // the exponential alone); `b` holds the start and gets the minimum.
    double profiled(double lambda, double& b, double b_max, double log_rho) {
        if (b_max <= 0) return local(lambda, 0, log_rho).value;
        return minimum_over_b([&](double bb) { return local(lambda, bb, log_rho); }, b, b_max);
    }

private:
    std::vector<Likelihood> each_;
    std::vector<double> odds_;  // each sample's log-odds of the positive muons at rho = 1
};

// The samples' common rho and b (charge-ratio), each sample's share of the
// positive muons from its own window. The interval of rho is that of ln rho,
// its Hessian error that of ln rho times rho.
void fit_charge_ratio_together(const std::vector<Sample>& samples, const Request& q, Result& r) {
    const Sample* most = &samples.front();
    for (const Sample& x : samples) {
        if (x.events > most->events) most = &x;
    }
    SumOfLikelihoods likelihood(samples);
    const double lambda_minus = q.unit_ns / q.muons.tau_minus_ns;
    const double lambda_plus = q.unit_ns / kFreeLifetimeNs;
    likelihood.set_negative(lambda_minus);
    likelihood.set_positive(lambda_plus);
    r.tau_minus = 1 / lambda_minus;
    r.tau_free = 1 / lambda_plus;
    NewtonSetup setup;
    setup.parameters = 2;
    // rho from 1e-9 to 1e9: beyond, every share is 0 or 1 to rounding.
    setup.bounds[0] = {std::log(1e-9), std::log(1e9)};
    setup.bounds[1] = {0, 1};
    const auto f = [&](const Vector& p) { return likelihood.local_log_rho(p[0], p[1]); };
    const std::optional<double> tau_alone = truncated_lifetime(most->mean_s(), most->decay());
    const double b_start = background_start(*most, tau_alone ? 1 / *tau_alone : lambda_plus);
    const NewtonOutcome fit = minimise(f, {{std::log(q.muons.rho), b_start, 0}, {0, 0.5, 0}}, setup);
    if (!outcome_usable(fit, true, r)) return;
    const double log_rho = fit.x[0];
    const double b = fit.x[1];
    r.rho = std::exp(log_rho);
    r.background_fraction = b;
    double sigma = kNone;
    if (!read_charge_ratio_errors(fit, r.rho, r, sigma)) return;
    // The interval: Newton's crossing, else the profile over b searched.
    if (!std::isfinite(sigma)) sigma = 1;
    double b_profile = b;
    const auto rise = [&](double rho) {
        const double p = std::log(rho);
        return minimum_over_b([&](double bb) { return likelihood.local_log_rho(p, bb); }, b_profile, 1) - fit.at.value;
    };
    const auto side = [&](int toward, double end, double none) {
        if (const std::optional<double> at = newton_crossing(f, fit, sigma, toward, setup, 0.5)) return std::exp(*at);
        return profile_crossing(rise, r.rho, sigma * r.rho, std::exp(end), 0.5, none);
    };
    r.rho_upper = side(+1, setup.bounds[0].upper, INFINITY);
    r.rho_lower = side(-1, setup.bounds[0].lower, 0.0);
    if (1 - b < 2 * r.background_fraction_error) r.add(Warning::signal_compatible_with_zero);
    r.status = Status::converged;
}

// The samples' common tau and b.
void fit_together(const std::vector<Sample>& samples, const Request& q, Result& r) {
    RateFit fit;
    const Sample* most = &samples.front();  // the sample with the most events gives the starts
    for (const Sample& x : samples) {
        fit.width = std::max(fit.width, x.width);
        fit.largest = std::max(fit.largest, x.largest_s());
        if (x.events > most->events) most = &x;
    }
    SumOfLikelihoods likelihood(samples);
    // Large samples off a grid: the start from the fit of their thinned values.
    std::vector<Sample> rough_samples;
    bool thin = false;
    for (const Sample& x : samples) {
        const std::size_t every = thinning(x);
        thin = thin || every > 1;
        rough_samples.push_back(every > 1 ? thinned(x, every) : Sample());
    }
    if (!thin) rough_samples.clear();
    for (std::size_t i = 0; i < rough_samples.size(); ++i) {
        if (rough_samples[i].events == 0) rough_samples[i] = samples[i];
    }
    SumOfLikelihoods rough(rough_samples);
    const std::optional<double> log_rho =
        q.model == Model::mu_capture ? std::optional<double>(std::log(q.muons.rho)) : std::nullopt;
    if (log_rho) {
        const double lambda_minus = q.unit_ns / q.muons.tau_minus_ns;
        likelihood.set_negative(lambda_minus);
        rough.set_negative(lambda_minus);
        r.tau_minus = 1 / lambda_minus;
        r.rho = q.muons.rho;
    }
    const double ln_rho = log_rho.value_or(0);
    fit.background = has_background(q.model);
    const double b_max = fit.background ? 1 : 0;
    fit.nll = [&](const Vector& p) { return likelihood.local(p[0], p[1], ln_rho); };
    fit.profiled = [&](double lambda, double& b) { return likelihood.profiled(lambda, b, b_max, ln_rho); };
    if (thin) fit.rough_nll = [&](const Vector& p) { return rough.local(p[0], p[1], ln_rho); };
    const std::optional<double> tau_alone = truncated_lifetime(most->mean_s(), most->decay());
    fit.lambda_start = tau_alone ? 1 / *tau_alone : 1 / most->width;
    fit.b_start = fit.background ? background_start(*most, fit.lambda_start) : 0;
    fit_rate_and_background(fit, r);
    if (r.status != Status::converged) return;
    if (log_rho) r.tau_free = r.tau;
    if (r.tau_error > r.tau / 2) r.add(Warning::large_error);
}

}  // namespace

std::vector<Sample> merged_samples(std::vector<Sample> samples) {
    // The samples of each kind of cells, then merged: off a grid by their
    // values, on a grid counted by position or, when the positions are too
    // spread for that, two by two (each value copied about log2(samples) times).
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
        if (kind.size() > 1 && kind.front().step > 0) counted_together(kind);
        if (kind.size() > 1 && kind.front().step == 0) sorted_together(kind);
        while (kind.size() > 1) {  // on a grid only
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
        fit_charge_ratio_together(samples, q, r);
    } else {
        fit_together(samples, q, r);
    }
}

}  // namespace fit::detail
