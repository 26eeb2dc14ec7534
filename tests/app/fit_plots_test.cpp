// The plots of the fit window, rendered as they are shown.
#include "app/fit_plots.h"

#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <qcustomplot.h>

namespace {

// Whether a pixel near `p` has about the colour `c` (the points are smoothed).
bool en_vue(const QImage& image, QPointF p, QColor c) {
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QColor v = image.pixelColor(qRound(p.x()) + dx, qRound(p.y()) + dy);
            if (std::abs(v.red() - c.red()) < 40 && std::abs(v.green() - c.green()) < 40 &&
                std::abs(v.blue() - c.blue()) < 40)
                return true;
        }
    }
    return false;
}

}  // namespace

// The newest points of the convergence, at the right, are the ones a user
// watches settle, near the top where the fit and the histogram's Tau end up:
// the legend must not cover them.
TEST(ConvergencePlot, TheLegendLeavesTheNewestPointsInView) {
    QWidget page;
    GraphesAjustement graphes(&page);
    QCustomPlot* plot = graphes.convergence;
    plot->resize(700, 420);
    std::vector<ConvergencePoint> points;
    for (int k = 1; k <= 12; ++k) {
        ConvergencePoint p;
        p.records = 1000.0 * k;
        p.tau = 265 - 115.0 / k;
        p.tau_error = 60.0 / std::sqrt(k);
        p.histogram_tau = 268;
        points.push_back(p);
    }
    graphes.montre_convergence(points);
    const QImage image = plot->toPixmap(700, 420).toImage();
    const ConvergencePoint& dernier = points.back();
    const QPointF tau(plot->xAxis->coordToPixel(dernier.records), plot->yAxis->coordToPixel(dernier.tau));
    const QPointF histogramme(plot->xAxis->coordToPixel(dernier.records),
                              plot->yAxis->coordToPixel(dernier.histogram_tau));
    EXPECT_TRUE(en_vue(image, tau, QColor(200, 0, 0))) << "the fitted tau";
    EXPECT_TRUE(en_vue(image, histogramme, QColor(0, 0, 200))) << "the histogram's Tau";
    EXPECT_FALSE(plot->legend->outerRect().intersects(plot->axisRect()->rect()));
    EXPECT_EQ(plot->legend->itemCount(), 2);
}
