#include "fit/forecast.h"

#include <cmath>

namespace fit {

Forecast forecast(const Result& r, double precision, double live_hours) {
    Forecast f;
    f.precision = precision;
    if (r.status != Status::converged) return f;
    if (!(precision > 0) || !std::isfinite(precision)) {
        f.state = Forecast::State::no_precision;
        return f;
    }
    const double error = interval_error(r);
    if (!(r.tau > 0) || !(error > 0) || !std::isfinite(error) || !(r.events > 0)) {
        f.state = Forecast::State::no_lifetime;
        return f;
    }
    f.events = r.events;
    f.relative_error = error / r.tau;
    const double ratio = f.relative_error / precision;
    f.events_needed = r.events * ratio * ratio;
    if (live_hours > 0 && std::isfinite(live_hours)) f.events_per_hour = r.events / live_hours;
    if (f.relative_error <= precision) {
        f.state = Forecast::State::reached;
        f.hours = 0;
    } else if (std::isfinite(f.events_per_hour)) {
        f.state = Forecast::State::forecast;
        f.hours = (f.events_needed - f.events) / f.events_per_hour;
    } else {
        f.state = Forecast::State::no_rate;
    }
    return f;
}

}  // namespace fit
