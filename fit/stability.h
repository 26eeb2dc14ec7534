#pragma once
// Whether the fitted lifetime depends on where the window starts: the fit
// made again with t min stepped up over about two lifetimes.
//
// The fits share their events (each sample holds the next), so the difference
// between fit i and the first has the standard deviation
//   band_i = sqrt(sigma_i² − sigma_0²)
// and a point's deviation is (tau_i − tau_0) / band_i. The hypothesis tested
// is tau constant at tau_0, so sigma_i is the point's error taken at tau_0,
// tau_error_i · tau_0 / tau_i (sigma / tau hardly depends on tau for the same
// events): taken at the point's own tau, a point fallen low would get a
// narrow band and a deviation inflated by its own fluctuation. The band is drawn at
// kStabilityBandFactor times its width and a point beyond it is marked, but
// one point beyond twice its band is no finding: the scan takes about ten
// correlated looks, and on runs without an artefact one scan in four to ten
// has such a point. The scan as a whole warns (a dead time or an early-time
// artefact: the first classes depleted, a threshold effect) when its largest
// |deviation| exceeds kStabilityScanThreshold: the Šidák bound for ten
// independent looks at 5 % (each point at 0.51 %), conservative for ten
// correlated ones, and what the simulation confirms: on runs without an
// artefact of 2 000 to 100 000 events the scan warns in 3 to 4 % of runs on
// the window [10, 2000] and 0.7 to 2.4 % on [10, 800] (vorns-stability-alarms,
// bench/stability_alarms.cpp). Only points whose lifetime is
// known to kStabilityJudgedPrecision are judged: a fit of the last few hundred
// events of a short window, tau and background nearly degenerate, often falls
// far low with a Hessian error made at that low tau, so its deviation says
// nothing about the first classes. A dead time takes the first points, the
// best measured, far beyond the threshold.
// A fit whose background sits at its bound (common on a window of a few
// lifetimes) has the error of the exponential alone: it is shown, not
// compared.
#include "fit/lifetime_fit.h"

#include <vector>

namespace fit {

// At least this many points; t min goes up by about kStabilityReach lifetimes
// (less on a window too short to keep one lifetime of width above the last).
constexpr int kStabilityPoints = 11;
constexpr double kStabilityReach = 2;
constexpr double kStabilityBandFactor = 2;
constexpr double kStabilityScanThreshold = 2.8;
constexpr double kStabilityJudgedPrecision = 0.1;  // sigma_i / tau_i at most

struct StabilityPoint {
    double t_min = kNone;
    Status status = Status::not_converged;
    double events = 0;
    double tau = kNone;  // only from a converged fit
    double tau_error = kNone;
    // sqrt(sigma_i² − sigma_0²) with sigma_i = tau_error · tau_0 / tau, or
    // sigma_i where sigma_0 is the larger; 0 for
    // the first point; kNone where the point is not compared (no converged
    // fit, or its background at its bound).
    double band = kNone;
    double deviation = kNone;          // (tau_i − tau_0) / band_i; kNone where the band is not above 0
    bool outside = false;              // |deviation| above kStabilityBandFactor (drawn outside the band)
    bool background_at_limit = false;  // its fit's background at its bound: not compared
};

struct StabilityScan {
    std::vector<StabilityPoint> points;  // the first is the fit given; none without a converged one
    double step = 0;                     // of t min
    // The first judged point beyond kStabilityScanThreshold bands: the scan
    // warns; -1 for none.
    int first_outside = -1;
    double largest_deviation = kNone;  // the largest |deviation| of the judged points, in bands

    bool outside() const { return first_outside >= 0; }  // the scan warns
};

// The scan of `request`, whose fit is `first`: t min from the request's own,
// by a step of two significant digits, kStabilityPoints points or one more.
StabilityScan stability_scan(const Request& request, const Result& first);

// The verdict from the points' deviations: each point's `outside`, the scan's
// largest judged deviation and first point beyond kStabilityScanThreshold.
void judge(StabilityScan& scan);

}  // namespace fit
