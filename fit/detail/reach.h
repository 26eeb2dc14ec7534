#pragma once
// The lifetimes a window can measure (kReachFactor, kShortestShare).
#include "fit/types.h"

namespace fit::detail {

// True when tau is within reach; otherwise sets the status that says why.
inline bool within_reach(double tau, double width, double largest, Result& r) {
    if (tau > kReachFactor * width) {
        r.status = Status::lifetime_beyond_window;
        return false;
    }
    if (tau < kShortestShare * largest) {
        r.status = Status::lifetime_too_short;
        return false;
    }
    return true;
}

}  // namespace fit::detail
