// Conversions between text and numbers, rounding, checked arithmetic and the
// number formats, each with both decimal separators where it matters, and
// every table under the C, French and German process locales: the C library
// of a French desktop writes "1,5", which must never reach these texts.
#include "platform/errors.h"
#include "platform/numbers.h"
#include "support/process_locale.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cfloat>
#include <cmath>
#include <limits>

using platform::Error;

namespace {

// The text of the error raised by f, or "(no error)".
template <class F>
QString error_of(F&& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.text();
    }
    return QStringLiteral("(no error)");
}

QString s(const char* utf8) { return QString::fromUtf8(utf8); }

class Numbers : public ::testing::TestWithParam<const char*> {
    ProcessLocale locale_{GetParam()};
};
std::string locale_name(const ::testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    return name.substr(0, name.find('.'));
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(ProcessLocales, Numbers, ::testing::ValuesIn(kProcessLocales), locale_name);

TEST_P(Numbers, StrToInt_AcceptsLeadingBlanksSignAndDigits) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"0", 0},
        {"42", 42},
        {"   42", 42},
        {"-17", -17},
        {"+17", 17},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"  -0", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::str_to_int(s(c.text)), c.value) << c.text;
}

TEST_P(Numbers, StrToInt_RejectsEverythingElseWithTheTextInTheMessage) {
    const char* const bad[] = {
        "",  " ",   "42 ", "4 2", "1.5", "1e3", "2147483648", "-2147483649", "99999999999999999999", "0x10", "+",
        "-", "--1", "+-1", "abc", "12a", "\t5", "١٢",         "1,5",         "_extraitUTIL<>"};
    for (const char* text : bad) {
        EXPECT_EQ(error_of([&] { platform::str_to_int(s(text)); }),
                  QStringLiteral("'") + s(text) + QStringLiteral("' is not a valid integer value"))
            << text;
    }
}

TEST_P(Numbers, ConversionErrors_ALongTextIsQuotedByItsFirstHundredCharacters) {
    const QString cent = QString(99, QLatin1Char('7')) + QLatin1Char('x');
    EXPECT_EQ(error_of([&] { platform::str_to_int(cent); }),
              QStringLiteral("'") + cent + QStringLiteral("' is not a valid integer value"));
    EXPECT_EQ(error_of([&] { platform::str_to_float(cent + QStringLiteral("yz")); }),
              QStringLiteral("'") + cent + QStringLiteral("…' is not a valid floating point value"));
    // Never half of a character outside the 16-bit range.
    const QString paires = QString(99, QLatin1Char('7')) + QStringLiteral("𝄞𝄞");
    EXPECT_EQ(error_of([&] { platform::str_to_int(paires); }),
              QStringLiteral("'") + paires.left(99) + QStringLiteral("…' is not a valid integer value"));
}

TEST_P(Numbers, StrToFloat_AcceptsTheLocaleSeparatorAndExponents) {
    struct Case {
        char separator;
        const char* text;
        long double value;
    };
    const Case cases[] = {
        {'.', "1.5", 1.5L},
        {'.', "  1.5  ", 1.5L},
        {'.', "-2.25", -2.25L},
        {'.', "+3", 3.0L},
        {'.', "5.", 5.0L},
        {'.', ".5", 0.5L},
        {'.', "1e3", 1000.0L},
        {'.', "1.5E-6", 1.5E-6L},
        {'.', "2E+2", 200.0L},
        {'.', "0.1", 0.1L},
        {'.', "123456789012345678", 123456789012345678.0L},
        {'.', "0.000000000000000000000000000000000000000000000000001", 1e-51L},
        {',', "1,5", 1.5L},
        {',', "-0,25e2", -25.0L},
        {',', " ,5 ", 0.5L},
    };
    for (const Case& c : cases) {
        platform::set_decimal_separator(QLatin1Char(c.separator));
        EXPECT_EQ(platform::str_to_float(s(c.text)), c.value) << c.text << " with " << c.separator;
    }
}

TEST_P(Numbers, StrToFloat_RejectsBadShapesForeignSeparatorsAndOutOfRange) {
    struct Case {
        char separator;
        const char* text;
    };
    const Case cases[] = {
        {'.', ""},
        {'.', " "},
        {'.', "."},
        {'.', "e5"},
        {'.', "1e"},
        {'.', "1e+"},
        {'.', "1,5"},
        {'.', "1.2.3"},
        {'.', "1 5"},
        {'.', "inf"},
        {'.', "nan"},
        {'.', "INF"},
        {'.', "1,000.5"},
        {'.', "0x10"},
        {'.', "1e5000"},
        {'.', "--1"},
        {'.', "1.5f"},
        {'.', "\t1.5"},
        {'.', "1e5.5"},
        {'.', "-"},
        {',', "1.5"},
        {',', "1,5,0"},
        {'.', "_extraitUTIL<>"},
    };
    for (const Case& c : cases) {
        platform::set_decimal_separator(QLatin1Char(c.separator));
        EXPECT_EQ(error_of([&] { platform::str_to_float(s(c.text)); }),
                  QStringLiteral("'") + s(c.text) + QStringLiteral("' is not a valid floating point value"))
            << c.text << " with " << c.separator;
    }
}

TEST_P(Numbers, RoundToInt_HalvesGoToEvenInsideTheRange) {
    struct Case {
        long double value;
        std::int32_t rounded;
    };
    const Case cases[] = {
        {0.5L, 0},
        {1.5L, 2},
        {2.5L, 2},
        {3.5L, 4},
        {-0.5L, 0},
        {-1.5L, -2},
        {-2.5L, -2},
        {2.4999L, 2},
        {2.5001L, 3},
        {-7.6L, -8},
        {2147483647.4L, 2147483647},
        {-2147483648.5L, std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::round_to_int(c.value), c.rounded) << static_cast<double>(c.value);
}

TEST_P(Numbers, RoundToInt_OutsideTheRangeIsAnOverflow) {
    const long double bad[] = {2147483647.5L, -2147483649.0L, 1e10L, -1e10L,
                               std::numeric_limits<long double>::infinity()};
    for (long double v : bad) {
        EXPECT_EQ(error_of([&] { platform::round_to_int(v); }), QStringLiteral("Floating point overflow"))
            << static_cast<double>(v);
    }
    EXPECT_EQ(error_of([] { platform::round_to_int(std::numeric_limits<long double>::quiet_NaN()); }),
              QStringLiteral("Invalid floating point operation"));
}

TEST_P(Numbers, TruncToInt_GoesTowardZeroWithTheSameRangeCheck) {
    EXPECT_EQ(platform::trunc_to_int(2.9L), 2);
    EXPECT_EQ(platform::trunc_to_int(-2.9L), -2);
    EXPECT_EQ(platform::trunc_to_int(2147483647.9L), 2147483647);
    EXPECT_EQ(platform::trunc_to_int(-2147483648.9L), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(error_of([] { platform::trunc_to_int(2147483648.0L); }), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(error_of([] { platform::trunc_to_int(-2147483649.0L); }), QStringLiteral("Floating point overflow"));
}

TEST_P(Numbers, CheckedArithmetic_FaultsAreErrorsNeverInfinitiesOrNaNs) {
    EXPECT_EQ(platform::checked_div(1, 4), 0.25L);
    EXPECT_EQ(platform::checked_div(-3, 2), -1.5L);
    struct Case {
        long double numerator;
        long double denominator;
        const char* error;
    };
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const Case cases[] = {
        {1, 0, "Floating point division by zero"},     {-1, 0, "Floating point division by zero"},
        {1, -0.0L, "Floating point division by zero"}, {0, 0, "Invalid floating point operation"},
        {LDBL_MAX, 0.5L, "Floating point overflow"},   {nan, 1, "Invalid floating point operation"},
        {1, nan, "Invalid floating point operation"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(error_of([&] { platform::checked_div(c.numerator, c.denominator); }), s(c.error))
            << static_cast<double>(c.numerator) << " / " << static_cast<double>(c.denominator);
    }
    EXPECT_EQ(platform::checked_value(2.5L), 2.5L);
    EXPECT_EQ(error_of([] { platform::checked_value(LDBL_MAX * 2); }), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(error_of([&] { platform::checked_value(nan); }), QStringLiteral("Invalid floating point operation"));
}

TEST_P(Numbers, General_FifteenDigitsFixedOrExponentForm) {
    struct Case {
        char separator;
        long double value;
        const char* text;
    };
    const Case cases[] = {
        {'.', 0.0L, "0"},
        {'.', -0.0L, "0"},
        {'.', 12.0L, "12"},
        {'.', -12.0L, "-12"},
        {'.', 0.368L, "0.368"},
        {'.', 1.5E-6L, "1.5E-6"},
        {'.', 1E20L, "1E20"},
        {'.', 1E15L, "1E15"},
        {'.', 1E14L, "100000000000000"},
        {'.', 123456789012345.0L, "123456789012345"},
        {'.', 1234567890123456.0L, "1.23456789012346E15"},
        {'.', 999999999999999.5L, "1E15"},
        {'.', static_cast<long double>(0.1 + 0.2), "0.3"},
        {'.', 1.0L / 3, "0.333333333333333"},
        {'.', 2.0L / 3, "0.666666666666667"},
        {'.', -2.0L / 3, "-0.666666666666667"},
        {'.', 0.00001L, "0.00001"},
        {'.', 0.0000123L, "0.0000123"},
        {'.', 0.000001L, "1E-6"},
        {'.', -1.5E-7L, "-1.5E-7"},
        {'.', 1E-300L, "1E-300"},
        {'.', 1.25E100L, "1.25E100"},
        {'.', 86400.5L, "86400.5"},
        {',', 1.25L, "1,25"},
        {',', 1.5E-6L, "1,5E-6"},
        {',', 1E20L, "1E20"},
        {',', -0.5L, "-0,5"},
    };
    for (const Case& c : cases) {
        platform::set_decimal_separator(QLatin1Char(c.separator));
        EXPECT_EQ(platform::general(c.value), s(c.text)) << c.text;
        // A given separator, whatever the program's: the texts of files and other programs.
        const QChar other = QLatin1Char(c.separator == '.' ? ',' : '.');
        QString with_other = s(c.text);
        with_other.replace(QLatin1Char(c.separator), other);
        EXPECT_EQ(platform::general(c.value, other), with_other) << c.text;
        EXPECT_EQ(platform::str_to_float(with_other, other), platform::str_to_float(s(c.text))) << c.text;
    }
}

TEST_P(Numbers, General_RefusesInfinityAndNaN) {
    EXPECT_EQ(error_of([] { platform::general(std::numeric_limits<long double>::infinity()); }),
              QStringLiteral("Floating point overflow"));
    EXPECT_EQ(error_of([] { platform::general(std::numeric_limits<long double>::quiet_NaN()); }),
              QStringLiteral("Invalid floating point operation"));
}

TEST_P(Numbers, FormatPicture_RoundsHalfAwayDropsTrailingZerosAndNeverShowsMinusZero) {
    struct Case {
        const char* picture;
        char separator;
        long double value;
        const char* text;
    };
    // Only values that are exact in binary stand on a half, so the ties are real ties.
    const Case cases[] = {
        {"0.#", '.', 0.0L, "0"},
        {"0.#", '.', 0.25L, "0.3"},
        {"0.#", '.', -0.25L, "-0.3"},
        {"0.#", '.', 1.0L, "1"},
        {"0.#", '.', 1.04L, "1"},
        {"0.#", '.', -0.04L, "0"},
        {"0.#", '.', 9.96L, "10"},
        {"0.#", '.', 1E20L, "100000000000000000000"},
        {"0.#", ',', 0.25L, "0,3"},
        {"0.##", '.', 0.125L, "0.13"},
        {"0.##", '.', -0.125L, "-0.13"},
        {"0.##", '.', 2.5L, "2.5"},
        {"0.##", '.', 1234.5678L, "1234.57"},
        {"0.##", '.', 0.004L, "0"},
        {"0.##", '.', -0.004L, "0"},
        {"0.##", '.', 99.999L, "100"},
        {"0.##", '.', -0.0L, "0"},
        {"0.##", ',', 1.25L, "1,25"},
        {"0.##", ',', -3.375L, "-3,38"},
        {"0.###", '.', 0.0625L, "0.063"},
        {"0.###", '.', 3.14159265L, "3.142"},
        {"0.###", '.', 1E6L, "1000000"},
        {"0.###", '.', 0.0004L, "0"},
        {"0.###", '.', 2.0005L, "2.001"},
        {"0.###", ',', 0.0625L, "0,063"},
        {"#.##", '.', 0.5L, ".5"},
        {"#.##", '.', 0.0L, ""},
        {"#.##", '.', 0.001L, ""},
        {"#.##", '.', -0.001L, ""},
        {"#.##", '.', 12.375L, "12.38"},
        {"#.##", '.', 0.994L, ".99"},
        {"#.##", '.', 0.996L, "1"},
        {"#.##", '.', -0.5L, "-.5"},
        {"#.##", ',', 0.5L, ",5"},
        {"#.##", ',', 7.0L, "7"},
    };
    for (const Case& c : cases) {
        platform::set_decimal_separator(QLatin1Char(c.separator));
        EXPECT_EQ(platform::format_picture(c.picture, c.value), s(c.text))
            << c.picture << " " << static_cast<double>(c.value) << " with " << c.separator;
    }
}

TEST_P(Numbers, FormatPicture_RefusesInfinityAndNaN) {
    EXPECT_EQ(error_of([] { platform::format_picture("0.##", std::numeric_limits<long double>::infinity()); }),
              QStringLiteral("Floating point overflow"));
    EXPECT_EQ(error_of([] { platform::format_picture("0.##", std::numeric_limits<long double>::quiet_NaN()); }),
              QStringLiteral("Invalid floating point operation"));
}

TEST_P(Numbers, Decimal_PlainIntegers) {
    EXPECT_EQ(platform::decimal(0), QStringLiteral("0"));
    EXPECT_EQ(platform::decimal(-42), QStringLiteral("-42"));
    EXPECT_EQ(platform::decimal(20), QStringLiteral("20"));
}

TEST(DecimalSeparator, IsKeptUntilChanged) {
    platform::set_decimal_separator(QLatin1Char(','));
    EXPECT_EQ(platform::decimal_separator(), QLatin1Char(','));
    platform::take_decimal_separator_from_system();
    const QString system_point = QLocale::system().decimalPoint();
    EXPECT_EQ(platform::decimal_separator(), system_point.isEmpty() ? QLatin1Char('.') : system_point.at(0));
}
