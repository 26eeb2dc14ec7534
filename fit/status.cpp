#include "fit/status.h"

namespace fit {

std::string_view name(Status status) {
    switch (status) {
        case Status::converged: return "converged";
        case Status::window_refused: return "window_refused";
        case Status::classes_refused: return "classes_refused";
        case Status::no_event: return "no_event";
        case Status::too_few_events: return "too_few_events";
        case Status::too_few_classes: return "too_few_classes";
        case Status::all_equal: return "all_equal";
        case Status::no_decay_signal: return "no_decay_signal";
        case Status::lifetime_beyond_window: return "lifetime_beyond_window";
        case Status::lifetime_too_short: return "lifetime_too_short";
        case Status::not_converged: return "not_converged";
        case Status::unit_not_set: return "unit_not_set";
        case Status::model_refused: return "model_refused";
    }
    return "";
}

std::string_view name(Warning warning) {
    switch (warning) {
        case Warning::clock_grid: return "clock_grid";
        case Warning::background_at_limit: return "background_at_limit";
        case Warning::signal_compatible_with_zero: return "signal_compatible_with_zero";
        case Warning::large_error: return "large_error";
        case Warning::negative_in_first_class: return "negative_in_first_class";
        case Warning::loose_convergence: return "loose_convergence";
        case Warning::window_beyond_classes: return "window_beyond_classes";
        case Warning::grid_start_left_out: return "grid_start_left_out";
        case Warning::charge_ratio_at_limit: return "charge_ratio_at_limit";
    }
    return "";
}

}  // namespace fit
