#pragma once
// The session of a followed run, without any window: it owns the run (its
// file, the lines read, the records and classes, the class choices as
// numbers, the fit's choices, the runs added to it and every run's excluded
// spans, the watch and its clock) and makes each reload in one fixed order,
// written in one function (RunSession::reload):
//
//   read → records → the unit's class choices → classes → figures → rate
//   and alarm → fit and its combination → stability and forecast
//
// then emits `reloaded` once, with what changed. Whoever shows the run (the
// main window, the analysis window, a page, `vorns-fit --follow`) reads the
// session after that signal, in any order: nothing it reads is made by
// another reader.
//
//   RunSession session;
//   session.set_class_choices({10, 800, false});
//   session.follow(QStringLiteral("/data/run.txt"));  // loads it
//   // at every tick of the refresh period:
//   session.tick();  // reloads when the file changed, then judges the alarm
#include "analysis/load.h"
#include "analysis/rate/rate.h"
#include "fit/refit.h"
#include "fit/run/fit_choices.h"
#include "fit/run/run_analysis.h"
#include "fit/run/window_runs.h"
#include "fit/stability.h"
#include "platform/textfile.h"
#include "session/run_data.h"
#include "session/run_watch.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// What a reload changed, for the readers that redraw only what did.
struct ReloadChanges {
    bool other_file = false;  // another file than the last reload's: nothing of the last one stays
    bool records = false;     // the records differ from the last reload's (count or last duration)
    bool fit = false;         // the fit was made again (its events changed), or its choices did
    bool unreadable = false;  // the file could not be read: the run has no line
    bool class_choices = false;  // the run's unit gave other class choices (dX, X max)
};

class RunSession : public QObject {
    Q_OBJECT
public:
    explicit RunSession(QObject* parent = nullptr);
    // A session on a run's state its owner holds (the main window's, which
    // adds its plots to it); `data` must outlive the session.
    explicit RunSession(RunData& data, QObject* parent = nullptr);
    ~RunSession() override;

    // The run followed: loaded at once (a reload). An empty name follows nothing.
    void follow(const QString& file);
    const QString& file() const { return data_->file_state.fichier_donnees; }

    // The choices, as numbers. Each is taken at the next reload; reload()
    // after a change to see it at once, or classify() for the classes alone.
    // A reload of a run whose unit is known may change dX and X max (those
    // typed for that unit, or chosen from its durations): class_choices()
    // then says what they became.
    void set_class_choices(const ChoixDesClasses& choices) { class_choices_ = choices; }
    const ChoixDesClasses& class_choices() const { return class_choices_; }
    // The classes of the records held made again with the class choices, the
    // file not read again. Raises a choice refused (each with its message; a
    // refused X max leaves the new width taken, as classe_les_durees does).
    const ResultatClasses& classify();
    // The fit's choices; with `unit_typed`, their unit wins over the one the
    // file's format gives. Without a fit asked for (the default), a reload
    // makes no fit: the rate and the alarm go on.
    void set_fit_choices(const FitChoices& choices, bool unit_typed);
    const FitChoices& fit_choices() const { return fit_choices_; }
    void set_fitting(bool on) { fitting_ = on; }
    // The stability scan (ten fits more) after each fit that changed.
    void set_scanning(bool on) { scanning_ = on; }
    // The runs added to the followed one and every run's excluded spans.
    WindowRuns& runs() { return data_->runs; }

    // The refresh: its period in seconds (0: stopped) and whether only a
    // changed file is read again (the main window's "test file time / size").
    void set_period_s(double period_s) { period_s_ = period_s; }
    double period_s() const { return period_s_; }
    void set_reload_on_change(bool on) { reload_on_change_ = on; }
    // The clock the watch reads, in seconds (tests give theirs).
    void set_clock(std::function<double()> clock) { watch_.prend_l_horloge(std::move(clock)); }

    // One tick of the refresh: reloads when the file changed (or always,
    // without the test of time and size), then judges the alarm. Returns
    // whether it reloaded. Never raises: a reload that fails says it in
    // error() and the run stays as its last reload left it.
    bool tick();
    // The tick's decision alone: whether the followed file is to be read again.
    bool wants_reload();
    // The one reload, in the fixed order above. Never raises: a file that
    // cannot be read is a run without lines, a class choice refused (a dX or
    // X max) leaves the classes of the last pass; error() says either.
    ReloadChanges reload();

    // The run, as the last reload left it.
    const RunData& data() const { return *data_; }
    const platform::PackedLines& lines() const { return lines_; }
    const Chargement& load() const { return load_; }
    // The first error of the last reload (an unreadable file, a refused
    // class choice); empty when it went through.
    const QString& error() const { return error_; }
    int reloads() const { return reloads_; }

    // The run's rate of the last reload (made once, for every reader).
    const rate::RateAnalysis& rate() { return watch_.analyse_du_chargement(*data_); }
    SurveillanceDuRun& watch() { return watch_; }
    bool stopped() const { return watch_.arrete(); }
    const QString& alarm_line() const { return watch_.ligne_d_alarme(); }

    // The fit of the last reload (none before a fit was asked for or while the
    // run has no record), its stability scan and its combination with the added runs.
    const std::optional<RunAnalysis>& analysis() const { return analysis_; }
    const fit::StabilityScan& scan() const { return scan_; }
    const RunsShown& combination() const { return combination_; }

signals:
    // A reload is done: every reader takes what it shows from the session.
    void reloaded(const ReloadChanges& changes);
    // The alarm was raised, said again with its new age, or cleared.
    void alarm_changed();

private:
    std::unique_ptr<RunData> owned_;
    RunData* data_;
    platform::PackedLines lines_;
    Chargement load_;
    ChoixDesClasses class_choices_;
    FitChoices fit_choices_;
    bool unit_typed_ = false;
    bool fitting_ = false;
    bool scanning_ = true;
    bool choices_changed_ = true;
    SurveillanceDuRun watch_;
    fit::Refit refit_;
    std::optional<RunAnalysis> analysis_;
    fit::StabilityScan scan_;
    RunsShown combination_;
    double period_s_ = 5;
    bool reload_on_change_ = true;
    QString error_;
    int reloads_ = 0;

    void read(ReloadChanges& changes);
    void records(ReloadChanges& changes);
    void unit_choices(ReloadChanges& changes);
    void classes();
    void rate_and_alarm();
    void fit_and_combination(ReloadChanges& changes);
    void stability_and_forecast();
};
