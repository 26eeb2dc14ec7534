#include "fit/run/histogram_view.h"

#include <algorithm>
#include <cmath>

namespace {

// Class k clipped to the window; `extent` is the width its count stands for
// (0: its width clipped to the window).
void add_class(HistogramView& v, std::int32_t k, double count, double t_min, double t_max, double extent = 0) {
    const double lower = std::max(k * v.dX, t_min);
    const double upper = std::min((k + 1) * v.dX, t_max);
    v.lower.push_back(lower);
    v.upper.push_back(upper);
    v.centre.push_back((lower + upper) / 2);
    v.count.push_back(count);
    v.error.push_back(std::sqrt(count));
    if (!(extent > 0)) extent = upper - lower;
    const double scale = extent > 0 ? v.dX / extent : 1;
    v.count_per_dX.push_back(count * scale);
    v.error_per_dX.push_back(std::sqrt(count) * scale);
}

// The curve over the range the model was fitted on, inside the window.
void add_curve(HistogramView& v, const fit::Request& q, const fit::Result& r) {
    const double from = std::max(q.t_min, r.model_lower);
    const double to = std::min(q.t_max, r.model_upper);
    if (!(from < to)) return;
    constexpr int kPoints = 200;
    for (int i = 0; i <= kPoints; ++i) {
        const double t = i == kPoints ? to : from + (to - from) * i / kPoints;
        v.curve_t.push_back(t);
        v.curve.push_back(fitted_density_dX(r, v.dX, t));
    }
}

}  // namespace

double fitted_density_dX(const fit::Result& r, double dX, double t) {
    if (r.status != fit::Status::converged || !(t >= r.model_lower && t <= r.model_upper)) return fit::kNone;
    if (r.method == fit::Method::binned) {
        // A e^(-t/tau) / dX a unit of duration, and B a class.
        const double b = std::isfinite(r.background_per_class) ? r.background_per_class : 0;
        return r.amplitude * std::exp(-t / r.tau) + b;
    }
    // n ((1 - b) e^(-s/tau) / (tau (1 - e^(-W/tau))) + b / W), s = t - a, on the model's edges (on a
    // clock grid its integral over a cell is the probability of the cell's value); the capture models
    // take the decays of both charges, pi of the positive muons.
    const double width = r.model_upper - r.model_lower;
    const double b = fit::has_background(r.model) && std::isfinite(r.background_fraction) ? r.background_fraction : 0;
    const auto decay = [&](double tau) {
        return std::exp(-(t - r.model_lower) / tau) / (tau * -std::expm1(-width / tau));
    };
    const double signal = fit::is_capture_model(r.model)
                              ? r.free_share * decay(r.tau_free) + (1 - r.free_share) * decay(r.tau_minus)
                              : decay(r.tau);
    return r.events * ((1 - b) * signal + b / width) * dX;
}

HistogramView histogram_view(const fit::Request& q, const fit::Result& r) {
    HistogramView v;
    v.dX = static_cast<double>(q.classes.dX);
    if (!(v.dX > 0) || !std::isfinite(v.dX) || !(q.t_min < q.t_max) || r.status == fit::Status::window_refused) {
        return v;
    }
    const fit::Goodness& g = r.goodness;
    if (r.status == fit::Status::converged && !g.observed.empty() && g.observed.size() == g.expected.size() &&
        g.observed.size() == g.width.size()) {
        for (std::size_t j = 0; j < g.observed.size(); ++j) {
            add_class(v, g.first_class + static_cast<std::int32_t>(j), g.observed[j], q.t_min, q.t_max, g.width[j]);
            v.expected.push_back(g.expected[j]);
            v.residual.push_back(g.expected[j] > 0 ? (g.observed[j] - g.expected[j]) / std::sqrt(g.expected[j])
                                                   : fit::kNone);
        }
        add_curve(v, q, r);
        if (fit::has_background(r.model)) {
            if (r.method == fit::Method::binned) {
                v.background = r.background_per_class;
            } else if (r.model_upper > r.model_lower) {
                v.background = r.events * r.background_fraction * v.dX / (r.model_upper - r.model_lower);
            }
        }
        return v;
    }
    // No fit to compare with: the shown classes that meet the window.
    std::vector<std::int32_t> made;
    std::span<const std::int32_t> counts = q.classes.counts;
    if (counts.empty()) counts = made = fit::class_counts(q.durations, q.classes.dX, q.classes.n_classe);
    for (std::int32_t k = 0; k < static_cast<std::int32_t>(counts.size()); ++k) {
        if ((k + 1) * v.dX > q.t_min && k * v.dX < q.t_max) add_class(v, k, counts[k], q.t_min, q.t_max);
    }
    return v;
}
