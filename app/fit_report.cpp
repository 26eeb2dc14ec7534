// The analysis window's run report: "rapport PDF…" writes it to a file chosen
// in the save dialog, "imprimer…" sends the same pages to a printer chosen in
// the system's print dialog.
#include "app/fit_window.h"

#include "app/command_line.h"
#include "app/fit_export.h"
#include "app/tform1.h"
#include "datafile/data_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/report.h"
#include "platform/textfile.h"
#include "report/report_pages.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
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
        const std::span<const ExcludedSpan> s = onglet_runs->runs().spans_of(f);
        return std::vector<ExcludedSpan>(s.begin(), s.end());
    };
    report.runs.push_back(report_run(report, fichier, platform::read_file_bytes(fichier),
                                     form_.Memo2->toPlainText().split(QLatin1Char('\n')),
                                     spans(onglet_runs->fichier_suivi()), *store, *table));
    // The fits of the run as it grew, one a load, when the window saw some.
    if (convergence_.points().size() > 1) report.runs.back().convergence = convergence_.points();
    // The runs the "runs" tab combines with it, their spans left out.
    const RunsShown& runs = onglet_runs->combinaison();
    report.combined = runs.in_use;
    for (const QString& ajoute : runs.in_use ? runs.combined_files.mid(1) : QStringList()) {
        const QStringList commentaire =
            platform::try_read_text_lines(nom_fichier_commentaire(ajoute)).value_or(QStringList());
        report.runs.push_back(
            report_run(report, ajoute, platform::read_file_bytes(ajoute), commentaire, spans(ajoute), *store, *table));
    }
    combine(report);
    return report;
}

void FenetreAjustement::exporte_rapport_pdf() {
    const QString fichier = form_.etat().file_state.fichier_donnees;
    const auto chemin =
        fichier_choisi(fichier, QStringLiteral("_rapport"), QStringLiteral("rapport PDF"), QStringLiteral("pdf"));
    if (chemin) enregistre(*chemin, write_report_pdf(*chemin, rapport()));
}

void FenetreAjustement::imprime_rapport() {
    const RunReport report = rapport();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageLayout(report_page_layout(report_page_size(QLocale::system())));
    imprimante.setDocName(platform::name_part(form_.etat().file_state.fichier_donnees));
    QPrintDialog dialogue(&imprimante, this);
    dialogue.setWindowTitle(QStringLiteral("Imprimer le rapport"));
    if (dialogue.exec() != QDialog::Accepted) return;
    paint_report(imprimante, report);
}

void FenetreAjustement::construit_le_rapport(QBoxLayout* boutons) {
    Bouton_rapport = new QPushButton(QStringLiteral("rapport PDF\u2026"), this);
    Bouton_rapport->setObjectName(QStringLiteral("Bouton_rapport"));
    Bouton_imprimer = new QPushButton(QStringLiteral("imprimer\u2026"), this);
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
