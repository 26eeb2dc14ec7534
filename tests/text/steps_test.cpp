// Stepping along the values j x 10^k (j = 1..10), up and down.
#include "platform/numbers.h"
#include "support/errors.h"
#include "text/steps.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr std::int32_t kUntouched = -77;
}

TEST(PasSuperieur, SmallestGridValueNotBelow) {
    struct Case {
        long double x;
        long double result;
        std::int32_t digit;
    };
    const Case
        cases[] =
            {
                {165, 200, 2},      {200, 200, 2},
                {950, 1000, 10},    {100, 100, 10},  // 10 x 10^1 comes before 1 x 10^2 going up
                {101, 200, 2},      {1, 1, 10},
                {1.5L, 2, 2},       {0.35L, 0.4L, 4},
                {0.3L, 0.3L, 3},    {40.7L, 50, 5},
                {0, 1E-9L, 1},      {-5, 1E-9L, 1},
                {1E-9L, 1E-9L, 1},  {1.5E-9L, 2E-9L, 2},
                {9E10L, 9E10L, 9},  {9.5E10L, 1E11L, 10},
                {1E11L, 1E11L, 10}, {2E11L, 10, kUntouched},  // nothing found: the default, digit not written
            };
    for (const Case& c : cases) {
        std::int32_t digit = kUntouched;
        EXPECT_EQ(pas_superieur(digit, c.x), c.result) << static_cast<double>(c.x);
        EXPECT_EQ(digit, c.digit) << static_cast<double>(c.x);
    }
}

TEST(PasInferieur, LargestGridValueNotAbove) {
    struct Case {
        long double x;
        long double result;
        std::int32_t digit;
    };
    const Case cases[] = {
        {90.9L, 90, 9},
        {100, 100, 1},  // 1 x 10^2 comes before 10 x 10^1 going down
        {0.95L, 0.9L, 9},
        {5E12L, 1E12L, 10},
        {1E12L, 1E12L, 10},
        {9.99E11L, 9E11L, 9},
        {1E-8L, 1E-8L, 1},
        {1.9E-8L, 1E-8L, 1},
        {0.3L, 0.3L, 3},
        {0, 1, kUntouched},  // nothing found: the default, digit not written
        {-5, 1, kUntouched},
        {9E-9L, 1, kUntouched},
    };
    for (const Case& c : cases) {
        std::int32_t digit = kUntouched;
        EXPECT_EQ(pas_inferieur(digit, c.x), c.result) << static_cast<double>(c.x);
        EXPECT_EQ(digit, c.digit) << static_cast<double>(c.x);
    }
}

TEST(Steps, EveryGridValueIsAFixedPoint) {
    for (int k = -8; k <= 10; ++k) {
        for (int j = 1; j <= 9; ++j) {
            // The value as the program meets it: decimal text read as a real.
            const QString text = QStringLiteral("%1E%2").arg(j).arg(k);
            const long double v = platform::str_to_float(text);
            std::int32_t up = 0;
            std::int32_t down = 0;
            EXPECT_EQ(pas_superieur(up, v), v) << text.toStdString();
            EXPECT_EQ(up, j == 1 && k > -9 ? 10 : j) << text.toStdString();
            EXPECT_EQ(pas_inferieur(down, v), v) << text.toStdString();
            EXPECT_EQ(down, j) << text.toStdString();
        }
    }
}

// The one table of the stepping buttons ("+" and "-" of the scale fields and
// of dX): "+" is pas_superieur(v x 1.1), "-" is pas_inferieur(v / 1.1), each
// rounded to the nearest integer; the window's tests only check which field
// each button steps.
TEST(Steps, TheButtonSequence) {
    struct Case {
        const char* v;
        const char* plus;
        const char* minus;
    };
    const Case cases[] = {
        {"0", "0", "1"},         {"1", "2", "1"},
        {"2", "3", "1"},         {"3", "4", "2"},
        {"9", "10", "8"},        {"10", "20", "9"},
        {"11", "20", "10"},      {"15", "20", "10"},
        {"20", "30", "10"},      {"22", "30", "20"},
        {"44", "50", "40"},      {"90", "100", "80"},
        {"99", "200", "90"},     {"100", "200", "90"},
        {"110", "200", "100"},   {"150", "200", "100"},
        {"800", "900", "700"},   {"990", "2000", "900"},
        {"1000", "2000", "900"}, {"-5", "0", "1"},
        {" 42", "50", "30"},     {"1818181818", "2000000000", "1000000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(eleve_echelle(QString::fromLatin1(c.v)).toStdString(), c.plus) << "+ on " << c.v;
        EXPECT_EQ(abaisse_echelle(QString::fromLatin1(c.v)).toStdString(), c.minus) << "- on " << c.v;
    }
}

TEST(Steps, ButtonsRefuseDecimalsAndResultsBeyondThirtyTwoBits) {
    EXPECT_EQ(erreur_de([] { eleve_echelle(u"2.5"); }), QStringLiteral("'2.5' is not a valid integer value"));
    EXPECT_EQ(erreur_de([] { abaisse_echelle(u"1E3"); }), QStringLiteral("'1E3' is not a valid integer value"));
    EXPECT_EQ(erreur_de([] { abaisse_echelle(u""); }), QStringLiteral("'' is not a valid integer value"));
    // 1818181819 x 1.1 is above 2 x 10^9: the next step, 3 x 10^9, does not fit.
    EXPECT_EQ(erreur_de([] { eleve_echelle(u"1818181819"); }), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(erreur_de([] { eleve_echelle(u"2147483647"); }), QStringLiteral("Floating point overflow"));
    EXPECT_EQ(abaisse_echelle(u"2147483647"), QStringLiteral("1000000000"));
}

// The time axis grows to the first step that holds the acquisition, never beyond 32 bits.
TEST(Steps, TheTimeAxisGrowsToHoldTheAcquisition) {
    struct Case {
        const char* champ;
        long double duree;
        const char* apres;  // nullptr: the field stays; "!" + text: that error
    };
    const Case cases[] = {
        {"150", 150, nullptr},
        {"150", 0, nullptr},
        {"150", 150.5L, "200"},
        {"150", 4321.5L, "5000"},
        {"10", 10.001L, "20"},
        {"5000", 2E9L, "2000000000"},
        {"150", 2.1E9L, "!Floating point overflow"},
        {"150", 2E11L, "!Floating point overflow"},
        {"x", 5, "!'x' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        std::optional<QString> apres;
        const QString erreur = erreur_de([&] { apres = echelle_agrandie(QString::fromLatin1(c.champ), c.duree); });
        const std::string attendu = c.apres ? c.apres : "";
        if (attendu.starts_with('!')) {
            EXPECT_EQ(erreur.toStdString(), attendu.substr(1)) << c.champ << " " << static_cast<double>(c.duree);
        } else {
            EXPECT_EQ(erreur, QStringLiteral("(no error)"));
            EXPECT_EQ(apres.value_or(QString()).toStdString(), attendu)
                << c.champ << " " << static_cast<double>(c.duree);
        }
    }
}

TEST(Steps, QuotientsByOnePointOneThatLandOnTheGridReachIt) {
    const long double factor = 1.1L;
    for (int k = 0; k <= 8; ++k) {
        for (int j = 1; j <= 9; ++j) {
            const long double target = j * std::pow(10.0L, k);
            const long double v = target * 11 / 10;  // an integer whenever k >= 1
            if (v != std::floor(v)) continue;
            std::int32_t digit = 0;
            EXPECT_EQ(pas_inferieur(digit, v / factor), target) << static_cast<double>(v);
            EXPECT_EQ(digit, j);
        }
    }
}
