#pragma once
// The plots of the fit window, on QCustomPlot: the histogram with √n error
// bars, the fitted curve and the background level above the normalised
// residuals; and the convergence of tau ± sigma with the histogram's Tau.
#include "fit/run/convergence.h"
#include "fit/run/histogram_view.h"

#include <QByteArray>
#include <QWidget>

class QCustomPlot;
class QCPErrorBars;
class QCPGraph;
class QCPAxisRect;

class GraphesAjustement {
public:
    explicit GraphesAjustement(QWidget* parent);

    QCustomPlot* histogramme = nullptr;  // with the residuals under it
    QCustomPlot* convergence = nullptr;

    void montre_histogramme(const HistogramView& view, bool log_counts);
    void montre_convergence(const std::vector<ConvergencePoint>& points);
    // Draws what changed, for the plots that are visible (a hidden one is
    // drawn when it is shown).
    void redessine();

    // The picture of a plot as PNG or SVG bytes.
    static QByteArray png(QCustomPlot* plot);
    static QByteArray svg(QCustomPlot* plot, const QString& title);

private:
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
};
