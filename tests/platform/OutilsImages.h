#pragma once
// Shared by the picture tests: blank pictures, pixel comparisons and
// distinct colours.
#include <QImage>
#include <cstddef>
#include <cstdint>

namespace kelmo::testimages {

inline QImage ImageBlanche(int l, int h)
{
    QImage im(l, h, QImage::Format_RGB32);
    im.fill(Qt::white);
    return im;
}

// The pixels where two images of one size differ (all of them when the
// sizes differ), so that a failure says how much is wrong.
inline int PixelsDifferents(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + b.width() * b.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// A colour as the program's colour values hold it (red in the low byte).
inline int32_t EnValeur(QRgb c) { return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16); }

// One colour per shape, so that the order of the writes shows too.
inline QRgb CouleurNumero(std::size_t i)
{
    return qRgb(static_cast<int>(i * 37 % 256), static_cast<int>(i * 91 % 256), static_cast<int>(i * 13 % 251));
}

} // namespace kelmo::testimages
