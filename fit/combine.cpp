#include "fit/combine.h"

#include "fit/detail/combined.h"
#include "fit/detail/guarded_fit.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <atomic>
#include <cmath>

namespace fit {

namespace {

std::atomic<std::uint64_t> g_alone_fits{0};

// What the consistency compares: the lifetime, or charge-ratio's rho.
double value(const Result& r) { return r.model == Model::charge_ratio ? r.rho : r.tau; }
double error(const Result& r) { return r.model == Model::charge_ratio ? r.rho_error : interval_error(r); }

// The binned fit of the runs' histograms added.
Result fit_histograms(const Request& q, std::span<const Run> runs) {
    std::vector<double> durations;
    std::vector<std::int32_t> counts;
    const auto shown = static_cast<std::size_t>(std::max<std::int32_t>(q.classes.n_classe, 0));
    counts.assign(shown, 0);
    for (const Run& run : runs) {
        durations.insert(durations.end(), run.durations.begin(), run.durations.end());
        const std::vector<std::int32_t> made = run.counts.empty()
                                                   ? class_counts(run.durations, q.classes.dX, q.classes.n_classe)
                                                   : std::vector<std::int32_t>();
        const std::span<const std::int32_t> own = run.counts.empty() ? std::span<const std::int32_t>(made) : run.counts;
        for (std::size_t k = 0; k < std::min(shown, own.size()); ++k) counts[k] += own[k];
    }
    Request all = q;
    all.durations = durations;
    all.classes.counts = counts;
    return fit_lifetime(all);
}

}  // namespace

Consistency consistency_of(std::span<const Result> runs, const Result& combined) {
    Consistency c;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const bool fitted = runs[i].status == Status::converged && error(runs[i]) > 0;
        (fitted ? c.counted : c.not_counted).push_back(i);
    }
    c.ndf = static_cast<int>(c.counted.size()) - 1;
    if (c.ndf < 1 || combined.status != Status::converged) {
        c.ndf = std::max(c.ndf, 0);
        return c;
    }
    c.chi2 = 0;
    c.largest_pull = 0;
    for (const std::size_t i : c.counted) {
        const double pull = (value(runs[i]) - value(combined)) / error(runs[i]);
        c.chi2 += pull * pull;
        if (!c.pulling_run || std::fabs(pull) > std::fabs(c.largest_pull)) {
            c.pulling_run = i;
            c.largest_pull = pull;
        }
    }
    c.p_value = boost::math::cdf(boost::math::complement(boost::math::chi_squared_distribution<double>(c.ndf), c.chi2));
    c.birge_ratio = std::sqrt(c.chi2 / c.ndf);
    return c;
}

namespace {

Result fit_samples_together(const Request& q, std::vector<detail::Sample> samples) {
    const std::vector<detail::Sample> merged = detail::merged_samples(std::move(samples));
    return detail::fit_guarded(q,
                               [&merged](const Request& r, Result& result) { detail::fit_samples(merged, r, result); });
}

}  // namespace

Result fit_combined(const Request& q, std::span<const Run> runs) {
    if (q.method == Method::binned) return fit_histograms(q, runs);
    std::vector<std::span<const double>> durations;
    for (const Run& run : runs) durations.push_back(run.durations);
    return fit_samples_together(q, detail::run_samples(durations, q.t_min, q.t_max));
}

std::uint64_t runs_fitted_alone() { return g_alone_fits.load(std::memory_order_relaxed); }

Combination combine_runs(const Request& q, std::span<const Run> runs) {
    Combination out;
    std::vector<detail::Sample> samples;
    samples.reserve(runs.size());
    for (const Run& run : runs) {
        Request one = q;
        one.durations = run.durations;
        one.classes.counts = run.counts;
        if (q.method == Method::binned) {
            if (!run.alone) g_alone_fits.fetch_add(1, std::memory_order_relaxed);
            out.runs.push_back(run.alone ? *run.alone : fit_lifetime(one));
            continue;
        }
        // Each run's sample serves its own fit and the combined one.
        samples.push_back(detail::sample_window(run.durations, q.t_min, q.t_max));
        if (run.alone) {
            out.runs.push_back(*run.alone);
            continue;
        }
        g_alone_fits.fetch_add(1, std::memory_order_relaxed);
        const detail::Sample& x = samples.back();
        out.runs.push_back(
            detail::fit_guarded(one, [&x](const Request& r, Result& result) { detail::fit_sample(x, r, result); }));
    }
    if (q.method == Method::binned) {
        out.combined = fit_histograms(q, runs);
    } else {
        out.combined = fit_samples_together(q, std::move(samples));
    }
    out.consistency = consistency_of(out.runs, out.combined);
    return out;
}

}  // namespace fit
