// The plots of the fit window, rendered as they are shown.
#include "app/fit_plots.h"

#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <qcustomplot.h>

// The newest points of the convergence, at the right, are the ones a user
// watches settle, near the top where the fit and the histogram's Tau end up:
// the legend must not cover them.
TEST(ConvergencePlot, TheLegendLeavesTheNewestPointsInView) {
    QWidget page;
    GraphesAjustement graphes(&page);
    QCustomPlot* plot = graphes.convergence;
    plot->resize(700, 420);
    std::vector<ConvergencePoint> points;
    for (int k = 1; k <= 12; ++k) points.push_back({1000.0 * k, 0, 265 - 115.0 / k, 60 / std::sqrt(k), 268});
    graphes.montre_convergence(points, charts::time_unit(fit::kNone, 800));
    const QImage image = plot->toPixmap(700, 420).toImage();
    // Whether a pixel near the newest point at `tau` has about the colour `c` (the points are smoothed).
    const auto en_vue = [&](double tau, QColor c) {
        const QPoint p(qRound(plot->xAxis->coordToPixel(points.back().records)),
                       qRound(plot->yAxis->coordToPixel(tau)));
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QColor v = image.pixelColor(p + QPoint(dx, dy));
                if (std::abs(v.red() - c.red()) + std::abs(v.green() - c.green()) + std::abs(v.blue() - c.blue()) < 60)
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(en_vue(points.back().tau, QColor(200, 0, 0))) << "the fitted tau";
    EXPECT_TRUE(en_vue(points.back().histogram_tau, QColor(0, 0, 200))) << "the histogram's Tau";
    EXPECT_FALSE(plot->legend->outerRect().intersects(plot->axisRect()->rect()));
}
