#pragma once
// Dates of the proleptic Gregorian calendar as day numbers. Plain C++.
#include <cstdint>

// Days since 1970-01-01 of a date.
constexpr std::int64_t jours_depuis_1970(std::int64_t annee, int mois, int jour) {
    // Days from the civil date, in eras of 400 years starting in March.
    annee -= mois <= 2;
    const std::int64_t ere = (annee >= 0 ? annee : annee - 399) / 400;
    const std::int64_t annee_de_l_ere = annee - ere * 400;
    const std::int64_t jour_de_l_annee = (153 * (mois + (mois > 2 ? -3 : 9)) + 2) / 5 + jour - 1;
    const std::int64_t jour_de_l_ere =
        annee_de_l_ere * 365 + annee_de_l_ere / 4 - annee_de_l_ere / 100 + jour_de_l_annee;
    return ere * 146097 + jour_de_l_ere - 719468;
}

// The days of month `mois` (1 to 12) of a year.
constexpr int jours_du_mois(std::int64_t annee, int mois) {
    constexpr int jours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    return mois == 2 && bissextile ? 29 : jours[mois - 1];
}
static_assert(jours_depuis_1970(1970, 1, 1) == 0 && jours_depuis_1970(2000, 3, 1) == 11017);
