#include "app/fit_window_run.h"

FitChoices choix_par_defaut(const RunState& etat) {
    FitChoices choix;
    // The classes as the fit takes them: one place reads them from the run.
    const fit::Classes classes = fit_request(etat.record_store, etat.class_table, choix).classes;
    if (classes.dX > 0 && classes.n_classe > 0) {
        choix.t_min = static_cast<double>(classes.dX);
        choix.t_max = static_cast<double>(classes.n_classe * classes.dX);
    }
    return choix;
}

long double tau_de_l_histogramme(const RunState& etat) {
    const ClassTable& table = etat.class_table;
    // The class pass computes Tau on these conditions only.
    if (!(table.somme_duree > 0 && table.evenements > 0)) return fit::kNone;
    return table.Tau;
}
