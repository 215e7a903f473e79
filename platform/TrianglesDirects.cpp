#include "platform/TrianglesDirects.h"
#include "platform/SegmentsDirects.h"

#include <algorithm>
#include <cstdint>

namespace kelmo {

bool RemplitTriangleDirect(QImage& image, const QPoint* coins, QRgb couleur)
{
    if (!coins || image.isNull() || !AccepteSegmentsDirects(image))
        return false;
    const QPoint& a = coins[0];
    const QPoint& b = coins[1];
    const QPoint& c = coins[2];
    const int xMin = std::min({a.x(), b.x(), c.x()}), xMax = std::max({a.x(), b.x(), c.x()});
    const int yMin = std::min({a.y(), b.y(), c.y()}), yMax = std::max({a.y(), b.y(), c.y()});
    // The crossings lie within [xMin, xMax], so the pixels filled within
    // [xMin, xMax); the box inside the image leaves no pixel to cut.
    if (xMin < 0 || yMin < 0 || xMax > image.width() || yMax > image.height() || xMax - xMin > CoteMaxTriangleDirect
        || yMax - yMin > CoteMaxTriangleDirect)
        return false;

    // The sides that cross scanlines, each from its upper end.
    struct Cote {
        int yHaut, yBas;
        int64_t x0;    // 16.16, the upper end
        int64_t pente; // 16.16 per pixel down, truncated toward zero
    };
    Cote cotes[3];
    int nombre = 0;
    for (int i = 0; i < 3; ++i) {
        QPoint p = coins[i], q = coins[(i + 1) % 3];
        if (p.y() == q.y())
            continue;
        if (p.y() > q.y())
            std::swap(p, q);
        const int64_t dx = q.x() - p.x(), dy = q.y() - p.y();
        cotes[nombre++] = Cote{p.y(), q.y(), int64_t(p.x()) * 65536, dx * 65536 / dy};
    }
    if (nombre < 2)
        return true; // a flat triangle covers no scanline middle: nothing to fill
    uchar* const bits = image.bits();
    const qsizetype ligne = image.bytesPerLine();
    for (int y = yMin; y < yMax; ++y) {
        // A closed triangle crosses a scanline middle twice or not at all:
        // no corner lies on it, the corners being on whole pixel rows.
        int64_t x[3];
        int n = 0;
        for (int i = 0; i < nombre; ++i) {
            const Cote& s = cotes[i];
            if (y >= s.yHaut && y < s.yBas)
                x[n++] = s.x0 + s.pente * (2 * int64_t(y - s.yHaut) + 1) / 2;
        }
        if (n != 2)
            continue;
        if (x[1] < x[0])
            std::swap(x[0], x[1]);
        const int debut = static_cast<int>((x[0] + 32768) >> 16);
        const int fin = static_cast<int>((x[1] + 32768) >> 16);
        QRgb* p = reinterpret_cast<QRgb*>(bits + y * ligne);
        std::fill(p + debut, p + std::max(debut, fin), couleur);
    }
    return true;
}

bool PolygoneHorsImage(const QPoint* points, int nombre, int64_t marge, const QSize& image)
{
    if (!points || nombre <= 0)
        return true;
    // 64 bits: the corners may lie anywhere an int reaches.
    int64_t xMin = points[0].x(), xMax = xMin, yMin = points[0].y(), yMax = yMin;
    for (int i = 1; i < nombre; ++i) {
        xMin = std::min<int64_t>(xMin, points[i].x());
        xMax = std::max<int64_t>(xMax, points[i].x());
        yMin = std::min<int64_t>(yMin, points[i].y());
        yMax = std::max<int64_t>(yMax, points[i].y());
    }
    const int64_t m = std::clamp<int64_t>(marge, 0, int64_t{1} << 40);
    return xMax + m < 0 || yMax + m < 0 || xMin - m >= image.width() || yMin - m >= image.height();
}

} // namespace kelmo
