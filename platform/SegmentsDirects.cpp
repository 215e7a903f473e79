#include "platform/SegmentsDirects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kelmo {

namespace {

// Liang-Barsky: the part of the segment inside [0, l) x [0, h), false when
// nothing of it is.
bool coupe(double& x1, double& y1, double& x2, double& y2, double l, double h)
{
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1, l - 1 - x1, y1, h - 1 - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
        } else {
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1)
                return false;
        }
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

// Bresenham from (ax, ay) to (bx, by): calls point(x, y) on every pixel.
template <class Point>
void bresenham(int ax, int ay, int bx, int by, Point&& point)
{
    const int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        point(ax, ay);
        if (ax == bx && ay == by)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
}

// Bresenham's walk of a segment that lies inside the image with its whole
// width, painting `largeur` pixels across at each step (W: the width known
// at compile time, 0 when it is not). The same pixels as bresenham() on
// each one-pixel line: along the main direction that walk steps at every
// pixel, and across it exactly when the error term says so.
template <int W>
void marche(QRgb* pixels, qsizetype pas, const QLine& s, QRgb couleur, int largeur, int premier)
{
    const int n = W > 0 ? W : largeur;
    const int dx = std::abs(s.x2() - s.x1()), dy = -std::abs(s.y2() - s.y1());
    const qsizetype sx = s.x1() < s.x2() ? 1 : -1, sy = s.y1() < s.y2() ? pas : -pas;
    const bool horizontale = dx >= -dy;
    const qsizetype travers = horizontale ? pas : 1;
    QRgb* p = pixels + s.y1() * pas + s.x1() + premier * travers;
    auto peint = [&] {
        QRgb* q = p;
        for (int k = 0; k < n; ++k, q += travers)
            *q = couleur;
    };
    int err = dx + dy;
    if (horizontale) {
        for (int reste = dx;; --reste) {
            peint();
            if (reste == 0)
                break;
            const int e2 = 2 * err;
            err += dy;
            p += sx;
            if (e2 <= dx) {
                err += dx;
                p += sy;
            }
        }
    } else {
        for (int reste = -dy;; --reste) {
            peint();
            if (reste == 0)
                break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                p += sx;
            }
            err += dx;
            p += sy;
        }
    }
}

} // namespace

bool AccepteSegmentsDirects(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

void TraceSegmentsDirects(QImage& image, const QLine* segments, int nombre, QRgb couleur, int largeur)
{
    if (!segments || nombre <= 0 || image.isNull())
        return;
    const int l = image.width(), h = image.height();
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype pas = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    largeur = std::max(1, largeur);
    const int premier = -(largeur - 1) / 2;
    const int dernier = premier + largeur - 1;
    for (int i = 0; i < nombre; ++i) {
        const QLine& s = segments[i];
        const bool horizontale = std::abs(s.dx()) >= std::abs(s.dy());
        const int xMin = std::min(s.x1(), s.x2()) + (horizontale ? 0 : premier);
        const int xMax = std::max(s.x1(), s.x2()) + (horizontale ? 0 : dernier);
        const int yMin = std::min(s.y1(), s.y2()) + (horizontale ? premier : 0);
        const int yMax = std::max(s.y1(), s.y2()) + (horizontale ? dernier : 0);
        if (xMin >= 0 && yMin >= 0 && xMax < l && yMax < h) {
            // Wholly inside: no one-pixel line is cut, and each is the first
            // one moved across, so one walk paints the whole width.
            switch (largeur) {
            case 1: marche<1>(pixels, pas, s, couleur, 1, premier); break;
            case 2: marche<2>(pixels, pas, s, couleur, 2, premier); break;
            case 3: marche<3>(pixels, pas, s, couleur, 3, premier); break;
            case 4: marche<4>(pixels, pas, s, couleur, 4, premier); break;
            default: marche<0>(pixels, pas, s, couleur, largeur, premier); break;
            }
            continue;
        }
        for (int k = premier; k <= dernier; ++k) {
            double x1 = s.x1() + (horizontale ? 0 : k), y1 = s.y1() + (horizontale ? k : 0);
            double x2 = s.x2() + (horizontale ? 0 : k), y2 = s.y2() + (horizontale ? k : 0);
            if (!coupe(x1, y1, x2, y2, l, h))
                continue;
            bresenham(static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)),
                      static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2)), [&](int x, int y) {
                          if (x >= 0 && y >= 0 && x < l && y < h)
                              pixels[y * pas + x] = couleur;
                      });
        }
    }
}

} // namespace kelmo
