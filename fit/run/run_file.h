#pragma once
// A run's data file as a combination takes it, and the one way runs are
// fitted together (vorns-fit --combine, the run report, the analysis window's
// runs). The file is read by the record pass (any format, however many
// records: the window's capacity does not bind it), with its format and unit,
// its count records, the time of day of its origin and its lines that are no
// record; its records outside its excluded spans give its events, span, live
// time and rate.
//
//   const RunFile run = read_run_file("/data/night1.txt");
//   const KeptRecords kept = kept_records(run, spans);
//   const RunsUnit unit = runs_unit(std::vector<double>{run.pass.unite_ns}, choices.unit_ns, typed);
//   const fit::Combination c = combine_kept(combined_request(choices, dX, n_classe, unit.unit_ns), runs);
#include "analysis/record_pass.h"
#include "fit/combine.h"
#include "fit/run/fit_choices.h"
#include "fit/run/run_exclusions.h"
#include "fit/text/combine_text.h"
#include "platform/files.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

struct RunFile {
    QString file;
    QString unreadable;  // why it could not be read; empty when it was
    std::vector<double> durations;
    std::vector<double> seconds;  // on its time line (analysis/run_times.h)
    double origin_s = 0;          // the time of day of its time origin
    PasseDesLignes pass;          // its format and unit, count records, skipped lines
    std::int32_t size = -1;       // the file as it was read
    platform::FileTimes times;
    // What tells the run: the file's path with its links resolved and the
    // SHA-256 of its bytes (empty for a pipe or a file that cannot be read).
    QString canonical;
    QByteArray sha256;
};

// Whether two runs are one: the same file, or the same bytes.
bool same_run(const RunFile& a, const RunFile& b);
// The SHA-256 of a regular file's bytes, read in blocks; empty for a pipe or
// a file that cannot be read.
QByteArray file_sha256(const QString& file);

// Reads `file`: its size and times, then its records (run_file_of_blocks).
// A file that will be read again at its changes (the analysis window's added
// runs) must be a regular file: a pipe or a device is unreadable.
enum class RunReading { once, again_at_changes };
RunFile read_run_file(const QString& file, RunReading reading = RunReading::once);
// The records of a file read block by block, every one of them. Raises what
// read_file_bytes raises when the file cannot be read.
RunFile run_file_of_blocks(const QString& file);
// The records of a file's bytes, every one of them.
RunFile run_file_of_bytes(const QString& file, QByteArrayView bytes);

// The run's records outside `spans`, its live time less theirs (from its
// count records when it has some).
KeptRecords kept_records(const RunFile& run, std::span<const ExcludedSpan> spans);

// The unit runs are fitted in: the one typed wins; else the one their formats
// give (the first run's), else `unit_ns` as it is. Runs are never fitted
// together in different units: beside the first run read, a run whose format
// gives another unit, or one where the first gives none, is refused (`other`,
// by index), and so is a run whose format gives none beside a first run
// whose format gives one (`unknown`). `format_units`: each run's format's unit,
// 0 when it gives none, NaN for a run that could not be read.
struct RunsUnit {
    double unit_ns = fit::kNone;
    std::vector<std::size_t> other;
    std::vector<std::size_t> unknown;
    bool refused(std::size_t run) const;
};
RunsUnit runs_unit(std::span<const double> format_units, double unit_ns, bool typed);

// The request of runs fitted together: the choices' window, model, method and
// muons, the classes (width, shown, skipped), the unit; each run's durations
// and counts are its own.
fit::Request combined_request(const FitChoices& choices, long double dX, std::int32_t n_classe, double unit_ns);

// One run of a combination, in the order of its table.
struct RunToCombine {
    QString name;                       // as its row and the verdict name it
    const KeptRecords* kept = nullptr;  // null: not combined
    QString note;                       // its row's last cell: what was left out of it, or why it is not combined
    const fit::Result* alone = nullptr;  // its own fit with this request, when already made
};

// The runs with kept records fitted together with `request`'s choices (its
// durations and counts are not read).
fit::Combination combine_kept(const fit::Request& request, std::span<const RunToCombine> runs);
// The table's rows, each combined run's fit alone from `c`.
std::vector<fit_text::RunRow> run_rows(std::span<const RunToCombine> runs, const fit::Combination& c);
// The names of the runs combined, in the order of `c.runs`.
std::vector<QString> combined_names(std::span<const RunToCombine> runs);
