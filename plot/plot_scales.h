#pragma once
// Axis spans and tick steps of both plots, read from the scale fields at every redraw.
#include "platform/per_plot.h"

struct PlotScales {
    PerPlot<long double> echelle_x;
    PerPlot<long double> echelle_y;
    PerPlot<long double> pas_x;
    PerPlot<long double> pas_y;
};
