#pragma once

#include "analysis/record_store.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

// Puts exactly these durations in series 1 of `store`, with their total and an acquisition time, as
// the record pass would leave them for the class pass.
inline void durees(RecordStore& store, std::span<const double> valeurs, long double acquisition = 100) {
    store.nb_points[1] = static_cast<std::int32_t>(valeurs.size());
    store.cumul_durees = 0;
    std::size_t j = 1;
    for (double d : valeurs) {
        store.serie_y[1][j++] = d;
        store.cumul_durees += d;
    }
    store.duree_acquisition = acquisition;
}

inline void durees(RecordStore& store, std::initializer_list<double> valeurs, long double acquisition = 100) {
    durees(store, std::span<const double>(valeurs.begin(), valeurs.size()), acquisition);
}
