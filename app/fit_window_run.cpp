#include "app/fit_window_run.h"

#include <cmath>

FitChoices choix_par_defaut(const RunState& etat) {
    FitChoices choix;
    // The classes the last class pass showed, as it left them in the table.
    const ClassTable& table = etat.class_table;
    if (table.largeur_classe > 0 && table.n_classe > 0 && !unit_known(etat.unite.unit_ns())) {
        choix.t_min = static_cast<double>(table.largeur_classe);
        choix.t_max = static_cast<double>(table.n_classe * table.largeur_classe);
    }
    return choix;
}

long double tau_de_l_histogramme(const RunState& etat) {
    const ClassTable& table = etat.class_table;
    // The class pass computes Tau on these conditions only.
    if (!(table.somme_duree > 0 && table.evenements > 0)) return fit::kNone;
    return table.Tau;
}
