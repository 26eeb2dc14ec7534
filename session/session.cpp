#include "session/session.h"

#include "analysis/run_times.h"
#include "datafile/reload.h"
#include "platform/errors.h"
#include "platform/report.h"

RunSession::RunSession(QObject* parent) : RunSession(*new RunData, parent) { owned_.reset(data_); }

RunSession::RunSession(RunData& data, QObject* parent) : QObject(parent), data_(&data) {
    connect(&watch_, &SurveillanceDuRun::alarme_changee, this, &RunSession::alarm_changed);
}

RunSession::~RunSession() = default;

void RunSession::follow(const QString& file) {
    data_->file_state.fichier_donnees = file;
    if (!file.isEmpty()) reload();
}

void RunSession::set_fit_choices(const FitChoices& choices, bool unit_typed) {
    fit_choices_ = choices;
    unit_typed_ = unit_typed;
    choices_changed_ = true;
}

bool RunSession::wants_reload() {
    const QString followed = file();
    if (followed.isEmpty()) return false;
    const VueDuFichier view = vue_du_fichier(followed);
    const auto lines_changed = [&] { return lignes_differentes(followed, lines_); };
    return recharge_au_tick(view, reload_on_change_, data_->file_state, lines_changed);
}

bool RunSession::tick() {
    const bool reloaded = wants_reload();
    if (reloaded) reload();
    if (const auto error = platform::error_of([this] { watch_.au_tick(*data_, period_s_); })) error_ = *error;
    return reloaded;
}

ReloadChanges RunSession::reload() {
    ReloadChanges changes;
    error_.clear();
    read(changes);
    records(changes);
    unit_choices(changes);
    // The first error is said: a file that cannot be read, before the refused
    // class choice that its run without lines may then meet.
    if (const auto error = platform::error_of([this] { classes(); }); error && error_.isEmpty()) error_ = *error;
    rate_and_alarm();
    if (const auto error = platform::error_of([&] { fit_and_combination(changes); }); error && error_.isEmpty()) {
        error_ = *error;
    }
    stability_and_forecast();
    ++reloads_;
    choices_changed_ = false;
    emit reloaded(changes);
    return changes;
}

void RunSession::read(ReloadChanges& changes) {
    FileState& state = data_->file_state;
    // The view is taken before the read, so that a line appended meanwhile is
    // seen at the next tick.
    retiens_la_vue(vue_du_fichier(state.fichier_donnees), state);
    changes.other_file = state.fichier_donnees != state.fichier_charge;
    state.fichier_charge = state.fichier_donnees;
    try {
        lines_.read_file(state.fichier_donnees);
    } catch (const platform::Error& e) {
        // A file that cannot be read is a run without lines.
        error_ = e.text();
        changes.unreadable = true;
    }
}

void RunSession::records(ReloadChanges& changes) {
    RecordStore& store = data_->record_store;
    const std::int32_t before = store.nb_points[1];
    const double last_before = before > 0 ? store.serie_y[1][static_cast<std::size_t>(before)] : 0;
    PasseDesLignes pass = passe_des_lignes(lines_, store);
    data_->origine_temps = pass.origine_temps;
    data_->format = pass.format;
    data_->unite_ns = pass.unite_ns;
    data_->comptages = pass.comptages;
    data_->dernier_du_fichier = pass.dernier_du_fichier;
    load_.enregistrements = std::move(pass);
    const std::int32_t after = store.nb_points[1];
    changes.records = changes.other_file || after != before ||
                      (after > 0 && store.serie_y[1][static_cast<std::size_t>(after)] != last_before);
}

void RunSession::unit_choices(ReloadChanges& changes) {
    // A run whose unit is known takes the dX and X max typed for that unit,
    // or chosen from its durations; a run of unknown unit after it, those
    // the choices held before.
    const double unit_ns = data_->unite.after_load(file(), data_->unite_ns);
    UnitFields::Pair wanted{};
    if (unit_known(unit_ns)) {
        const DurationChoices c = duration_choices(unit_ns, durations_seen(data_->record_store.durations()),
                                                   data_->saisies_par_unite.of(unit_ns));
        wanted = {c.dX, c.x_max};
    }
    const UnitFields::Pair held{static_cast<double>(class_choices_.dX), static_cast<double>(class_choices_.x_max)};
    if (const auto fields = data_->champs_des_classes.after_load(unit_ns, held, wanted)) {
        class_choices_.dX = (*fields)[0];
        class_choices_.x_max = (*fields)[1];
        changes.class_choices = true;
    }
}

const ResultatClasses& RunSession::classify() {
    classes();
    return load_.classes;
}

void RunSession::classes() {
    // The class table and the figures (Tau, Lambda...), as numbers.
    RecordStore& store = data_->record_store;
    load_.classes = ResultatClasses();
    load_.classes = classe_les_durees(class_choices_, store, data_->class_table);
    data_->choix_des_classes = class_choices_;
    ecrit_la_serie_des_classes(load_.classes.n_classe, data_->class_table, store);
    if (store.nb_points[1] == 0) store.nb_points[2] = 0;
}

void RunSession::rate_and_alarm() {
    // The watch's mark of the last record, and its rate made again when next
    // asked: before any reader of this reload asks it.
    watch_.apres_chargement(*data_);
}

void RunSession::fit_and_combination(ReloadChanges& changes) {
    if (!fitting_) {
        analysis_.reset();
        combination_ = RunsShown();
        return;
    }
    const RunData& run = *data_;
    const LoadedRun loaded{run.record_store, run.class_table, run.origine_temps, &run.comptages, run.unite_ns};
    const RunAnalysisReuse reuse{&refit_, &rate()};
    analysis_.reset();
    analysis_.emplace(analyse_run(loaded, RunAnalysisChoices{fit_choices_, unit_typed_, false, {}},
                                  data_->runs.spans_of(file()), reuse));
    changes.fit = analysis_->refitted || choices_changed_;
    // The runs added to the followed one, fitted together with it.
    if (data_->runs.added().isEmpty() && data_->runs.spans_of(file()).empty()) {
        combination_ = RunsShown();
        return;
    }
    const std::vector<double> seconds = secondes_des_enregistrements(run.record_store);
    const std::span<const double> all = fit_request(run.record_store, run.class_table, FitChoices()).durations;
    combination_ = data_->runs.combine(FollowedRun{file(), all, seconds, heure_de_l_origine_s(run.origine_temps),
                                             {run.comptages.secondes, run.comptages.muons}, run.unite_ns},
                                 analysis_->request, analysis_->choices.unit_ns);
}

void RunSession::stability_and_forecast() {
    // The forecast came with the fit (its live time from this reload's rate);
    // the scan is made again only when the fit was.
    if (!analysis_ || !scanning_) return;
    if (analysis_->refitted || choices_changed_) scan_ = fit::stability_scan(analysis_->request, analysis_->result);
}
