#include "cli/fit_program.h"

#include "analysis/class_pass.h"
#include "analysis/formats/format_choices.h"
#include "analysis/load.h"
#include "analysis/load_text.h"
#include "analysis/rate/text/rate_text.h"
#include "analysis/run_times.h"
#include "cli/combine_files.h"
#include "cli/file_load.h"
#include "cli/fit_json.h"
#include "cli/follow.h"
#include "cli/options.h"
#include "cli/rate_json.h"
#include "fit/run/duration_choices.h"
#include "fit/run/fit_choices.h"
#include "fit/run/run_analysis.h"
#include "fit/text/fit_text.h"
#include "fit/text/stability_text.h"
#include "platform/errors.h"
#include "platform/memory.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "platform/translations.h"
#include "settings/settings_files.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// vorns-fit's texts in the program's language (platform/translations.h).
struct FitCliText {
    Q_DECLARE_TR_FUNCTIONS(vorns_fit)
};

// A capture model for a file whose unit neither --unit-ns nor its format gives:
// an option error (exit status 2).
struct UnitMissing {
    QString text;
};

// Reads and fits one file, and prints what there is to say of it: on stdout
// its results (with --json always one object, even for a file that cannot be
// read), on stderr its message. Returns the exit status it calls for: 0, 1
// when a line of it is no record or it holds none, 2 for a window refused.
int fit_file(const FitOptions& o, const QString& file, RecordStore& store, ClassTable& table, bool several) {
    const auto error = [&](const QString& message) { print(stderr, QStringLiteral("vorns-fit: ") + message); };
    QString unreadable;
    std::optional<FileLoad> loaded =
        load_data_file(file, ChoixDesClasses{o.dX, o.x_max, false}, store, table, unreadable);
    if (!loaded) {
        error(file + QStringLiteral(": ") + unreadable);
        if (o.json) print(stdout, unfitted_json(file, QStringLiteral("unreadable"), unreadable, o.details, o.scan));
        return 1;
    }
    // The file was read block by block into one small buffer, and the rate
    // reads the records' times in the store: neither takes the pages of a
    // copy of the file or of the times.
    const Chargement& load = loaded->load;
    const PasseDesLignes& pass = load.enregistrements;
    // The unit the file's format gives, unless one was typed.
    RunAnalysisChoices analysis_choices{o.choices, o.unit_typed, o.scan, {}};
    // The rate's bins only where they are printed (--rate, --json).
    analysis_choices.rate.bins = o.json || o.rate;
    FitChoices unit_checked = o.choices;
    unit_checked.unit_ns = unit_of_run(o.choices.unit_ns, o.unit_typed, pass.unite_ns);
    try {
        check_capture_unit(unit_checked);
    } catch (const platform::Error& e) {
        throw UnitMissing{e.text()};
    }
    const QStringList& notes = loaded->notes;
    for (const QString& note : notes) error(note);
    // The classes and the window: those given, the others chosen in time for
    // a file whose unit is known.
    const DurationChoices durations =
        file_durations(o, unit_checked.unit_ns, durations_seen(fit_request(store, table, unit_checked).durations));
    ResultatClasses classes = load.classes;
    if (durations.dX != o.dX || durations.x_max != o.x_max) {
        classes = classe_les_durees({durations.dX, durations.x_max, false}, store, table);
        ecrit_la_serie_des_classes(classes.n_classe, table, store);
    }
    analysis_choices.fit.t_min = durations.t_min;
    analysis_choices.fit.t_max = durations.t_max;
    int status = pass.nb_lignes_ignorees == 0 && pass.nb_enregistrements > 0 ? 0 : 1;
    try {
        check_window(o, durations);
    } catch (const platform::Error& e) {
        error(file + QStringLiteral(": ") + e.text());
        status = 2;
    }
    const RunAnalysis analysis = analyse_run(loaded_run(store, table, pass), analysis_choices);
    const FitChoices& choices = analysis.choices;
    const fit::Request& request = analysis.request;
    const fit::Result& result = analysis.result;
    const fit::StabilityScan scan = analysis.scan ? *analysis.scan : fit::StabilityScan();
    const rate::RateAnalysis& run_rate = *analysis.rate;
    const FitExtras extras{choices.unit_ns, analysis.forecast, o.scan ? &scan : nullptr};
    if (o.json) {
        print(stdout, fit_json(result, file, request.durations, o.details,
                               FileNotes{pass.nb_lignes_ignorees, notes.join(platform::list_separator()),
                                         rate_json_fields(&run_rate), nom_du_format(pass.format), choices.unit_ns},
                               extras));
        return status;
    }
    if (several) print(stdout, file);
    print(stdout, texte_du_format(pass));
    print(stdout, choices_line(choices));
    for (const QString& line : fit_text::text_lines(fit_text::result_lines(result, choices.unit_ns))) {
        print(stdout, line);
    }
    const QString tau = classes.chiffres ? textes_des_chiffres(*classes.chiffres, unit_known(choices.unit_ns)).tau : TEXTE_INDEFINI;
    print(stdout, fit_text::histogram_tau_caption() + QLatin1Char(' ') + tau);
    print(stdout, fit_text::forecast_line(extras.forecast));
    if (o.scan) {
        for (const QString& line : fit_text::stability_table(scan)) print(stdout, line);
    }
    if (o.rate) {
        for (const QStringList& part : {rate_text::summary_lines(run_rate), rate_text::bin_table(run_rate)}) {
            for (const QString& line : part) print(stdout, line);
        }
    }
    if (several) print(stdout, QString());
    return status;
}

// The choices of the formats of other apparatus: the settings file's, what
// it cannot give said, then --daq's, a bad one an option error.
bool take_format_choices(const FitOptions& options) {
    QStringList problems;
    FormatChoices choices = read_format_choices_file(chemin_du_reglage(kFormatChoicesFile), problems);
    for (const QString& problem : problems) print(stderr, QStringLiteral("vorns-fit: ") + problem);
    for (const QString& given : options.daq) {
        const qsizetype equal = given.indexOf(QLatin1Char('='));
        QString problem = QCoreApplication::translate("vorns_fit", "'%1' is no KEY=VALUE").arg(given);
        if (equal > 0 && take_format_choice(given.first(equal), given.sliced(equal + 1), choices, problem)) continue;
        print(stderr, QStringLiteral("vorns-fit: --daq: ") + problem);
        return false;
    }
    QString problem;
    if (!check_format_choices(choices, problem)) {
        print(stderr, QStringLiteral("vorns-fit: --daq: ") + problem);
        return false;
    }
    set_format_choices(choices);
    return true;
}

int fit_files(int& argc, char** argv, const ReportWriter* report) {
    platform::keep_freed_memory_for_reuse();
    const std::unique_ptr<QCoreApplication> application =
        report ? report->application(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    platform::take_decimal_separator_from_system();
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    platform::install_translations();
    // Nobody is there to answer a box: what the passes would show goes to stderr.
    platform::seams().show_message = [](const QString& text) { print(stderr, QStringLiteral("vorns-fit: ") + text); };

    FitOptions options;
    try {
        options = read_options(QCoreApplication::arguments().mid(1));
    } catch (const platform::Error& e) {
        print(stderr, QStringLiteral("vorns-fit: ") + e.text());
        print(stderr, FitCliText::tr("Try 'vorns-fit --help'."));
        return 2;
    }
    if (options.help) {
        std::fputs(QCoreApplication::translate("vorns_fit", kFitUsage).toUtf8().constData(), stdout);
        return 0;
    }
    if (!take_format_choices(options)) return 2;
    if (options.version) {
        std::fputs("vorns-fit " VORNS_VERSION "\n", stdout);
        return 0;
    }
    // The class count is checked once, before any file: a bad X max / dX is an option error.
    // The store is written only where the files' records go.
    const RecordStoreNeuf store = nouveau_record_store();
    auto table = std::make_unique<ClassTable>();
    try {
        prend_largeur_classe(options.dX, *table);
        nombre_de_classes(options.x_max, *table);
    } catch (const platform::Error& e) {
        print(stderr, QStringLiteral("vorns-fit: ") + e.text());
        return 2;
    }
    if (!options.report.isEmpty() && !report) {
        print(stderr, FitCliText::tr("vorns-fit: --report is written by vorns-fit-report"));
        return 1;
    }
    if (options.follow) return follow_file(options);
    if (options.combine) {
        const int combined = combine_files(options);
        return options.report.isEmpty() ? combined : std::max(combined, report->write(options, *store, *table));
    }
    int status = 0;
    for (const QString& file : options.files) {
        try {
            status = std::max(status, fit_file(options, file, *store, *table, options.files.size() > 1));
        } catch (const UnitMissing& e) {
            print(stderr, QStringLiteral("vorns-fit: %1: %2").arg(file, e.text));
            if (options.json) {
                print(stdout, unfitted_json(file, QStringLiteral("error"), e.text, options.details, options.scan));
            }
            status = 2;
        } catch (const platform::Error& e) {
            // Nothing else is known to raise; a file still gets its one object.
            print(stderr, QStringLiteral("vorns-fit: %1: %2").arg(file, e.text()));
            if (options.json) {
                print(stdout, unfitted_json(file, QStringLiteral("error"), e.text(), options.details, options.scan));
            }
            status = std::max(status, 1);
        }
    }
    if (!options.report.isEmpty()) status = std::max(status, report->write(options, *store, *table));
    return status;
}

}  // namespace

int fit_program(int& argc, char** argv, const ReportWriter* report) {
    try {
        return fit_files(argc, argv, report);
    } catch (const std::bad_alloc&) {
        // A file's own reading says which file cannot be held; any other
        // allocation that fails ends the program here, said, not aborted.
        print(stderr, QStringLiteral("vorns-fit: ") + platform::out_of_memory_text());
        return 1;
    }
}
