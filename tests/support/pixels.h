#pragma once
// The pixels of an image that have a given colour, to compare drawings.
#include <QImage>
#include <QRect>
#include <QRgb>
#include <set>
#include <utility>

using Pixels = std::set<std::pair<int, int>>;

// The pixels of `couleur` inside `zone` (the whole image when null).
inline Pixels de_couleur(const QImage& image, QRgb couleur, QRect zone = {}) {
    if (zone.isNull()) zone = image.rect();
    Pixels p;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (image.pixel(x, y) == couleur) p.insert({x, y});
    return p;
}

// How many pixels of `couleur` inside `zone`.
inline std::size_t compte(const QImage& image, QRgb couleur, QRect zone = {}) {
    return de_couleur(image, couleur, zone).size();
}
