// The general form's shortcut for whole numbers against the digit-by-digit way.
#include "platform/numbers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

TEST(GeneralShortcut, GivesTheDigitByDigitTextOnDenseValues) {
    std::vector<long double> valeurs;
    for (int i = -2000; i <= 2000; ++i) valeurs.push_back(i);
    for (long double p = 1; p <= 1e17L; p *= 10) {
        for (long double d : {-1.0L, 0.0L, 1.0L, 0.5L, -0.5L}) {
            valeurs.push_back(p + d);
            valeurs.push_back(-(p + d));
            valeurs.push_back(3 * p + d);
        }
    }
    valeurs.push_back(-0.0L);
    valeurs.push_back(999999999999999.0L);
    valeurs.push_back(999999999999999.5L);
    valeurs.push_back(1e15L);
    std::mt19937_64 alea(4242);
    std::uniform_int_distribution<std::int64_t> entier(-2000000000000000, 2000000000000000);
    std::uniform_int_distribution<int> chiffres(0, 15);
    for (int i = 0; i < 20000; ++i) {
        const long double v = static_cast<long double>(entier(alea)) / std::pow(10.0L, chiffres(alea));
        valeurs.push_back(v);
        valeurs.push_back(std::trunc(v));
        valeurs.push_back(v * 0.1L);
    }
    for (const char separateur : {'.', ','}) {
        platform::set_decimal_separator(QLatin1Char(separateur));
        for (long double v : valeurs) {
            ASSERT_EQ(platform::general(v), platform::general_par_chiffres(v)) << static_cast<double>(v);
        }
    }
}
