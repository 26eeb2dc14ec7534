#pragma once
// The Fermi constant G_F / (ħc)³ from the muon's lifetime, and which lifetime
// of a fit is the free muon's.
//
// With ħ in GeV s, the muon and electron masses in GeV, x = (m_e / m_μ)² and τ
// in seconds, the electron-mass phase-space factor and the first-order
// radiative correction give
//   G_F² = 192 π³ ħ / (τ m_μ⁵ (1 − 8x) (1 + (α / 2π)(25/4 − π²)))
// (τ = 2196.9811 ns: 1.166382e-5 GeV⁻²), and σ(G_F) = G_F σ_τ / (2τ).
#include "fit/lifetime_fit.h"

namespace fit {

struct FermiConstant {
    double value = kNone;  // GeV⁻²
    double error = kNone;
};

// Nothing (kNone) for a lifetime that is not a finite number above 0; no
// error for an error that is not a finite number of 0 or more.
FermiConstant fermi_constant(double tau_ns, double tau_error_ns);

// The lifetime of the free (positive) muon that a fit gives, in the data's
// units. Negative muons stopped in matter are also captured by nuclei, so
// one exponential fitted to a detector's decays is a mixture, shorter than
// the free lifetime: G_F from it is biased (`in_matter`). The one place that
// says which lifetime of a result is the free one.
struct FreeLifetime {
    double tau = kNone;
    double error = kNone;
    bool in_matter = true;  // one exponential fitted to decays in matter
};
FreeLifetime free_lifetime(const Result& result);

// G_F from the free lifetime of a converged fit, one unit of its durations
// worth `unit_ns`; nothing without a lifetime or a unit above 0.
FermiConstant fermi_constant(const Result& result, double unit_ns);

}  // namespace fit
