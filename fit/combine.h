#pragma once
// Several runs of one measurement fitted together, and whether they agree.
//
//   std::vector<fit::Run> runs = {{durations_a}, {durations_b}};
//   const fit::Combination c = fit::combine_runs(request, runs);  // the request's window, model, method
//   c.combined.tau, c.combined.tau_error;   // the runs' common lifetime
//   c.runs[i].tau, c.runs[i].events;        // each run fitted alone
//   c.consistency.chi2, c.consistency.p_value;
//
// One likelihood, the sum of the runs' negative log-likelihoods with common
// parameters (tau and b). Unbinned, each run keeps its own clock grid: runs on
// the same grid (or off any grid) are counted together by value, so a million
// events on a grid cost what their distinct values cost. Binned, the runs'
// histograms are added (a sum of Poisson counts is a Poisson count).
// charge-ratio fits the common rho, each run's share of the positive muons
// taken from its own window and grid.
//
// Consistency: chi2 = sum (tau_i - tau)^2 / sigma_i^2 over the runs whose own
// fit converged (charge-ratio: rho), ndf = those runs - 1, its p-value and the
// Birge ratio sqrt(chi2 / ndf).
#include "fit/lifetime_fit.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace fit {

// One run: its durations, and for the binned method its class counts (when
// empty, made from its durations).
struct Run {
    std::span<const double> durations;
    std::span<const std::int32_t> counts;
    // Its own fit, when the caller already holds it for this request and these
    // durations (a run that did not change since the last combination): not
    // made again.
    const Result* alone = nullptr;
};

// The p-value below which the runs are said to disagree.
constexpr double kCompatibleP = 0.05;

struct Consistency {
    double chi2 = kNone;
    int ndf = 0;  // the runs counted less one; chi2 and the rest are kNone below 1
    double p_value = kNone;
    double birge_ratio = kNone;
    std::vector<std::size_t> counted;      // the runs whose own fit converged
    std::vector<std::size_t> not_counted;  // the others, by their position in the list
    // The run whose pull (tau_i - tau) / sigma_i is largest in size, and the pull.
    std::optional<std::size_t> pulling_run;
    double largest_pull = kNone;
    bool compatible() const { return !(p_value < kCompatibleP); }
};

struct Combination {
    Result combined;
    std::vector<Result> runs;  // each run fitted alone, in the order given
    Consistency consistency;
};

// The request gives the window, model, method and classes (its durations and
// counts are not read). No run: the combination has no event.
Combination combine_runs(const Request& request, std::span<const Run> runs);

// How many runs' own fits combine_runs has made in this process (read by
// tests: a run whose fit the caller gave is not fitted again).
std::uint64_t runs_fitted_alone();

// The combined fit alone, without the runs' own fits.
Result fit_combined(const Request& request, std::span<const Run> runs);

// The consistency of lifetimes (value, error) against a combined one.
Consistency consistency_of(std::span<const Result> runs, const Result& combined);

}  // namespace fit
