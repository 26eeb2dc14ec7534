// The fit window's "runs" tab: the runs added to the followed one, fitted
// together after each fit of the followed run.
#include "app/fit_window.h"
#include "session/run_watch.h"
#include "app/tform1.h"
#include "platform/report.h"

void FenetreAjustement::construit_les_runs() {
    onglet_runs = new OngletRuns(form_, Onglets);
    Onglets->addTab(onglet_runs, tr("runs"));
    connect(onglet_runs, &OngletRuns::runs_modifies, this,
            [this] { platform::report_errors([this] { runs_modifies(); }); });
    connect(onglet_taux, &OngletTaux::trou_a_exclure, onglet_runs, &OngletRuns::exclut_du_run_suivi);
}

void FenetreAjustement::runs_modifies() {
    // The earlier points are fits of other runs.
    convergence_.restart();
    if (decisions_.refusal().isEmpty()) ajuste(true);
}

const fit::Result& FenetreAjustement::ajuste_les_runs(const fit::Request& requete) {
    const fit::Result* combinaison = onglet_runs->ajuste(requete, decisions_.choices().unit_ns);
    return combinaison ? *combinaison : resultat_;
}

RunAnalysis FenetreAjustement::analyse_du_run() {
    const RunState& etat = form_.etat();
    // The unit is the field's (the format's taken into it, unless one was typed);
    // the live time is the watch's analysis of this load, the "taux" tab's when
    // it is shown, made once for both.
    const RunAnalysisReuse reuse{&dernier_ajustement_, &form_.surveillance().analyse_du_chargement(etat)};
    return analyse_run(LoadedRun{etat.record_store, etat.class_table, etat.origine_temps, &etat.comptages, etat.unite_ns},
                       RunAnalysisChoices{decisions_.choices(), true, false, {}}, onglet_runs->spans_du_run_suivi(),
                       reuse);
}
