#pragma once
// Where the windows stand on the screen: the main window's size and place on
// a screen that may be smaller than it, and the fit window beside it. Every
// rectangle is a window's frame (title bar and borders included) or a
// screen's available area, in the desktop's coordinates.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace placement {

// Where a window of the given extent starts so that it is centred on the
// screen's extent; a window as large as the screen or larger starts at 0.
int debut_centre(int ecran, int fenetre);

// The outer size of the main window on an available area `disponible`: the
// wanted size `voulue`, each side cut to the area. Where the content
// (`contenu`, inside a frame that adds `cadre`) is then cut, it scrolls that
// way; the other side grows to hold the content beside the scroll bar
// (`barre`) that appears, where the area has room for that, so that the
// content does not scroll that way too.
QSize taille_sur_l_ecran(QSize voulue, QSize disponible, QSize contenu, QSize cadre, int barre);

// The top-left corner nearest to `coin` at which a frame of size `taille` lies
// within `disponible`; a frame larger than the area keeps its top-left corner,
// and so its title bar, inside it.
QPoint coin_dans(QRect disponible, QPoint coin, QSize taille);

// Where the two frames stand when the fit window, of size `taille`, opens
// beside the main window's frame `principale`: right of it or else left of
// it, level with its top, where the area has room for the whole width. Where
// neither side has room but the area is wide enough for both, the main window
// moves sideways the least that makes room (the fit window then goes right of
// it on a tie). Else the main window stays and the fit window is centred over
// it. The fit window is in every case moved into `disponible` as coin_dans does.
struct CoteACote {
    QPoint principale;  // the main window's frame's new top-left corner
    QPoint fenetre;     // the fit window's
};
CoteACote a_cote(QRect disponible, QRect principale, QSize taille);

// Whether a frame's title bar (its top edge, `barre` high) shows on one of the
// screens' available areas: not where a screen that was unplugged stood.
bool barre_visible(const QList<QRect>& ecrans, QRect cadre, int barre);

}  // namespace placement
