#include "plot/plot_font.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

// No plot needs a bigger font; the bound stops the search for a font that never
// reaches the height (no font installed at all).
constexpr int TAILLE_MAX = 1 << 14;

int cellule(QFont police, int taille) {
    police.setPixelSize(taille);
    const QFontMetrics mesures(police);
    return mesures.ascent() + mesures.descent();
}

}  // namespace

QFont police_de_cellule(QFont police, int hauteur) {
    hauteur = std::max(1, hauteur);
    // The cell grows with the pixel size: the smallest size whose cell reaches
    // the height, found by doubling then halving (a few font lookups, which the
    // font engine keeps from one redraw to the next).
    int haut = std::min(hauteur, TAILLE_MAX);
    while (haut < TAILLE_MAX && cellule(police, haut) < hauteur) haut = std::min(2 * haut, TAILLE_MAX);
    int bas = 1;
    while (bas < haut) {
        const int milieu = bas + (haut - bas) / 2;
        if (cellule(police, milieu) >= hauteur) {
            haut = milieu;
        } else {
            bas = milieu + 1;
        }
    }
    // A height the font cannot give exactly: the size below when it is as near.
    if (bas > 1) {
        const int dessus = cellule(police, bas);
        if (dessus > hauteur && hauteur - cellule(police, bas - 1) <= dessus - hauteur) --bas;
    }
    police.setPixelSize(bas);
    return police;
}
