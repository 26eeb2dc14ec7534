// The rate plot drawn on an image, as the analysis window shows it and the
// report's pictures hold it.
#include "charts/charts.h"
#include "charts/frame.h"

#include <QFont>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>

namespace {

// `n` bins of ten minutes, the rate rising to the newest one, the highest.
rate::RateAnalysis rising_rate(int n) {
    rate::RateAnalysis a;
    for (int i = 0; i < n; ++i) {
        rate::RateBin b;
        b.start_s = 600.0 * i;
        b.end_s = b.start_s + 600;
        b.count = 100 + 10 * i;
        b.live_s = i % 3 == 0 ? 500 : 600;  // some with a gap: both markers
        b.rate_per_hour = static_cast<double>(b.count) / b.live_s * 3600;
        b.rate_error_per_hour = std::sqrt(static_cast<double>(b.count)) / b.live_s * 3600;
        a.bins.push_back(b);
        a.records += b.count;
    }
    a.last_s = a.span_s = 600.0 * n;
    a.rate_known = true;
    a.rate_per_hour = static_cast<double>(a.records) / a.span_s * 3600;
    return a;
}

// The plot of 700 x 420 pixels in a 12-pixel font; `axes`: where its axes stand.
QImage drawn(const rate::RateAnalysis& a, QRectF* axes = nullptr, double ratio = 1) {
    QFont font;
    font.setPixelSize(12);
    return charts::image_of(
        [&](QPainter& p, const QRectF& area) {
            const QRectF inside = charts::draw_rate(p, area, a);
            if (axes) *axes = inside;
        },
        QSize(700, 420), ratio, font);
}

}  // namespace

// Inside the axes, top right, the legend hid the newest bins where the rate is
// highest: it stands in rows of its own above them.
TEST(RatePlot, TheLegendStandsAboveTheAxes) {
    rate::RateAnalysis sans_points = rising_rate(12);
    sans_points.bins.clear();
    sans_points.rate_known = false;
    QRectF axes;
    const QImage image = drawn(sans_points, &axes);
    int above = 0, inside = 0;
    const QRectF within = axes.adjusted(8, 2, -2, -8);  // the axes' inward ticks left out
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128) continue;  // white, the grid
            if (y < axes.top() && x > axes.left() && x < axes.right()) ++above;
            if (within.contains(x, y)) ++inside;
        }
    }
    EXPECT_GT(above, 100) << "the legend's texts";
    EXPECT_EQ(inside, 0);
}

// On an image the bars are filled in one go and the markers stamped from one
// drawing each: the picture of each drawn on its own, sparse or dense, on
// screens of every density.
TEST(RatePlot, StampedMarkersGiveThePictureOfMarkersDrawnOneByOne) {
    for (const auto& [bins, ratio] : {std::pair{12, 1.0}, {500, 1.0}, {12, 1.5}, {500, 2.0}}) {
        SCOPED_TRACE(testing::Message() << bins << " bins, ratio " << ratio);
        const rate::RateAnalysis a = rising_rate(bins);
        charts::detail::draw_markers_plainly(true);
        const QImage plain = drawn(a, nullptr, ratio);
        charts::detail::draw_markers_plainly(false);
        const QImage stamped = drawn(a, nullptr, ratio);
        ASSERT_EQ(plain.size(), stamped.size());
        int worst = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb p = plain.pixel(x, y), s = stamped.pixel(x, y);
                const int d = std::max(
                    {std::abs(qRed(p) - qRed(s)), std::abs(qGreen(p) - qGreen(s)), std::abs(qBlue(p) - qBlue(s))});
                worst = std::max(worst, d);
            }
        }
        // A marker missing, moved by a pixel or of another colour differs by far
        // more than the smoothed edges of a marker an eighth of a pixel aside.
        EXPECT_LE(worst, 64);
    }
}
