#include "plot/rendering.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/numbers.h"
#include "plot/density.h"
#include "plot/plot_font.h"
#include "plot/scales.h"
#include "plot/series_fast.h"
#include "plot/strokes.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr QRgb BLANC = qRgb(255, 255, 255);
constexpr QRgb BLEU = qRgb(0, 0, 255);
constexpr QRgb BLEU_MARINE = qRgb(0, 0, 128);
constexpr QRgb ROUGE = qRgb(255, 0, 0);

// The pixel coordinate origin + sens x round(v / echelle x taille), as vers_pixel.
std::int32_t coordonnee(long double v, long double echelle, std::int32_t taille, std::int32_t origine, int sens) {
    const std::int64_t r = platform::round_to_int(platform::checked_div(v, echelle) * taille);
    const std::int64_t c = origine + sens * r;
    if (c > LIMITE_PIXEL || c < -LIMITE_PIXEL) platform::raise_overflow();
    return static_cast<std::int32_t>(c);
}

// The same arithmetic without raising: false when vers_pixel has to decide (an error, or a far pixel).
inline bool coordonnee_rapide(long double v, long double echelle, std::int32_t taille, std::int32_t origine, int sens,
                              std::int32_t& c) {
    if (echelle == 0) return false;
    const long double r = std::rint(v / echelle * taille);
    if (!(std::fabs(r) < static_cast<long double>(LIMITE_PIXEL))) return false;
    // r is whole: converted in the rounding mode in force, where a cast would
    // switch the processor to truncation and back for each coordinate (slow,
    // and several times slower still for some placements of the series in memory).
    const std::int64_t p = origine + sens * static_cast<std::int64_t>(std::llrint(r));
    if (p > LIMITE_PIXEL || p < -LIMITE_PIXEL) return false;
    c = static_cast<std::int32_t>(p);
    return true;
}

// The positions of the series of plot s: the records at 1..nb_points[1] (position 0
// is the time origin, no record), the classes at 0..nb_points[2] - 1.
void positions(const RecordStore& store, int s, std::int32_t& debut, std::int32_t& fin) {
    const std::int32_t nb = store.nb_points[s];
    if (s == 1) {
        debut = 1;
        fin = std::min(nb, NB_MAX_DONNEES) + 1;
    } else {
        debut = 0;
        fin = std::min(nb, NB_MAX_DONNEES + 1);
    }
    if (fin < debut) fin = debut;
}

// One stroke per dot and per segment, in the order of the series.
void trace_serie_simple(Toile& toile, const Repere& repere, const RecordStore& store, const Epaisseur& epaisseur,
                        QRgb couleur, long double decalage, std::int32_t debut, std::int32_t fin) {
    const auto& xs = store.serie_x[repere.n];
    const auto& ys = store.serie_y[repere.n];
    for (std::int32_t k = debut; k < fin; ++k) {
        std::int64_t t = epaisseur.lue();
        toile.largeur_stylo = 2 * t + 1;
        trace_point(toile, repere, couleur, decalage + xs[k], ys[k]);
        if (k > debut) {
            t = epaisseur.lue();
            toile.largeur_stylo = t;
            trace_ligne(toile, repere, couleur, decalage + xs[k - 1], ys[k - 1], decalage + xs[k], ys[k]);
        }
    }
}

}  // namespace

// --- The drawing surface

Toile::Toile(QImage& image) : image_(image), taille_(taille_logique(image)) {}

Toile::~Toile() {
    if (peintre_.isActive()) peintre_.end();
}

QPainter& Toile::peintre() {
    if (!peintre_.isActive()) {
        police_posee_ = false;
        peintre_.begin(&image_);
        peintre_.setRenderHint(QPainter::Antialiasing, false);
        peintre_.setRenderHint(QPainter::TextAntialiasing, false);
    }
    return peintre_;
}

std::uint32_t* Toile::pixels_directs(qsizetype& mots_par_ligne) {
    const QImage::Format f = image_.format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    if (peintre_.isActive()) peintre_.end();
    mots_par_ligne = image_.bytesPerLine() / 4;
    return reinterpret_cast<std::uint32_t*>(image_.bits());
}

void Toile::trace_vers(QPoint p) {
    const Trait trait(position_, p, largeur_stylo);
    position_ = p;
    const std::int64_t premiere = std::max<std::int64_t>(trait.premiere_ligne(), 0);
    const std::int64_t derniere = std::min<std::int64_t>(trait.derniere_ligne(), taille_.height() - 1);
    if (premiere > derniere) return;
    QPainter& pinceau = peintre();
    const QColor couleur(couleur_stylo);
    for (std::int64_t y = premiere; y <= derniere; ++y) {
        std::int64_t x0 = 0, x1 = 0;
        if (!trait.travee(y, x0, x1)) continue;
        x0 = std::max<std::int64_t>(x0, 0);
        x1 = std::min<std::int64_t>(x1, taille_.width() - 1);
        if (x0 > x1) continue;
        pinceau.fillRect(QRect(static_cast<int>(x0), static_cast<int>(y), static_cast<int>(x1 - x0 + 1), 1), couleur);
    }
}

void Toile::remplit_rectangle(const QRect& r) {
    if (!pinceau_plein) return;
    peintre().fillRect(r, QColor(couleur_pinceau));
}

void Toile::pose_la_police() {
    QPainter& pinceau = peintre();
    if (!police_posee_ || !(police == police_du_peintre_)) {
        pinceau.setFont(police);
        police_du_peintre_ = police;
        police_posee_ = true;
    }
}

QFontMetrics Toile::mesures() {
    pose_la_police();
    return peintre().fontMetrics();
}

void Toile::ecrit(QPoint p, const QString& texte) {
    pose_la_police();
    QPainter& pinceau = peintre();
    pinceau.setPen(QColor(couleur_police));
    pinceau.setBackgroundMode(pinceau_plein ? Qt::OpaqueMode : Qt::TransparentMode);
    pinceau.setBackground(QColor(couleur_pinceau));
    const QFontMetrics mesures = pinceau.fontMetrics();
    int x = p.x();
    switch (alignement & ALIGNE_CENTRE) {
        case ALIGNE_CENTRE: x -= mesures.horizontalAdvance(texte) / 2; break;
        case ALIGNE_DROITE: x -= mesures.horizontalAdvance(texte); break;
        default: break;
    }
    int y = p.y();
    switch (alignement & ALIGNE_LIGNE_DE_BASE) {
        case ALIGNE_LIGNE_DE_BASE: break;
        case ALIGNE_BAS: y -= mesures.descent(); break;
        default: y += mesures.ascent(); break;
    }
    pinceau.drawText(QPoint(x, y), texte);
}

// --- Geometry

std::int32_t taille_relative(const Repere& repere, std::int32_t n) {
    return static_cast<std::int32_t>(std::int64_t{n} * repere.cadre.largeur_trace[repere.n] / 1000);
}

QPoint vers_pixel(const Repere& repere, long double x, long double y) {
    const int s = repere.n;
    const PlotFrame& cadre = repere.cadre;
    const std::int32_t px = coordonnee(x, repere.echelles.echelle_x[s], cadre.largeur_trace[s], cadre.origine_x[s], 1);
    const std::int32_t py = coordonnee(y, repere.echelles.echelle_y[s], cadre.hauteur_trace[s], cadre.origine_y[s], -1);
    return {px, py};
}

// --- Drawing operations

void remplit_fond(Toile& toile, int largeur, int hauteur, QRgb couleur) {
    toile.couleur_pinceau = couleur;
    toile.pinceau_plein = true;
    toile.remplit_rectangle(QRect(0, 0, largeur, hauteur));
}

void trace_segment(Toile& toile, int x1, int y1, int x2, int y2) {
    toile.deplace_vers(QPoint(x1, y1));
    toile.trace_vers(QPoint(x2, y2));
}

void ecrit_texte(Toile& toile, int x, int y, const QString& texte, char h, char v) {
    toile.pinceau_plein = false;
    const int avant = toile.alignement;
    const int horizontal = h == 'c' ? ALIGNE_CENTRE : h == 'g' ? ALIGNE_DROITE : ALIGNE_GAUCHE;
    const int vertical = v == 'h' ? ALIGNE_BAS : v == 'L' ? ALIGNE_LIGNE_DE_BASE : ALIGNE_HAUT;
    toile.alignement = horizontal + vertical;
    toile.ecrit(QPoint(x, y), texte);
    toile.alignement = avant;
}

namespace {
// The number of labelled intervals of an axis: span / step truncated, at least 1.
std::int32_t intervalles(long double echelle, long double pas) {
    std::int32_t n = platform::trunc_to_int(platform::checked_div(echelle, pas));
    return n == 0 ? 1 : n;
}

// The labels of ticks 0..n: the step accumulated from 0.
std::vector<QString> etiquettes(std::int32_t n, long double pas) {
    std::vector<QString> textes;
    textes.reserve(static_cast<std::size_t>(n) + 1);
    long double v = 0;
    for (std::int32_t k = 0; k <= n; ++k) {
        textes.push_back(platform::general(v));
        v += pas;
    }
    return textes;
}

// The room kept between two labels side by side: a third of a digit's width,
// so that two numbers never read as one.
int ecart_entre_etiquettes(const QFontMetrics& mesures) {
    return (mesures.horizontalAdvance(QLatin1Char('0')) + 2) / 3;
}
}  // namespace

std::int32_t pas_des_etiquettes(const std::vector<Etendue>& etiquettes, int ecart) {
    const auto nombre = static_cast<std::int64_t>(etiquettes.size());
    const auto libres = [&](std::int64_t a, std::int64_t b) {
        const Etendue& e = etiquettes[static_cast<std::size_t>(a)];
        const Etendue& f = etiquettes[static_cast<std::size_t>(b)];
        return std::int64_t{e.fin} + ecart <= f.debut || std::int64_t{f.fin} + ecart <= e.debut;
    };
    for (std::int64_t decade = 1;; decade *= 10) {
        for (const std::int64_t facteur : {1, 2, 5}) {
            const std::int64_t pas = facteur * decade;
            // Only the origin's label left: nothing it can run into.
            if (pas >= nombre) return static_cast<std::int32_t>(pas);
            bool ok = true;
            for (std::int64_t k = pas; k < nombre && ok; k += pas) ok = libres(k - pas, k);
            if (ok) return static_cast<std::int32_t>(pas);
        }
    }
}

void trace_axe_x(Toile& toile, const Repere& repere) {
    const int s = repere.n;
    const long double pas = repere.echelles.pas_x[s];
    const std::int32_t n = intervalles(repere.echelles.echelle_x[s], pas);
    const PlotFrame& cadre = repere.cadre;
    const std::int32_t ox = cadre.origine_x[s], oy = cadre.origine_y[s], lt = cadre.largeur_trace[s];
    toile.couleur_stylo = BLEU;
    toile.largeur_stylo = 1;
    trace_segment(toile, ox, oy, ox + lt + taille_relative(repere, 20), oy);
    const auto xs = [&](std::int32_t k) { return static_cast<int>(ox + std::int64_t{lt} * k / n); };
    const std::vector<QString> textes = etiquettes(n, pas);
    const QFontMetrics mesures = toile.mesures();
    std::vector<Etendue> etendues;
    etendues.reserve(textes.size());
    for (std::int32_t k = 0; k <= n; ++k) {
        // Centred as ecrit_texte places it.
        const int largeur = mesures.horizontalAdvance(textes[static_cast<std::size_t>(k)]);
        const int debut = xs(k) - largeur / 2;
        etendues.push_back({debut, debut + largeur});
    }
    const std::int32_t une_sur = pas_des_etiquettes(etendues, ecart_entre_etiquettes(mesures));
    for (std::int32_t k = 0; k <= n; ++k) {
        const int x = xs(k);
        trace_segment(toile, x, oy, x, oy + taille_relative(repere, 10));
        if (k % une_sur == 0) ecrit_texte(toile, x, oy + 1, textes[static_cast<std::size_t>(k)], 'c', 'b');
    }
}

void trace_axe_y(Toile& toile, const Repere& repere) {
    const int s = repere.n;
    const long double pas = repere.echelles.pas_y[s];
    const std::int32_t n = intervalles(repere.echelles.echelle_y[s], pas);
    const PlotFrame& cadre = repere.cadre;
    const std::int32_t ox = cadre.origine_x[s], oy = cadre.origine_y[s], ht = cadre.hauteur_trace[s];
    toile.couleur_stylo = BLEU;
    toile.largeur_stylo = 1;
    trace_segment(toile, ox, oy, ox, oy - ht - taille_relative(repere, 20));
    const auto ys = [&](std::int32_t k) { return static_cast<int>(oy - std::int64_t{ht} * k / n); };
    const std::vector<QString> textes = etiquettes(n, pas);
    const QFontMetrics mesures = toile.mesures();
    std::vector<Etendue> etendues;
    etendues.reserve(textes.size());
    for (std::int32_t k = 0; k <= n; ++k) {
        // The character cell around the baseline ecrit_texte takes, upwards along the axis.
        const int ligne_de_base = ys(k) + taille_relative(repere, 10);
        etendues.push_back({-(ligne_de_base + mesures.descent()), -(ligne_de_base - mesures.ascent())});
    }
    const std::int32_t une_sur = pas_des_etiquettes(etendues, 0);
    for (std::int32_t k = 0; k <= n; ++k) {
        const int y = ys(k);
        trace_segment(toile, ox, y, ox - taille_relative(repere, 10), y);
        if (k % une_sur == 0) {
            ecrit_texte(toile, ox - 20, y + taille_relative(repere, 10), textes[static_cast<std::size_t>(k)], 'c', 'L');
        }
    }
}

void trace_point(Toile& toile, const Repere& repere, QRgb couleur, long double x, long double y) {
    toile.couleur_stylo = couleur;
    const QPoint p = vers_pixel(repere, x, y);
    toile.deplace_vers(p);
    toile.trace_vers(p);
}

void trace_ligne(Toile& toile, const Repere& repere, QRgb couleur, long double x1, long double y1, long double x2,
                 long double y2) {
    toile.couleur_stylo = couleur;
    const QPoint p = vers_pixel(repere, x1, y1);
    const QPoint q = vers_pixel(repere, x2, y2);
    toile.deplace_vers(p);
    toile.trace_vers(q);
}

void trace_serie(Toile& toile, const Repere& repere, const RecordStore& store, const ClassTable& classes,
                 const Epaisseur& epaisseur, Dessin dessin) {
    const int s = repere.n;
    const PlotFrame& cadre = repere.cadre;
    const QRgb couleur = cadre.couleur_serie[s];
    const long double decalage = s == 2 ? classes.largeur_classe / 2 : 0;
    std::int32_t debut = 0, fin = 0;
    positions(store, s, debut, fin);
    if (debut == fin) return;
    if (dessin == Dessin::simple) {
        trace_serie_simple(toile, repere, store, epaisseur, couleur, decalage, debut, fin);
        return;
    }

    // Batched: the thickness cannot change while the series is drawn, so it is
    // read once, where the stroke-by-stroke drawing reads it first.
    const std::int32_t t = epaisseur.lue();
    // Kept from one redraw to the next for its storage only (a cache: every
    // redraw clears it first, so it cannot change a result).
    static std::vector<QPoint> points;
    points.clear();
    points.reserve(static_cast<std::size_t>(fin - debut));
    const auto& xs = store.serie_x[s];
    const auto& ys = store.serie_y[s];
    const long double ex = repere.echelles.echelle_x[s], ey = repere.echelles.echelle_y[s];
    const std::int32_t lt = cadre.largeur_trace[s], ht = cadre.hauteur_trace[s];
    const std::int32_t ox = cadre.origine_x[s], oy = cadre.origine_y[s];
    for (std::int32_t k = debut; k < fin; ++k) {
        const long double x = decalage + xs[k];
        const long double y = ys[k];
        std::int32_t px = 0, py = 0;
        if (coordonnee_rapide(x, ex, lt, ox, 1, px) && coordonnee_rapide(y, ey, ht, oy, -1, py)) {
            points.emplace_back(px, py);
            continue;
        }
        try {
            points.push_back(vers_pixel(repere, x, y));
        } catch (...) {
            // The points before the failing one are drawn, as stroke by stroke.
            if (!dessine_serie_rapide(toile, couleur, points, t)) {
                trace_serie_simple(toile, repere, store, epaisseur, couleur, decalage, debut, k);
            }
            throw;
        }
    }
    if (!dessine_serie_rapide(toile, couleur, points, t)) {
        trace_serie_simple(toile, repere, store, epaisseur, couleur, decalage, debut, fin);
        return;
    }
    toile.couleur_stylo = couleur;
    toile.largeur_stylo = fin - debut >= 2 ? std::int64_t{t} : 2 * std::int64_t{t} + 1;
    toile.deplace_vers(points.back());
}

QFont police_graphe(int hauteur_image) {
    QFont police(QStringLiteral("Arial"));
    police.setBold(true);
    police.setStyleStrategy(QFont::NoAntialias);
    return police_de_cellule(police, hauteur_image / 25);  // an image under 25 pixels gets a one-pixel cell
}

void dessine_graphe(Toile& toile, const Repere& repere, const RecordStore& store, const ClassTable& classes,
                    const ParametresTrace& parametres) {
    const QSize taille = toile.taille();
    toile.police = police_graphe(taille.height());
    toile.couleur_police = BLEU_MARINE;
    remplit_fond(toile, taille.width(), taille.height(), BLANC);
    trace_axe_x(toile, repere);
    trace_axe_y(toile, repere);
    trace_serie(toile, repere, store, classes, parametres.epaisseur, parametres.dessin);
    ecrit_texte(toile, 50, 10, platform::name_part(parametres.fichier_donnees), 'd', 'b');
}

void trace_image(int n, QImage& image, const ParametresTrace& parametres, const TablesDuTrace& tables) {
    PlotFrame& cadre = tables.cadre;
    const QSize taille = taille_logique(image);
    cadre.largeur_trace[n] = taille.width() - 60;
    cadre.hauteur_trace[n] = taille.height() - 40;
    cadre.origine_x[n] = 40;
    cadre.origine_y[n] = cadre.hauteur_trace[n] + 10;
    const Repere repere{n, tables.echelles, cadre};
    Toile toile(image);
    dessine_graphe(toile, repere, tables.store, tables.classes, parametres);
    if (n == 2) {
        const long double tau = tables.classes.Tau;
        trace_ligne(toile, repere, ROUGE, tau, 0, tau, tables.echelles.echelle_y[2] / 2);
        trace_ligne(toile, repere, ROUGE, 0, 10 * tables.classes.C0, tau, 0);
    }
}

std::int32_t Epaisseur::lue() const {
    if (!erreur.isEmpty()) throw platform::Error(erreur);
    return pixels;
}

void redessine_graphe(int n, QImage& image, long double echelle_x, long double echelle_y,
                      const ParametresTrace& parametres, const TablesDuTrace& tables) {
    tables.store.serie_courante = n;
    prend_echelles(n, echelle_x, echelle_y, tables.echelles);
    trace_image(n, image, parametres, tables);
}
