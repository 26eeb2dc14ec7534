#include "fit/refit.h"

#include <algorithm>
#include <cmath>

namespace fit {

namespace {

Refit::Events events_of(const Request& q) {
    Refit::Events e;
    e.t_min = q.t_min;
    e.t_max = q.t_max;
    e.model = q.model;
    e.method = q.method;
    e.dX = q.classes.dX;
    if (is_capture_model(q.model)) {
        e.unit_ns = std::isfinite(q.unit_ns) ? q.unit_ns : -1;
        e.tau_minus_ns = q.muons.tau_minus_ns;
        e.rho = q.muons.rho;
    }
    if (q.method == Method::unbinned) {
        // The fit and its goodness take the durations in the window, and dX.
        for (const double d : q.durations) {
            if (d >= q.t_min && d <= q.t_max) e.window.push_back(d);
        }
        return e;
    }
    e.n_classe = q.classes.n_classe;
    e.skipped = q.classes.skipped;
    if (q.classes.counts.empty()) {
        e.counts = class_counts(q.durations, q.classes.dX, q.classes.n_classe);
    } else {
        e.counts.assign(q.classes.counts.begin(), q.classes.counts.end());
    }
    e.negative = std::any_of(q.durations.begin(), q.durations.end(), [&q](double d) {
        const long double k = d / q.classes.dX;
        return k > -1 && k < 0;
    });
    return e;
}

}  // namespace

const Result& Refit::fit(const Request& request) {
    Events events = events_of(request);
    // A bound that is not a number is never equal to itself: refitted, and refused.
    reused_ = fitted_ && events == events_;
    if (reused_) return result_;
    result_ = fit_lifetime(request);
    events_ = std::move(events);
    fitted_ = true;
    return result_;
}

}  // namespace fit
