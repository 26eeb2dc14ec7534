#include "plot/strokes.h"

#include <algorithm>
#include <cmath>

namespace {

// Floor and ceiling of a / b for b > 0.
std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return q;
}
std::int64_t ceil_div(std::int64_t a, std::int64_t b) { return -floor_div(-a, b); }

// a / n rounded to the nearest integer, halves up (n > 0).
std::int64_t arrondi_div(std::int64_t a, std::int64_t n) { return floor_div(2 * a + n, 2 * n); }

// Unsigned 128-bit products, for the exact distance test of wide strokes.
struct U128 {
    std::uint64_t hi, lo;
};

U128 produit(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
    const std::uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t milieu = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (milieu >> 32), (milieu << 32) | (p00 & 0xFFFFFFFFu)};
}

bool inferieur_ou_egal(U128 a, U128 b) { return a.hi < b.hi || (a.hi == b.hi && a.lo <= b.lo); }

std::uint64_t valeur_absolue(std::int64_t v) {
    return v < 0 ? static_cast<std::uint64_t>(-v) : static_cast<std::uint64_t>(v);
}

}  // namespace

Trait::Trait(QPoint p, QPoint q, std::int64_t largeur)
    : px_(p.x()), py_(p.y()), dx_(std::int64_t{q.x()} - p.x()), dy_(std::int64_t{q.y()} - p.y()) {
    largeur_ = std::min(std::max<std::int64_t>(largeur, 1), LARGEUR_STYLO_MAX);
    e_ = (largeur_ >= 2 && largeur_ % 2 == 0) ? 1 : 0;
    if (largeur_ == 1) {
        if (dx_ == 0 && dy_ == 0) return;  // nothing
        premiere_ = std::min(py_, py_ + dy_);
        derniere_ = std::max(py_, py_ + dy_);
    } else {
        // Doubled coordinates: rows whose centre lies within the pen's reach of the segment.
        const std::int64_t bas = std::min<std::int64_t>(0, 2 * dy_) - largeur_;
        const std::int64_t haut = std::max<std::int64_t>(0, 2 * dy_) + largeur_;
        premiere_ = py_ + floor_div(bas - e_, 2);
        derniere_ = py_ + ceil_div(haut - e_, 2);
    }
}

bool Trait::contient(std::int64_t x, std::int64_t y) const {
    if (largeur_ >= 2) return large_contient(x - px_, y - py_);
    std::int64_t x0 = 0, x1 = -1;
    if (!ligne_fine_travee(y, x0, x1)) return false;
    return x >= x0 && x <= x1;
}

bool Trait::travee(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const {
    if (y < premiere_ || y > derniere_) return false;
    return largeur_ >= 2 ? large_travee(y, x0, x1) : ligne_fine_travee(y, x0, x1);
}

// The one-pixel line: n + 1 pixels along the major axis, the other coordinate
// rounded (halves up) from the exact line.
bool Trait::ligne_fine_travee(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const {
    const std::int64_t adx = dx_ < 0 ? -dx_ : dx_;
    const std::int64_t ady = dy_ < 0 ? -dy_ : dy_;
    const std::int64_t n = std::max(adx, ady);
    if (n == 0) return false;
    const std::int64_t k = y - py_;
    if (adx >= ady) {
        // Pixel i is (px + i * sx, py + round(i * dy / n)); find the i of row py + k.
        std::int64_t i0 = 0, i1 = n;
        if (dy_ == 0) {
            if (k != 0) return false;
        } else if (dy_ > 0) {
            i0 = ceil_div((2 * k - 1) * n, 2 * dy_);
            i1 = ceil_div((2 * k + 1) * n, 2 * dy_) - 1;
        } else {
            i0 = floor_div(-(2 * k + 1) * n, 2 * ady) + 1;
            i1 = floor_div(-(2 * k - 1) * n, 2 * ady);
        }
        i0 = std::max<std::int64_t>(i0, 0);
        i1 = std::min(i1, n);
        if (i0 > i1) return false;
        if (dx_ > 0) {
            x0 = px_ + i0;
            x1 = px_ + i1;
        } else {
            x0 = px_ - i1;
            x1 = px_ - i0;
        }
        return true;
    }
    const std::int64_t i = dy_ > 0 ? k : -k;
    if (i < 0 || i > n) return false;
    x0 = x1 = px_ + arrondi_div(i * dx_, n);
    return true;
}

// Doubled coordinates relative to P: the pixel (px + q, py + r) has its centre at
// (2q + e, 2r + e), the segment runs from (0, 0) to (2dx, 2dy), the radius is the width.
bool Trait::large_contient(std::int64_t q, std::int64_t r) const {
    const std::int64_t ux = 2 * q + e_, uy = 2 * r + e_;
    const std::int64_t vx = 2 * dx_, vy = 2 * dy_;
    const std::uint64_t w2 = static_cast<std::uint64_t>(largeur_ * largeur_);
    const std::int64_t l = vx * vx + vy * vy;
    const std::int64_t scalaire = ux * vx + uy * vy;
    auto dans_disque = [w2](std::int64_t a, std::int64_t b) {
        const std::uint64_t ua = valeur_absolue(a), ub = valeur_absolue(b);
        // ua, ub < 2^31: the sum of squares fits.
        return ua * ua + ub * ub <= w2;
    };
    if (l == 0 || scalaire <= 0) return dans_disque(ux, uy);
    if (scalaire >= l) return dans_disque(ux - vx, uy - vy);
    const std::uint64_t croix = valeur_absolue(ux * vy - uy * vx);
    return inferieur_ou_egal(produit(croix, croix), produit(w2, static_cast<std::uint64_t>(l)));
}

bool Trait::large_travee(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const {
    const std::int64_t r = y - py_;
    // The section of the row by the two end discs and the band between them,
    // approximately, widened by half a pixel; then settled with the exact test.
    const long double w = static_cast<long double>(largeur_);
    const long double vx = static_cast<long double>(2 * dx_), vy = static_cast<long double>(2 * dy_);
    const long double yy = static_cast<long double>(2 * r + e_);
    const long double l = vx * vx + vy * vy;
    long double bas = INFINITY, haut = -INFINITY;
    auto ajoute = [&](long double a, long double b) {
        bas = std::min(bas, a);
        haut = std::max(haut, b);
    };
    if (yy * yy <= w * w) {
        const long double s = std::sqrt(w * w - yy * yy);
        ajoute(-s, s);
    }
    if ((yy - vy) * (yy - vy) <= w * w) {
        const long double s = std::sqrt(w * w - (yy - vy) * (yy - vy));
        ajoute(vx - s, vx + s);
    }
    if (l > 0) {
        if (vy == 0) {
            if (std::fabs(yy) <= w) ajoute(std::min<long double>(0, vx), std::max<long double>(0, vx));
        } else {
            const long double h = w * std::sqrt(l);
            long double b0 = (yy * vx - h) / vy, b1 = (yy * vx + h) / vy;
            if (b0 > b1) std::swap(b0, b1);
            if (vx == 0) {
                if (yy * vy >= 0 && yy * vy <= l) ajoute(b0, b1);
            } else {
                long double p0 = (-yy * vy) / vx, p1 = (l - yy * vy) / vx;
                if (p0 > p1) std::swap(p0, p1);
                const long double a = std::max(b0, p0) - 1, b = std::min(b1, p1) + 1;
                if (a <= b) ajoute(a, b);
            }
        }
    }
    if (!(bas <= haut)) return false;
    bas -= 1;
    haut += 1;
    std::int64_t qa = static_cast<std::int64_t>(std::floor((bas - static_cast<long double>(e_)) / 2));
    std::int64_t qb = static_cast<std::int64_t>(std::ceil((haut - static_cast<long double>(e_)) / 2));
    while (qa <= qb && !large_contient(qa, r)) ++qa;
    if (qa > qb) return false;
    while (!large_contient(qb, r)) --qb;
    while (large_contient(qa - 1, r)) --qa;
    while (large_contient(qb + 1, r)) ++qb;
    x0 = px_ + qa;
    x1 = px_ + qb;
    return true;
}
