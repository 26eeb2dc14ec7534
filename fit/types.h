#pragma once
// The lifetime fit's types: the request, its choices and its result. The
// public door (lifetime_fit.h) and the workings (detail/) both include this
// header, so that nothing in detail/ includes the door above it.
#include "fit/muons.h"
#include "fit/status.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace fit {

enum class Model { exp_flat, exp_only, mu_capture, charge_ratio };
enum class Method { unbinned, binned };

// Every model, in the order the fit window lists them, and the position of one.
constexpr Model kModels[] = {Model::exp_flat, Model::exp_only, Model::mu_capture, Model::charge_ratio};
constexpr int index_of(Model m) { return static_cast<int>(m); }
static_assert(index_of(Model::charge_ratio) == 3 && kModels[3] == Model::charge_ratio);

std::string_view name(Model model);    // "exp+flat", "exp", "mu-capture", "charge-ratio"
std::string_view name(Method method);  // "unbinned", "binned"

// The models of muons stopped in matter, which take the duration unit.
constexpr bool is_capture_model(Model m) { return m == Model::mu_capture || m == Model::charge_ratio; }
constexpr bool has_background(Model m) { return m != Model::exp_only; }

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// The histogram as the class pass makes it: class k holds the durations d with
// trunc(d / dX) = k, and classes 0 .. n_classe - 1 are shown.
struct Classes {
    long double dX = 0;
    std::int32_t n_classe = 0;
    std::int32_t skipped = 0;  // the first classes, left out of the binned fit (dead time)
    // The counts of classes 0 .. n_classe - 1 (the class table's); when empty,
    // they are made from the durations as the class pass makes them.
    std::span<const std::int32_t> counts;
};

// The muons of the capture models, in ns.
struct Muons {
    double tau_minus_ns = kCarbonLifetimeNs;  // the negative muons' lifetime in the detector's material
    double rho = kChargeRatio;                // N+ / N-: fixed by mu-capture, where charge-ratio's fit starts
};

struct Request {
    std::span<const double> durations;
    double t_min = 0;
    double t_max = 0;
    Model model = Model::exp_flat;
    Method method = Method::unbinned;
    Classes classes;
    // Nanoseconds in one unit of the durations; not a number while the user
    // has given none (the capture models are then refused).
    double unit_ns = kNone;
    Muons muons;
};

struct Goodness {
    double chi2 = kNone;     // Baker-Cousins (Poisson likelihood ratio)
    double pearson = kNone;  // Pearson's chi2 on the same classes
    int ndf = 0;
    int classes = 0;
    double p_value = kNone;
    GoodnessNote note = GoodnessNote::not_computed;
    // The classes compared: observed and expected counts, the first being
    // class first_class (its lower edge near first_class * dX).
    std::int32_t first_class = 0;
    std::vector<double> observed;
    std::vector<double> expected;
    // The extent of each class compared: dX, less where the window cuts it;
    // on a clock grid, its whole cells (the values it counts stand for them).
    std::vector<double> width;
};

// Only a converged fit carries estimates; otherwise they are kNone and the
// status says why.
struct Result {
    Status status = Status::window_refused;
    std::uint32_t warnings = 0;  // bits of Warning
    Model model = Model::exp_flat;
    Method method = Method::unbinned;
    double t_min = kNone;
    double t_max = kNone;

    double events = 0;  // in the window (binned: in the fitted classes)
    double tau = kNone;
    double tau_error = kNone;  // from the Hessian (at b = 0: of the exponential alone)
    // The profile-likelihood interval of tau (the likelihood profiled over the
    // other parameters falls by 0.5, chi2 rises by 1); infinite when the
    // likelihood never falls that far on that side.
    double tau_lower = kNone;
    double tau_upper = kNone;
    double background_fraction = kNone;  // b, every model but the exponential alone
    double background_fraction_error = kNone;
    double correlation = kNone;  // of tau (charge-ratio: rho) and b
    // Binned: the classes' model A (tau/dX) e^(-k dX/tau) (1 - e^(-dX/tau)) + B.
    double amplitude = kNone;
    double amplitude_error = kNone;
    double background_per_class = kNone;
    double background_per_class_error = kNone;
    Goodness goodness;
    double lattice_step = 0;  // the durations' clock step, 0 when none
    // The range the model was fitted on. Unbinned: the window widened to whole
    // clock cells; binned: the edges of the fitted classes (inside the window,
    // and no further than the shown classes).
    double model_lower = kNone;
    double model_upper = kNone;

    // The capture models (kNone for the others); lifetimes in the durations'
    // units. mu-capture: tau and its errors are the free muon's lifetime tau+.
    // charge-ratio: no lifetime is fitted (tau is kNone), rho is.
    double tau_free = kNone;   // tau+: fitted (mu-capture) or the free muon's 2196.98 ns (charge-ratio)
    double tau_minus = kNone;  // tau-, the material's, fixed
    double rho = kNone;        // N+ / N-: fixed (mu-capture) or fitted (charge-ratio)
    double rho_error = kNone;  // charge-ratio: from the Hessian
    // charge-ratio: the profile-likelihood interval of rho (0 or infinite when
    // the likelihood never falls that far on that side).
    double rho_lower = kNone;
    double rho_upper = kNone;
    double free_share = kNone;  // the share of the positive muons among the decays in the window

    bool has(Warning w) const { return (warnings & static_cast<std::uint32_t>(w)) != 0; }
    void add(Warning w) { warnings |= static_cast<std::uint32_t>(w); }
    bool background_at_limit() const { return has(Warning::background_at_limit); }
};

}  // namespace fit
