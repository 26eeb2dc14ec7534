// What the fit shows describes what it fitted: the classes of the histogram
// method when the window reaches past them, and the fitted curve drawn as the
// model's density times dX, smooth up to the window's edges.
#include "fit/run/histogram_view.h"
#include "fit/text/fit_text.h"
#include "platform/numbers.h"
#include "support/qstring_print.h"
#include "support/toy_durations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Window {
    const char* name;
    double t_min;
    double t_max;
    fit::Model model;
    fit::Method method;
    std::int32_t shown = 80;  // classes of width 10: X max = 800
    double unit_ns = fit::kNone;
};

fit::Request request(const std::vector<double>& durations, const Window& w) {
    fit::Request q;
    q.durations = durations;
    q.t_min = w.t_min;
    q.t_max = w.t_max;
    q.model = w.model;
    q.method = w.method;
    q.classes = {10, w.shown, 0, {}};
    q.unit_ns = w.unit_ns;
    return q;
}

const auto A = fit::Model::exp_flat;
const auto E = fit::Model::exp_only;
const auto U = fit::Method::unbinned;
const auto H = fit::Method::binned;

}  // namespace

TEST(FittedRange, TheHistogramMethodSaysWhichClassesItFitted) {
    platform::set_decimal_separator(QLatin1Char('.'));
    const std::vector<double> durations = toy_durations(3, 5000, 0.05, 10);
    struct Case {
        Window window;
        double lower;
        double upper;
        const char* says;  // in the status line; empty: no word of the classes
    };
    const Case cases[] = {
        {{"t max above X max", 10, 2000, A, H}, 10, 800, "t max au-delà des classes affichées : ajusté sur [10 ; 800]"},
        {{"t max above X max, exponential alone", 20, 1000, E, H, 60}, 20, 600, "ajusté sur [20 ; 600]"},
        {{"t max at X max", 10, 800, A, H}, 10, 800, ""},
        {{"window inside the classes", 15, 595, A, H}, 20, 590, ""},
        {{"unbinned: the durations, not the classes", 10, 2000, A, U}, 9.95, 2000.05, ""},
    };
    for (const Case& c : cases) {
        const fit::Request q = request(durations, c.window);
        const fit::Result r = fit::fit_lifetime(q);
        ASSERT_EQ(r.status, fit::Status::converged) << c.window.name;
        EXPECT_DOUBLE_EQ(r.model_lower, c.lower) << c.window.name;
        EXPECT_DOUBLE_EQ(r.model_upper, c.upper) << c.window.name;
        const QString status = fit_text::status_line(r);
        const QString says = QString::fromUtf8(c.says);
        EXPECT_EQ(r.has(fit::Warning::window_beyond_classes), !says.isEmpty()) << c.window.name;
        if (says.isEmpty()) {
            EXPECT_FALSE(status.contains(QString::fromUtf8("classes affichées"))) << c.window.name << ": " << status;
        } else {
            EXPECT_TRUE(status.contains(says)) << c.window.name << ": " << status;
        }
        // The events are those of the fitted range.
        double events = 0;
        for (const double d : durations) events += d >= c.lower && d < c.upper ? 1 : 0;
        if (c.window.method == H) {
            EXPECT_EQ(r.events, events) << c.window.name;
        }
    }
}

TEST(FittedRange, TheCurveIsTheDensityTimesDxSmoothToTheWindowsEdges) {
    const std::vector<double> on_grid = toy_durations(4, 20000, 0.05, 10);
    const std::vector<double> continuous = toy_durations(4, 20000, 0.05, 1 << 30);
    struct Case {
        Window window;
        const std::vector<double>* durations;
    };
    const Case cases[] = {
        {{"classes cut at both ends", 15, 795, A, U}, &continuous},
        {{"classes cut at both ends, on a clock grid", 15, 795, A, U}, &on_grid},
        {{"exponential alone", 5, 404, E, U}, &continuous},
        {{"histogram method", 15, 795, A, H}, &on_grid},
        {{"the free and captured muons", 15, 795, fit::Model::mu_capture, U, 80, 10}, &on_grid},
        {{"the charge ratio", 15, 795, fit::Model::charge_ratio, U, 80, 10}, &continuous},
    };
    for (const Case& c : cases) {
        const fit::Request q = request(*c.durations, c.window);
        const fit::Result r = fit::fit_lifetime(q);
        ASSERT_EQ(r.status, fit::Status::converged) << c.window.name;
        const HistogramView v = histogram_view(q, r);
        ASSERT_GE(v.curve.size(), 100u) << c.window.name;
        ASSERT_EQ(v.curve.size(), v.curve_t.size());
        // From one end of the fitted range to the other, falling all the way:
        // no spike or drop where a class is cut.
        EXPECT_DOUBLE_EQ(v.curve_t.front(), std::max(c.window.t_min, r.model_lower)) << c.window.name;
        EXPECT_DOUBLE_EQ(v.curve_t.back(), std::min(c.window.t_max, r.model_upper)) << c.window.name;
        for (std::size_t i = 1; i < v.curve.size(); ++i) {
            ASSERT_LT(v.curve[i], v.curve[i - 1]) << c.window.name << " at " << v.curve_t[i];
        }
        // A class expects about the curve at its centre, once drawn per width
        // dX as its count is (the density is convex: within (dX / tau)^2 / 24
        // of it, and half a clock step), a class the window cuts as well.
        int cut = 0;
        for (std::size_t j = 0; j < v.size(); ++j) {
            if (v.count[j] == 0) continue;
            cut += v.upper[j] - v.lower[j] < v.dX * (1 - 1e-9) ? 1 : 0;
            const double curve = fitted_density_dX(r, v.dX, v.centre[j]);
            EXPECT_NEAR(v.expected[j] * v.count_per_dX[j] / v.count[j], curve, 1e-3 * curve)
                << c.window.name << ", class from " << v.lower[j];
        }
        EXPECT_EQ(cut, c.window.method == H ? 0 : 2) << c.window.name;
    }
}
