// The fit's results as text: the rounding rule of value and uncertainty, the
// interval shown only when it is visibly asymmetric, the status line.
#include "fit/text/fit_text.h"
#include "platform/numbers.h"
#include "support/qstring_print.h"

#include <gtest/gtest.h>

#include <limits>

TEST(FitText, ValueRoundedToTheTwoSignificantDigitsOfItsUncertainty) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        double sigma;
        char separator;
        const char* text;
    };
    const Case cases[] = {
        {219.74, 3.14, '.', "219.7 ± 3.1"},
        {219.74, 3.14, ',', "219,7 ± 3,1"},
        {2201.6, 314, '.', "2200 ± 310"},
        {2251.6, 31.4, '.', "2252 ± 31"},
        {0.021349, 0.0042, ',', "0,0213 ± 0,0042"},
        {99.96, 9.96, '.', "100 ± 10"},  // the uncertainty rounds up to a third digit
        {220.0, 1.0, '.', "220.0 ± 1.0"},
        {-0.04, 0.5, '.', "-0.04 ± 0.50"},
        {-0.004, 0.5, '.', "0.00 ± 0.50"},  // no minus sign on a value shown as zero
        {5, 0, '.', "5"},
        {5.5, nan, ',', "5,5"},
        {1e20, 1, '.', "1E20 ± 1"},
    };
    for (const Case& c : cases) {
        platform::set_decimal_separator(QLatin1Char(c.separator));
        EXPECT_EQ(fit_text::value_with_uncertainty(c.value, c.sigma), QString::fromUtf8(c.text)) << c.text;
    }
}

TEST(FitText, IntervalWhenVisiblyAsymmetricAndStatusWithItsWarnings) {
    fit::Result r;
    r.status = fit::Status::converged;
    r.tau = 220;
    r.tau_error = 3.1;
    r.tau_lower = 216.9;
    r.tau_upper = 223.12;
    EXPECT_EQ(fit_text::interval_text(r), QString());
    r.tau_lower = 217;
    r.tau_upper = 223.4;
    EXPECT_EQ(fit_text::interval_text(r), QString::fromUtf8("(−3.0 / +3.4)"));
    r.tau_upper = std::numeric_limits<double>::infinity();
    EXPECT_EQ(fit_text::interval_text(r), QString::fromUtf8("(−3.0 / +∞)"));

    r.add(fit::Warning::clock_grid);
    r.add(fit::Warning::large_error);
    r.add(fit::Warning::grid_start_left_out);
    r.lattice_step = 0.5;
    EXPECT_EQ(fit_text::status_line(r),
              QString::fromUtf8("convergé ; durées sur une grille d'horloge : vraisemblance des valeurs de la grille, "
                                "de pas 0.5 ; erreur sur tau supérieure à tau / 2 ; valeurs de la grille à moins d'un "
                                "pas de 0 laissées de côté"));
    r.status = fit::Status::no_decay_signal;
    EXPECT_EQ(fit_text::status_line(r), QString::fromUtf8("pas de signal de décroissance"));
}

// The result lines of the fit window and of vorns-fit, in both decimal marks.
TEST(FitText, ResultLinesOfConvergedAndFailedFits) {
    fit::Result r;
    r.status = fit::Status::converged;
    r.events = 4987;
    r.tau = 219.74;
    r.tau_error = 3.14;
    r.tau_lower = 216.6;
    r.tau_upper = 223.0;
    r.background_fraction = 0.0213;
    r.background_fraction_error = 0.0042;
    r.goodness.chi2 = 52.31;
    r.goodness.ndf = 47;
    r.goodness.p_value = 0.2768;
    r.goodness.note = fit::GoodnessNote::ok;

    platform::set_decimal_separator(QLatin1Char(','));
    fit_text::ResultLines l = fit_text::result_lines(r, 10);
    EXPECT_EQ(l.tau, QString::fromUtf8("219,7 ± 3,1"));
    EXPECT_EQ(l.tau_time, QString::fromUtf8("2,197 ± 0,031 µs"));
    EXPECT_EQ(l.background, QString::fromUtf8("2,13 ± 0,42 %"));
    EXPECT_EQ(l.chi2, QString::fromUtf8("52,3 / 47, p = 0,277"));
    EXPECT_EQ(
        fit_text::text_lines(l),
        QStringList({QString::fromUtf8("Tau ajusté = 219,7 ± 3,1 (−3,1 / +3,3)"),
                     QString::fromUtf8("             2,197 ± 0,031 µs"),
                     QString::fromUtf8("G_F / (ħc)³ = (1,1663 ± 0,0083) × 10⁻⁵ GeV⁻² ; biaisé : τ mesuré dans la "
                                       "matière (μ− capturés)"),
                     QString::fromUtf8("fond = 2,13 ± 0,42 %"), QString::fromUtf8("événements dans la fenêtre = 4987"),
                     QString::fromUtf8("chi2 / ddl = 52,3 / 47, p = 0,277"), QString::fromUtf8("convergé")}));

    platform::set_decimal_separator(QLatin1Char('.'));
    r.add(fit::Warning::background_at_limit);
    r.goodness.p_value = 1e-7;
    l = fit_text::result_lines(r, 0.5);
    EXPECT_EQ(l.tau_time, QString::fromUtf8("109.9 ± 1.6 ns"));
    EXPECT_EQ(l.background, QString::fromUtf8("0 (à la limite)"));
    EXPECT_EQ(l.chi2, QString::fromUtf8("52.3 / 47, p < 0.001"));
    r.goodness.note = fit::GoodnessNote::too_few_expected;
    r.model = fit::Model::exp_only;
    l = fit_text::result_lines(r, -1);  // a unit that is no duration: no time line
    EXPECT_EQ(l.tau_time, QString());
    EXPECT_EQ(l.background, QString::fromUtf8("—"));
    EXPECT_TRUE(l.chi2.startsWith(QString::fromUtf8("52.3 / 47 ; p-valeur sans signification"))) << l.chi2;

    r.status = fit::Status::too_few_events;
    r.events = 7;
    l = fit_text::result_lines(r, 10);
    EXPECT_EQ(l.tau, QString::fromUtf8("—"));
    EXPECT_EQ(l.tau_time, QString());
    EXPECT_EQ(l.events, QStringLiteral("7"));
    EXPECT_EQ(l.status, QString::fromUtf8("moins de 10 événements dans la fenêtre"));
}

// The capture models' lines: the fixed values, and rho for charge-ratio with
// its interval, or at its limit its interval alone.
TEST(FitText, TheCaptureModelsLines) {
    platform::set_decimal_separator(QLatin1Char('.'));
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        fit::Model model;
        double tau_minus;  // in units of 10 ns
        double rho, rho_error, rho_lower, rho_upper;
        const char* tau;
        const char* rho_text;
        const char* fixed;
    };
    const auto C = fit::Model::mu_capture;
    const auto R = fit::Model::charge_ratio;
    const Case cases[] = {
        {C, 202.63, 1.27, nan, nan, nan, "219.9 ± 2.3", "", "τ− = 2026.3 ns (carbone), ρ = 1.27"},
        {C, 190, 1.1, nan, nan, nan, "219.9 ± 2.3", "", "τ− = 1900 ns, ρ = 1.1"},
        {R, 179.54, 1.31, 0.22, 1.11, 1.56, "—", "1.31 ± 0.22 (−0.20 / +0.25)",
         "τ+ = 2196.98 ns, τ− = 1795.4 ns (oxygène)"},
        {R, 202.63, inf, nan, 2.5, inf, "—", "∞ [2.5 ; ∞]", "τ+ = 2196.98 ns, τ− = 2026.3 ns (carbone)"},
        // At 0: every bound rounded, as the interval's width tells.
        {R, 202.63, 0, nan, 0, 0.127686560913979, "—", "0 [0 ; 0.13]", "τ+ = 2196.98 ns, τ− = 2026.3 ns (carbone)"},
        {fit::Model::exp_flat, nan, nan, nan, nan, nan, "219.9 ± 2.3", "", ""},
    };
    for (const Case& c : cases) {
        fit::Result r;
        r.status = fit::Status::converged;
        r.model = c.model;
        r.events = 5000;
        r.background_fraction = 0.02;
        r.background_fraction_error = 0.004;
        if (c.model != R) {
            r.tau = 219.9;
            r.tau_error = 2.3;
        }
        r.tau_free = c.model == R ? 219.698 : r.tau;
        if (c.model == fit::Model::exp_flat) r.tau_free = nan;
        r.tau_minus = c.tau_minus;
        r.rho = c.rho;
        r.rho_error = c.rho_error;
        r.rho_lower = c.rho_lower;
        r.rho_upper = c.rho_upper;
        const fit_text::ResultLines l = fit_text::result_lines(r, 10);
        const std::string what = c.fixed;
        EXPECT_EQ(l.tau, QString::fromUtf8(c.tau)) << what;
        EXPECT_EQ(l.background, QString::fromUtf8("2.00 ± 0.40 %")) << what;
        EXPECT_EQ((l.rho + QLatin1Char(' ') + l.rho_interval).trimmed(), QString::fromUtf8(c.rho_text)) << what;
        EXPECT_EQ(l.fixed, QString::fromUtf8(c.fixed)) << what;
        const QStringList lines = fit_text::text_lines(l);
        EXPECT_EQ(lines.contains(fit_text::fixed_caption() + QLatin1Char(' ') + l.fixed), !l.fixed.isEmpty()) << what;
        EXPECT_EQ(lines.size(), 6 + (l.fixed.isEmpty() ? 0 : 1) + (l.rho.isEmpty() ? 0 : 1) +
                                    (l.fermi.isEmpty() ? 0 : 1) - (c.model == R ? 1 : 0))
            << what;
    }
    // The materials by name, in either case, and a typed lifetime by its value.
    EXPECT_EQ(fit_text::material_lifetime_ns(QStringLiteral(" Oxygène")), fit::kOxygenLifetimeNs);
    EXPECT_EQ(fit_text::material_lifetime_ns(QStringLiteral("carbone")), fit::kCarbonLifetimeNs);
    EXPECT_FALSE(fit_text::material_lifetime_ns(QStringLiteral("1900")).has_value());
    EXPECT_EQ(fit_text::material_text(fit::kOxygenLifetimeNs), QString::fromUtf8("oxygène"));
    EXPECT_EQ(fit_text::material_text(1900.5), QStringLiteral("1900.5"));
}
