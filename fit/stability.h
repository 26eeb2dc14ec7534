#pragma once
// Whether the fitted lifetime depends on where the window starts: the fit
// made again with t min stepped up over about two lifetimes.
//
// The fits share their events (each sample holds the next), so the difference
// between fit i and the first has the standard deviation
//   band_i = sqrt(sigma_i² − sigma_0²)
// A point farther than kStabilityBandFactor bands from the first fit shows a
// dead time or an early-time artefact (the first classes depleted, a
// threshold effect): the lifetime then changes with t min by more than chance.
// A fit whose background sits at its bound (common on a window of a few
// lifetimes) has the error of the exponential alone: it is shown, not
// compared. On a run without an artefact about one scan in four still has a
// point a little beyond twice its band (the ten points are ten looks); a dead
// time takes the first points far beyond.
#include "fit/lifetime_fit.h"

#include <vector>

namespace fit {

// At least this many points; t min goes up by about kStabilityReach lifetimes
// (less on a window too short to keep one lifetime of width above the last).
constexpr int kStabilityPoints = 11;
constexpr double kStabilityReach = 2;
constexpr double kStabilityBandFactor = 2;

struct StabilityPoint {
    double t_min = kNone;
    Status status = Status::not_converged;
    double events = 0;
    double tau = kNone;  // only from a converged fit
    double tau_error = kNone;
    // sqrt(sigma_i² − sigma_0²), or sigma_i where sigma_0 is the larger; 0 for
    // the first point; kNone where the point is not compared (no converged
    // fit, or its background at its bound).
    double band = kNone;
    double deviation = kNone;          // (tau_i − tau_0) / band_i; kNone where the band is not above 0
    bool outside = false;              // |deviation| above kStabilityBandFactor
    bool background_at_limit = false;  // its fit's background at its bound: not compared
};

struct StabilityScan {
    std::vector<StabilityPoint> points;  // the first is the fit given; none without a converged one
    double step = 0;                     // of t min
    int first_outside = -1;              // the first point outside the band, -1 for none
    double largest_deviation = kNone;    // the largest |deviation|, in bands

    bool outside() const { return first_outside >= 0; }
};

// The scan of `request`, whose fit is `first`: t min from the request's own,
// by a step of two significant digits, kStabilityPoints points or one more.
StabilityScan stability_scan(const Request& request, const Result& first);

}  // namespace fit
