#include "plot/strokes.h"

#include <QRandomGenerator>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<std::int64_t, std::int64_t>>;

// The pixels of a stroke inside a window, row by row from its runs.
Pixels par_travees(const Trait& t, std::int64_t x_min, std::int64_t x_max, std::int64_t y_min, std::int64_t y_max) {
    Pixels p;
    for (std::int64_t y = std::max(y_min, t.premiere_ligne()); y <= std::min(y_max, t.derniere_ligne()); ++y) {
        std::int64_t x0 = 0, x1 = -1;
        if (!t.travee(y, x0, x1)) continue;
        for (std::int64_t x = std::max(x0, x_min); x <= std::min(x1, x_max); ++x) p.insert({x, y});
    }
    return p;
}

Pixels par_pixel(const Trait& t, std::int64_t x_min, std::int64_t x_max, std::int64_t y_min, std::int64_t y_max) {
    Pixels p;
    for (std::int64_t y = y_min; y <= y_max; ++y)
        for (std::int64_t x = x_min; x <= x_max; ++x)
            if (t.contient(x, y)) p.insert({x, y});
    return p;
}

// Distance from the centre of pixel (x, y) to the pen's segment, in floating point.
double distance(QPoint p, QPoint q, std::int64_t w, std::int64_t x, std::int64_t y) {
    const double decalage = w % 2 == 0 ? 0.0 : 0.5;  // even widths run on pixel corners
    const double ax = p.x() + decalage, ay = p.y() + decalage, bx = q.x() + decalage, by = q.y() + decalage;
    const double cx = static_cast<double>(x) + 0.5, cy = static_cast<double>(y) + 0.5;
    const double vx = bx - ax, vy = by - ay, l = vx * vx + vy * vy;
    double s = l == 0 ? 0 : ((cx - ax) * vx + (cy - ay) * vy) / l;
    s = std::clamp(s, 0.0, 1.0);
    return std::hypot(cx - (ax + s * vx), cy - (ay + s * vy));
}

}  // namespace

TEST(Strokes, DotsAreRoundAndCentredOnThePixel) {
    struct Cas {
        std::int64_t diametre;
        std::size_t pixels;
        int rayon;  // rows and columns on each side
    };
    for (const Cas c : {Cas{3, 9, 1}, Cas{5, 21, 2}, Cas{7, 37, 3}, Cas{9, 69, 4}}) {
        const Trait point(QPoint(10, 20), QPoint(10, 20), c.diametre);
        const Pixels p = par_pixel(point, 0, 40, 0, 40);
        EXPECT_EQ(p.size(), c.pixels) << c.diametre;
        for (const auto& [x, y] : p) {
            EXPECT_LE(std::abs(x - 10), c.rayon);
            EXPECT_LE(std::abs(y - 20), c.rayon);
            EXPECT_TRUE(p.count({20 - x, y}) && p.count({x, 40 - y})) << "symmetric";
        }
        EXPECT_TRUE(p.count({10 - c.rayon, 20}) && p.count({10 + c.rayon, 20}));
        EXPECT_TRUE(p.count({10, 20 - c.rayon}) && p.count({10, 20 + c.rayon}));
    }
    // A dot of width 1 or less leaves no mark.
    for (std::int64_t w : {1, 0, -3}) {
        const Trait point(QPoint(10, 20), QPoint(10, 20), w);
        EXPECT_TRUE(par_pixel(point, 0, 40, 0, 40).empty());
        EXPECT_GT(point.premiere_ligne(), point.derniere_ligne());
    }
}

TEST(Strokes, OnePixelLinesJoinBothEndsWithOnePixelPerStep) {
    const QPoint p(5, 5);
    for (const QPoint q : {QPoint(12, 8), QPoint(-3, 9), QPoint(7, -10), QPoint(5, 14), QPoint(0, 5), QPoint(9, 9)}) {
        const Trait ligne(p, q, 1);
        const Pixels pixels = par_pixel(ligne, -20, 30, -20, 30);
        EXPECT_TRUE(pixels.count({p.x(), p.y()}) && pixels.count({q.x(), q.y()}));
        const int n = std::max(std::abs(q.x() - p.x()), std::abs(q.y() - p.y()));
        EXPECT_EQ(pixels.size(), static_cast<std::size_t>(n + 1));
        // Every pixel lies within half a pixel of the line along the minor axis.
        for (const auto& [x, y] : pixels) {
            const double dx = q.x() - p.x(), dy = q.y() - p.y();
            const double cote = std::abs(static_cast<double>(x - p.x()) * dy - static_cast<double>(y - p.y()) * dx) /
                                std::max(std::abs(dx), std::abs(dy));
            EXPECT_LE(cote, 0.5 + 1e-9);
        }
    }
    EXPECT_TRUE(par_pixel(Trait(p, p, 1), -20, 30, -20, 30).empty());
}

// The random strokes come from a fixed seed, which a failure prints: the
// same strokes again on every run and machine.
constexpr quint32 kGraine = 20240611;

TEST(Strokes, WideLinesHoldThePixelsWithinHalfTheWidth) {
    SCOPED_TRACE(testing::Message() << "random strokes of seed " << kGraine);
    QRandomGenerator hasard(kGraine);
    auto* aleatoire = &hasard;
    for (int essai = 0; essai < 400; ++essai) {
        const QPoint p(aleatoire->bounded(-5, 40), aleatoire->bounded(-5, 40));
        const QPoint q(aleatoire->bounded(-5, 40), aleatoire->bounded(-5, 40));
        const std::int64_t w = aleatoire->bounded(2, 9);
        const Trait trait(p, q, w);
        for (std::int64_t y = -15; y < 55; ++y) {
            for (std::int64_t x = -15; x < 55; ++x) {
                const double d = distance(p, q, w, x, y);
                if (std::abs(d - static_cast<double>(w) / 2) < 1e-9) continue;  // on the edge: exact test decides
                ASSERT_EQ(trait.contient(x, y), d < static_cast<double>(w) / 2)
                    << p.x() << "," << p.y() << " " << q.x() << "," << q.y() << " w " << w << " at " << x << "," << y;
            }
        }
    }
}

TEST(Strokes, RowRunsAreExactlyThePixelsAndDoNotDependOnPosition) {
    SCOPED_TRACE(testing::Message() << "random strokes of seed " << kGraine + 1);
    QRandomGenerator hasard(kGraine + 1);
    auto* aleatoire = &hasard;
    for (int essai = 0; essai < 600; ++essai) {
        const QPoint p(aleatoire->bounded(0, 30), aleatoire->bounded(0, 30));
        const QPoint v(aleatoire->bounded(-25, 26), aleatoire->bounded(-25, 26));
        const std::int64_t w = aleatoire->bounded(0, 10);
        const Trait trait(p, p + v, w);
        const Pixels a = par_travees(trait, -40, 80, -40, 80);
        ASSERT_EQ(a, par_pixel(trait, -40, 80, -40, 80)) << "w " << w << " v " << v.x() << "," << v.y();
        for (std::int64_t y = -40; y < 80; ++y) {
            std::int64_t x0 = 0, x1 = -1;
            if (y < trait.premiere_ligne() || y > trait.derniere_ligne()) {
                for (std::int64_t x = -40; x < 80; ++x) ASSERT_FALSE(trait.contient(x, y));
            } else if (trait.travee(y, x0, x1)) {
                ASSERT_FALSE(trait.contient(x0 - 1, y));
                ASSERT_FALSE(trait.contient(x1 + 1, y));
            }
        }
        // Moved by whole pixels, even far away, the stroke keeps its shape.
        const QPoint d(aleatoire->bounded(-200000000, 200000000), aleatoire->bounded(-200000000, 200000000));
        const Trait loin(p + d, p + v + d, w);
        Pixels b;
        for (const auto& [x, y] : par_travees(loin, d.x() - 40, d.x() + 80, d.y() - 40, d.y() + 80))
            b.insert({x - d.x(), y - d.y()});
        ASSERT_EQ(a, b);
    }
}

TEST(Strokes, FarEndsAreComputedOnlyWhereAsked) {
    // A line towards a point 2^28 pixels away crosses a small window as the
    // same straight band, and a row costs no more than near ones.
    const QPoint p(50, 50), q(static_cast<int>(LIMITE_PIXEL), static_cast<int>(LIMITE_PIXEL / 2));
    for (std::int64_t w : {1, 2, 5}) {
        const Trait trait(p, q, w);
        const Pixels runs = par_travees(trait, 0, 200, 0, 200);
        EXPECT_EQ(runs, par_pixel(trait, 0, 200, 0, 200));
        // The band (slope 1/2) crosses every row with about 2 + 2.24 w pixels.
        for (std::int64_t y = 60; y < 120; ++y) {
            std::int64_t x0 = 0, x1 = -1;
            ASSERT_TRUE(trait.travee(y, x0, x1));
            EXPECT_LE(x1 - x0, 2 * w + 3);
        }
    }
    const Trait horizontal(QPoint(-static_cast<int>(LIMITE_PIXEL), 7), QPoint(static_cast<int>(LIMITE_PIXEL), 7), 4);
    std::int64_t x0 = 0, x1 = 0;
    ASSERT_TRUE(horizontal.travee(7, x0, x1));
    EXPECT_EQ(x0, -LIMITE_PIXEL - 2);
    EXPECT_EQ(x1, LIMITE_PIXEL + 1);
}

TEST(Strokes, EvenWidthsGiveThatManyPixelsAcrossStraightLines) {
    for (std::int64_t w : {2, 3, 4, 5, 6}) {
        const Trait horizontal(QPoint(10, 20), QPoint(30, 20), w);
        const Trait vertical(QPoint(10, 5), QPoint(10, 30), w);
        int en_travers_h = 0, en_travers_v = 0;
        for (std::int64_t k = 0; k < 40; ++k) {
            en_travers_h += horizontal.contient(20, k);
            en_travers_v += vertical.contient(k, 17);
        }
        EXPECT_EQ(en_travers_h, w) << w;
        EXPECT_EQ(en_travers_v, w) << w;
    }
}
