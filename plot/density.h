#pragma once
// Images drawn at a screen's device pixel ratio. The drawing works in logical
// pixels (the image control's size); the image holds ratio x as many device
// pixels in each direction, so that a high-density screen shows it sharp.
// At a ratio of 1 both are the same pixels.
#include <QImage>
#include <QSize>
#include <QtGlobal>
#include <cstdint>

// The device size of an image of `logique` logical pixels at `ratio`: each side
// times the ratio, rounded as the painter rounds the edges of a rectangle.
inline QSize taille_device(QSize logique, qreal ratio) {
    return {qRound(logique.width() * ratio), qRound(logique.height() * ratio)};
}

// The logical size an image is drawn in: its device size over its ratio, the
// inverse of taille_device for ratios of 1 and more.
inline QSize taille_logique(const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    if (ratio == 1) return image.size();
    return {qRound(image.width() / ratio), qRound(image.height() / ratio)};
}

// The device pixels that logical pixels debut..fin - 1 of one row or column
// cover: those the painter fills for a logical rectangle with these edges,
// qRound(debut x ratio) .. qRound(fin x ratio) - 1 (for debut, fin >= 0).
struct PixelsDevice {
    std::int64_t premier, dernier;  // none when premier > dernier
};
inline PixelsDevice pixels_device(std::int64_t debut, std::int64_t fin, qreal ratio) {
    return {static_cast<std::int64_t>(static_cast<double>(debut) * ratio + 0.5),
            static_cast<std::int64_t>(static_cast<double>(fin) * ratio + 0.5) - 1};
}
