#pragma once
// The durations of a toy run, drawn exactly as tests/validation/make_reference.py
// draws them (splitmix64 uniforms, the C library's log, rounding on the clock),
// so that the reference table it made from iminuit fits the very same events.
#include "platform/numbers.h"

#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstdint>
#include <vector>

// Splitmix64 uniforms in [0, 1).
struct ToyUniform {
    std::uint64_t state;
    double operator()() {
        state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return static_cast<double>((z ^ (z >> 31)) >> 11) * 0x1.0p-53;
    }
};

inline std::vector<double> toy_durations(std::uint64_t seed, int count, double background, int ticks_per_unit,
                                         double tau = 220, double flat_end = 2200) {
    ToyUniform uniform{seed};
    std::vector<double> d;
    d.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const bool flat = uniform() < background;
        const double u = uniform();
        const double t = flat ? u * flat_end : -tau * std::log(1 - u);
        d.push_back(std::floor(t * ticks_per_unit + 0.5) / ticks_per_unit);
    }
    return d;
}

// A toy run as make_reference.py draws it: exponential durations of lifetime
// tau plus a flat background on [0, flat_end], on a clock of `step` that
// rounds (or truncates), or on none (step 0); with rho above 0, muons
// stopped in the ratio N+/N- = rho, a decay being a positive muon's (lifetime
// tau) with probability rho tau / (rho tau + tau_minus), else a negative one's
// (tau_minus): a negative muon gives a decay only in the share tau_minus / tau
// of the cases.
struct ToyRun {
    std::uint64_t seed = 1;
    int count = 1000;
    double background = 0;
    double step = 1;
    bool truncate = false;
    double tau = 220;
    double flat_end = 2200;
    double tau_minus = 0;
    double rho = 0;
};

inline std::vector<double> toy_run(const ToyRun& r) {
    ToyUniform uniform{r.seed};
    std::vector<double> d;
    d.reserve(static_cast<std::size_t>(r.count));
    for (int i = 0; i < r.count; ++i) {
        const bool flat = uniform() < r.background;
        const double u = uniform();
        double lifetime = r.tau;
        if (r.rho > 0 && uniform() >= r.rho * r.tau / (r.rho * r.tau + r.tau_minus)) lifetime = r.tau_minus;
        const double t = flat ? u * r.flat_end : -lifetime * std::log(1 - u);
        if (r.step <= 0) {
            d.push_back(t);
        } else if (r.step >= 1 || r.truncate) {
            d.push_back(std::floor(t / r.step + (r.truncate ? 0 : 0.5)) * r.step);
        } else {
            const double ticks = std::round(1 / r.step);
            d.push_back(std::floor(t * ticks + 0.5) / ticks);
        }
    }
    return d;
}

// A data file of these durations as the acquisition writes it: two title
// lines, the column header, the time origin, then one record a second.
inline QByteArray run_file_bytes(const std::vector<double>& durations) {
    QByteArray bytes = "Acquisition\r\nEssai\r\nHeure\tDur\xE9"
                       "e\r\n10:00:00\t0\r\n";
    for (std::size_t i = 0; i < durations.size(); ++i) {
        const std::size_t s = i + 1;
        bytes += QStringLiteral("%1:%2:%3\t")
                     .arg(10 + s / 3600)
                     .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(s % 60, 2, 10, QLatin1Char('0'))
                     .toLatin1();
        bytes += platform::general(durations[i], QLatin1Char('.')).toLatin1() + "\r\n";
    }
    return bytes;
}
