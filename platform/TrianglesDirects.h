#pragma once
// Small solid triangles of whole-pixel corners filled straight into a
// 32-bit image, without a painter and without an outline: the relief sends a
// hundred and fifty thousand facets a few pixels wide, and opening the
// painter's fill for each costs far more than its pixels.
//
// The pixels are those the painter's aliased fill gives the same triangle:
// each scanline is sampled at its middle (y + 0.5), every side crossing it is
// found in 16.16 fixed point (the slope truncated toward zero, the crossing
// taken from the side's upper end), and the pixels from the left crossing
// rounded to the right one rounded, the last excluded, are filled. Ties at
// half pixels thus fall where the truncated slope puts them, as the
// painter's own do.
#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QSize>

#include <cstdint>

namespace kelmo {

// The widest and tallest triangle filled this way; larger ones go to the
// painter, whose fixed-point steps this writer was checked against only up
// to this size.
constexpr int CoteMaxTriangleDirect = 128;

// Fills the triangle when the image is one AccepteSegmentsDirects takes, the
// triangle's box lies within the image and spans at most
// CoteMaxTriangleDirect pixels each way; returns false, writing nothing,
// otherwise. The image must not be shared with another QImage.
bool RemplitTriangleDirect(QImage& image, const QPoint* coins, QRgb couleur);

// True when the polygon's box, widened on every side by `marge` pixels,
// misses an image of the given size: neither its fill nor a pen reaching
// at most `marge` pixels from its sides can touch a pixel of it. A relief
// seen at a large scale sends most of its facets off the picture, and
// opening the painter for each costs far more than this test.
bool PolygoneHorsImage(const QPoint* points, int nombre, int64_t marge, const QSize& image);

} // namespace kelmo
