#pragma once
// The unbinned fit of several samples with common parameters: the sum of
// their negative log-likelihoods (likelihood.h).
#include "fit/detail/sample.h"
#include "fit/types.h"

#include <vector>

namespace fit::detail {

// The samples that share a grid (the same step and cells), or that are on
// none with the same window, made one: their values counted together.
std::vector<Sample> merged_samples(std::vector<Sample> samples);

// The fit of the samples together: one sample is fitted as a run alone;
// several by the sum of their likelihoods in (lambda, b), without goodness
// of fit. Fills the events and the status first, as the fit of one sample.
void fit_samples(const std::vector<Sample>& samples, const Request& request, Result& result);

}  // namespace fit::detail
