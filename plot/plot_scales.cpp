#include "plot/plot_scales.h"

PlotScales plot_scales;
