#include "fit/stability.h"

#include <algorithm>
#include <cmath>

namespace fit {

namespace {

// x rounded down to two significant digits (44.7 → 44, 0.318 → 0.31).
double two_digits_down(double x) {
    if (!(x > 0) || !std::isfinite(x)) return 0;
    const double unit = std::pow(10.0, std::floor(std::log10(x)) - 1);
    return std::floor(x / unit * (1 + 1e-12)) * unit;
}

StabilityPoint point_of(double t_min, const Result& r) {
    StabilityPoint p;
    p.t_min = t_min;
    p.status = r.status;
    p.events = r.events;
    if (r.status == Status::converged) {
        p.tau = r.tau;
        p.tau_error = r.tau_error;
        p.background_at_limit = r.background_at_limit();
    }
    return p;
}

}  // namespace

StabilityScan stability_scan(const Request& q, const Result& first) {
    StabilityScan scan;
    if (first.status != Status::converged || !(first.tau > 0) || !(first.tau_error > 0) ||
        !std::isfinite(first.tau_error)) {
        return scan;
    }
    const double width = q.t_max - q.t_min;
    const double span = std::min(kStabilityReach * first.tau, std::max(width - first.tau, width / 2));
    scan.step = two_digits_down(span / (kStabilityPoints - 1));
    if (!(scan.step > 0)) return scan;
    const int count = std::min(static_cast<int>(std::floor(span / scan.step + 1e-9)) + 1, kStabilityPoints + 1);

    scan.points.push_back(point_of(q.t_min, first));
    scan.points.front().band = 0;
    const double sigma0 = first.tau_error;
    for (int i = 1; i < count; ++i) {
        Request later = q;
        later.t_min = q.t_min + i * scan.step;
        // The unbinned fit's goodness is not needed here: no classes for it.
        if (q.method == Method::unbinned) later.classes = {};
        StabilityPoint p = point_of(later.t_min, fit_lifetime(later));
        // A fit whose background sits at its bound gives the error of the
        // exponential alone, not that of the model with a background: it is
        // no nested sample of the first fit's estimate, and is not compared.
        if (std::isfinite(p.tau) && p.tau > 0 && std::isfinite(p.tau_error) && !p.background_at_limit) {
            // The band is that of the hypothesis tested, tau constant at tau_0:
            // the point's error is taken at tau_0 (sigma / tau hardly depends
            // on tau for the same events), not at its own tau, which would
            // narrow the band of a point fallen low and widen that of one
            // risen high. Where the first fit's error is the larger (the first
            // fit at the background's bound), the band is the point's own
            // error, wider than any band of nested samples.
            const double sigma = p.tau_error * (first.tau / p.tau);
            p.band = sigma > sigma0 ? std::sqrt(sigma * sigma - sigma0 * sigma0) : sigma;
            if (p.band > 0) p.deviation = (p.tau - first.tau) / p.band;
        }
        scan.points.push_back(p);
    }
    judge(scan);
    return scan;
}

void judge(StabilityScan& scan) {
    scan.first_outside = -1;
    scan.largest_deviation = kNone;
    for (std::size_t i = 0; i < scan.points.size(); ++i) {
        StabilityPoint& p = scan.points[i];
        p.outside = false;
        if (std::isnan(p.deviation)) continue;  // not compared
        const double size = std::fabs(p.deviation);
        p.outside = size > kStabilityBandFactor;
        if (!std::islessequal(p.tau_error, kStabilityJudgedPrecision * p.tau)) continue;
        if (std::isnan(scan.largest_deviation) || size > scan.largest_deviation) scan.largest_deviation = size;
        if (size > kStabilityScanThreshold && scan.first_outside < 0) scan.first_outside = static_cast<int>(i);
    }
}

}  // namespace fit
