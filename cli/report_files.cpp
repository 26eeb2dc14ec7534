#include "cli/report_files.h"

#include "datafile/data_file.h"
#include "cli/file_load.h"
#include "cli/report_program.h"
#include "fit/run/run_file.h"
#include "platform/errors.h"
#include "platform/textfile.h"
#include "report/report_pages.h"

#include <QCoreApplication>

#include <QGuiApplication>

std::unique_ptr<QCoreApplication> fit_application(int& argc, char** argv) {
    if (!asks_for_report(argc, argv)) return std::make_unique<QCoreApplication>(argc, argv);
    // vorns-fit shows no window: a display, when one is named, is not needed,
    // and one named but out of reach (a session over ssh) would stop it.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

int report_files(const FitOptions& o, RecordStore& store, ClassTable& table) {
    RunReport report;
    report.version = QStringLiteral(VORNS_VERSION);
    report.made = QDateTime::currentDateTime();
    report.fields = {o.fields.names, o.fields.group, o.fields.course, o.fields.setup, o.fields.note};
    report.classes = {o.dX, o.x_max, false};
    report.choices = o.choices;
    report.unit_typed = o.unit_typed;
    int status = 0;
    report.combined = o.combine;
    std::vector<std::pair<QString, QByteArray>> read;
    std::vector<DurationsSeen> seen;
    std::vector<double> units;
    for (const QString& file : o.files) {
        try {
            read.emplace_back(file, platform::read_file_bytes(file));
        } catch (const platform::Error& e) {
            print(stderr, QStringLiteral("vorns-fit: %1: %2").arg(file, e.text()));
            status = 1;
            continue;
        }
        const RunFile run = run_file_of_bytes(file, read.back().second);
        seen.push_back(durations_seen(run.durations));
        units.push_back(run.pass.unite_ns);
    }
    // The classes and the window as vorns-fit takes them: those given, the
    // others chosen in time when the files' unit is known (the first file's).
    const double unit = runs_unit(units, o.choices.unit_ns, o.unit_typed).unit_ns;
    const DurationChoices durations = file_durations(o, unit, merged(seen));
    report.classes = {durations.dX, durations.x_max, false};
    report.choices.t_min = durations.t_min;
    report.choices.t_max = durations.t_max;
    for (const auto& [file, bytes] : read) {
        const QStringList comment =
            platform::try_read_text_lines(nom_fichier_commentaire(file)).value_or(QStringList());
        report.runs.push_back(report_run(report, file, bytes, comment, excluded_spans(o, file), store, table));
    }
    combine(report);
    if (const auto failed = write_report_pdf(o.report, report)) {
        print(stderr, QCoreApplication::translate("vorns_fit", "vorns-fit: cannot write the report \"%1\": %2")
                          .arg(o.report, *failed));
        return 1;
    }
    return status;
}
