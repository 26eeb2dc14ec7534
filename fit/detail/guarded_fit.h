#pragma once
// The steps of a lifetime fit that the fit of one run and a combination of
// runs share.
#include "fit/detail/sample.h"
#include "fit/types.h"

#include <functional>

namespace fit::detail {

// The unbinned fit of the durations of one sample: its events, or the status
// that says there are too few of them, then the fit.
void fit_sample(const Sample& sample, const Request& request, Result& result);

// The request's checks (window, capture models), the binned fit, and
// `unbinned` for the unbinned method; a fit that does not converge keeps only
// its events and range, an exception becomes a status.
Result fit_guarded(const Request& request, const std::function<void(const Request&, Result&)>& unbinned);

}  // namespace fit::detail
