#include "fit/text/status_text.h"

#include "platform/numbers.h"

#include <QCoreApplication>

namespace {
// The fit's statuses and warnings in the program's language.
struct StatusText {
    Q_DECLARE_TR_FUNCTIONS(status_text)
};
}  // namespace

namespace fit_text {

QString text(fit::Status status) {
    switch (status) {
        case fit::Status::converged: return StatusText::tr("convergé");
        case fit::Status::window_refused:
            return StatusText::tr(
                "fenêtre refusée : t min doit être positif ou nul et inférieur à t max, deux nombres finis");
        case fit::Status::classes_refused:
            return StatusText::tr("classes refusées : dX doit être supérieur à 0 et le nombre de classes raisonnable");
        case fit::Status::no_event: return StatusText::tr("aucun événement dans la fenêtre");
        case fit::Status::too_few_events:
            return StatusText::tr("moins de %1 événements dans la fenêtre").arg(platform::decimal(fit::kMinEvents));
        case fit::Status::too_few_classes:
            return StatusText::tr("moins de %1 classes dans la fenêtre").arg(platform::decimal(fit::kMinClasses));
        case fit::Status::all_equal: return StatusText::tr("toutes les durées de la fenêtre sont égales");
        case fit::Status::no_decay_signal: return StatusText::tr("pas de signal de décroissance");
        case fit::Status::lifetime_beyond_window:
            return StatusText::tr("durée de vie au-delà de la fenêtre (plus de %1 fois sa largeur)")
                .arg(platform::general(fit::kReachFactor));
        case fit::Status::lifetime_too_short:
            return StatusText::tr("durée de vie trop courte pour être mesurée dans cette fenêtre");
        case fit::Status::not_converged: return StatusText::tr("l'ajustement n'a pas convergé");
        case fit::Status::unit_not_set:
            return StatusText::tr("unité non fixée : ce modèle demande la durée d'une unité en ns (1 unité = … ns)");
        case fit::Status::model_refused:
            return StatusText::tr(
                "modèle refusé : il s'ajuste sur les durées (non binné), avec une durée de vie des μ− et un rapport "
                "de charge supérieurs à 0");
    }
    return {};
}

QString text(fit::Warning warning) {
    switch (warning) {
        case fit::Warning::clock_grid:
            return StatusText::tr("durées sur une grille d'horloge : vraisemblance des valeurs de la grille, de pas");
        case fit::Warning::background_at_limit: return StatusText::tr("fond à la limite 0 : tau ajusté sans fond");
        case fit::Warning::signal_compatible_with_zero: return StatusText::tr("signal compatible avec zéro");
        case fit::Warning::large_error: return StatusText::tr("erreur sur tau supérieure à tau / 2");
        case fit::Warning::negative_in_first_class:
            return StatusText::tr("des durées négatives comptent dans la classe 0");
        case fit::Warning::loose_convergence: return StatusText::tr("convergé avec une tolérance relâchée");
        case fit::Warning::window_beyond_classes:
            return StatusText::tr("t max au-delà des classes affichées : ajusté sur");
        case fit::Warning::grid_start_left_out:
            return StatusText::tr("valeurs de la grille à moins d'un pas de 0 laissées de côté");
        case fit::Warning::charge_ratio_at_limit:
            return StatusText::tr("rapport de charge à la limite : aucun signe de l'une des deux charges");
    }
    return {};
}

QString text(fit::GoodnessNote note) {
    switch (note) {
        case fit::GoodnessNote::ok: return {};
        case fit::GoodnessNote::not_computed: return StatusText::tr("pas de classes pour le chi2");
        case fit::GoodnessNote::too_few_classes: return StatusText::tr("pas assez de classes pour le chi2");
        case fit::GoodnessNote::too_few_expected:
            return StatusText::tr("p-valeur sans signification : trop de classes à moins de %1 événements attendus")
                .arg(platform::general(fit::kFewExpected));
    }
    return {};
}

}  // namespace fit_text
