#pragma once
// The histogram the fit window draws and exports: the classes inside the fit's
// window with their counts and √n, the counts the fit expects in them, the
// normalised residuals and the flat background level per class.
#include "fit/lifetime_fit.h"

#include <vector>

struct HistogramView {
    std::vector<double> lower;     // class edges, clipped to the window
    std::vector<double> upper;
    std::vector<double> centre;
    std::vector<double> count;     // observed
    std::vector<double> error;     // √count
    std::vector<double> expected;  // fitted; empty without a converged fit
    std::vector<double> residual;  // (count - expected) / √expected
    double background = fit::kNone;  // events per class of width dX from the flat background
    double dX = 0;

    std::size_t size() const { return count.size(); }
};

// With a converged fit, the classes its goodness compared; otherwise the
// classes of the request that lie in its window, so that the data still show.
HistogramView histogram_view(const fit::Request& request, const fit::Result& result);
