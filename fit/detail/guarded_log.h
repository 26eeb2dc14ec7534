#pragma once
// ln x with its first two derivatives, continued below a small positive floor
// by its second-order Taylor polynomial there: a trial step of a fit that
// drives a density or an expected count to 0 meets a large finite penalty, never
// an infinity or a NaN.
#include <cmath>

namespace fit::detail {

struct GuardedLog {
    double value;
    double d1;
    double d2;
};

inline GuardedLog guarded_log(double x, double floor) {
    if (x >= floor) return {std::log(x), 1 / x, -1 / (x * x)};
    const double t = (x - floor) / floor;
    return {std::log(floor) + t - t * t / 2, (1 - t) / floor, -1 / (floor * floor)};
}

}  // namespace fit::detail
