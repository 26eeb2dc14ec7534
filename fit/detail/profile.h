#pragma once
// The profile-likelihood interval of the lifetime.
#include "fit/detail/newton.h"

#include <functional>
#include <optional>

namespace fit::detail {

struct TauInterval {
    double lower = 0;  // 0 when the rise stays below the level down to `smallest`
    double upper = 0;  // +infinity when it stays below the level up to `largest`
};

// Where `rise` (the profiled function less its minimum, 0 at `best`) reaches
// `level` on each side of `best`, searched in [smallest, largest]. `sigma`, the
// Hessian error, sets the first trial points; each crossing is bracketed, then
// found by the TOMS 748 root finder.
TauInterval profile_interval(const std::function<double(double)>& rise, double best, double sigma, double smallest,
                             double largest, double level);

// The same on one side of `best`, toward `end`; `none` when the rise stays
// below the level up to there.
double profile_crossing(const std::function<double(double)>& rise, double best, double sigma, double end, double level,
                        double none);

// The crossing in p of the function of (p, b) minimised over b, on the side
// `side` (+1 above, -1 below) of the fit `best` of f: the point where
// f(p, b) = f(best) + level with b at its minimum for that p (or held at a
// bound that f pushes it against), found by Newton's method on these two
// equations at once from the quadratic estimate best p + side * sigma, each
// step one evaluation of f. Nothing when it does not settle within the
// parameters' bounds (a crossing beyond them, a profile far from quadratic):
// the caller then searches that side with profile_crossing.
// `start`, when given, replaces that estimate (the crossing of a close likelihood).
std::optional<double> newton_crossing(const LocalFunction& f, const NewtonOutcome& best, double sigma, int side,
                                      const NewtonSetup& setup, double level, std::optional<double> start = {});

}  // namespace fit::detail
