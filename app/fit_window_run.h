#pragma once
// What the fit window reads of the run's state: the classes of the last class
// pass and the histogram's Tau, never the main window's fields or captions
// (a field typed but not yet applied is not the run's).
#include "app/run_state.h"
#include "fit/run/fit_choices.h"

#include <QString>
#include <optional>

// The fit's choices at its first opening: t min = dX and t max = X max, the
// n_classe × dX of the last class pass; the defaults before any pass.
FitChoices choix_par_defaut(const RunState& etat);

// The "1 unité" of the fit window after each load: the unit the loaded file's
// format gives (1 ns, 1000 ns) unless the user typed one while that file was
// loaded; back to the user's own unit when a file whose format gives none
// (the acquisition format) follows.
class UniteDuFormat {
public:
    // The unit the field takes after a load of `fichier` whose format gives
    // `unite_ns` (0: none) while the field's unit is `actuelle`; nothing: it stays.
    std::optional<double> apres_chargement(const QString& fichier, double unite_ns, double actuelle);
    // The user typed a unit while `fichier` is loaded: it stays for that file.
    void tapee(const QString& fichier);

private:
    QString tapee_pour_;
    std::optional<double> de_l_utilisateur_;  // the unit the field had before a format's took its place
};

// The mean Tau of the class table, or NaN when the last class pass gave none
// (no event in the shown classes).
long double tau_de_l_histogramme(const RunState& etat);
