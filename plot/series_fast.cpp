#include "plot/series_fast.h"

#include "plot/density.h"
#include "plot/strokes.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

// Every mark of a series has the one series colour, so the finished series is
// the union of the pixels of its dots and segments, whatever their order. So:
//  - a dot is stamped once per pixel position, from a precomputed pattern;
//  - a segment repeating the previous one changes nothing;
//  - a short segment whose pixels all lie inside the dots at its two ends
//    (which are always drawn) changes nothing;
//  - other short segments are stamped from a pattern cached by (dx, dy);
//  - long ones are computed row by row, like a single stroke;
//  - a vertical segment inside a vertical segment already drawn in the same
//    column changes nothing: the pixels of a stroke are those within reach of
//    its segment, so those of a part of a segment are among the segment's.
//    Records plotted against time make mostly such segments, many per column.
// Patterns are the pixels of the same strokes (plot/strokes.h), which do not
// change when moved by whole pixels.

namespace {

// Relative rows of a stroke starting at (0, 0): row y_min + i spans x0[i]..x1[i].
struct Motif {
    bool pret = false;
    bool couvert = false;  // inside the two end dots
    std::int32_t y_min = 0;
    std::int32_t x_min = 0, x_max = -1;
    std::vector<std::pair<std::int32_t, std::int32_t>> lignes;  // empty row: first > second
};

constexpr int PORTEE = 64;  // segments up to this many pixels in x and in y use patterns
constexpr std::int64_t LARGEUR_MOTIF_MAX = 1024;

Motif fait_motif(QPoint fin, std::int64_t largeur) {
    Motif m;
    m.pret = true;
    const Trait trait(QPoint(0, 0), fin, largeur);
    if (trait.premiere_ligne() > trait.derniere_ligne()) return m;
    m.y_min = static_cast<std::int32_t>(trait.premiere_ligne());
    m.x_min = 0;
    m.x_max = -1;
    bool vide = true;
    for (std::int64_t y = trait.premiere_ligne(); y <= trait.derniere_ligne(); ++y) {
        std::int64_t x0 = 0, x1 = -1;
        if (!trait.travee(y, x0, x1)) {
            m.lignes.emplace_back(1, 0);
            continue;
        }
        m.lignes.emplace_back(static_cast<std::int32_t>(x0), static_cast<std::int32_t>(x1));
        if (vide || x0 < m.x_min) m.x_min = static_cast<std::int32_t>(x0);
        if (vide || x1 > m.x_max) m.x_max = static_cast<std::int32_t>(x1);
        vide = false;
    }
    if (vide) m.lignes.clear();
    return m;
}

// The patterns of one thickness t: the dot (width 2t + 1) and the segments (width t).
class Atelier {
public:
    void prepare(std::int32_t t) {
        if (valide_ && t == t_) return;
        t_ = t;
        valide_ = true;
        diametre_ = 2 * std::int64_t{t} + 1;
        largeur_ = t;
        point_ = diametre_ >= 2 && diametre_ <= LARGEUR_MOTIF_MAX ? fait_motif(QPoint(0, 0), diametre_) : Motif{};
        segments_.assign(static_cast<std::size_t>((2 * PORTEE + 1) * (2 * PORTEE + 1)), Motif{});
    }
    std::int64_t diametre() const { return diametre_; }
    std::int64_t largeur() const { return largeur_; }
    // The dot pattern, or nullptr when the dot is too wide for one.
    const Motif* point() const { return point_.pret ? &point_ : nullptr; }
    // The pattern of a segment by (dx, dy), or nullptr when it is too long or too wide.
    const Motif* segment(int dx, int dy) {
        if (std::abs(dx) > PORTEE || std::abs(dy) > PORTEE || largeur_ > LARGEUR_MOTIF_MAX) return nullptr;
        Motif& m = segments_[static_cast<std::size_t>((dy + PORTEE) * (2 * PORTEE + 1) + dx + PORTEE)];
        if (!m.pret) {
            m = fait_motif(QPoint(dx, dy), largeur_);
            m.couvert = diametre_ >= 2 && diametre_ <= LARGEUR_MOTIF_MAX && dans_les_points(m, dx, dy);
        }
        return &m;
    }

private:
    // The row y of the dot centred on (cx, cy): false when it has no pixel there.
    bool ligne_du_point(std::int64_t cx, std::int64_t cy, std::int64_t y, std::int64_t& x0, std::int64_t& x1) const {
        const std::int64_t i = y - cy - point_.y_min;
        if (i < 0 || i >= static_cast<std::int64_t>(point_.lignes.size())) return false;
        const auto& l = point_.lignes[static_cast<std::size_t>(i)];
        if (l.first > l.second) return false;
        x0 = cx + l.first;
        x1 = cx + l.second;
        return true;
    }

    // Whether every row of the segment lies inside the union of the dots at its two ends.
    bool dans_les_points(const Motif& m, int dx, int dy) const {
        for (std::size_t i = 0; i < m.lignes.size(); ++i) {
            const std::int64_t y = m.y_min + static_cast<std::int64_t>(i);
            const std::int64_t a = m.lignes[i].first, b = m.lignes[i].second;
            if (a > b) continue;
            std::int64_t p0 = 0, p1 = -1, q0 = 0, q1 = -1;
            const bool p = ligne_du_point(0, 0, y, p0, p1);
            const bool q = ligne_du_point(dx, dy, y, q0, q1);
            if (p && p0 <= a && b <= p1) continue;
            if (q && q0 <= a && b <= q1) continue;
            const bool joints = p && q && p1 + 1 >= q0 && q1 + 1 >= p0;
            if (joints && std::min(p0, q0) <= a && b <= std::max(p1, q1)) continue;
            return false;
        }
        return true;
    }

    bool valide_ = false;
    std::int32_t t_ = 0;
    std::int64_t diametre_ = 1, largeur_ = 0;
    Motif point_;
    std::vector<Motif> segments_;
};

// A cache: prepare(t) makes the shapes again whenever the width changes, so
// keeping them from one redraw to the next cannot change a pixel.
Atelier& atelier() {
    static Atelier instance;
    return instance;
}

// The image written directly: at a ratio of 1 (`dense` false) each logical
// pixel is one device pixel; else the device pixels it covers. The choice is
// made once per series, so that the usual ratio pays nothing for the other.
template <bool dense>
struct Image {
    std::uint32_t* bits;
    qsizetype mots_par_ligne;
    int largeur, hauteur;  // logical
    std::uint32_t couleur;
    qreal ratio;  // device pixels per logical pixel
    int largeur_device, hauteur_device;

    // Logical row y from x0 to x1 (0 <= y < hauteur).
    void remplit(std::int64_t y, std::int64_t x0, std::int64_t x1) const {
        x0 = std::max<std::int64_t>(x0, 0);
        x1 = std::min<std::int64_t>(x1, largeur - 1);
        if (x0 > x1) return;
        if constexpr (!dense) {
            std::uint32_t* ligne = bits + y * mots_par_ligne;
            std::fill(ligne + x0, ligne + x1 + 1, couleur);
            return;
        }
        // The device pixels the painter would fill for this logical span.
        const PixelsDevice lignes = pixels_device(y, y + 1, ratio);
        const PixelsDevice colonnes = pixels_device(x0, x1 + 1, ratio);
        const std::int64_t c0 = colonnes.premier, c1 = std::min<std::int64_t>(colonnes.dernier, largeur_device - 1);
        if (c0 > c1) return;
        for (std::int64_t d = lignes.premier; d <= std::min<std::int64_t>(lignes.dernier, hauteur_device - 1); ++d) {
            std::uint32_t* ligne = bits + d * mots_par_ligne;
            std::fill(ligne + c0, ligne + c1 + 1, couleur);
        }
    }

    void tamponne(const Motif& m, QPoint p) const {
        if (m.lignes.empty()) return;
        const std::int64_t haut = std::int64_t{p.y()} + m.y_min;
        const std::int64_t lignes = static_cast<std::int64_t>(m.lignes.size());
        if (std::int64_t{p.x()} + m.x_max < 0 || std::int64_t{p.x()} + m.x_min >= largeur) return;
        if (haut + lignes <= 0 || haut >= hauteur) return;
        const std::int64_t i0 = std::max<std::int64_t>(0, -haut);
        const std::int64_t i1 = std::min<std::int64_t>(lignes, hauteur - haut);
        for (std::int64_t i = i0; i < i1; ++i) {
            const auto& l = m.lignes[static_cast<std::size_t>(i)];
            if (l.first > l.second) continue;
            remplit(haut + i, std::int64_t{p.x()} + l.first, std::int64_t{p.x()} + l.second);
        }
    }

    void trace(QPoint p, QPoint q, std::int64_t largeur_stylo) const {
        const Trait trait(p, q, largeur_stylo);
        const std::int64_t premiere = std::max<std::int64_t>(trait.premiere_ligne(), 0);
        const std::int64_t derniere = std::min<std::int64_t>(trait.derniere_ligne(), hauteur - 1);
        for (std::int64_t y = premiere; y <= derniere; ++y) {
            std::int64_t x0 = 0, x1 = -1;
            if (trait.travee(y, x0, x1)) remplit(y, x0, x1);
        }
    }
};

// The dots and the segments of a series onto the image.
template <bool dense>
void dessine(const Image<dense>& image, Atelier& a, const std::vector<QPoint>& points) {
    // Dots, once per pixel position.
    if (a.diametre() >= 2) {
        static std::vector<std::uint8_t> vu;  // kept for its storage only: filled anew below
        vu.assign(static_cast<std::size_t>(image.largeur) * static_cast<std::size_t>(image.hauteur), 0);
        const Motif* point = a.point();
        QPoint dehors_precedent(0, 0);
        bool dehors_vu = false;
        for (const QPoint& p : points) {
            if (p.x() >= 0 && p.y() >= 0 && p.x() < image.largeur && p.y() < image.hauteur) {
                std::uint8_t& v = vu[static_cast<std::size_t>(p.y()) * static_cast<std::size_t>(image.largeur) +
                                     static_cast<std::size_t>(p.x())];
                if (v) continue;
                v = 1;
            } else {
                if (dehors_vu && p == dehors_precedent) continue;
                dehors_vu = true;
                dehors_precedent = p;
            }
            if (point) {
                image.tamponne(*point, p);
            } else {
                image.trace(p, p, a.diametre());
            }
        }
    }

    // Segments. For each column of the image, the rows of one vertical segment
    // drawn there (the union of those drawn that overlap it): empty when first > second.
    static std::vector<std::pair<int, int>> colonnes;  // kept for its storage only: filled anew below
    colonnes.assign(static_cast<std::size_t>(image.largeur), {1, 0});
    for (std::size_t k = 1; k < points.size(); ++k) {
        const QPoint p = points[k - 1], q = points[k];
        if (k >= 2 && p == points[k - 2] && q == points[k - 1]) continue;
        // A one-pixel line of no length paints nothing, and so covers nothing.
        if (p.x() == q.x() && p.x() >= 0 && p.x() < image.largeur && (a.largeur() >= 2 || p != q)) {
            const int haut = std::min(p.y(), q.y()), bas = std::max(p.y(), q.y());
            auto& deja = colonnes[static_cast<std::size_t>(p.x())];
            if (deja.first <= haut && bas <= deja.second) continue;
            if (deja.first > deja.second || bas < deja.first || haut > deja.second) {
                // Apart from it (or the first): keep the longer of the two.
                if (deja.first > deja.second || bas - haut > deja.second - deja.first) deja = {haut, bas};
            } else {
                deja = {std::min(haut, deja.first), std::max(bas, deja.second)};
            }
        }
        const std::int64_t dx = std::int64_t{q.x()} - p.x(), dy = std::int64_t{q.y()} - p.y();
        const Motif* m = (std::abs(dx) <= PORTEE && std::abs(dy) <= PORTEE)
                             ? a.segment(static_cast<int>(dx), static_cast<int>(dy))
                             : nullptr;
        if (m) {
            if (!m->couvert) image.tamponne(*m, p);
        } else {
            image.trace(p, q, a.largeur());
        }
    }
}

}  // namespace

bool dessine_serie_rapide(Toile& toile, QRgb couleur, const std::vector<QPoint>& points, std::int32_t t) {
    qsizetype mots_par_ligne = 0;
    std::uint32_t* bits = toile.pixels_directs(mots_par_ligne);
    if (!bits) return false;
    Atelier& a = atelier();
    a.prepare(t);
    const QImage& dessin = toile.image();
    const int largeur = toile.taille().width(), hauteur = toile.taille().height();
    const std::uint32_t c = 0xFF000000u | couleur;
    const qreal ratio = dessin.devicePixelRatio();
    if (ratio == 1) {
        dessine(Image<false>{bits, mots_par_ligne, largeur, hauteur, c, ratio, largeur, hauteur}, a, points);
    } else {
        dessine(Image<true>{bits, mots_par_ligne, largeur, hauteur, c, ratio, dessin.width(), dessin.height()}, a,
                points);
    }
    return true;
}
