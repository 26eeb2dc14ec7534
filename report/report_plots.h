#pragma once
// The plots of a run report, drawn with a QPainter into a rectangle of a page
// (in points), as vector paths: the histogram with the fitted curve above the
// normalised residuals, the convergence of the fit as the run grew, the
// stability of tau against t min, the rate in bins of wall-clock time. Tick
// labels with the program's decimal mark.
#include "analysis/rate/rate.h"
#include "fit/run/convergence.h"
#include "fit/run/histogram_view.h"
#include "fit/stability.h"

#include <QPainter>
#include <QRectF>
#include <vector>

void draw_histogram(QPainter& painter, const QRectF& area, const HistogramView& view);
void draw_convergence(QPainter& painter, const QRectF& area, const std::vector<ConvergencePoint>& points);
void draw_stability(QPainter& painter, const QRectF& area, const fit::StabilityScan& scan);
void draw_rate(QPainter& painter, const QRectF& area, const rate::RateAnalysis& rate);
