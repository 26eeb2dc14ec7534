#include "fit/cli/combine_files.h"

#include "analysis/load_text.h"
#include "analysis/record_pass.h"
#include "analysis/run_times.h"
#include "fit/cli/file_load.h"
#include "fit/cli/fit_json.h"
#include "fit/combine.h"
#include "fit/text/combine_text.h"
#include "fit/text/fit_text.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <cmath>
#include <cstdio>
#include <deque>
#include <vector>

namespace {

// A file given, and what its load left for the combination.
struct LoadedRun {
    QString file;
    QString unreadable;  // why it could not be read; empty when it was
    KeptRecords kept;
    std::vector<std::int32_t> counts;
    QString note;  // its spans left out, as the table says them
};

// A file's records read whole, past the window's capacity: the combination
// is not bound by it.
struct WholeRecords {
    std::vector<double> seconds;  // on the time line
    std::vector<double> durations;
    PasseDesLignes pass;
};

WholeRecords whole_records(const QString& file) {
    const QByteArray bytes = platform::read_file_bytes(file);
    // At most one record a line.
    const auto most = static_cast<std::size_t>(bytes.count('\n')) + 1;
    WholeRecords w;
    std::vector<double> minutes(most);
    w.durations.resize(most);
    w.pass = passe_des_octets(bytes, PlaceDesEnregistrements{minutes, w.durations});
    const auto n = static_cast<std::size_t>(std::max(0, w.pass.nb_enregistrements));
    w.durations.resize(n);
    w.seconds.reserve(n);
    for (std::size_t i = 0; i < n; ++i) w.seconds.push_back(minutes[i] * 60);
    return w;
}

std::vector<ExcludedSpan> spans_of(const FitOptions& o, const QString& file) {
    std::vector<ExcludedSpan> spans;
    for (const FileExclusion& e : o.exclusions) {
        if (e.file == file) spans.push_back(e.span);
    }
    return spans;
}

}  // namespace

int combine_files(const FitOptions& o, RecordStore& store, ClassTable& table) {
    const auto error = [](const QString& message) { print(stderr, QStringLiteral("vorns-fit: ") + message); };
    for (const FileExclusion& e : o.exclusions) {
        if (!o.files.contains(e.file)) {
            error(QStringLiteral("--exclude: '%1' is none of the files given").arg(e.file));
            return 2;
        }
    }
    int status = 0;
    double unit = o.choices.unit_ns;
    std::deque<LoadedRun> loaded;
    fit::Request request;
    bool classes_known = false;
    QStringList messages;
    for (const QString& file : o.files) {
        LoadedRun& run = loaded.emplace_back();
        run.file = file;
        const std::optional<FileLoad> load =
            load_data_file(file, ChoixDesClasses{o.dX, o.x_max, false}, store, table, run.unreadable);
        if (!load) {
            error(file + QStringLiteral(": ") + run.unreadable);
            messages << file + QStringLiteral(": ") + run.unreadable;
            status = 1;
            continue;
        }
        fit::Request one = fit_request(store, table, o.choices);
        if (!classes_known) {
            request = one;
            classes_known = true;
        }
        std::vector<double> seconds = secondes_des_enregistrements(store);
        QStringList notes = load->notes;
        // Past the capacity: the file read again, whole, its records in arrays of their own.
        const bool read_whole = load->load.enregistrements.capacite_depassee;
        WholeRecords whole;
        if (read_whole) {
            try {
                whole = whole_records(file);
            } catch (const platform::Error& e) {
                run.unreadable = e.text();
                error(file + QStringLiteral(": ") + run.unreadable);
                messages << file + QStringLiteral(": ") + run.unreadable;
                status = 1;
                continue;
            }
            seconds = std::move(whole.seconds);
            one.durations = whole.durations;
            notes = QStringList{texte_lignes_ignorees(file, whole.pass)};
            notes.removeAll(QString());
        }
        const PasseDesLignes& pass = read_whole ? whole.pass : load->load.enregistrements;
        for (const QString& note : notes) error(note);
        messages << notes;
        if (pass.nb_lignes_ignorees != 0) status = 1;
        const std::vector<ExcludedSpan> spans = spans_of(o, file);
        // The unit of the durations: the one typed, else the one the files' formats give.
        if (!o.unit_typed && pass.unite_ns > 0) {
            if (std::isfinite(unit) && unit != pass.unite_ns) {
                error(QStringLiteral("%1: its format gives %2 ns a unit, the files before it %3 ns: give --unit-ns")
                          .arg(file, platform::general(pass.unite_ns), platform::general(unit)));
                return 2;
            }
            unit = pass.unite_ns;
        }
        run.kept = keep_outside(one.durations, seconds, heure_de_l_origine_s(pass.origine_temps), spans,
                                {pass.comptages.secondes, pass.comptages.muons});
        run.counts = spans.empty() && !read_whole
                         ? std::vector<std::int32_t>(one.classes.counts.begin(), one.classes.counts.end())
                         : fit::class_counts(run.kept.durations, one.classes.dX, one.classes.n_classe);
        run.note = excluded_note(spans, run.kept.excluded);
    }
    if (!classes_known) request = fit_request(store, table, o.choices);
    request.durations = {};
    request.classes.counts = {};
    FitChoices choices = o.choices;
    choices.unit_ns = unit;
    request.unit_ns = unit;
    try {
        check_capture_unit(choices);
    } catch (const platform::Error& e) {
        error(e.text());
        return 2;
    }

    std::vector<fit::Run> runs;
    std::vector<QString> names;  // of the runs read, in the order of `runs`
    for (const LoadedRun& run : loaded) {
        if (!run.unreadable.isEmpty()) continue;
        runs.push_back({run.kept.durations, run.counts});
        names.push_back(run.file);
    }
    const fit::Combination c = fit::combine_runs(request, runs);
    const auto rate = [](const KeptRecords& k) { return k.rate_known ? k.rate_per_hour : fit::kNone; };

    if (o.json) {
        std::vector<RunJson> items;
        std::size_t next = 0;
        for (const LoadedRun& run : loaded) {
            if (!run.unreadable.isEmpty()) {
                items.push_back({run.file, QStringLiteral("unreadable")});
                continue;
            }
            const fit::Result& alone = c.runs[next++];
            const std::string_view status_name = fit::name(alone.status);
            items.push_back({run.file,
                             QString::fromUtf8(status_name.data(), static_cast<qsizetype>(status_name.size())), &alone,
                             run.kept.span_s, run.kept.live_s, rate(run.kept), run.kept.excluded});
        }
        const QString pulling = c.consistency.pulling_run ? names[*c.consistency.pulling_run] : QString();
        print(stdout, combination_json(
                          c, items, pulling,
                          FileNotes{0, messages.join(QStringLiteral(" ; ")), {}, {}, std::isfinite(unit) ? unit : 0},
                          choices.unit_ns));
        return status;
    }
    std::vector<fit_text::RunRow> rows;
    std::size_t next = 0;
    for (const LoadedRun& run : loaded) {
        if (!run.unreadable.isEmpty()) {
            rows.push_back({run.file, nullptr, fit::kNone, fit::kNone, fit::kNone, QStringLiteral("non lu")});
            continue;
        }
        rows.push_back({run.file, &c.runs[next++], run.kept.span_s, run.kept.live_s, rate(run.kept), run.note});
    }
    print(stdout, choices_line(o.choices));
    for (const QString& line : fit_text::run_table(rows)) print(stdout, line);
    print(stdout, fit_text::combination_line(runs.size()));
    for (const QString& line : fit_text::text_lines(fit_text::result_lines(c.combined, choices.unit_ns))) {
        print(stdout, line);
    }
    print(stdout, fit_text::consistency_line(c.consistency, names));
    return status;
}
