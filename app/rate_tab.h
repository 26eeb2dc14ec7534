#pragma once
// The "taux" tab of the analysis window: the run's rate in bins of wall-clock
// time with their √n error bars, the rate over each bin's live time, the mean
// rate, and what the rate says in words (span, live time, gaps, constancy,
// drift, what the times cannot tell), and for a run with count records the
// muons per minute through the detector. The rate is made only while the tab is
// in sight: a load while it is hidden leaves it to be made when it is shown.
// Beside it, the red line of a followed run that stopped, which the window
// shows above its tabs.
#include "analysis/rate/rate.h"
#include "fit/run/run_exclusions.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <optional>

class DrawnPlot;
class TForm1;

class OngletTaux : public QWidget {
    Q_OBJECT
public:
    // `parent_alarme`: where the red line stands.
    OngletTaux(TForm1& form, QWidget* parent, QWidget* parent_alarme);

    QLineEdit* Edit_tranche = nullptr;  // the bin width in minutes; empty: chosen from the rate
    QLabel* Label_etat_taux = nullptr;  // a bin width that cannot be read
    QLabel* Label_taux = nullptr;       // the summary lines
    DrawnPlot* Plot_taux = nullptr;     // the rate plot, drawn as the report draws it
    QLabel* Label_alarme = nullptr;  // red; hidden while the run is not said stopped
    // The run's gaps, one a line; "exclure" leaves the selected one's span out
    // of the run (its whole seconds, the records that bound it included).
    QListWidget* Liste_trous = nullptr;
    QPushButton* Bouton_exclure_trou = nullptr;

    // How many times the rate was shown (read by tests).
    int analyses_montrees = 0;

    // A load went through: shown again now if in sight, else when shown.
    void apres_chargement();
    // The bin width was typed.
    void tranche_modifiee();
    // "exclure": the selected gap's span, on the run's clock.
    void exclut_le_trou();

signals:
    void trou_a_exclure(const ExcludedSpan& span);

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1& form_;
    bool a_jour_ = false;
    std::vector<ExcludedSpan> trous_;  // the gaps of the list, on the run's clock
    std::optional<rate::RateAnalysis> tracee_;  // what the plot shows

    void montre();
    void montre_l_alarme();
    void montre_les_trous(const rate::RateAnalysis& analyse);
};
