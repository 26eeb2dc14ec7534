// The fit window's "runs" tab: the runs added to the followed one, fitted
// together after each fit of the followed run. The window combines them and
// keeps the combination; the tab shows it and edits the runs and their spans.
#include "app/fit_window.h"
#include "analysis/run_times.h"
#include "session/run_watch.h"
#include "app/tform1.h"
#include "fit/run/fit_choices.h"
#include "platform/report.h"

void FenetreAjustement::construit_les_runs() {
    onglet_runs = new OngletRuns(form_, Onglets);
    Onglets->addTab(onglet_runs, tr("runs"));
    connect(onglet_taux, &OngletTaux::trou_a_exclure, onglet_runs, &OngletRuns::exclut_du_run_suivi);
    connect(onglet_runs, &OngletRuns::montre_demande, this, &FenetreAjustement::montre_les_runs_en_attente);
}

const fit::Result& FenetreAjustement::ajuste_les_runs(const fit::Request& requete) {
    runs_en_attente_.reset();
    WindowRuns& runs = form_.etat().runs;
    runs.follow(onglet_runs->fichier_suivi());
    const double unite = decisions_.choices().unit_ns;
    if (runs.added().isEmpty() && onglet_runs->spans_du_run_suivi().empty() && !onglet_runs->isVisible()) {
        // The followed run alone, its tab out of sight: the table is made when
        // it is next shown, from this request, so a reload costs nothing more.
        runs_en_attente_.emplace(requete, unite);
        runs_en_attente_->first.durations = {};  // not kept: the table reads the run's records
        runs_combines_.in_use = false;
        return resultat_;
    }
    combine_les_runs(requete, unite);
    return runs_combines_.in_use ? runs_combines_.combination.combined : resultat_;
}

void FenetreAjustement::combine_les_runs(const fit::Request& requete, double unite) {
    RunState& etat = form_.etat();
    const std::vector<double> secondes = secondes_des_enregistrements(etat.record_store);
    // All the followed run's records: the request's leave out its spans.
    const std::span<const double> durees = fit_request(etat.record_store, etat.class_table, FitChoices()).durations;
    const FollowedRun suivi{onglet_runs->fichier_suivi(),
                            durees,
                            secondes,
                            heure_de_l_origine_s(etat.origine_temps),
                            {etat.comptages.secondes, etat.comptages.muons},
                            etat.unite_ns};
    etat.runs.follow(suivi.file);
    runs_combines_ = etat.runs.combine(suivi, requete, unite);
    // The same combination as the last one: the table shown stays.
    if (!runs_combines_.again || &onglet_runs->combinaison() != &runs_combines_) onglet_runs->montre(runs_combines_);
}

void FenetreAjustement::montre_les_runs_en_attente() {
    if (!runs_en_attente_) return;
    const std::pair<fit::Request, double> attente = *runs_en_attente_;
    runs_en_attente_.reset();
    platform::report_errors([&] { combine_les_runs(attente.first, attente.second); });
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
