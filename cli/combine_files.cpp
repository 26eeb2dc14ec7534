#include "cli/combine_files.h"

#include "analysis/class_pass.h"
#include "analysis/load_text.h"
#include "cli/file_load.h"
#include "cli/fit_json.h"
#include "fit/run/run_file.h"
#include "fit/text/combine_text.h"
#include "fit/text/fit_text.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/translations.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
// vorns-fit's texts in the program's language (platform/translations.h).
struct FitCliText {
    Q_DECLARE_TR_FUNCTIONS(vorns_fit)
};
}  // namespace

int combine_files(const FitOptions& o) {
    const auto error = [](const QString& message) { print(stderr, QStringLiteral("vorns-fit: ") + message); };
    for (const FileExclusion& e : o.exclusions) {
        if (!o.files.contains(e.file)) {
            error(FitCliText::tr("--exclude: '%1' is none of the files given").arg(e.file));
            return 2;
        }
    }
    int status = 0;
    QStringList messages;
    std::vector<RunFile> files;
    std::vector<double> format_units;
    for (const QString& file : o.files) {
        const RunFile& run = files.emplace_back(read_run_file(file));
        format_units.push_back(run.unreadable.isEmpty() ? run.pass.unite_ns : fit::kNone);
        QStringList notes;
        if (!run.unreadable.isEmpty()) {
            notes << file + QStringLiteral(": ") + run.unreadable;
            status = 1;
        } else {
            if (run.pass.nb_enregistrements == 0)
                notes << file + QStringLiteral(": ") + texte_sans_enregistrement(run.pass);
            notes << texte_lignes_ignorees(file, run.pass);
            if (run.pass.nb_lignes_ignorees != 0 || run.pass.nb_enregistrements == 0) status = 1;
        }
        notes.removeAll(QString());
        for (const QString& note : notes) error(note);
        messages << notes;
    }
    // One run given twice would count its events twice.
    for (std::size_t i = 0; i < files.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (!same_run(files[j], files[i])) continue;
            error((files[i].canonical == files[j].canonical
                       ? FitCliText::tr("%1: the same run as %2 (the same file): give each run once")
                       : FitCliText::tr("%1: the same run as %2 (the same bytes): give each run once"))
                      .arg(files[i].file, files[j].file));
            return 2;
        }
    }
    // The unit of the durations: the one typed, else the one the files' formats
    // give; never runs of different units, nor of a unit unknown beside a known one.
    const RunsUnit unit = runs_unit(format_units, o.choices.unit_ns, o.unit_typed);
    const auto unit_text = [](double unit_ns) {
        return unit_ns > 0 ? platform::general(unit_ns) + QStringLiteral(" ns") : FitCliText::tr("none", "no unit");
    };
    const double first_unit = unit_known(unit.unit_ns) ? unit.unit_ns : 0;
    for (const std::size_t i : unit.other.empty() ? unit.unknown : unit.other) {
        error(FitCliText::tr("%1: its format gives %2 a unit, the files before it %3: the runs are not combined in "
                             "different units; give --unit-ns, the nanoseconds in one unit of every file")
                  .arg(files[i].file, unit_text(files[i].pass.unite_ns), unit_text(first_unit)));
        return 2;
    }
    FitChoices choices = o.choices;
    choices.unit_ns = unit.unit_ns;
    // The classes and the window: those given, the others chosen in time for
    // runs whose unit is known, from all their durations.
    std::vector<DurationsSeen> seen;
    for (const RunFile& run : files) seen.push_back(durations_seen(run.durations));
    const DurationChoices durations = file_durations(o, choices.unit_ns, merged(seen));
    try {
        check_window(o, durations);
    } catch (const platform::Error& e) {
        error(e.text());
        return 2;
    }
    choices.t_min = durations.t_min;
    choices.t_max = durations.t_max;
    ClassTable classes;
    prend_largeur_classe(durations.dX, classes);
    const std::int32_t n_classe = std::clamp(nombre_de_classes(durations.x_max, classes), 0, NB_CLASSES);
    try {
        check_capture_unit(choices);
    } catch (const platform::Error& e) {
        error(e.text());
        return 2;
    }

    std::vector<KeptRecords> kept;
    kept.reserve(files.size());  // the runs point to them
    std::vector<RunToCombine> runs;
    for (const RunFile& run : files) {
        if (!run.unreadable.isEmpty()) {
            runs.push_back({run.file, nullptr, QCoreApplication::translate("window_runs", "non lu", "a run")});
            continue;
        }
        const std::vector<ExcludedSpan> spans = excluded_spans(o, run.file);
        const KeptRecords& k = kept.emplace_back(kept_records(run, spans));
        runs.push_back({run.file, &k, excluded_note(spans, k.excluded)});
    }
    const fit::Combination c =
        combine_kept(combined_request(choices, classes.largeur_classe, n_classe, unit.unit_ns), runs);
    const std::vector<fit_text::RunRow> rows = run_rows(runs, c);
    const std::vector<QString> names = combined_names(runs);

    if (o.json) {
        std::vector<RunJson> items;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const fit_text::RunRow& row = rows[i];
            if (!row.alone) {
                items.push_back({row.name, QStringLiteral("unreadable")});
                continue;
            }
            const std::string_view status_name = fit::name(row.alone->status);
            items.push_back({row.name,
                             QString::fromUtf8(status_name.data(), static_cast<qsizetype>(status_name.size())),
                             row.alone, row.span_s, row.live_s, row.rate_per_hour, runs[i].kept->excluded});
        }
        const QString pulling = c.consistency.pulling_run ? names[*c.consistency.pulling_run] : QString();
        print(stdout, combination_json(c, items, pulling,
                                       FileNotes{0,
                                                 messages.join(platform::list_separator()),
                                                 {},
                                                 {},
                                                 std::isfinite(unit.unit_ns) ? unit.unit_ns : 0},
                                       choices.unit_ns));
        return status;
    }
    print(stdout, choices_line(choices));
    for (const QString& line : fit_text::run_table(rows)) print(stdout, line);
    print(stdout, fit_text::combination_line(names.size()));
    for (const QString& line : fit_text::text_lines(fit_text::result_lines(c.combined, choices.unit_ns))) {
        print(stdout, line);
    }
    print(stdout, fit_text::consistency_line(c.consistency, names));
    return status;
}
