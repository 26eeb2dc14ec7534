#include "fit/fermi_constant.h"

#include <cmath>
#include <numbers>

namespace fit {

namespace {

constexpr double kHbarGeVs = 6.582119569e-25;
constexpr double kMuonMassGeV = 0.1056583755;
constexpr double kElectronMassGeV = 0.51099895e-3;
constexpr double kFineStructure = 1 / 137.035999;

}  // namespace

FermiConstant fermi_constant(double tau_ns, double tau_error_ns) {
    if (!(tau_ns > 0) || !std::isfinite(tau_ns)) return {};
    using std::numbers::pi;
    const double x = (kElectronMassGeV / kMuonMassGeV) * (kElectronMassGeV / kMuonMassGeV);
    const double phase_space = 1 - 8 * x;
    const double radiative = 1 + kFineStructure / (2 * pi) * (25.0 / 4 - pi * pi);
    const double tau_s = tau_ns * 1e-9;
    FermiConstant g;
    g.value = std::sqrt(192 * pi * pi * pi * kHbarGeVs / (tau_s * std::pow(kMuonMassGeV, 5) * phase_space * radiative));
    if (!std::isfinite(g.value)) return {};
    if (tau_error_ns >= 0 && std::isfinite(tau_error_ns)) g.error = g.value * tau_error_ns / (2 * tau_ns);
    return g;
}

FreeLifetime free_lifetime(const Result& r) {
    switch (r.model) {
        case Model::mu_capture:
            // The fitted tau is the free (positive) muon's, the captured ones apart.
            return {r.tau, interval_error(r), false};
        case Model::charge_ratio:
            // Both lifetimes are taken as known: no lifetime was measured.
            return {};
        case Model::exp_flat:
        case Model::exp_only: break;
    }
    // One exponential fitted to decays in matter: the mixture of free and
    // captured muons.
    return {r.tau, interval_error(r), true};
}

FermiConstant fermi_constant(const Result& r, double unit_ns) {
    if (r.status != Status::converged || !(unit_ns > 0) || !std::isfinite(unit_ns)) return {};
    const FreeLifetime free = free_lifetime(r);
    return fermi_constant(free.tau * unit_ns, free.error * unit_ns);
}

}  // namespace fit
