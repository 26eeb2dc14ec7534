#pragma once
// The plots of the fit window, on QCustomPlot: the histogram with √n error
// bars, the fitted curve and the background level above the normalised
// residuals; the convergence of tau ± sigma with the histogram's Tau; and the
// stability of tau against t min with the band of nested samples. Their axis
// titles, units and legends are charts/'s, whose drawing of the same plots
// the exports and the report take.
#include "charts/charts.h"
#include "fit/run/convergence.h"
#include "fit/run/histogram_view.h"
#include "fit/stability.h"

#include <QByteArray>
#include <QWidget>
#include <optional>
#include <vector>

class QCustomPlot;
class QCPErrorBars;
class QCPGraph;
class QCPAxisRect;

class GraphesAjustement {
public:
    explicit GraphesAjustement(QWidget* parent);

    QCustomPlot* histogramme = nullptr;  // with the residuals under it
    QCustomPlot* convergence = nullptr;
    QCustomPlot* stabilite = nullptr;

    // Each takes what its plot shows, its durations in `unit`; what it shows
    // already changes nothing.
    void montre_histogramme(const HistogramView& view, bool log_counts, const charts::TimeUnit& unit);
    void montre_convergence(const std::vector<ConvergencePoint>& points, const charts::TimeUnit& unit);
    void montre_stabilite(const fit::StabilityScan& scan, const charts::TimeUnit& unit);
    // Draws the plots whose data changed and that are visible; a hidden one
    // (its tab not the current one) waits until it is shown and this is
    // called again.
    void redessine();

    // An empty plot as the window's plots are made: its name, tick labels with
    // the program's decimal mark, its least size.
    static QCustomPlot* nouveau_graphe(QWidget* parent, const char* name);

private:
    // What each plot shows (nothing before the first montre_*).
    std::optional<HistogramView> vue_;
    bool log_counts_ = false;
    charts::TimeUnit unite_histogramme_;
    charts::TimeUnit unite_convergence_;
    charts::TimeUnit unite_stabilite_;
    std::optional<std::vector<ConvergencePoint>> points_;
    bool histogramme_change_ = true;
    bool convergence_change_ = true;
    std::optional<std::vector<double>> balayage_;  // the stability scan's figures, as compared
    bool stabilite_change_ = true;

    QCPAxisRect* residus_ = nullptr;
    QCPGraph* donnees_ = nullptr;
    QCPErrorBars* barres_ = nullptr;
    QCPGraph* courbe_ = nullptr;
    QCPGraph* fond_ = nullptr;
    QCPGraph* residus_points_ = nullptr;
    QCPGraph* zero_ = nullptr;
    QCPGraph* tau_ = nullptr;
    QCPErrorBars* tau_barres_ = nullptr;
    QCPGraph* tau_histogramme_ = nullptr;
    // The stability plot: tau against t min inside and outside the band and
    // not compared, the first fit's tau, the band around it and twice the band.
    QCPGraph* dans_bande_ = nullptr;
    QCPErrorBars* dans_bande_barres_ = nullptr;
    QCPGraph* hors_bande_ = nullptr;
    QCPErrorBars* hors_bande_barres_ = nullptr;
    QCPGraph* non_compare_ = nullptr;  // the fits at the background's bound
    QCPErrorBars* non_compare_barres_ = nullptr;
    QCPGraph* premier_ = nullptr;
    QCPGraph* bande_haut_ = nullptr;
    QCPGraph* bande_bas_ = nullptr;
    QCPGraph* limite_haut_ = nullptr;
    QCPGraph* limite_bas_ = nullptr;
};
