// How often the stability scan warns: on clean simulated runs (the false
// alarms) and on runs with an early-time artefact (the power). Not a timed
// figure: it prints, for each run size and kind of run, the fraction of scans
// that warn, the fraction that had a point beyond twice its band (the rule of
// one point against its own band), and on clean runs the 95 % quantile of the
// largest |deviation|, against which fit::kStabilityScanThreshold is set.
//
//     vorns-stability-alarms [RUNS [WINDOW_END]]   (400 runs, window [10, 800])
//
// A run as vorns-acquisition writes one by default: lifetime 219.7, 3 % flat
// background on [0, 2000], durations to 0.1.
#include "fit/stability.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr double kLifetime = 219.7;
constexpr double kBackground = 0.03;
constexpr double kFlatEnd = 2000;
constexpr double kWindowStart = 10;

struct Kind {
    const char* name;
    double dead = 0;      // durations below it lost
    double depleted = 0;  // durations below it kept one in two
};

std::vector<double> simulate(std::uint64_t seed, int events, const Kind& kind) {
    std::mt19937_64 engine(seed);
    std::uniform_real_distribution<double> uniform(0, 1);
    std::vector<double> d;
    d.reserve(static_cast<std::size_t>(events));
    while (d.size() < static_cast<std::size_t>(events)) {
        const bool flat = uniform(engine) < kBackground;
        const double u = uniform(engine);
        const double t = std::floor((flat ? u * kFlatEnd : -kLifetime * std::log1p(-u)) * 10 + 0.5) / 10;
        if (t < kind.dead) continue;
        if (t < kind.depleted && uniform(engine) < 0.5) continue;
        d.push_back(t);
    }
    return d;
}

struct Outcome {
    bool scanned = false;
    bool warned = false;        // the scan's verdict
    bool beyond_twice = false;  // a point beyond twice its band
    double largest = 0;         // the largest |deviation|, 0 where none is compared
};

Outcome scan_run(std::uint64_t seed, int events, const Kind& kind, double window_end) {
    const std::vector<double> durations = simulate(seed, events, kind);
    fit::Request q;
    q.durations = durations;
    q.t_min = kWindowStart;
    q.t_max = window_end;
    const fit::StabilityScan s = fit::stability_scan(q, fit::fit_lifetime(q));
    Outcome o;
    o.scanned = !s.points.empty();
    o.warned = s.outside();
    for (const fit::StabilityPoint& p : s.points) o.beyond_twice = o.beyond_twice || std::isgreater(std::fabs(p.deviation), 2);
    if (std::isfinite(s.largest_deviation)) o.largest = s.largest_deviation;
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 400;
    const double window_end = argc > 2 ? std::atof(argv[2]) : 800;
    if (runs < 1 || !(window_end > kWindowStart)) {
        std::fprintf(stderr, "usage: vorns-stability-alarms [RUNS [WINDOW_END]]\n");
        return 2;
    }
    const Kind kinds[] = {{"clean", 0, 0},
                          {"dead time 30", 30, 0},
                          {"half lost below 0.1 tau", 0, 0.1 * kLifetime},
                          {"dead time 20", 20, 0}};
    std::printf("window [%g, %g], threshold %.2f on the largest |deviation|, %d runs a row\n", kWindowStart, window_end,
                fit::kStabilityScanThreshold, runs);
    std::printf("%-26s %8s %8s %12s %10s\n", "run", "events", "warned", "beyond 2x", "q95 max");
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (const Kind& kind : kinds) {
        for (const int events : {2000, 20000, 100000}) {
            std::vector<Outcome> outcomes(static_cast<std::size_t>(runs));
            std::atomic<int> next{0};
            std::vector<std::thread> pool;
            for (unsigned t = 0; t < threads; ++t) {
                pool.emplace_back([&] {
                    for (int i = next++; i < runs; i = next++) {
                        outcomes[static_cast<std::size_t>(i)] =
                            scan_run(1000003ULL * static_cast<std::uint64_t>(events) + static_cast<std::uint64_t>(i),
                                     events, kind, window_end);
                    }
                });
            }
            for (std::thread& t : pool) t.join();
            int scanned = 0, warned = 0, beyond = 0;
            std::vector<double> largest;
            for (const Outcome& o : outcomes) {
                if (!o.scanned) continue;
                ++scanned;
                warned += o.warned ? 1 : 0;
                beyond += o.beyond_twice ? 1 : 0;
                largest.push_back(o.largest);
            }
            std::sort(largest.begin(), largest.end());
            const double q95 =
                largest.empty() ? NAN : largest[static_cast<std::size_t>(0.95 * static_cast<double>(largest.size()))];
            const double n = std::max(scanned, 1);
            std::printf("%-26s %8d %7.1f%% %11.1f%% %10.2f\n", kind.name, events, 100.0 * warned / n,
                        100.0 * beyond / n, q95);
            std::fflush(stdout);
        }
    }
    return 0;
}
