// The analysis window's run report: "rapport PDF…" writes it to a file chosen
// in the save dialog, "imprimer…" sends the same pages to a printer chosen in
// the system's print dialog. Both first ask the user's fields (names, group,
// course, set-up, note) in one dialog, filled with those remembered, and
// remember them again.
#include "app/fit_window.h"

#include "app/command_line.h"
#include "app/fit_export.h"
#include "app/tform1.h"
#include "datafile/data_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/report.h"
#include "platform/textfile.h"
#include "platform/seams.h"
#include "report/report_fields.h"
#include "report/report_pages.h"

#include <QButtonGroup>
#include <QPrintDialog>
#include <QPrinter>

RunReport FenetreAjustement::rapport() const {
    const RunState& etat = form_.etat();
    RunReport report;
    report.version = version_du_programme();
    report.made = QDateTime::currentDateTime();
    report.classes = {etat.class_table.largeur_classe, etat.class_table.x_max, etat.choix_des_classes.par_centres};
    report.choices = decisions_.choices();
    report.unit_typed = true;  // the unit the window fits with, typed or its format's
    // The file as it is now, loaded afresh beside the run's state: the
    // report's SHA-256 is that of the bytes its numbers come from.
    const QString fichier = etat.file_state.fichier_donnees;
    const RecordStoreNeuf store = nouveau_record_store();
    auto table = std::make_unique<ClassTable>();
    const auto spans = [this](const QString& f) {
        const std::span<const ExcludedSpan> s = form_.etat().runs.spans_of(f);
        return std::vector<ExcludedSpan>(s.begin(), s.end());
    };
    report.runs.push_back(report_run(report, fichier, platform::read_file_bytes(fichier),
                                     etat.commentaire,
                                     spans(onglet_runs->fichier_suivi()), *store, *table));
    // The fits of the run as it grew, one a load, when the window saw some.
    if (convergence_.points().size() > 1) report.runs.back().convergence = convergence_.points();
    // The runs the "runs" tab combines with it, their spans left out.
    const RunsShown& runs = runs_combines_;
    report.combined = runs.in_use;
    for (const QString& ajoute : runs.in_use ? runs.combined_files.mid(1) : QStringList()) {
        const QStringList commentaire =
            platform::try_read_text_lines(nom_fichier_commentaire(ajoute)).value_or(QStringList());
        report.runs.push_back(
            report_run(report, ajoute, platform::read_file_bytes(ajoute), commentaire, spans(ajoute), *store, *table));
    }
    combine(report);
    // The followed run's stop alarm, while it is raised.
    report.runs.front().stop_alarm = form_.surveillance().ligne_d_alarme();
    return report;
}

std::optional<ReportFields> FenetreAjustement::champs_du_rapport() {
    ReportFields champs = read_report_fields();
    if (!platform::seams().fill_form) return champs;
    QString ReportFields::* const ordre[] = {&ReportFields::names, &ReportFields::group, &ReportFields::course,
                                             &ReportFields::setup, &ReportFields::note};
    const platform::FormRequest demande{
        tr("Rapport"),
        tr("En tête du rapport ; vorns s'en souviendra pour le suivant."),
        {{tr("Nom(s) :"), champs.names},
         {tr("Groupe :"), champs.group},
         {tr("Cours :"), champs.course},
         {tr("Montage :"), champs.setup},
         {tr("Note :"), champs.note, true}}};
    const std::optional<QStringList> remplis = platform::seams().fill_form(demande);
    if (!remplis) return std::nullopt;
    for (qsizetype i = 0; i < remplis->size() && i < static_cast<qsizetype>(std::size(ordre)); ++i) {
        champs.*ordre[i] = (*remplis)[i];
    }
    if (champs != read_report_fields()) write_report_fields(champs, form_.etat().settings_failures);
    return champs;
}

void FenetreAjustement::exporte_rapport_pdf() {
    const std::optional<ReportFields> champs = champs_du_rapport();
    if (!champs) return;
    const QString fichier = form_.etat().file_state.fichier_donnees;
    const auto chemin =
        fichier_choisi(fichier, QStringLiteral("_rapport"), tr("rapport PDF"), QStringLiteral("pdf"));
    if (!chemin) return;
    RunReport report = rapport();
    report.fields = *champs;
    enregistre(*chemin, write_report_pdf(*chemin, report));
}

void FenetreAjustement::imprime_rapport() {
    const std::optional<ReportFields> champs = champs_du_rapport();
    if (!champs) return;
    RunReport report = rapport();
    report.fields = *champs;
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageLayout(report_page_layout(report_page_size(QLocale::system())));
    imprimante.setDocName(platform::name_part(form_.etat().file_state.fichier_donnees));
    QPrintDialog dialogue(&imprimante, this);
    dialogue.setWindowTitle(tr("Imprimer le rapport"));
    if (dialogue.exec() != QDialog::Accepted) return;
    paint_report(imprimante, report);
}

void FenetreAjustement::construit_le_rapport(QBoxLayout* boutons) {
    Bouton_rapport = new QPushButton(tr("rapport PDF\u2026"), this);
    Bouton_rapport->setObjectName(QStringLiteral("Bouton_rapport"));
    Bouton_imprimer = new QPushButton(tr("imprimer\u2026"), this);
    Bouton_imprimer->setObjectName(QStringLiteral("Bouton_imprimer"));
    for (QPushButton* b : {Bouton_rapport, Bouton_imprimer}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    connect(Bouton_rapport, &QPushButton::clicked, this,
            [this] { platform::report_errors([this] { exporte_rapport_pdf(); }); });
    connect(Bouton_imprimer, &QPushButton::clicked, this,
            [this] { platform::report_errors([this] { imprime_rapport(); }); });
}
