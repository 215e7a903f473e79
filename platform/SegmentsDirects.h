#pragma once
// Solid lines of one colour written straight into a 32-bit image, without a
// painter: the map redraw sends a hundred thousand short segments per link
// type, and the painter's stroker for wide pens costs far more than the
// pixels. The bitmap picture draws its copy-mode segments this way, and the
// metafile player its line runs when it paints on such an image without
// scaling, so both pictures get the very same pixels.
//
// A line w pixels wide is w one-pixel lines side by side across its main
// direction (the first one (w - 1) / 2 pixels before the line); each
// one-pixel line is cut to the image, its ends rounded to nearest, then
// drawn from its first end to its second by Bresenham's rule.
#include <QImage>
#include <QLine>
#include <QRgb>

namespace kelmo {

// True for the image formats the writer handles (32 bits a pixel).
bool AccepteSegmentsDirects(const QImage& image);

// Draws the segments in order. The image must be one AccepteSegmentsDirects
// takes and must not be shared with another QImage; a width below 1 draws 1.
void TraceSegmentsDirects(QImage& image, const QLine* segments, int nombre, QRgb couleur, int largeur);

} // namespace kelmo
