#pragma once
// The fit window: the lifetime of the run fitted with its uncertainty, the
// background, the goodness of fit, the histogram with the fitted curve and the
// convergence of the fit as the run grows. A separate, non-modal window of
// the main window; while it is shown, every load that goes through refits.
#include "app/fit_plots.h"
#include "app/rate_tab.h"
#include "fit/refit.h"
#include "fit/run/convergence.h"
#include "fit/run/fit_decisions.h"
#include "fit/run/histogram_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

class TForm1;

class FenetreAjustement : public QWidget {
    Q_OBJECT
public:
    // Takes t min and t max from the dX and X max of the run's last class pass
    // unless the settings file remembers them, and fits the run as it stands.
    explicit FenetreAjustement(TForm1& form);
    ~FenetreAjustement() override;

    // Fields
    QLineEdit* Edit_tmin = nullptr;
    QLineEdit* Edit_tmax = nullptr;
    QComboBox* ComboBox_modele = nullptr;
    QComboBox* ComboBox_methode = nullptr;
    QLineEdit* Edit_unite = nullptr;
    QCheckBox* CheckBox_log = nullptr;
    // Results, right of their captions
    QLabel* Label_tau = nullptr;
    QLabel* Label_intervalle = nullptr;
    QLabel* Label_tau_temps = nullptr;
    QLabel* Label_fond = nullptr;
    QLabel* Label_evenements = nullptr;
    QLabel* Label_chi2 = nullptr;
    QLabel* Label_tau_histogramme = nullptr;  // the main window's Tau, for comparison
    QLabel* Label_etat = nullptr;
    // Plots and exports
    QTabWidget* Onglets = nullptr;
    GraphesAjustement* graphes = nullptr;
    QPushButton* Bouton_png = nullptr;
    QPushButton* Bouton_svg = nullptr;
    QPushButton* Bouton_csv_histogramme = nullptr;
    QPushButton* Bouton_csv_convergence = nullptr;
    OngletTaux* onglet_taux = nullptr;  // the run's rate, and the red line of a stopped run

    const FitChoices& choix() const { return decisions_.choices(); }
    const fit::Result& resultat() const { return resultat_; }
    const Convergence& convergence() const { return convergence_; }

    // After a load that went through: refits and adds the load's point to the
    // convergence series. Never shows a message box: what fails shows in the
    // status line.
    void apres_chargement();
    // A field or a choice changed: read, remembered, refitted. A field that
    // cannot be read says so in the status line and the window shows no fit
    // until it is mended.
    void choix_modifie();

    void exporte_image(bool svg);
    void exporte_csv_histogramme();
    void exporte_csv_convergence();

private:
    TForm1& form_;
    FitDecisions decisions_;  // the choices, and the field that cannot be read
    fit::Refit dernier_ajustement_;
    fit::Result resultat_;
    HistogramView histogramme_;
    Convergence convergence_;

    void construit();
    void montre_les_choix();
    // Does what a change of the fields or a load decided.
    void suit(const FitStep& etape);
    // Refits the run with the current choices; with `charge`, the point of this
    // load joins the convergence series.
    void ajuste(bool charge);
    void montre_le_resultat();
    void montre_le_refus();
};
