// The fit's results as text: the rounding rule of value and uncertainty, the
// interval shown only when it is visibly asymmetric, the status line.
#include "fit/text/fit_text.h"
#include "platform/numbers.h"

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
    EXPECT_EQ(fit_text::status_line(r),
              QString::fromUtf8("convergé ; durées sur une grille d'horloge : modèle étendu d'un demi-pas ; "
                                "erreur sur tau supérieure à tau / 2"));
    r.status = fit::Status::no_decay_signal;
    EXPECT_EQ(fit_text::status_line(r), QString::fromUtf8("pas de signal de décroissance"));
}
