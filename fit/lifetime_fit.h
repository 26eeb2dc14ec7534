#pragma once
// The lifetime fit of a run: one call takes the durations of the records and
// the choices of the user, and gives everything there is to show.
//
//   fit::Request request;
//   request.durations = durations;            // series 1, positions 1..nb_points[1], as doubles
//   request.t_min = 10; request.t_max = 800;  // the window, closed, 0 <= t_min < t_max
//   request.classes = {dX, n_classe, skipped, counts};  // the histogram (counts optional)
//   const fit::Result result = fit::fit_lifetime(request);
//
// Models: an exponential plus a flat background (b, the fraction of the
// window's events that are background), or the exponential alone; and for
// muons stopped in matter, the decays of the free positive muons (lifetime
// tau+) and of the negative ones that nuclei also capture (tau-), in the ratio
// rho = N+ / N-, plus the flat background: "mu-capture" fits tau+ with tau-
// and rho fixed, "charge-ratio" fits rho with both lifetimes fixed. These two
// take the duration unit in ns, and the durations themselves (unbinned).
// Methods: unbinned maximum likelihood on the durations in the window, or a
// Poisson (Baker-Cousins) fit of the classes of the histogram that lie inside
// the window, with the first `skipped` classes left out. Durations on a clock
// grid are fitted by the likelihood of their grid values (fit.md, "Durations
// on a clock grid").
#include "fit/types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace fit {

Result fit_lifetime(const Request& request);

// The error of tau as its profile interval shows it, the one a result shows
// beside its lifetime and brings to the consistency of several runs, to G_F
// and to the forecast: tau_error, but where the background sits at its bound,
// whose Hessian error is the exponential's alone while the profile interval
// lets the background rise, half the interval's width when it is wider.
double interval_error(const Result& result);

// The clock step the durations sit on (the grid the fit takes), 0 when they
// share none.
double clock_step_of(std::span<const double> durations);

// The counts of classes 0 .. n_classe - 1 made from the durations by the class
// pass's rule (analysis/class_rule.h); all 0 without a class width above 0.
std::vector<std::int32_t> class_counts(std::span<const double> durations, long double dX, std::int32_t n_classe);

}  // namespace fit
