#include "fit/lifetime_fit.h"

#include "analysis/class_rule.h"
#include "fit/detail/binned.h"
#include "fit/detail/clock_step.h"
#include "fit/detail/guarded_fit.h"
#include "fit/detail/sample.h"
#include "fit/detail/unbinned.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <vector>

namespace fit {

namespace {

using detail::fit_classes;

// More classes than this are refused: the class table holds 1001.
constexpr std::int32_t kMaxClasses = 100000;

void fit_histogram(const Request& q, Result& r) {
    const Classes& c = q.classes;
    if (!(c.dX > 0) || !std::isfinite(static_cast<double>(c.dX)) || c.n_classe < 0 || c.n_classe > kMaxClasses) {
        r.status = Status::classes_refused;
        return;
    }
    std::vector<std::int32_t> made;
    std::span<const std::int32_t> counts = c.counts;
    if (counts.empty()) {
        made = class_counts(q.durations, c.dX, c.n_classe);
        counts = made;
    }
    // The shown classes past the skipped ones that lie inside the window.
    const long double slack = 1e-9L;
    const long double from = std::ceil(q.t_min / c.dX - slack);
    const long double to = std::floor(q.t_max / c.dX + slack);
    const auto shown =
        static_cast<long double>(std::min<std::size_t>(counts.size(), static_cast<std::size_t>(c.n_classe)));
    const auto first =
        static_cast<std::int32_t>(std::clamp<long double>(std::max<long double>(from, c.skipped), 0, shown));
    const auto end = static_cast<std::int32_t>(std::clamp<long double>(to, first, shown));
    std::vector<double> used(counts.begin() + first, counts.begin() + end);
    // The fitted classes: what the result describes.
    r.model_lower = static_cast<double>(first * c.dX);
    r.model_upper = static_cast<double>(end * c.dX);
    if (to > shown) r.add(Warning::window_beyond_classes);

    if (first == 0 && end > 0) {
        for (const double d : q.durations) {
            const long double k = d / c.dX;
            if (k > -1 && k < 0) {
                r.add(Warning::negative_in_first_class);
                break;
            }
        }
    }
    fit_classes(used, static_cast<double>(c.dX), first, q.model, r);
}

}  // namespace

namespace detail {

void fit_sample(const Sample& x, const Request& q, Result& r) {
    r.events = x.events;
    if (x.events == 0) {
        r.status = Status::no_event;
    } else if (x.events < kMinEvents) {
        r.status = Status::too_few_events;
    } else if (x.distinct() < 2) {
        r.status = Status::all_equal;
    } else {
        fit_unbinned(x, q, r);
    }
}

}  // namespace detail

namespace {

// What the capture models need: the duration unit, lifetimes and a ratio that
// are numbers above 0, and the durations themselves.
Status capture_refusal(const Request& q) {
    if (!(q.unit_ns > 0 && std::isfinite(q.unit_ns))) return Status::unit_not_set;
    const auto positive = [](double v) { return v > 0 && std::isfinite(v); };
    if (q.method == Method::binned || !positive(q.muons.tau_minus_ns) || !positive(q.muons.rho)) {
        return Status::model_refused;
    }
    return Status::converged;
}

Result blank(const Request& q, Status status) {
    Result r;
    r.status = status;
    r.model = q.model;
    r.method = q.method;
    r.t_min = q.t_min;
    r.t_max = q.t_max;
    return r;
}

}  // namespace

std::string_view name(Model model) {
    switch (model) {
        case Model::exp_flat: return "exp+flat";
        case Model::exp_only: return "exp";
        case Model::mu_capture: return "mu-capture";
        case Model::charge_ratio: return "charge-ratio";
    }
    return "";
}
std::string_view name(Method method) { return method == Method::unbinned ? "unbinned" : "binned"; }

double interval_error(const Result& r) {
    if (!r.background_at_limit() || !std::isfinite(r.tau_lower) || !std::isfinite(r.tau_upper)) return r.tau_error;
    const double half = (r.tau_upper - r.tau_lower) / 2;
    return half > r.tau_error ? half : r.tau_error;
}

double clock_step_of(std::span<const double> durations) {
    double origin = 0;
    return detail::clock_step(durations, origin);
}

std::vector<std::int32_t> class_counts(std::span<const double> durations, long double dX, std::int32_t n_classe) {
    std::vector<std::int32_t> counts(static_cast<std::size_t>(std::max<std::int32_t>(n_classe, 0)), 0);
    if (!(dX > 0)) return counts;
    const RegleDesClasses classe(dX, n_classe);
    for (const double d : durations) {
        if (const auto k = classe(d)) ++counts[static_cast<std::size_t>(*k)];
    }
    return counts;
}

namespace detail {

Result fit_guarded(const Request& q, const std::function<void(const Request&, Result&)>& unbinned) {
    // Durations are never negative: a window that starts below 0 would fit an
    // exponential where there can be no event.
    if (!(std::isfinite(q.t_min) && std::isfinite(q.t_max) && q.t_min >= 0 && q.t_min < q.t_max &&
          std::isfinite(q.t_max - q.t_min))) {
        return blank(q, Status::window_refused);
    }
    if (is_capture_model(q.model)) {
        if (const Status refusal = capture_refusal(q); refusal != Status::converged) return blank(q, refusal);
    }
    Result r = blank(q, Status::not_converged);
    try {
        if (q.method == Method::binned) {
            fit_histogram(q, r);
        } else {
            unbinned(q, r);
        }
    } catch (const std::exception&) {
        // Boost.Math reports a value it cannot handle by an exception: the
        // caller (a tick of the window) gets a status, never an exception.
        return blank(q, Status::not_converged);
    }
    if (r.status == Status::converged) return r;
    // A fit that did not converge has no lifetime to show, nor any other estimate.
    Result bare = blank(q, r.status);
    bare.events = r.events;
    bare.lattice_step = r.lattice_step;
    bare.model_lower = r.model_lower;
    bare.model_upper = r.model_upper;
    return bare;
}

}  // namespace detail

Result fit_lifetime(const Request& q) {
    return detail::fit_guarded(q, [](const Request& request, Result& r) {
        detail::fit_sample(detail::sample_window(request.durations, request.t_min, request.t_max), request, r);
    });
}

}  // namespace fit
