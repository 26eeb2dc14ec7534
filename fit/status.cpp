#include "fit/status.h"

namespace fit {

std::string_view name(Status status) {
    switch (status) {
        case Status::converged: return "converged";
        case Status::window_refused: return "window_refused";
        case Status::classes_refused: return "classes_refused";
        case Status::no_event: return "no_event";
        case Status::too_few_events: return "too_few_events";
        case Status::too_few_classes: return "too_few_classes";
        case Status::all_equal: return "all_equal";
        case Status::no_decay_signal: return "no_decay_signal";
        case Status::lifetime_beyond_window: return "lifetime_beyond_window";
        case Status::lifetime_too_short: return "lifetime_too_short";
        case Status::not_converged: return "not_converged";
    }
    return "";
}

std::string_view name(Warning warning) {
    switch (warning) {
        case Warning::clock_grid: return "clock_grid";
        case Warning::background_at_limit: return "background_at_limit";
        case Warning::signal_compatible_with_zero: return "signal_compatible_with_zero";
        case Warning::large_error: return "large_error";
        case Warning::negative_in_first_class: return "negative_in_first_class";
        case Warning::loose_convergence: return "loose_convergence";
        case Warning::window_beyond_classes: return "window_beyond_classes";
    }
    return "";
}

std::string_view text(Status status) {
    switch (status) {
        case Status::converged: return "convergé";
        case Status::window_refused:
            return "fenêtre refusée : t min doit être positif ou nul et inférieur à t max, deux nombres finis";
        case Status::classes_refused:
            return "classes refusées : dX doit être supérieur à 0 et le nombre de classes raisonnable";
        case Status::no_event: return "aucun événement dans la fenêtre";
        case Status::too_few_events: return "moins de 10 événements dans la fenêtre";
        case Status::too_few_classes: return "moins de 4 classes dans la fenêtre";
        case Status::all_equal: return "toutes les durées de la fenêtre sont égales";
        case Status::no_decay_signal: return "pas de signal de décroissance";
        case Status::lifetime_beyond_window: return "durée de vie au-delà de la fenêtre (plus de 10 fois sa largeur)";
        case Status::lifetime_too_short: return "durée de vie trop courte pour être mesurée dans cette fenêtre";
        case Status::not_converged: return "l'ajustement n'a pas convergé";
    }
    return "";
}

std::string_view text(Warning warning) {
    switch (warning) {
        case Warning::clock_grid: return "durées sur une grille d'horloge : modèle étendu d'un demi-pas";
        case Warning::background_at_limit: return "fond à la limite 0 : tau de l'exponentielle seule";
        case Warning::signal_compatible_with_zero: return "signal compatible avec zéro";
        case Warning::large_error: return "erreur sur tau supérieure à tau / 2";
        case Warning::negative_in_first_class: return "des durées négatives comptent dans la classe 0";
        case Warning::loose_convergence: return "convergé avec une tolérance relâchée";
        case Warning::window_beyond_classes: return "t max au-delà des classes affichées : ajusté sur";
    }
    return "";
}

std::string_view text(GoodnessNote note) {
    switch (note) {
        case GoodnessNote::ok: return "";
        case GoodnessNote::not_computed: return "pas de classes pour le chi2";
        case GoodnessNote::too_few_classes: return "pas assez de classes pour le chi2";
        case GoodnessNote::too_few_expected:
            return "p-valeur sans signification : trop de classes à moins de 5 événements attendus";
    }
    return "";
}

}  // namespace fit
