#pragma once
// The lifetimes a window can measure: not above 10 times its width (the decay
// is then a slope too faint to tell from a flat background) nor below 1e-6 of
// its largest duration.
#include "fit/lifetime_fit.h"

namespace fit {

// True when tau is within reach; otherwise sets the status that says why.
inline bool within_reach(double tau, double width, double largest, Result& r) {
    if (tau > 10 * width) {
        r.status = Status::lifetime_beyond_window;
        return false;
    }
    if (tau < 1e-6 * largest) {
        r.status = Status::lifetime_too_short;
        return false;
    }
    return true;
}

}  // namespace fit
