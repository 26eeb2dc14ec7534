#pragma once
// The goodness of fit on classes: Baker-Cousins chi2 (the Poisson likelihood
// ratio), Pearson's chi2 beside it, and the p-value from the chi2 distribution.
#include "fit/detail/sample.h"
#include "fit/types.h"

#include <functional>
#include <span>

namespace fit::detail {

// chi2, Pearson and p-value of observed counts against expected ones, with
// `parameters` fitted (ndf = classes - parameters). No p-value when no degree
// of freedom is left, or when more than 1 / kFewExpectedShare of the classes
// expect fewer than kFewExpected events (the chi2 distribution is then no guide).
Goodness goodness(std::vector<double> observed, std::vector<double> expected, int parameters);

// An unbinned fit checked on classes of width dX clipped to the model's edges:
// the counts of the window's durations against n times the fitted model's
// share of them, (1 - b) decay_share(lo, hi) + b (hi - lo) / W for a class
// from lo to hi (s from the model's lower edge; b = 0 without background). On
// a clock grid each class spans the whole cells of its grid values, so that
// its edges never pass through a cell.
Goodness goodness_of_unbinned(const Sample& sample, double dX, const std::function<double(double, double)>& decay_share,
                              double b, int parameters);

}  // namespace fit::detail
