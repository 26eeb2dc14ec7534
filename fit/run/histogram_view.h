#pragma once
// The histogram the fit window draws and exports: the classes inside the fit's
// window with their counts and √n, the counts the fit expects in them, the
// normalised residuals and the flat background level per class; and the fitted
// curve, the model's density times dX.
#include "fit/lifetime_fit.h"

#include <vector>

struct HistogramView {
    std::vector<double> lower;  // class edges, clipped to the window
    std::vector<double> upper;
    std::vector<double> centre;
    std::vector<double> count;     // observed
    std::vector<double> error;     // √count
    std::vector<double> expected;  // fitted; empty without a converged fit
    std::vector<double> residual;  // (count - expected) / √expected
    // The count and its error in events per width dX, as the plot draws them:
    // a class the window cuts to half its width shows twice its count, level
    // with its neighbours and with the curve (on a clock grid, the width of
    // the whole cells the class counts).
    std::vector<double> count_per_dX;
    std::vector<double> error_per_dX;
    // The fitted curve: events per width dX that the model expects at each
    // duration of the range it was fitted on (the model's density times dX),
    // smooth up to the window's edges. Empty without a converged fit.
    std::vector<double> curve_t;
    std::vector<double> curve;
    double background = fit::kNone;  // events per class of width dX from the flat background
    double dX = 0;

    std::size_t size() const { return count.size(); }
};

// With a converged fit, the classes its goodness compared; otherwise the
// classes of the request that lie in its window, so that the data still show;
// nothing for a refused window.
HistogramView histogram_view(const fit::Request& request, const fit::Result& result);

// The model's density times dX at the duration t: the events per width dX that
// the converged fit `result` expects there (kNone outside its range).
double fitted_density_dX(const fit::Result& result, double dX, double t);
