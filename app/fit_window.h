#pragma once
// The fit window: the lifetime of the run fitted with its uncertainty, G_F from
// it, the background, the goodness of fit, the forecast of its precision, the
// histogram with the fitted curve, the convergence of the fit as the run grows
// and its stability against t min. A separate, non-modal window of the main
// window; while it is shown, every load that goes through refits.
#include "app/fit_plots.h"
#include "app/fit_window_run.h"
#include "app/rate_tab.h"
#include "app/runs_tab.h"
#include "fit/forecast.h"
#include "fit/refit.h"
#include "fit/run/convergence.h"
#include "fit/run/fit_decisions.h"
#include "fit/run/histogram_view.h"
#include "fit/run/live_time.h"
#include "fit/run/run_analysis.h"
#include "fit/stability.h"
#include "fit/text/fit_text.h"
#include "report/report.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

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
    // The capture models' choices: the negative muons' material ("carbone",
    // "oxygène" or their lifetime in ns typed) and rho for mu-capture.
    QComboBox* ComboBox_matiere = nullptr;
    QLineEdit* Edit_rho = nullptr;
    QCheckBox* CheckBox_log = nullptr;
    // Results, right of their captions
    QLabel* Label_tau = nullptr;
    QLabel* Label_intervalle = nullptr;
    QLabel* Label_tau_temps = nullptr;
    QLabel* Label_gf = nullptr;       // G_F / (ħc)³ from the lifetime in ns or µs
    QLabel* Label_gf_note = nullptr;  // why that G_F is biased
    QLabel* Label_fond = nullptr;
    QLabel* Label_evenements = nullptr;
    QLabel* Label_chi2 = nullptr;
    QLabel* Label_tau_histogramme = nullptr;  // the main window's Tau, for comparison
    // The capture models' results, their rows shown for them only.
    QLabel* Label_rho = nullptr;
    QLabel* Label_intervalle_rho = nullptr;
    QLabel* Label_fixes = nullptr;
    QLabel* Label_etat = nullptr;
    // The forecast: the precision aimed at and when the run reaches it
    QComboBox* ComboBox_precision = nullptr;
    QLabel* Label_prevision = nullptr;
    // Plots and exports
    QTabWidget* Onglets = nullptr;
    static constexpr int kOngletStabilite = 2;  // histogramme, convergence, stabilité
    GraphesAjustement* graphes = nullptr;
    QLabel* Label_stabilite = nullptr;  // the stability tab's line
    QPushButton* Bouton_png = nullptr;
    QPushButton* Bouton_svg = nullptr;
    QPushButton* Bouton_csv_histogramme = nullptr;
    QPushButton* Bouton_csv_convergence = nullptr;
    QPushButton* Bouton_rapport = nullptr;   // "rapport PDF…" (app/fit_report.cpp)
    QPushButton* Bouton_imprimer = nullptr;  // "imprimer…"
    OngletTaux* onglet_taux = nullptr;       // the run's rate, and the red line of a stopped run
    OngletRuns* onglet_runs = nullptr;       // the runs added to the followed one, fitted together

    const FitChoices& choix() const { return decisions_.choices(); }
    const fit::Result& resultat() const { return resultat_; }
    const Convergence& convergence() const { return convergence_; }
    const fit::StabilityScan& stabilite() const { return stabilite_; }
    const fit::Forecast& prevision() const { return prevision_; }

    // After a load that went through: refits and adds the load's point to the
    // convergence series. Never shows a message box: what fails shows in the
    // status line.
    void apres_chargement();
    // A field or a choice changed: read, remembered, refitted. A field that
    // cannot be read says so in the status line and the window shows no fit
    // until it is mended.
    void choix_modifie();

    // The unit of the plots' durations: µs or ns with the unit fitted, else
    // the data's units (app/fit_export.cpp).
    charts::TimeUnit unite_des_graphes() const;
    // The plot of the tab shown, drawn by charts/ as the report draws it, as
    // PNG or SVG bytes of the plot's size.
    QByteArray image_du_graphe(bool svg) const;
    void exporte_image(bool svg);
    void exporte_csv_histogramme();
    void exporte_csv_convergence();
    // The run report: its numbers, as PDF to a chosen file, to a chosen printer.
    RunReport rapport() const;
    // The user's fields of the report, asked in its dialog with those
    // remembered, then remembered; nothing when the dialog is cancelled.
    std::optional<ReportFields> champs_du_rapport();
    void exporte_rapport_pdf();
    void imprime_rapport();

    // The window's content, which scrolls in a window smaller than it (a small
    // screen; app/fit_window_screen.cpp).
    QScrollArea* defilement() const { return defilement_; }
    QWidget* contenu() const { return contenu_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TForm1& form_;
    QScrollArea* defilement_ = nullptr;
    QWidget* contenu_ = nullptr;
    // The scroll area and its content; returns the content's column.
    QBoxLayout* construit_le_defilement();
    // The window grown to hold its content as far as the screen allows.
    void tient_le_contenu();
    FitDecisions decisions_;        // the choices, and the field that cannot be read
    UnitFields fenetre_par_unite_;  // t min and t max over runs of several units
    fit::Refit dernier_ajustement_;
    fit::Result resultat_;
    HistogramView histogramme_;
    Convergence convergence_;
    fit::StabilityScan stabilite_;     // of the fit of dernier_ajustement_, made again with it only
    bool balayage_en_attente_ = true;  // the fit changed, its scan not yet made
    bool par_un_chargement_ = false;   // the fit being made is a reload's
    fit::Forecast prevision_;

    // The rows of the capture models' results: caption and value of each.
    std::vector<QWidget*> rangee_rho_;
    std::vector<QWidget*> rangee_fixes_;

    void construit();
    // The keyboard and the screen reader (app/fit_window_access.cpp): Escape,
    // Tab, tool tips and accessible names.
    void rendLesControlesAccessibles();
    void construit_le_rapport(QBoxLayout* boutons);
    // The "runs" tab and its wiring to the "taux" tab (app/fit_window_runs.cpp).
    void construit_les_runs();
    // After a change of the runs or their spans: the convergence series starts again.
    void runs_modifies();
    // The followed run fitted with `requete`, then the runs fitted together:
    // the fit whose point the convergence series takes (the combination when
    // runs were added or spans left out, else the followed run's).
    const fit::Result& ajuste_les_runs(const fit::Request& requete);
    void combine_les_runs(const fit::Request& requete, double unit_ns);
    // The runs tab is shown: the combination left waiting is made.
    void montre_les_runs_en_attente();
    // The runs fitted together, which the "runs" tab shows and the report takes;
    // the status line adds their status (runs not read, of another unit).
    RunsShown runs_combines_;
    // The followed run alone, its tab out of sight: the combination is made
    // when the tab is next shown, from the last fit's request.
    std::optional<std::pair<fit::Request, double>> runs_en_attente_;
    // The one analysis of the followed run (fit/run/run_analysis.h) with the
    // window's choices, the spans left out of it excluded (its records kept
    // in analyse_.kept, whose live time the forecast takes), without its
    // stability scan, which waits for its tab.
    RunAnalysis analyse_du_run();
    RunAnalysis analyse_;
    TypedChoices champs() const;
    // After a load: the run's unit, and t min and t max for a run whose unit
    // is known (typed for it, or chosen in time from the classes shown);
    // another window starts the convergence series again.
    void prend_l_unite_et_la_fenetre();
    // The same in the fields only; whether one changed.
    bool montre_l_unite_et_la_fenetre();
    // t min or t max typed (edited, then Enter or left) for a run of known
    // unit: remembered for that unit.
    void retiens_la_fenetre();
    // The choices "qrt_vorn.fit" keeps: the user's own unit, and the window of
    // runs whose unit is unknown.
    FitChoices choix_a_retenir() const;
    // The capture models' choices, on their own line, and the state of their fields.
    void construit_les_choix_des_muons(QBoxLayout* colonne);
    void active_les_choix_des_muons();
    fit::Model modele_choisi() const;  // the model list's
    void montre_les_resultats_des_muons(const fit_text::ResultLines& lignes);
    void montre_les_choix();
    // Does what a change of the fields or a load decided.
    void suit(const FitStep& etape);
    // Refits the run with the current choices; with `charge`, the point of this
    // load joins the convergence series.
    void ajuste(bool charge);
    void montre_le_resultat();
    void montre_le_refus();
    // The precision list, its choice, and G_F, the forecast and the stability
    // shown (a part of montre_le_resultat).
    void construit_la_precision();
    void montre_la_precision();
    double precision_choisie() const;
    void montre_fermi_prevision_stabilite(const fit_text::ResultLines& lignes);
    // The stability scan of resultat_, made when it waits (fais_le_balayage).
    bool onglet_stabilite_montre() const;
    void fais_le_balayage(const fit::Request& requete);
};
