// The fit window's "runs" tab: the runs added to the followed one, fitted
// together after each fit of the followed run.
#include "analysis/run_times.h"
#include "app/fit_window.h"
#include "app/tform1.h"
#include "platform/report.h"

void FenetreAjustement::construit_les_runs() {
    onglet_runs = new OngletRuns(form_, Onglets);
    Onglets->addTab(onglet_runs, QStringLiteral("runs"));
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

fit::Request FenetreAjustement::requete_du_run() {
    const RunState& etat = form_.etat();
    fit::Request requete = fit_request(etat.record_store, etat.class_table, decisions_.choices());
    const std::span<const ExcludedSpan> spans = onglet_runs->spans_du_run_suivi();
    gardes_.reset();
    if (spans.empty()) return requete;
    gardes_ =
        keep_outside(requete.durations, secondes_des_enregistrements(etat.record_store),
                     heure_de_l_origine_s(etat.origine_temps), spans, {etat.comptages.secondes, etat.comptages.muons});
    requete.durations = gardes_->durations;
    requete.classes.counts = {};  // made from the durations kept
    return requete;
}
