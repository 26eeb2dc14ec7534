#pragma once
// The pixels a pen paints, defined here once so that every way of drawing
// (one stroke at a time, or the batched series drawing) paints the same pixels.
//
// Pixel (x, y) has its centre at (x + 0.5, y + 0.5). A line from P to Q with a
// pen of width w paints:
//  - w <= 1: the one-pixel line from P to Q, both end pixels included; a
//    zero-length line paints nothing (so a dot of width 1 leaves no mark);
//  - w >= 2: every pixel whose centre lies within w / 2 of the segment PQ, ends
//    rounded. With an odd width the segment joins the centres of pixels P and Q;
//    with an even width it joins their top-left corners, so that a width-2 line
//    is two pixels thick. A zero-length line is a filled round dot of diameter w
//    centred on P (odd w).
// The shape only depends on Q - P and w: moved by whole pixels it stays the same.
#include <QPoint>
#include <cstdint>

// Pixel coordinates of strokes lie within +-LIMITE_PIXEL; farther points are
// refused with a floating-point overflow when they are computed.
constexpr std::int64_t LIMITE_PIXEL = std::int64_t{1} << 28;
// Wider pens are drawn with this width.
constexpr std::int64_t LARGEUR_STYLO_MAX = 65535;

class Trait {
public:
    // p, q within +-LIMITE_PIXEL.
    Trait(QPoint p, QPoint q, std::int64_t largeur);

    // Rows the stroke may touch (a few more than it does); first > last when it paints nothing.
    std::int64_t premiere_ligne() const { return premiere_; }
    std::int64_t derniere_ligne() const { return derniere_; }

    // The pixels of row y: x0..x1 inclusive. False when the row has none.
    bool travee(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const;

    // Whether the pixel (x, y) belongs to the stroke.
    bool contient(std::int64_t x, std::int64_t y) const;

private:
    bool ligne_fine_travee(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const;
    bool large_travee(std::int64_t y, std::int64_t& x0, std::int64_t& x1) const;
    bool large_contient(std::int64_t q, std::int64_t r) const;  // relative to P

    std::int64_t px_, py_, dx_, dy_;
    std::int64_t largeur_;  // 1 for the one-pixel line, else 2..LARGEUR_STYLO_MAX
    std::int64_t e_;        // 1 for an even width (segment on pixel corners), else 0
    std::int64_t premiere_ = 0, derniere_ = -1;
};
