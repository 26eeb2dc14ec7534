#pragma once
// The fit window's exports as CSV text. A spreadsheet opens a CSV file with
// its user's own marks: where the decimal mark is ',' the fields are ';'
// apart (as such a spreadsheet writes them itself), elsewhere ',' apart, the
// numbers always with the program's decimal mark. The first line holds the
// window, the model, the method and the fit's results as caption and value
// cells; the second the column names.
#include "fit/run/convergence.h"
#include "fit/run/fit_choices.h"
#include "fit/run/histogram_view.h"

#include <QStringList>

QStringList histogram_csv(const HistogramView& view, const fit::Result& result, const FitChoices& choices);
QStringList convergence_csv(const std::vector<ConvergencePoint>& points, const fit::Result& result,
                            const FitChoices& choices);
