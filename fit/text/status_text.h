#pragma once
// What a fit ends on and warns about, as the short French texts the program
// shows; the thresholds they quote are the fit's own (fit/status.h).
#include "fit/status.h"

#include <QString>

namespace fit_text {

QString text(fit::Status status);
QString text(fit::Warning warning);
QString text(fit::GoodnessNote note);

}  // namespace fit_text
