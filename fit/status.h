#pragma once
// What a fit ends on, what it warns about, and the thresholds that decide it
// (fit/text makes the program's texts from them). Only a converged fit has a
// lifetime to show; every other status stands instead of it.
#include <cstdint>
#include <string_view>

namespace fit {

// The least a fit takes: events in the window (the histogram method: in the
// fitted classes), and classes in the window for the histogram method.
constexpr int kMinEvents = 10;
constexpr int kMinClasses = 4;
// The lifetimes a window can measure: not above kReachFactor times its width
// (the decay is then a slope too faint to tell from a flat background), nor
// below kShortestShare of its largest duration.
constexpr double kReachFactor = 10;
constexpr double kShortestShare = 1e-6;
// A goodness of fit has no p-value when more than one class in
// kFewExpectedShare expects fewer than kFewExpected events.
constexpr double kFewExpected = 5;
constexpr int kFewExpectedShare = 5;

enum class Status {
    converged,
    window_refused,   // t_min below 0 or not below t_max, or a bound that is not a finite number
    classes_refused,  // binned: no class width, or more classes than the fit takes
    no_event,
    too_few_events,          // fewer than kMinEvents
    too_few_classes,         // binned: fewer than kMinClasses classes in the window
    all_equal,               // every duration (every event, binned: in one class) the same
    no_decay_signal,         // flat or rising data: the background takes everything
    lifetime_beyond_window,  // tau above kReachFactor times the window
    lifetime_too_short,      // tau below kShortestShare of the largest duration
    not_converged,
    unit_not_set,   // a capture model without the duration unit in ns
    model_refused,  // a capture model by the histogram method, or with tau- or rho not a number above 0
};

// Warnings on a converged fit, as bits of Result::warnings.
enum class Warning : std::uint32_t {
    clock_grid = 1u << 0,                   // the likelihood of the durations' grid values
    background_at_limit = 1u << 1,          // b = 0: tau and its error are those of the exponential alone
    signal_compatible_with_zero = 1u << 2,  // 1 - b below 2 sigma_b
    large_error = 1u << 3,                  // sigma_tau above tau / 2
    negative_in_first_class = 1u << 4,      // durations between -dX and 0 count in class 0
    loose_convergence = 1u << 5,            // converged to the looser goal only
    window_beyond_classes = 1u << 6,        // binned: the shown classes end before t_max
    grid_start_left_out = 1u << 7,          // grid values less than a step above 0 left out of the fit
    charge_ratio_at_limit = 1u << 8,        // charge-ratio: no sign of one of the two charges (rho 0 or infinite)
};

// Why a goodness of fit has no p-value.
enum class GoodnessNote {
    ok,
    not_computed,      // no class width, or too many classes in the window
    too_few_classes,   // no degree of freedom left
    too_few_expected,  // more than 1 / kFewExpectedShare of the classes expect fewer than kFewExpected events
};

// Stable ASCII names, for files and scripts ("converged", "clock_grid", ...).
std::string_view name(Status status);
std::string_view name(Warning warning);

// Every warning in `warnings`, in the order of the enumeration.
constexpr Warning kWarnings[] = {Warning::clock_grid,
                                 Warning::background_at_limit,
                                 Warning::signal_compatible_with_zero,
                                 Warning::large_error,
                                 Warning::negative_in_first_class,
                                 Warning::loose_convergence,
                                 Warning::window_beyond_classes,
                                 Warning::grid_start_left_out,
                                 Warning::charge_ratio_at_limit};

}  // namespace fit
