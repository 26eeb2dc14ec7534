#include "app/fit_window_run.h"

#include <cmath>

FitChoices choix_par_defaut(const RunState& etat) {
    FitChoices choix;
    // The classes the last class pass showed, as it left them in the table.
    const ClassTable& table = etat.class_table;
    if (table.largeur_classe > 0 && table.n_classe > 0) {
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

std::optional<double> UniteDuFormat::apres_chargement(const QString& fichier, double unite_ns, double actuelle) {
    std::optional<double> unite;
    if (unite_ns > 0) {
        if (fichier == tapee_pour_) return std::nullopt;
        if (!de_l_utilisateur_) de_l_utilisateur_ = actuelle;
        unite = unite_ns;
    } else {
        unite = de_l_utilisateur_;
        de_l_utilisateur_.reset();
    }
    // The same unit, or none before and after: the field stays.
    if (!unite || *unite == actuelle || (std::isnan(*unite) && std::isnan(actuelle))) return std::nullopt;
    return unite;
}

void UniteDuFormat::tapee(const QString& fichier) {
    tapee_pour_ = fichier;
    de_l_utilisateur_.reset();
}
