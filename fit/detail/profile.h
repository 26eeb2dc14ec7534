#pragma once
// The profile-likelihood interval of the lifetime.
#include <functional>

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

}  // namespace fit::detail
