#pragma once
// What the capture models take as known (fit.md, "Negative muons in matter"):
// the free muon's lifetime, the negative muon's in the materials detectors are
// made of, in ns, and the charge ratio of the muons stopped at sea level.
namespace fit {

constexpr double kFreeLifetimeNs = 2196.98;
constexpr double kCarbonLifetimeNs = 2026.3;  // plastic or liquid scintillator
constexpr double kOxygenLifetimeNs = 1795.4;  // water
constexpr double kChargeRatio = 1.27;         // N+ / N-

}  // namespace fit
