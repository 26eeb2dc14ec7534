// The fit window's exports: the visible plot as PNG or SVG (drawn by charts/,
// the report's drawing of the same plot), the histogram and the convergence
// series as CSV, each to a file chosen in the save dialog.
#include "app/fit_export.h"
#include "app/fit_window.h"

#include "app/tform1.h"
#include "charts/charts.h"
#include "fit/run/fit_csv.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/seams.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <qcustomplot.h>

#include <algorithm>

std::optional<QString> fichier_choisi(const QString& fichier_donnees, const QString& suite, const QString& description,
                                      const QString& extension) {
    if (!platform::seams().choose_save_file) return std::nullopt;
    QString nom = platform::name_part(fichier_donnees);
    if (const qsizetype point = nom.lastIndexOf(QLatin1Char('.')); point > 0) nom.truncate(point);
    if (nom.isEmpty()) nom = QStringLiteral("vorns");
    const platform::SaveFileRequest request{
        QCoreApplication::translate("app", "Enregistrer %1").arg(description), platform::export_folder(fichier_donnees),
        nom + suite + QLatin1Char('.') + extension, description, QStringLiteral("*.") + extension};
    return platform::seams().choose_save_file(request);
}

void enregistre(const QString& chemin, const std::optional<QString>& raison) {
    if (raison) {
        platform::show_message(
            QCoreApplication::translate("app", "Cannot write file \"%1\". %2").arg(platform::native_path(chemin), *raison));
    }
}

namespace {

// The plots of the tabs the exports take, and what their files' names end with.
constexpr int kOngletsExportes = 3;
const char* const kSuites[kOngletsExportes] = {"_ajustement", "_convergence", "_stabilite"};

}  // namespace

charts::TimeUnit FenetreAjustement::unite_des_graphes() const {
    const FitChoices& c = decisions_.choices();
    return charts::time_unit(c.unit_ns, c.t_max);
}

QByteArray FenetreAjustement::image_du_graphe(bool svg) const {
    const int onglet = std::clamp(Onglets->currentIndex(), 0, kOngletsExportes - 1);
    QCustomPlot* const plots[kOngletsExportes] = {graphes->histogramme, graphes->convergence, graphes->stabilite};
    const charts::TimeUnit unit = unite_des_graphes();
    const bool log_counts = decisions_.choices().log_counts;
    const charts::Drawing draw = [&](QPainter& p, const QRectF& area) {
        switch (onglet) {
            case 0: charts::draw_histogram(p, area, histogramme_, unit, log_counts); break;
            case 1: charts::draw_convergence(p, area, convergence_.points(), unit); break;
            default: charts::draw_stability(p, area, stabilite_, unit); break;
        }
    };
    // The size the plot has in the window, in its font.
    QCustomPlot* plot = plots[onglet];
    const QSize size = plot->size().expandedTo(plot->minimumSize());
    if (svg) {
        return charts::svg_bytes(draw, size,
                                 windowTitle() + QLatin1Char(' ') + QString::fromLatin1(kSuites[onglet] + 1),
                                 plot->font());
    }
    return charts::png_bytes(draw, size, plot->devicePixelRatioF(), plot->font());
}

void FenetreAjustement::exporte_image(bool svg) {
    const int onglet = std::clamp(Onglets->currentIndex(), 0, kOngletsExportes - 1);
    const auto chemin = fichier_choisi(form_.etat().file_state.fichier_donnees, QString::fromLatin1(kSuites[onglet]),
                                       svg ? tr("image SVG") : tr("image PNG"),
                                       svg ? QStringLiteral("svg") : QStringLiteral("png"));
    if (!chemin) return;
    enregistre(*chemin, platform::save_bytes(*chemin, image_du_graphe(svg)));
}

void FenetreAjustement::exporte_csv_histogramme() {
    const auto chemin = fichier_choisi(form_.etat().file_state.fichier_donnees, QStringLiteral("_histogramme"),
                                       tr("tableau CSV"), QStringLiteral("csv"));
    if (!chemin) return;
    enregistre(*chemin,
               platform::save_text_lines(*chemin, histogram_csv(histogramme_, resultat_, decisions_.choices())));
}

void FenetreAjustement::exporte_csv_convergence() {
    const auto chemin = fichier_choisi(form_.etat().file_state.fichier_donnees, QStringLiteral("_convergence"),
                                       tr("tableau CSV"), QStringLiteral("csv"));
    if (!chemin) return;
    enregistre(*chemin, platform::save_text_lines(
                            *chemin, convergence_csv(convergence_.points(), resultat_, decisions_.choices())));
}
