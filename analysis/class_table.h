#pragma once
// The class histogram of the durations and the lifetime figures derived from it.
#include <array>
#include <cstdint>

constexpr int NB_CLASSES = 1001;  // classes 0..1000

struct ClassTable {
    long double largeur_classe = 0;
    std::array<std::int32_t, NB_CLASSES> effectif{};
    std::array<long double, NB_CLASSES> val_moyenne{};
    long double somme_val_moyenne_classe = 0;
    long double somme_duree = 0;
    long double evenements = 0;
    long double Tau = 0;
    long double Cm = 0;
    long double C0 = 0;
    long double activite_initiale = 0;
    std::int32_t n_classe = 0;  // classes shown by the last pass (0 when X max / dX rounds below 1)
    long double x_max = 0;      // the X max of the last pass
};
