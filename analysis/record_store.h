#pragma once
// The records of the last pass (series 1) and the class histogram as plot
// points (series 2). Fixed size (about 1.6 MB): the window keeps one, on the
// heap, zero at start, never resized.
#include "platform/per_plot.h"

#include <array>
#include <cstdint>

constexpr std::int32_t NB_MAX_DONNEES = 50000;

struct RecordStore {
    // Series 1: records at positions 1..nb_points[1], position 0 stays (0, 0).
    // Series 2: classes at positions 0..nb_points[2]-1.
    PerPlot<std::array<double, NB_MAX_DONNEES + 1>> serie_x;
    PerPlot<std::array<double, NB_MAX_DONNEES + 1>> serie_y;
    PerPlot<std::int32_t> nb_points;
    PerPlot<long double> max_x_serie;  // -10 stands for empty
    PerPlot<long double> max_y_serie;
    std::int32_t serie_courante = 0;
    long double cumul_durees = 0;       // sum of the durations of the last pass
    long double duree_acquisition = 0;  // minutes: elapsed time of the last record
};
