#pragma once
// The batched drawing of a series: the pixels of a dot of width 2t + 1 at every
// point and of a line of width t between consecutive points, the same as one
// stroke per dot and per segment. Used by trace_serie.
#include "plot/rendering.h"

#include <QPoint>
#include <cstdint>
#include <vector>

// False when the image cannot be written directly (the caller then draws stroke by stroke).
bool dessine_serie_rapide(Toile& toile, QRgb couleur, const std::vector<QPoint>& points, std::int32_t t);
