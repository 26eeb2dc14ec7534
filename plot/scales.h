#pragma once
// The scales of both plots: the spans the window read from its scale fields,
// the tick step of an axis and the autoscale of the records plot. The stepping
// buttons are in text/steps.h.
#include "plot/plot_scales.h"

#include <QString>
#include <optional>

// 5 x round((x + 2.5) / 5), halves to even: 15 gives 20, 10 stays, 3.5 gives 5, 0 gives 0.
long double arrondi_cinq(long double x);

// Plot n (1 or 2): echelle_x[n] and echelle_y[n] := the spans, then the tick
// steps pas_x[n] and pas_y[n] := arrondi_cinq(span / 10).
void prend_echelles(int n, long double echelle_x, long double echelle_y, PlotScales& echelles);

// The autoscale text of a field from the largest value of the series: the
// rounded 1.1 x maximum brought to a multiple of 5 by arrondi_cinq. Nothing when
// the maximum is 0 or below (no record).
std::optional<QString> valeur_autoscale(long double maximum);
