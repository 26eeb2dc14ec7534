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

CoteACote a_cote(QRect disponible, QRect principale, QSize taille) {
    const int largeur = taille.width();
    const int gauche = disponible.left();
    const int droite = disponible.right() + 1;
    // How far the main window would move left to make room at its right, and right to make room at its left.
    const int vers_la_gauche = std::max(0, principale.right() + 1 + largeur - droite);
    const int vers_la_droite = std::max(0, gauche - (principale.left() - largeur));
    CoteACote c{principale.topLeft(), {}};
    if (vers_la_gauche == 0) {
        c.fenetre = QPoint(principale.right() + 1, principale.top());
    } else if (vers_la_droite == 0) {
        c.fenetre = QPoint(principale.left() - largeur, principale.top());
    } else if (principale.width() + largeur <= disponible.width()) {
        if (vers_la_gauche <= vers_la_droite) {
            c.principale.rx() -= vers_la_gauche;
            c.fenetre = QPoint(c.principale.x() + principale.width(), principale.top());
        } else {
            c.principale.rx() += vers_la_droite;
            c.fenetre = QPoint(c.principale.x() - largeur, principale.top());
        }
    } else {
        c.fenetre = principale.center() - QPoint(largeur / 2, taille.height() / 2);
    }
    c.fenetre = coin_dans(disponible, c.fenetre, taille);
    return c;
}

bool barre_visible(const QList<QRect>& ecrans, QRect cadre, int barre) {
    const QRect haut(cadre.topLeft(), QSize(cadre.width(), std::max(1, barre)));
    for (const QRect& e : ecrans)
        if (e.intersects(haut)) return true;
    return false;
}

}  // namespace placement
