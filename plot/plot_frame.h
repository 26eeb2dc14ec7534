#pragma once
// Pixel geometry of both plots, taken from the images at every redraw, and the series colours.
#include "platform/per_plot.h"

#include <QRgb>
#include <cstdint>

struct PlotFrame {
    PerPlot<std::int32_t> largeur_trace;  // image width - 60
    PerPlot<std::int32_t> hauteur_trace;  // image height - 40
    PerPlot<std::int32_t> origine_x;      // 40
    PerPlot<std::int32_t> origine_y;      // hauteur_trace + 10
    PerPlot<QRgb> couleur_serie;
};
