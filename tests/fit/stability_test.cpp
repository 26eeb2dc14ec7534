// The stability scan of the lifetime against t min, on simulated runs whose
// answer is known: without an artefact the points stay in their band (and
// about as often out of it as chance says); a dead time or depleted first
// classes take them out.
#include "fit/stability.h"
#include "fit/text/stability_text.h"
#include "platform/numbers.h"
#include "platform/uncertainty.h"
#include "support/qstring_print.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The durations of a toy run (lifetime 220) with those below `dead` lost, and
// those in [dead, depleted_to) kept one in two.
std::vector<double> run(std::uint64_t seed, int count, double background, double dead = 0, double depleted_to = 0) {
    std::vector<double> kept;
    int k = 0;
    for (const double d : toy_durations(seed, count, background, 10)) {
        if (d < dead || (d < depleted_to && ++k % 2 == 0)) continue;
        kept.push_back(d);
    }
    return kept;
}

fit::StabilityScan scan_of(const std::vector<double>& durations, double t_min, double t_max, fit::Model model,
                           fit::Method method = fit::Method::unbinned) {
    fit::Request q;
    q.durations = durations;
    q.t_min = t_min;
    q.t_max = t_max;
    q.model = model;
    q.method = method;
    q.classes = {10, static_cast<std::int32_t>(t_max / 10), 0, {}};
    return fit::stability_scan(q, fit::fit_lifetime(q));
}

}  // namespace

TEST(StabilityScan, PointsStayInTheirBandWithoutAnArtefactAndLeaveItWithOne) {
    using M = fit::Model;
    using fit::Method;
    struct Case {
        const char* name;
        std::vector<double> durations;
        double t_max;
        M model;
        Method method;
        int first_outside;  // -1: none
        const char* line;   // how stability_line() starts
    };
    const Case cases[] = {
        {"no artefact", run(1, 20000, 0.05), 2000, M::exp_flat, Method::unbinned, -1,
         "Tau stable quand t min monte de 10 à "},
        {"no artefact, no background", run(2, 20000, 0), 2000, M::exp_only, Method::unbinned, -1, "Tau stable"},
        {"no artefact, classes", run(3, 20000, 0.05), 2000, M::exp_flat, Method::binned, -1, "Tau stable"},
        // A fit at the background's bound, its error below the first's.
        {"a short window", run(4, 20000, 0.05), 500, M::exp_flat, Method::unbinned, -1, "Tau stable"},
        {"a dead time of 40", run(5, 20000, 0.05, 40), 2000, M::exp_flat, Method::unbinned, 1,
         "Tau hors de la bande de stabilité à t min = 62 ("},
        {"half the events below 30 lost", run(6, 20000, 0.05, 0, 30), 2000, M::exp_flat, Method::unbinned, 1,
         "Tau hors de la bande"},
        {"the same, classes", run(6, 20000, 0.05, 0, 30), 2000, M::exp_flat, Method::binned, 1, "Tau hors de la bande"},
    };
    for (const Case& c : cases) {
        const fit::StabilityScan s = scan_of(c.durations, 10, c.t_max, c.model, c.method);
        ASSERT_FALSE(s.points.empty()) << c.name;
        EXPECT_EQ(s.first_outside, c.first_outside) << c.name << ": " << fit_text::stability_line(s);
        EXPECT_TRUE(fit_text::stability_line(s).startsWith(QString::fromUtf8(c.line))) << fit_text::stability_line(s);
        EXPECT_EQ(fit_text::stability_warning(s).isEmpty(), !s.outside()) << c.name;
        // A title, the column names, a row a point, the line; the first point outside marked.
        const QStringList table = fit_text::stability_table(s);
        ASSERT_EQ(table.size(), static_cast<qsizetype>(s.points.size()) + 3) << c.name;
        if (s.outside()) {
            EXPECT_TRUE(table[2 + s.first_outside].endsWith(QStringLiteral("hors bande"))) << c.name;
        }
        // About two lifetimes, one of width left above; a step of two significant digits.
        const fit::StabilityPoint& first = s.points.front();
        const double span = std::min(2 * first.tau, std::max(c.t_max - 10 - first.tau, (c.t_max - 10) / 2));
        const auto steps = static_cast<double>(s.points.size() - 1);
        EXPECT_TRUE(steps * s.step <= span && span < (steps + 1) * s.step && steps >= 10) << c.name;
        EXPECT_EQ(std::fmod(s.step, std::pow(10.0, std::floor(std::log10(s.step)) - 1)), 0) << c.name << s.step;
        EXPECT_EQ(first.t_min, 10) << c.name;
        EXPECT_EQ(first.band, 0) << c.name;
        for (std::size_t i = 1; i < s.points.size(); ++i) {
            const fit::StabilityPoint& p = s.points[i];
            const std::string at = std::string(c.name) + " at " + std::to_string(p.t_min);
            EXPECT_NEAR(p.t_min, 10 + static_cast<double>(i) * s.step, 1e-9) << at;
            ASSERT_EQ(p.status, fit::Status::converged) << at;
            if (p.background_at_limit) {
                EXPECT_TRUE(std::isnan(p.band) && std::isnan(p.deviation) && !p.outside) << at;
                continue;
            }
            // The point's error taken at the first fit's tau, the lifetime the scan tests.
            const double sigma = p.tau_error * first.tau / p.tau;
            const double v = sigma * sigma - first.tau_error * first.tau_error;
            EXPECT_NEAR(p.band, v > 0 ? std::sqrt(v) : sigma, 1e-9 * p.band) << at;
            EXPECT_NEAR(p.deviation, (p.tau - first.tau) / p.band, 1e-12) << at;
            EXPECT_EQ(p.outside, std::fabs(p.deviation) > 2) << at;
        }
    }
    // No scan without a converged fit of the window.
    EXPECT_TRUE(scan_of(run(7, 5, 0), 10, 2000, M::exp_flat).points.empty());
}

// The band is the spread of chance: on runs without an artefact, a point
// leaves twice its band in one scan in ten to one in four (ten looks at 4.6 %
// each, correlated; fewer on the short window, whose last points are not all
// compared); never would mean a band too wide, most a band too narrow. The
// scan as a whole warns in about one in twenty: a warning on these clean runs
// as often as a point beyond twice its band would mean the look-elsewhere
// effect is back. On the short window of the histogram's classes too, where
// many fits put the background at its bound and the last fits are poor.
TEST(StabilityScan, RunsWithoutAnArtefactLeaveTheBandAsOftenAsChanceSaysAndRarelyWarn) {
    for (const double t_max : {2000.0, 800.0}) {
        int outside = 0;
        int warned = 0;
        for (std::uint64_t seed = 100; seed < 220; ++seed) {
            const fit::StabilityScan s = scan_of(run(seed, 3000, 0.05), 10, t_max, fit::Model::exp_flat);
            ASSERT_FALSE(s.points.empty()) << seed;
            outside += std::any_of(s.points.begin(), s.points.end(), [](const auto& p) { return p.outside; }) ? 1 : 0;
            warned += s.outside() ? 1 : 0;
        }
        EXPECT_GE(outside, 6) << t_max;
        EXPECT_LE(outside, 50) << t_max;
        EXPECT_LE(warned, 12) << t_max;
    }
}

// The verdict on synthetic scans: the largest |deviation| of the points whose
// lifetime is known well enough, against the threshold; a point beyond twice
// its band is marked whatever its verdict.
TEST(StabilityScan, TheScanWarnsOnItsLargestJudgedDeviation) {
    constexpr double kT = fit::kStabilityScanThreshold;
    constexpr double kEps = 1e-9;
    constexpr double kPoor = 1.5 * fit::kStabilityJudgedPrecision;  // sigma / tau of a point not judged
    struct Case {
        const char* name;
        std::vector<double> deviations;  // of points 1.., the first point (0) has none
        std::vector<double> precisions;  // sigma / tau of points 1..; empty: all 0.02
        int first_outside;
        double largest;
    };
    const double nan = fit::kNone;
    const Case cases[] = {
        {"all within", {0.5, -1.2, 1.9, -0.3}, {}, -1, 1.9},
        {"beyond twice, below the threshold", {2.5, -kT + kEps, 1}, {}, -1, kT - kEps},
        {"just beyond the threshold", {1, -kT - kEps, 1}, {}, 2, kT + kEps},
        {"far out, then back", {9, 4, 1}, {}, 1, 9},
        {"points not compared", {nan, 2.2, nan}, {}, -1, 2.2},
        {"far out on a poor fit", {1, 13}, {0.02, kPoor}, -1, 1},
        {"far out on the last well known fit", {1, -4}, {0.02, fit::kStabilityJudgedPrecision}, 2, 4},
        {"no point compared", {nan, nan}, {}, -1, nan},
    };
    for (const Case& c : cases) {
        fit::StabilityScan s;
        s.points.resize(c.deviations.size() + 1);
        s.points.front() = {10, fit::Status::converged, 1000, 200, 4, 0};
        for (std::size_t i = 0; i < c.deviations.size(); ++i) {
            fit::StabilityPoint& p = s.points[i + 1];
            p.t_min = 10 + 40 * static_cast<double>(i + 1);
            p.tau = 200;
            p.tau_error = 200 * (c.precisions.empty() ? 0.02 : c.precisions[i]);
            p.deviation = c.deviations[i];
        }
        fit::judge(s);
        EXPECT_EQ(s.first_outside, c.first_outside) << c.name;
        if (std::isnan(c.largest)) {
            EXPECT_TRUE(std::isnan(s.largest_deviation)) << c.name;
            // Nothing judged is not "stable".
            EXPECT_TRUE(
                fit_text::stability_line(s).startsWith(QStringLiteral("Tau non jugé quand t min monte de 10 à ")))
                << fit_text::stability_line(s);
        } else {
            EXPECT_DOUBLE_EQ(s.largest_deviation, c.largest) << c.name;
        }
        for (const fit::StabilityPoint& p : s.points)
            EXPECT_EQ(p.outside, std::isgreater(std::fabs(p.deviation), 2)) << c.name;
        // The warning names the first point beyond the threshold, with its own deviation.
        const QString warning = fit_text::stability_warning(s);
        EXPECT_EQ(warning.isEmpty(), c.first_outside < 0) << c.name;
        if (c.first_outside >= 0) {
            EXPECT_TRUE(
                warning.contains(QStringLiteral("(%1 fois")
                                     .arg(platform::fixed_decimals(std::fabs(c.deviations[c.first_outside - 1]), 1))))
                << warning;
        } else if (!std::isnan(c.largest)) {
            EXPECT_TRUE(fit_text::stability_line(s).endsWith(
                QString::fromUtf8("(alerte au-delà de %1 fois pour les Tau connus à 10 % près)")
                    .arg(platform::general(2.8))))
                << fit_text::stability_line(s);
        }
    }
}
