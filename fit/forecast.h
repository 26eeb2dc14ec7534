#pragma once
// When the run will measure the lifetime to a chosen relative precision.
//
// In a fixed window sigma / tau falls as 1 / sqrt(N): a precision p needs
//   N_p = N (sigma / tau / p)²
// events in the window, which the run brings at its rate of events in the
// window (those events over the run's live time).
#include "fit/lifetime_fit.h"

namespace fit {

constexpr double kDefaultPrecision = 0.01;

struct Forecast {
    enum class State {
        not_converged,  // no converged fit
        no_lifetime,    // a converged fit of a model that fits no lifetime (charge-ratio: rho)
        no_precision,   // a precision that is not a number above 0
        reached,        // sigma / tau is at or below the precision already
        no_rate,        // the run's live time is unknown
        forecast,
    };
    State state = State::not_converged;
    double precision = kNone;        // p, a fraction (0.01 for 1 %)
    double relative_error = kNone;   // sigma / tau now
    double events = kNone;           // in the window now
    double events_needed = kNone;    // N_p
    double events_per_hour = kNone;  // in the window, over the live time; kNone when unknown
    double hours = kNone;            // until N_p: 0 when reached, kNone when it cannot be told
};

// `live_hours`: the run's live time in hours (its span less its gaps); not a
// number above 0 when it is unknown.
Forecast forecast(const Result& result, double precision, double live_hours);

}  // namespace fit
