#pragma once
// The fit of one file as one line of JSON, numbers with '.' and null for what
// is not a number.
#include "fit/lifetime_fit.h"

#include <QString>
#include <QStringList>
#include <span>

// The keys every script may rely on; with `details`, also the file, the
// warnings, the classes the chi2 compared and the durations fitted.
QString fit_json(const fit::Result& result, const QString& file, std::span<const double> durations, bool details);
