#pragma once
// Sizing a font by its character cell: the height from the top of its ascent to
// the bottom of its descent, internal leading included, rather than by its em.
#include <QFont>

// The font with the family and style of `police` whose cell (ascent + descent, as
// QFontMetrics reports them for the font actually used) is nearest to `hauteur`
// pixels; between two equally near, the smaller, so that text stays within its
// place. A height under one pixel counts as one. The font is sized in whole
// pixels: the font engine rounds a fractional size to a whole pixel anyway.
QFont police_de_cellule(QFont police, int hauteur);
