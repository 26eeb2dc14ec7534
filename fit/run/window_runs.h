#pragma once
// The runs the analysis window fits together: the followed run and the runs
// added to it. Each added run is read from its file once, and again only when
// the file changes (its size or times); each run leaves out its excluded
// spans; every load of the followed run fits them together again.
//
//   WindowRuns runs;
//   runs.follow("/data/night0.txt");
//   runs.set_added({"/data/night1.txt", "/data/night2.txt"});  // to night0.txt
//   runs.exclude("/data/night1.txt", read_excluded_span("02:00:00-03:00:00"));
//   const RunsShown shown = runs.combine(followed, request);  // after each load
#include "fit/combine.h"
#include "fit/run/added_runs_store.h"
#include "fit/run/exclusions_store.h"
#include "fit/run/run_file.h"
#include "platform/files.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// An added run as the window keeps it: its file read, and its records outside
// the spans `kept_for`, kept until the file or its spans change.
struct AddedRun {
    RunFile run;
    std::optional<KeptRecords> kept;
    std::vector<ExcludedSpan> kept_for;
    // Its own fit of the last combination, and the request's choices it was
    // made with: a reload of the followed run does not fit it again.
    std::optional<fit::Result> alone;
    fit::Request alone_for;
};

// The followed run as the window holds it.
struct FollowedRun {
    QString file;
    std::span<const double> durations;
    std::span<const double> seconds;
    double origin_s = 0;
    rate::CountRecords counts;  // its count records (two integers a line)
    double format_unit_ns = 0;  // the unit its format gives; 0: none
};

// The combination as the window shows it.
struct RunsShown {
    // Runs were added or spans left out: the combination, not the followed run
    // alone, is the fit of the convergence series.
    bool in_use = false;
    fit::Combination combination;
    std::size_t runs = 0;        // runs combined (those read)
    QStringList files;           // the file of each row, the followed run's first
    QList<QStringList> table;    // header, then one row a file
    QString combined;            // "combinaison de 3 runs : τ = …"
    QString consistency;         // "cohérence : … ; runs compatibles"
    QStringList combined_files;  // the files of the runs combined, the followed run's first
    // The added runs left out: "run non lu : B.txt (why)", "autre unité : C.txt
    // (1 ns, le run suivi 1000 ns)", "même run, non combiné : D.txt (= A.txt)";
    // empty when every run was combined.
    QString status;
    // The last combination given again: nothing it was made of changed.
    bool again = false;
};

class WindowRuns {
public:
    // The followed run's file: the runs added are those added to it (runs
    // added to another file stay that file's). combine() follows its run.
    void follow(const QString& file);
    // The runs added to the followed file.
    QStringList added() const;
    // The added runs, by their files; the followed file and a file given twice
    // are kept once. Those read already are not read again.
    void set_added(const QStringList& files);
    // The runs added to each followed file, as the settings file keeps them.
    const RunsAjoutesParFichier& added_by_file() const { return added_; }
    void set_added_by_file(RunsAjoutesParFichier added);

    const ExclusionsParFichier& exclusions() const { return exclusions_; }
    void set_exclusions(ExclusionsParFichier exclusions) { exclusions_ = std::move(exclusions); }
    std::span<const ExcludedSpan> spans_of(const QString& file) const;
    void exclude(const QString& file, const ExcludedSpan& span);
    void remove_exclusion(const QString& file, std::size_t index);

    // Reads the added files not read yet or changed since, then fits the
    // followed run and the added runs read together, with the request's
    // window, model, method and classes (its durations are not read), in the
    // unit the followed run is fitted in, `unit_ns`: the one typed, or its
    // format's. An added run joins when its format gives that unit, or gives
    // none while the followed run's gives none either; one of another unit,
    // or whose unit is unknown beside a known one, or that is a run already
    // there (the same file by another path, the same bytes) is not combined
    // and is named in the status.
    // The same followed records, choices, added runs (none read again) and
    // spans as the last call give its combination again, nothing fitted
    // (`RunsShown::again`): a reload that changed nothing costs no fit.
    RunsShown combine(const FollowedRun& followed, const fit::Request& request, double unit_ns);

    // How many times a file was read (the tests count them).
    int reads() const { return reads_; }

private:
    QString followed_;
    RunsAjoutesParFichier added_;
    std::vector<AddedRun> read_;  // the added files read, in any order
    ExclusionsParFichier exclusions_;
    int reads_ = 0;
    // What the last combination was made of, and the combination.
    struct Last {
        QString file;
        std::vector<double> durations;
        std::vector<double> seconds;
        double origin_s = 0;
        std::vector<double> count_seconds;
        std::vector<std::int64_t> count_muons;
        double format_unit_ns = 0;
        fit::Request choices;
        double unit_ns = 0;
        QStringList added;
        int reads = 0;
        ExclusionsParFichier exclusions;
        RunsShown shown;
    };
    std::optional<Last> last_;

    AddedRun& read_again_if_changed(const QString& file);
    RunsShown combine_anew(const FollowedRun& followed, const fit::Request& request, double unit_ns);
    bool same_as_last(const FollowedRun& followed, const fit::Request& choices, double unit_ns) const;
};
