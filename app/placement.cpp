#include "app/placement.h"

#include <algorithm>

namespace placement {

int debut_centre(int ecran, int fenetre) { return fenetre < ecran ? (ecran - fenetre) / 2 : 0; }

QSize taille_sur_l_ecran(QSize voulue, QSize disponible, QSize contenu, QSize cadre, int barre) {
    QSize taille = voulue.boundedTo(disponible);
    const QSize dedans = taille - cadre;
    // Where the content scrolls one way, the other side grows to hold it
    // beside that scroll bar, if the area has room for that.
    const int large = contenu.width() + cadre.width() + barre;
    const int haut = contenu.height() + cadre.height() + barre;
    if (dedans.height() < contenu.height() && large <= disponible.width()) {
        taille.setWidth(std::max(taille.width(), large));
    }
    if (dedans.width() < contenu.width() && haut <= disponible.height()) {
        taille.setHeight(std::max(taille.height(), haut));
    }
    return taille;
}

QPoint coin_dans(QRect disponible, QPoint coin, QSize taille) {
    // The far edges first, then the near ones: those win when the frame is larger.
    const int x = std::max(disponible.left(), std::min(coin.x(), disponible.right() + 1 - taille.width()));
    const int y = std::max(disponible.top(), std::min(coin.y(), disponible.bottom() + 1 - taille.height()));
    return {x, y};
}

QPoint a_cote(QRect disponible, QRect principale, QSize taille) {
    QPoint coin;
    if (principale.right() + 1 + taille.width() <= disponible.right() + 1) {
        coin = QPoint(principale.right() + 1, principale.top());
    } else if (principale.left() - taille.width() >= disponible.left()) {
        coin = QPoint(principale.left() - taille.width(), principale.top());
    } else {
        coin = principale.center() - QPoint(taille.width() / 2, taille.height() / 2);
    }
    return coin_dans(disponible, coin, taille);
}

}  // namespace placement
