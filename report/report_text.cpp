#include "report/report_text.h"

#include "analysis/load_text.h"
#include "analysis/rate/text/rate_text.h"
#include "fit/run/duration_choices.h"
#include "fit/text/combine_text.h"
#include "fit/text/fit_text.h"
#include "fit/text/stability_text.h"
#include "platform/numbers.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <cmath>

namespace {

const QString kIndent = QStringLiteral("    ");
// A caption cut from a line is at most this long: a longer "… :" is a sentence.
constexpr qsizetype kLongestCaption = 40;

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

// A caption of words: no number, no bracket, no list.
bool words_only(const QString& caption) {
    for (const QChar c : caption) {
        if (c.isDigit() || QStringLiteral("()[];,").contains(c)) return false;
    }
    return true;
}

QString unit_text(double unit_ns) {
    return std::isfinite(unit_ns) ? platform::general(unit_ns) + QStringLiteral(" ns")
                                  : QCoreApplication::translate("report", "à fixer");
}

void append(std::vector<ReportRow>& rows, const std::vector<ReportRow>& more) {
    rows.insert(rows.end(), more.begin(), more.end());
}

// The fit's results, with its choices and unit.
std::vector<ReportRow> fit_rows(const FitChoices& choices, const fit::Result& result, double unit_ns) {
    std::vector<ReportRow> rows = rows_of({choices_line(choices)});
    rows.push_back({QCoreApplication::translate("report", "1 unité ="), unit_text(unit_ns)});
    append(rows, rows_of(fit_text::text_lines(fit_text::result_lines(result, unit_ns))));
    return rows;
}

// The histogram's Tau, the forecast and the stability of a run's fit.
std::vector<ReportRow> run_fit_rows(const ReportRun& run) {
    const double tau = run.load.classes.chiffres ? static_cast<double>(run.load.classes.chiffres->tau) : fit::kNone;
    return {{fit_text::histogram_tau_caption(), fit_text::histogram_tau_text(tau)},
            {QCoreApplication::translate("report", "précision visée :"), fit_text::forecast_line(run.forecast)},
            {{}, fit_text::stability_line(run.scan), true}};
}

}  // namespace

std::vector<ReportRow> rows_of(const QStringList& lines) {
    // In the language spoken now.
    const QString known[] = {fit_text::tau_caption(),   fit_text::fermi_caption(),        fit_text::rho_caption(),
                             fit_text::fixed_caption(), fit_text::background_caption(),   fit_text::events_caption(),
                             fit_text::chi2_caption(),  fit_text::histogram_tau_caption()};
    std::vector<ReportRow> rows;
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        if (text.isEmpty()) continue;
        if (line.front().isSpace()) {
            rows.push_back({{}, text});
            continue;
        }
        const QString* caption = nullptr;
        for (const QString& k : known) {
            if (text.startsWith(k + QLatin1Char(' '))) caption = &k;
        }
        if (caption) {
            rows.push_back({*caption, text.mid(caption->size()).trimmed()});
            continue;
        }
        qsizetype cut = -1;
        for (const QString& mark : {QStringLiteral(" = "), QStringLiteral(" : ")}) {
            const qsizetype at = text.indexOf(mark);
            if (at > 0 && (cut < 0 || at < cut)) cut = at;
        }
        const QString head = cut > 0 ? text.left(cut + 2) : QString();
        if (cut > 0 && head.size() <= kLongestCaption && words_only(head)) {
            rows.push_back({head, text.mid(cut + 3).trimmed()});
        } else {
            rows.push_back({{}, text, true});
        }
    }
    return rows;
}

QLocale report_locale() {
    //: The language the report is written in: the locale name of this translation's language.
    const QLocale language(QCoreApplication::translate("report", "fr_FR"));
    const QLocale system = QLocale::system();
    return system.language() == language.language() ? system : language;
}

QString report_date(const QDateTime& made, const QLocale& locale) {
    //: A date and a time of day: "jeudi 10 décembre 2026 à 01:25".
    return QCoreApplication::translate("report", "%1 à %2")
        .arg(locale.toString(made.date(), QLocale::LongFormat), locale.toString(made.time(), QLocale::ShortFormat));
}

QString report_title() { return QCoreApplication::translate("report", "Mesure de la durée de vie"); }

QString report_heading(const RunReport& report) {
    return QCoreApplication::translate("report", "vorns %1 — rapport du %2")
        .arg(report.version, report_date(report.made, report_locale()));
}

ReportSection fields_section(const RunReport& report) {
    ReportSection s;
    const ReportFields& f = report.fields;
    const std::pair<QString, const QString*> fields[] = {
        {QCoreApplication::translate("report", "nom(s) :"), &f.names},
        {QCoreApplication::translate("report", "groupe :"), &f.group},
        {QCoreApplication::translate("report", "cours :"), &f.course},
        {QCoreApplication::translate("report", "montage :"), &f.setup},
        {QCoreApplication::translate("report", "note :"), &f.note}};
    for (const auto& [caption, value] : fields) {
        const QStringList lines = value->split(QLatin1Char('\n'));
        if (value->trimmed().isEmpty()) continue;
        s.rows.push_back({caption, lines.front()});
        for (qsizetype i = 1; i < lines.size(); ++i) s.rows.push_back({{}, lines[i]});
    }
    return s;
}

ReportSection data_section(const RunReport& report) {
    ReportSection s(QCoreApplication::translate("report", "données"));
    const bool several = report.runs.size() > 1;
    for (std::size_t i = 0; i < report.runs.size(); ++i) {
        const ReportRun& run = report.runs[i];
        s.rows.push_back({several ? QCoreApplication::translate("report", "run %1 :").arg(i + 1)
                                  : QCoreApplication::translate("report", "fichier :"),
                          run.file});
        s.rows.push_back({{},
                          QCoreApplication::translate("report", "%n enregistrements ; %1", nullptr,
                                                      run.load.enregistrements.nb_enregistrements)
                              .arg(rate_text::live_time_line(run.rate))});
    }
    return s;
}

QString result_headline(const RunReport& report) {
    if (report.runs.empty()) return QStringLiteral("\u03C4 : \u2014");
    const bool together = report.combination.has_value();
    const fit::Result& r = together ? report.combination->combined : report.runs.front().result;
    const double unit = together ? report.combined_unit_ns : report.runs.front().unit_ns;
    if (r.status != fit::Status::converged) return QStringLiteral("\u03C4 : \u2014");
    const fit_text::ResultLines l = fit_text::result_lines(r, unit);
    const QString value = l.tau_time.isEmpty()
                              ? l.tau + QLatin1Char(' ') + QCoreApplication::translate("report", "unités")
                              : l.tau_time;
    return QStringLiteral("\u03C4 = ") + value;
}

ReportSection result_section(const RunReport& report) {
    ReportSection s(QCoreApplication::translate("report", "résultat"));
    if (report.runs.empty()) return s;
    if (!report.combination) {
        const ReportRun& run = report.runs.front();
        s.rows = fit_rows(choices_of(report, run), run.result, run.unit_ns);
        append(s.rows, run_fit_rows(run));
        if (report.combined) {
            // Runs of different units are not fitted together: the first run's fit.
            s.rows.push_back({{}, QCoreApplication::translate("report", "runs d'unités différentes : non combinés"), true});
        }
        return s;
    }
    const fit::Combination& c = *report.combination;
    const std::vector<RunToCombine> runs = runs_to_combine(report);
    const std::vector<QString> names = combined_names(runs);
    s.rows.push_back({{}, fit_text::combination_line(names.size()), true});
    FitChoices choices = report.choices;
    choices.unit_ns = report.combined_unit_ns;
    append(s.rows, fit_rows(choices, c.combined, report.combined_unit_ns));
    s.rows.push_back({{}, fit_text::consistency_line(c.consistency, names), true});
    s.cells = fit_text::run_cells(run_rows(runs, c));
    return s;
}

QString health_line(const ReportRun& run) {
    QStringList parts{rate_text::rate_line(run.rate), rate_text::live_time_line(run.rate)};
    if (const QStringList gaps = rate_text::gap_lines(run.rate); !gaps.isEmpty()) parts << gaps.front();
    if (!run.stop_alarm.isEmpty()) parts << run.stop_alarm;
    return parts.join(platform::list_separator());
}

ReportSection health_summary(const RunReport& report) {
    ReportSection s(QCoreApplication::translate("report", "santé"));
    const bool several = report.runs.size() > 1;
    for (std::size_t i = 0; i < report.runs.size(); ++i) {
        s.rows.push_back(several ? ReportRow{QCoreApplication::translate("report", "run %1 :").arg(i + 1),
                                             health_line(report.runs[i])}
                                 : ReportRow{{}, health_line(report.runs[i]), true});
    }
    return s;
}

QString run_heading(const RunReport& report, std::size_t index) {
    const QString& file = report.runs[index].file;
    if (report.runs.size() == 1) return QCoreApplication::translate("report", "détails du run : %1").arg(file);
    return QCoreApplication::translate("report", "run %1 sur %2 : %3").arg(index + 1).arg(report.runs.size()).arg(file);
}

ReportSection file_section(const ReportRun& run) {
    const PasseDesLignes& pass = run.load.enregistrements;
    QStringList lines{QCoreApplication::translate("report", "SHA-256 : %1").arg(run.sha256), texte_du_format(pass)};
    if (run.rate.records > 0) {
        const bool day = run.rate.crosses_midnight;
        lines << QCoreApplication::translate("report", "premier enregistrement : %1")
                     .arg(rate_text::clock_text(run.rate.first_clock, day))
              << QCoreApplication::translate("report", "dernier enregistrement : %1")
                     .arg(rate_text::clock_text(run.rate.last_clock, day));
    }
    lines << rate_text::live_time_line(run.rate)
          << QCoreApplication::translate("report", "enregistrements : %1 ; lignes ignorées : %2")
                 .arg(platform::decimal(pass.nb_enregistrements), platform::decimal(pass.nb_lignes_ignorees));
    if (const QString skipped = texte_lignes_ignorees(run.file, pass); !skipped.isEmpty()) lines << skipped;
    if (pass.nb_enregistrements == 0) lines << texte_sans_enregistrement(pass);
    if (pass.capacite_depassee) lines << texte_capacite_depassee().trimmed();
    lines << QCoreApplication::translate("report", "lignes de titre :") << indented(run.title_lines);
    if (run.comment.join(QString()).trimmed().isEmpty()) {
        lines << QCoreApplication::translate("report", "commentaire : (aucun)");
    } else {
        lines << QCoreApplication::translate("report", "commentaire :") << indented(run.comment);
    }
    return ReportSection(QCoreApplication::translate("report", "fichier"), rows_of(lines));
}

ReportSection figures_section(const RunReport& report, const ReportRun& run) {
    ReportSection s(QCoreApplication::translate("report", "chiffres de la fenêtre principale"));
    s.two_columns = true;
    s.rows.push_back({QStringLiteral("dX ="), platform::general(report.classes.dX)});
    s.rows.push_back({QStringLiteral("X max ="), platform::general(report.classes.x_max)});
    if (!run.load.classes.chiffres) {
        s.rows.push_back({QStringLiteral("Tau ="), TEXTE_INDEFINI});
        return s;
    }
    const TextesDesChiffres t = textes_des_chiffres(*run.load.classes.chiffres, unit_known(run.unit_ns));
    const std::pair<const char*, const QString*> figures[] = {
        {QT_TRANSLATE_NOOP("report", "événements dans les classes ="), &t.evenements},
        {QT_TRANSLATE_NOOP("report", "durée totale (moyennes des classes) ="), &t.duree_totale_moyennes},
        {QT_TRANSLATE_NOOP("report", "durée totale (centres des classes) ="), &t.duree_totale_centres},
        {QT_TRANSLATE_NOOP("report", "durée moyenne, Tau ="), &t.tau},
        {QT_TRANSLATE_NOOP("report", "Lambda = 1 / Tau ="), &t.lambda},
        {QT_TRANSLATE_NOOP("report", "T 1/2 = Tau . ln(2) ="), &t.demi_vie},
        {QT_TRANSLATE_NOOP("report", "Cm ="), &t.cm},
        {QT_TRANSLATE_NOOP("report", "C0 = Cm / e ="), &t.c0},
        {QT_TRANSLATE_NOOP("report", "activité initiale ="), &t.activite}};
    for (const auto& [caption, value] : figures) {
        s.rows.push_back({QCoreApplication::translate("report", caption), *value});
    }
    return s;
}

ReportSection fit_section(const ReportRun& run) {
    ReportSection s(QCoreApplication::translate("report", "ajustement du run seul"),
                    rows_of(fit_text::text_lines(fit_text::result_lines(run.result, run.unit_ns))));
    append(s.rows, run_fit_rows(run));
    return s;
}

ReportSection stability_section(const ReportRun& run) {
    ReportSection s(QCoreApplication::translate("report", "stabilité de Tau"),
                    {{{}, fit_text::stability_table_title(), true}});
    s.cells = fit_text::stability_cells(run.scan);
    s.after.push_back({{}, fit_text::stability_line(run.scan), true});
    return s;
}

ReportSection health_section(const ReportRun& run) {
    QStringList lines = rate_text::summary_lines(run.rate);
    if (const QString note = excluded_note(run.excluded, run.kept.excluded); !note.isEmpty()) lines << note;
    if (!run.stop_alarm.isEmpty()) lines << run.stop_alarm;
    return ReportSection(QCoreApplication::translate("report", "santé du run"), rows_of(lines));
}

ReportSection reproduce_section(const RunReport& report) {
    return ReportSection(QCoreApplication::translate("report", "pour refaire cet ajustement"), {},
                         {reproduce_line(report)});
}

QString histogram_caption(int figure, const QString& of, bool combined) {
    if (combined) {
        return QCoreApplication::translate(
                   "report",
                   "Figure %1 — histogramme des durées de tous les runs ensemble (points, ± √n), leur "
                   "ajustement commun (rouge) et son fond plat (tirets bleus) ; dessous, les "
                   "résidus normalisés (observé − attendu) / √attendu.")
            .arg(figure);
    }
    return QCoreApplication::translate(
               "report",
               "Figure %1 — histogramme des durées de %2 (points, ± √n), l'ajustement (rouge) et son "
               "fond plat (tirets bleus) ; dessous, les résidus normalisés (observé − "
               "attendu) / √attendu.")
        .arg(QString::number(figure), of);
}

QString convergence_caption(int figure) {
    return QCoreApplication::translate("report",
                                       "Figure %1 — convergence : Tau ajusté ± σ (rouge) à mesure que le "
                                       "run grandit, et le Tau de l'histogramme (bleu).")
        .arg(figure);
}

QString stability_caption(int figure) {
    return QCoreApplication::translate("report",
                                       "Figure %1 — stabilité : Tau ajusté quand t min monte, la bande de "
                                       "variation attendue autour du premier ajustement et deux fois la "
                                       "bande (tirets) ; en rouge, les points hors de deux fois la bande.")
        .arg(figure);
}

QString rate_caption(int figure, const rate::RateAnalysis& rate) {
    const QString width = rate.bins.empty() ? QStringLiteral("\u2014") : rate_text::duration_text(rate.bin_width_s);
    return QCoreApplication::translate("report",
                                       "Figure %1 — événements par heure dans des tranches de %2 (points "
                                       "noirs, ± √n), sur le temps actif de chaque tranche (cercles verts), "
                                       "et taux moyen (tirets rouges).")
        .arg(QString::number(figure), width);
}
