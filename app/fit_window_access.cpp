// The analysis window from the keyboard and for a screen reader: Escape
// closes it, Tab reaches every control of the tab shown and the exports, and
// each control has its name, tool tip and description.
#include "app/accessibility.h"
#include "app/drawn_plot.h"
#include "app/fit_window.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>
#include <qcustomplot.h>

using accessibilite::nomme;

void FenetreAjustement::rendLesControlesAccessibles() {
    // The scroll area is no stop of Tab: it brings the control with the focus into view.
    defilement_->setFocusPolicy(Qt::NoFocus);
    auto* fermer = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(fermer, &QShortcut::activated, this, &QWidget::close);
    // Tab leaves the runs' table for the next control; the arrows move in it.
    onglet_runs->Table_runs->setTabKeyNavigation(false);

    nomme(Edit_tmin, tr("t min"), tr("Début de la fenêtre d'ajustement, dans l'unité des durées"));
    nomme(Edit_tmax, tr("t max"), tr("Fin de la fenêtre d'ajustement, dans l'unité des durées"));
    nomme(ComboBox_modele, tr("modèle"), tr("Le modèle ajusté aux durées"));
    nomme(ComboBox_methode, tr("méthode"),
          tr("Ajustement des durées une à une (non binné) ou de l'histogramme de leurs classes"));
    nomme(Edit_unite, tr("1 unité en ns"), tr("Durée d'une unité du fichier en nanosecondes ; vide : à fixer"));
    nomme(ComboBox_matiere, tr("matière des \u03BC\u2212"));
    nomme(ComboBox_matiere->lineEdit(), ComboBox_matiere->accessibleName());  // the text typed in it
    nomme(Edit_rho, tr("\u03C1 = N+/N\u2212"),
          tr("Rapport des \u03BC+ aux \u03BC\u2212 du modèle de rapport de charge"));
    nomme(ComboBox_precision, tr("précision visée"),
          tr("La précision de \u03C4 visée : la prévision dit quand le run l'atteint"));
    nomme(Onglets, tr("graphes et tableaux"));
    auto* barre = Onglets->findChild<QTabBar*>();
    nomme(barre, {}, tr("Les flèches gauche et droite changent d'onglet"));
    // Its scroll buttons are for the mouse: the arrows bring a tab into view.
    for (QToolButton* b : barre->findChildren<QToolButton*>()) b->setFocusPolicy(Qt::NoFocus);
    const std::pair<int, QString> onglets[] = {
        {0, tr("L'histogramme des durées et la courbe ajustée")},
        {Onglets->indexOf(graphes->convergence), tr("Tau ajusté à chaque chargement, au fil du run")},
        {kOngletStabilite, tr("Tau selon t min : la stabilité de l'ajustement")},
        {Onglets->indexOf(onglet_taux), tr("Le taux d'événements au fil du temps, ses trous, l'alarme d'un arrêt")},
        {Onglets->indexOf(onglet_runs), tr("D'autres runs ajustés avec le run suivi, et les intervalles exclus")},
        {Onglets->indexOf(onglet_partage), tr("Le run en lecture seule pour un autre appareil : son adresse et son code QR")}};
    for (const auto& [onglet, bulle] : onglets) Onglets->setTabToolTip(onglet, bulle);
    nomme(CheckBox_log, {}, tr("Effectifs de l'histogramme sur une échelle logarithmique"));
    nomme(graphes->histogramme, tr("histogramme et courbe ajustée"));
    nomme(graphes->convergence, tr("convergence de l'ajustement au fil du run"));
    nomme(graphes->stabilite, tr("stabilité de \u03C4 selon t min"));
    nomme(Bouton_png, {}, tr("Enregistrer le graphe de l'onglet affiché en image PNG"));
    nomme(Bouton_svg, {}, tr("Enregistrer le graphe de l'onglet affiché en image SVG"));
    nomme(Bouton_csv_histogramme, {}, tr("Enregistrer l'histogramme et les valeurs ajustées en tableau CSV"));
    nomme(Bouton_csv_convergence, {}, tr("Enregistrer la convergence de l'ajustement en tableau CSV"));
    nomme(Bouton_rapport, {}, tr("Enregistrer le rapport du run en PDF"));
    nomme(Bouton_imprimer, {}, tr("Imprimer le rapport du run"));

    OngletTaux& taux = *onglet_taux;
    nomme(taux.Edit_tranche, tr("largeur des tranches en minutes"),
          tr("Largeur des tranches de temps du taux, en minutes ; vide : choisie d'après le taux"));
    nomme(taux.Liste_trous, tr("trous du run"),
          tr("Les intervalles sans événement plus longs que le taux ne le laisse attendre"));
    nomme(taux.Bouton_exclure_trou, tr("exclure le trou"), tr("Exclure du run l'intervalle du trou choisi"));
    nomme(taux.Plot_taux, tr("taux du run au fil du temps"));
    accessibilite::intitule(taux.Label_taux, tr("taux du run :"));
    accessibilite::alerte(taux.Label_alarme);

    OngletRuns& runs = *onglet_runs;
    nomme(runs.Bouton_ajouter_runs, {}, tr("Choisir d'autres runs à ajuster avec le run suivi"));
    nomme(runs.Bouton_retirer_run, {}, tr("Retirer de l'ajustement le run ajouté choisi dans le tableau"));
    nomme(runs.Table_runs, tr("runs ajustés ensemble"), tr("Le run suivi, puis les runs ajoutés, un par ligne"));
    nomme(runs.Edit_debut_exclusion, tr("début de l'exclusion"),
          tr("Heure du début de l'intervalle à exclure du run choisi"));
    nomme(runs.Edit_fin_exclusion, tr("fin de l'exclusion"),
          tr("Heure de la fin de l'intervalle à exclure du run choisi"));
    nomme(runs.Bouton_exclure, tr("exclure l'intervalle"), tr("Exclure l'intervalle tapé du run choisi"));
    nomme(runs.Liste_exclusions, tr("exclusions du run choisi"),
          tr("Les intervalles exclus du run choisi dans le tableau, un par ligne"));
    accessibilite::intitule(runs.Label_combinaison, tr("ajustement des runs ensemble :"));
    accessibilite::intitule(runs.Label_coherence, tr("cohérence des runs :"));
    nomme(runs.Bouton_retirer_exclusion, {}, tr("Remettre dans le run l'intervalle choisi dans la liste"));
}
