#pragma once
// The program's pictures, drawn in code: the folder of the "Target File"
// panel, the setup button and the picture of the about panel. The images are
// drawn at a device pixel ratio: `size` logical pixels, each `ratio` device
// pixels wide (plot/density.h).
#include <QImage>
#include <QPixmap>
#include <QSize>

// A yellow folder on a transparent background.
QImage image_dossier(QSize size, qreal ratio);
// A gear wheel, for the setup button.
QPixmap image_reglages(int side);
// A decay histogram with its exponential curve and the Tau line.
QImage image_a_propos(QSize size, qreal ratio);
