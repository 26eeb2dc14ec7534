#pragma once
// The fit of a followed run, made again after each load. When the events a
// fit takes are those of the last fit (the same window, model, method and
// classes; for the capture models the same unit and muons; the same durations in the window, in the same order; for the
// histogram method the same class counts), the last result stands and nothing
// is fitted again: a reload that brought no new event into the window costs
// no fit, not even its interval search.
#include "fit/lifetime_fit.h"

#include <cstdint>
#include <vector>

namespace fit {

class Refit {
public:
    // The fit of `request`, or the last one's result when its events are the same.
    const Result& fit(const Request& request);
    // Whether the last call gave the result before it back.
    bool reused() const { return reused_; }
    const Result& result() const { return result_; }

    // What a fit of a request takes; equal for two requests whose fits are equal.
    struct Events {
        double t_min = 0;
        double t_max = 0;
        Model model = Model::exp_flat;
        Method method = Method::unbinned;
        long double dX = 0;
        std::int32_t n_classe = 0;
        std::int32_t skipped = 0;
        std::vector<double> window;        // unbinned: the durations in the window, in their order
        std::vector<std::int32_t> counts;  // binned: the counts of classes 0 .. n_classe - 1
        bool negative = false;             // binned: a duration between -dX and 0
        // The capture models: the unit (-1 when not set) and the muons; 0 for the others.
        double unit_ns = 0;
        double tau_minus_ns = 0;
        double rho = 0;
        bool operator==(const Events&) const = default;
    };

private:
    Events events_;
    Result result_;
    bool fitted_ = false;
    bool reused_ = false;
};

}  // namespace fit
