// The fit window's exports: the visible plot as PNG or SVG, the histogram and
// the convergence series as CSV, each to a file chosen in the save dialog.
#include "app/fit_export.h"
#include "app/fit_window.h"

#include "app/tform1.h"
#include "fit/run/fit_csv.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/seams.h"
#include "platform/textfile.h"

#include <qcustomplot.h>

#include <algorithm>
#include <utility>

std::optional<QString> fichier_choisi(const QString& fichier_donnees, const QString& suite, const QString& description,
                                      const QString& extension) {
    if (!platform::seams().choose_save_file) return std::nullopt;
    QString nom = platform::name_part(fichier_donnees);
    if (const qsizetype point = nom.lastIndexOf(QLatin1Char('.')); point > 0) nom.truncate(point);
    if (nom.isEmpty()) nom = QStringLiteral("vorns");
    const platform::SaveFileRequest request{
        QStringLiteral("Enregistrer ") + description, platform::export_folder(fichier_donnees),
        nom + suite + QLatin1Char('.') + extension, description, QStringLiteral("*.") + extension};
    return platform::seams().choose_save_file(request);
}

void enregistre(const QString& chemin, const std::optional<QString>& raison) {
    if (raison) {
        platform::show_message(
            QStringLiteral("Cannot write file \"%1\". %2").arg(platform::native_path(chemin), *raison));
    }
}

void FenetreAjustement::exporte_image(bool svg) {
    // The plot of the tab shown, and what its file name ends with.
    const std::pair<QCustomPlot*, QString> onglets[] = {{graphes->histogramme, QStringLiteral("_ajustement")},
                                                        {graphes->convergence, QStringLiteral("_convergence")},
                                                        {graphes->stabilite, QStringLiteral("_stabilite")}};
    const auto& [plot, suite] = onglets[std::clamp(Onglets->currentIndex(), 0, 2)];
    const auto chemin = fichier_choisi(form_.etat().file_state.fichier_donnees, suite,
                                       svg ? QStringLiteral("image SVG") : QStringLiteral("image PNG"),
                                       svg ? QStringLiteral("svg") : QStringLiteral("png"));
    if (!chemin) return;
    const QByteArray octets = svg ? GraphesAjustement::svg(plot, windowTitle() + QLatin1Char(' ') + suite.mid(1))
                                  : GraphesAjustement::png(plot);
    enregistre(*chemin, platform::save_bytes(*chemin, octets));
}

void FenetreAjustement::exporte_csv_histogramme() {
    const auto chemin = fichier_choisi(form_.etat().file_state.fichier_donnees, QStringLiteral("_histogramme"),
                                       QStringLiteral("tableau CSV"), QStringLiteral("csv"));
    if (!chemin) return;
    enregistre(*chemin,
               platform::save_text_lines(*chemin, histogram_csv(histogramme_, resultat_, decisions_.choices())));
}

void FenetreAjustement::exporte_csv_convergence() {
    const auto chemin = fichier_choisi(form_.etat().file_state.fichier_donnees, QStringLiteral("_convergence"),
                                       QStringLiteral("tableau CSV"), QStringLiteral("csv"));
    if (!chemin) return;
    enregistre(*chemin, platform::save_text_lines(
                            *chemin, convergence_csv(convergence_.points(), resultat_, decisions_.choices())));
}
