#pragma once
// The "runs" tab of the analysis window: the runs added to the followed one
// ("ajouter des runs…", "retirer le run"), one line of the table a run, the
// followed run first (events in the window, span, live time, rate, τ of the run
// alone, what was left out of it), their combined fit with the window's
// choices and the line of their consistency; and the spans left out of the
// selected run, typed as start and end or taken from a gap of the "taux" tab.
// The runs added to each followed file and the spans of each data file are
// remembered in the settings folder.
#include "fit/run/window_runs.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

class TForm1;

class OngletRuns : public QWidget {
    Q_OBJECT
public:
    OngletRuns(TForm1& form, QWidget* parent);

    QPushButton* Bouton_ajouter_runs = nullptr;
    QPushButton* Bouton_retirer_run = nullptr;
    QTableWidget* Table_runs = nullptr;
    QLabel* Label_combinaison = nullptr;
    QLabel* Label_coherence = nullptr;
    // The spans left out of the selected run (the followed one when none is).
    QLabel* Label_run_exclusions = nullptr;
    QLineEdit* Edit_debut_exclusion = nullptr;  // "[+D/]hh:mm:ss", as vorns-fit --exclude
    QLineEdit* Edit_fin_exclusion = nullptr;
    QPushButton* Bouton_exclure = nullptr;
    QListWidget* Liste_exclusions = nullptr;
    QPushButton* Bouton_retirer_exclusion = nullptr;
    QLabel* Label_etat_runs = nullptr;  // a span typed that cannot be read, the added runs left out

    // Shows the runs fitted together, as the analysis window combined them
    // (it keeps them; the tab shows them until the next call).
    void montre(const RunsShown& runs);
    const RunsShown& combinaison() const { return *montre_; }
    const WindowRuns& runs() const { return runs_; }
    QString fichier_suivi() const;  // the followed run's file, absolute as the runs name it
    std::span<const ExcludedSpan> spans_du_run_suivi() const { return runs_.spans_of(fichier_suivi()); }

    void ajoute_des_runs();
    void retire_le_run();
    void exclut();
    void retire_l_exclusion();
    // A span of the followed run left out (a gap of the "taux" tab).
    void exclut_du_run_suivi(const ExcludedSpan& span);

signals:
    // The runs or their spans changed: the window fits them again.
    void runs_modifies();
    // The tab is shown: a table the window left waiting is made now.
    void montre_demande();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1& form_;
    WindowRuns& runs_;         // the run's state's: the tab shows and edits them
    const RunsShown* montre_;  // the analysis window's

    QString fichier_choisi() const;  // the selected row's, else the followed run's
    void montre_le_tableau();
    void montre_les_exclusions();
    void exclusions_modifiees();
};
