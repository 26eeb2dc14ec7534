#pragma once
// What the fit window reads of the run's state: the classes of the last class
// pass and the histogram's Tau, never the main window's fields or captions
// (a field typed but not yet applied is not the run's).
#include "app/run_state.h"
#include "fit/run/fit_choices.h"

// The fit's choices at its first opening, those of runs whose unit is unknown:
// t min = dX and t max = X max, the n_classe × dX of the last class pass; the
// defaults before any pass, or while a run whose unit is known is loaded (its
// window is chosen in time, fit/run/duration_choices.h).
FitChoices choix_par_defaut(const RunState& etat);

// The mean Tau of the class table, or NaN when the last class pass gave none
// (no event in the shown classes).
long double tau_de_l_histogramme(const RunState& etat);
