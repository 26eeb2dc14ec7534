// The Fermi constant from the lifetime, against the published value, and the
// forecast of the run's precision; each with the texts that show them.
#include "fit/fermi_constant.h"
#include "fit/forecast.h"
#include "fit/text/fit_text.h"
#include "fit/text/stability_text.h"
#include "platform/numbers.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

fit::Result converged(double tau, double tau_error, double events) {
    fit::Result r;
    r.status = fit::Status::converged;
    r.tau = tau;
    r.tau_error = tau_error;
    r.events = events;
    return r;
}

}  // namespace

TEST(FermiConstant, FromTheLifetimeWithItsUncertainty) {
    struct Case {
        double tau_ns, error_ns;
        double g;  // GeV⁻²
        double tolerance;
        double error;
    };
    const Case cases[] = {
        // The published value from this lifetime with the higher orders is 1.1663787e-5.
        {2196.9811, 0.0022, 1.166382e-5, 1e-5, 1.166382e-5 * 0.0022 / (2 * 2196.9811)},
        {2196.9811, 0, 1.1663787e-5, 3e-6, 0},
        // Carbon's and water's negative muons, and a mixture fitted with one exponential: G_F up 1.7 %.
        {2026.3, 20, 1.2145126e-5, 1e-6, 1.2145126e-5 * 20 / (2 * 2026.3)},
        {1795.4, 1795.4, 1.2902483e-5, 1e-6, 1.2902483e-5 / 2},
        {2125, kNan, 1.1859720e-5, 1e-6, kNan},
        {0, 1, kNan, 0, kNan},
        {-2197, 1, kNan, 0, kNan},
        {kNan, 1, kNan, 0, kNan},
        {std::numeric_limits<double>::infinity(), 1, kNan, 0, kNan},
        {1e-320, 1, kNan, 0, kNan},  // G_F beyond the range of doubles
    };
    for (const Case& c : cases) {
        const fit::FermiConstant g = fit::fermi_constant(c.tau_ns, c.error_ns);
        if (std::isnan(c.g)) {
            EXPECT_TRUE(std::isnan(g.value) && std::isnan(g.error)) << c.tau_ns;
            continue;
        }
        EXPECT_NEAR(g.value / c.g, 1, c.tolerance) << c.tau_ns;
        if (std::isnan(c.error)) {
            EXPECT_TRUE(std::isnan(g.error)) << c.tau_ns;
        } else {
            EXPECT_NEAR(g.error, c.error, 1e-6 * c.error + 1e-20) << c.tau_ns;
        }
    }

    // Beside the lifetime in ns or µs, with the unit; biased while one exponential is fitted.
    platform::set_decimal_separator(QLatin1Char(','));
    const fit::Result r = converged(219.74, 3.14, 4987);
    const fit_text::ResultLines lines = fit_text::result_lines(r, 10);
    EXPECT_EQ(lines.fermi, QString::fromUtf8("(1,1663 ± 0,0083) × 10⁻⁵ GeV⁻²"));
    EXPECT_EQ(lines.fermi_note, fit_text::fermi_matter_note());
    EXPECT_EQ(fit_text::result_lines(r, 0).fermi, QString());  // no unit: no time, no G_F
    fit::Result failed = r;
    failed.status = fit::Status::no_decay_signal;
    EXPECT_EQ(fit_text::result_lines(failed, 10).fermi, QString());
    // The capture model's tau is the free muon's: no note; charge-ratio measures no lifetime: no G_F.
    fit::Result capture = r;
    capture.model = fit::Model::mu_capture;
    EXPECT_EQ(fit_text::result_lines(capture, 10).fermi, lines.fermi);
    EXPECT_EQ(fit_text::result_lines(capture, 10).fermi_note, QString());
    fit::Result ratio = r;
    ratio.model = fit::Model::charge_ratio;
    EXPECT_EQ(fit_text::result_lines(ratio, 10).fermi, QString());
    platform::set_decimal_separator(QLatin1Char('.'));
}

TEST(Forecast, EventsNeededAndTheTimeAtTheRunsRate) {
    using S = fit::Forecast::State;
    struct Case {
        double tau, error, events, precision, live_hours;
        S state;
        double needed, hours;
        const char* line;
    };
    const Case cases[] = {
        // 2 % with 2500 events: 1 % takes four times as many, 7500 more at 50 an hour.
        {220, 4.4, 2500, 0.01, 50, S::forecast, 10000, 150, "1 % sur Tau dans ≈ 6,3 j (à 1200 événements / jour)"},
        {220, 4.4, 2500, 0.02, 50, S::reached, 2500, 0, "2 % sur Tau atteint (2,0 % maintenant)"},
        {220, 2.2, 10000, 0.005, 10, S::forecast, 40000, 30, "0,5 % sur Tau dans ≈ 30 h (à 24000 événements / jour)"},
        {220, 2.31, 10000, 0.01, 10, S::forecast, 11025, 1.025, "1 % sur Tau dans ≈ 1,0 h (à 24000 événements / jour)"},
        {220, 2.3, 10000, 0.01, 100, S::forecast, 10929.75, 9.2975,
         "1 % sur Tau dans ≈ 9,3 h (à 2400 événements / jour)"},
        {220, 2.21, 10000, 0.01, 1000, S::forecast, 10091.12, 9.1116,
         "1 % sur Tau dans ≈ 9,1 h (à 240 événements / jour)"},
        {220, 2.2001, 10000, 0.01, 10, S::forecast, 10000.91, 0.000909,
         "1 % sur Tau dans ≈ 1 min (à 24000 événements / jour)"},
        {220, 22, 20, 0.01, 1000, S::forecast, 2000, 99000, "1 % sur Tau dans ≈ 4125 j (à 0,5 événements / jour)"},
        {220, 4.4, 2500, 0.01, kNan, S::no_rate, 10000, kNan,
         "1 % sur Tau : pas de prévision, taux inconnu (moins de 3 enregistrements ou tous dans la même seconde)"},
        {220, 4.4, 2500, 0.01, 0, S::no_rate, 10000, kNan, nullptr},
        {kNan, kNan, 2500, 0.01, 50, S::not_converged, kNan, kNan,
         "1 % sur Tau : pas de prévision sans ajustement convergé"},
        // A converged fit of charge-ratio fits rho, no lifetime: said so, not "not converged".
        {-1, kNan, 2500, 0.01, 50, S::no_lifetime, kNan, kNan,
         "1 % sur Tau : pas de prévision, ce modèle n'ajuste pas Tau"},
        {220, 4.4, 2500, 0, 50, S::no_precision, kNan, kNan, nullptr},
        // Events past every number: said, not raised as an overflow that lost the file's results.
        {220, 4.4, 2500, 1e-300, 50, S::forecast, kInf, kInf,
         "1E-298 % sur Tau hors de portée (à 1200 événements / jour)"},
    };
    platform::set_decimal_separator(QLatin1Char(','));
    for (const Case& c : cases) {
        fit::Result r = converged(c.tau, c.error, c.events);
        if (std::isnan(c.tau)) r.status = fit::Status::too_few_events;
        if (c.tau < 0) r.tau = fit::kNone;  // converged, no lifetime
        const fit::Forecast f = fit::forecast(r, c.precision, c.live_hours);
        const std::string what = std::to_string(c.error) + " " + std::to_string(c.live_hours);
        EXPECT_EQ(f.state, c.state) << what;
        EXPECT_TRUE(std::isnan(c.needed) ? std::isnan(f.events_needed)
                                         : f.events_needed == c.needed || std::fabs(f.events_needed - c.needed) < 0.1)
            << what << ": " << f.events_needed;
        EXPECT_TRUE(std::isnan(c.hours) ? std::isnan(f.hours)
                                        : f.hours == c.hours || std::fabs(f.hours - c.hours) < 1e-3 * c.hours + 1e-9)
            << what << ": " << f.hours;
        if (c.line) {
            EXPECT_EQ(fit_text::forecast_line(f), QString::fromUtf8(c.line)) << what;
        }
    }
    platform::set_decimal_separator(QLatin1Char('.'));
}
