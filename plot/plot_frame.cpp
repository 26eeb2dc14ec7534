#include "plot/plot_frame.h"

PlotFrame plot_frame;
