#include "report/report_text.h"

#include "analysis/load_text.h"
#include "analysis/rate/text/rate_text.h"
#include "fit/text/combine_text.h"
#include "fit/text/fit_text.h"
#include "fit/text/stability_text.h"
#include "platform/numbers.h"

#include <QLocale>
#include <cmath>

namespace {

const QString kIndent = QStringLiteral("    ");

QStringList indented(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines) out << kIndent + l;
    return out;
}

FitChoices choices_of(const RunReport& report, const ReportRun& run) {
    FitChoices c = report.choices;
    c.unit_ns = run.unit_ns;
    return c;
}

}  // namespace

QString report_heading(const RunReport& report) {
    return QStringLiteral("vorns %1 — rapport du %2")
        .arg(report.version, QLocale::system().toString(report.made, QLocale::ShortFormat));
}

ReportSection file_section(const ReportRun& run) {
    const PasseDesLignes& pass = run.load.enregistrements;
    ReportSection s{QStringLiteral("fichier %1").arg(run.file), {}};
    s.lines << QStringLiteral("SHA-256 : ") + run.sha256 << texte_du_format(pass);
    if (run.rate.records > 0) {
        const bool day = run.rate.crosses_midnight;
        s.lines << QStringLiteral("premier enregistrement : ") + rate_text::clock_text(run.rate.first_clock, day)
                << QStringLiteral("dernier enregistrement : ") + rate_text::clock_text(run.rate.last_clock, day);
    }
    s.lines << rate_text::live_time_line(run.rate)
            << QStringLiteral("enregistrements : %1 ; lignes ignorées : %2")
                   .arg(platform::decimal(pass.nb_enregistrements), platform::decimal(pass.nb_lignes_ignorees));
    if (const QString skipped = texte_lignes_ignorees(run.file, pass); !skipped.isEmpty()) s.lines << skipped;
    if (pass.nb_enregistrements == 0) s.lines << texte_sans_enregistrement(pass);
    if (pass.capacite_depassee) s.lines << texte_capacite_depassee().trimmed();
    s.lines << QStringLiteral("lignes de titre :") << indented(run.title_lines);
    if (run.comment.join(QString()).trimmed().isEmpty()) {
        s.lines << QStringLiteral("commentaire : (aucun)");
    } else {
        s.lines << QStringLiteral("commentaire :") << indented(run.comment);
    }
    return s;
}

ReportSection figures_section(const RunReport& report, const ReportRun& run) {
    ReportSection s{QStringLiteral("chiffres de la fenêtre principale"), {}};
    s.lines << QStringLiteral("dX = ") + platform::general(report.classes.dX)
            << QStringLiteral("X max = ") + platform::general(report.classes.x_max);
    if (!run.load.classes.chiffres) {
        s.lines << QStringLiteral("Tau = ") + TEXTE_INDEFINI;
        return s;
    }
    const TextesDesChiffres t = textes_des_chiffres(*run.load.classes.chiffres);
    s.lines << QStringLiteral("événements dans les classes = ") + t.evenements
            << QStringLiteral("durée totale (moyennes des classes) = ") + t.duree_totale_moyennes
            << QStringLiteral("durée totale (centres des classes) = ") + t.duree_totale_centres
            << QStringLiteral("durée moyenne, Tau = ") + t.tau << QStringLiteral("Lambda = 1 / Tau = ") + t.lambda
            << QStringLiteral("T 1/2 = Tau . ln(2) = ") + t.demi_vie << QStringLiteral("Cm = ") + t.cm
            << QStringLiteral("C0 = Cm / e = ") + t.c0 << QStringLiteral("activité initiale = ") + t.activite;
    return s;
}

ReportSection fit_section(const RunReport& report, const ReportRun& run) {
    ReportSection s{QStringLiteral("ajustement"), {}};
    s.lines << choices_line(choices_of(report, run))
            << (std::isfinite(run.unit_ns) ? QStringLiteral("1 unité = %1 ns").arg(platform::general(run.unit_ns))
                                           : QStringLiteral("1 unité = à fixer"));
    s.lines << fit_text::text_lines(fit_text::result_lines(run.result, run.unit_ns));
    const double tau = run.load.classes.chiffres ? static_cast<double>(run.load.classes.chiffres->tau) : fit::kNone;
    s.lines << fit_text::kHistogramTauCaption + QLatin1Char(' ') + fit_text::histogram_tau_text(tau)
            << QStringLiteral("précision visée : ") + fit_text::forecast_line(run.forecast)
            << fit_text::stability_line(run.scan);
    return s;
}

ReportSection stability_section(const ReportRun& run) {
    return {QStringLiteral("stabilité de Tau"), fit_text::stability_table(run.scan), true};
}

ReportSection health_section(const ReportRun& run) {
    ReportSection s{QStringLiteral("santé du run"), rate_text::summary_lines(run.rate)};
    if (const QString note = excluded_note(run.excluded, run.kept.excluded); !note.isEmpty()) s.lines << note;
    return s;
}

ReportSection runs_section(const RunReport& report) {
    ReportSection s{QStringLiteral("runs"), {}, true};
    if (!report.combination) return s;
    const fit::Combination& c = *report.combination;
    const std::vector<RunToCombine> runs = runs_to_combine(report);
    const std::vector<QString> names = combined_names(runs);
    s.lines << choices_line(choices_of(report, report.runs.front())) << fit_text::run_table(run_rows(runs, c))
            << fit_text::combination_line(names.size())
            << fit_text::text_lines(fit_text::result_lines(c.combined, report.combined_unit_ns))
            << fit_text::consistency_line(c.consistency, names);
    return s;
}

ReportSection reproduce_section(const RunReport& report) {
    return {QStringLiteral("pour refaire cet ajustement"), {reproduce_line(report)}, true};
}
