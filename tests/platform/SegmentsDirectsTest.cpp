// The direct line writer against its first literal form, and the metafile
// player's line runs against the bitmap picture that draws the same lines.
#include "platform/SegmentsDirects.h"
#include "platform/Wmf.h"
#include "platform/ZoneImage.h"
#include "OutilsImages.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace kelmo;
using namespace kelmo::testimages;

namespace {

// The writer as first written: each of the w one-pixel lines side by side
// is cut to the image, rounded, and walked pixel by pixel with a bounds
// check.
void SegmentsLitteraux(QImage& image, const QLine* segments, int nombre, QRgb couleur, int largeurTrait)
{
    const int l = image.width(), h = image.height();
    uchar* bits = image.bits();
    const qsizetype ligne = image.bytesPerLine();
    const int largeur = std::max(1, largeurTrait);
    const int premier = -(largeur - 1) / 2;
    auto point = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < l && y < h)
            reinterpret_cast<QRgb*>(bits + y * ligne)[x] = couleur;
    };
    for (int i = 0; i < nombre; ++i) {
        const QLine& s = segments[i];
        const bool horizontale = std::abs(s.dx()) >= std::abs(s.dy());
        for (int k = premier; k < premier + largeur; ++k) {
            double x1 = s.x1() + (horizontale ? 0 : k), y1 = s.y1() + (horizontale ? k : 0);
            double x2 = s.x2() + (horizontale ? 0 : k), y2 = s.y2() + (horizontale ? k : 0);
            double t0 = 0, t1 = 1;
            const double dx = x2 - x1, dy = y2 - y1;
            const double p[4] = {-dx, dx, -dy, dy};
            const double q[4] = {x1, l - 1 - x1, y1, h - 1 - y1};
            bool dehors = false;
            for (int c = 0; c < 4 && !dehors; ++c) {
                if (p[c] == 0) {
                    dehors = q[c] < 0;
                } else {
                    const double t = q[c] / p[c];
                    if (p[c] < 0)
                        t0 = std::max(t0, t);
                    else
                        t1 = std::min(t1, t);
                    dehors = t0 > t1;
                }
            }
            if (dehors)
                continue;
            const double ax0 = x1 + t0 * dx, ay0 = y1 + t0 * dy;
            x2 = x1 + t1 * dx;
            y2 = y1 + t1 * dy;
            int ax = static_cast<int>(std::lround(ax0)), ay = static_cast<int>(std::lround(ay0));
            const int bx = static_cast<int>(std::lround(x2)), by = static_cast<int>(std::lround(y2));
            const int ddx = std::abs(bx - ax), ddy = -std::abs(by - ay);
            const int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
            int err = ddx + ddy;
            for (;;) {
                point(ax, ay);
                if (ax == bx && ay == by)
                    break;
                const int e2 = 2 * err;
                if (e2 >= ddy) {
                    err += ddy;
                    ax += sx;
                }
                if (e2 <= ddx) {
                    err += ddx;
                    ay += sy;
                }
            }
        }
    }
}// Segments over a picture of l x h: short and long, in every direction,
// points, and some running off or lying wholly outside the picture.
std::vector<QLine> SegmentsAuHasard(std::mt19937& alea, int nombre, int l, int h)
{
    std::uniform_int_distribution<int> x(-40, l + 40), y(-40, h + 40), pas(-30, 30);
    std::vector<QLine> s;
    for (int i = 0; i < nombre; ++i) {
        const int x1 = x(alea), y1 = y(alea);
        switch (i % 5) {
        case 0: s.emplace_back(x1, y1, x(alea), y(alea)); break;          // long
        case 1: s.emplace_back(x1, y1, x1, y1); break;                    // a point
        case 2: s.emplace_back(x1, y1, x1 + pas(alea), y1); break;        // horizontal
        case 3: s.emplace_back(x1, y1, x1, y1 + pas(alea)); break;        // vertical
        default: s.emplace_back(x1, y1, x1 + pas(alea), y1 + pas(alea)); break;
        }
    }
    s.emplace_back(-5000, 20, 5000, 21);       // far on both sides
    s.emplace_back(l + 10, 0, l + 100, h);     // wholly outside
    s.emplace_back(0, 0, l - 1, h - 1);        // corner to corner
    return s;
}

} // namespace

TEST(SegmentsDirects, LesPixelsSontCeuxDuTraceLitteralAChaqueLargeur)
{
    const int largeurs[] = {-3, 0, 1, 2, 3, 4, 5, 7, 12, 40};
    std::mt19937 alea(2024);
    for (const int largeur : largeurs) {
        const std::vector<QLine> s = SegmentsAuHasard(alea, 400, 97, 61);
        QImage attendu = ImageBlanche(97, 61), obtenu = ImageBlanche(97, 61);
        // One colour per segment, so that the order of the writes shows too.
        for (std::size_t i = 0; i < s.size(); ++i) {
            const QRgb c = qRgb(static_cast<int>(i * 37 % 256), static_cast<int>(i * 91 % 256), static_cast<int>(i % 7));
            SegmentsLitteraux(attendu, &s[i], 1, c, largeur);
            TraceSegmentsDirects(obtenu, &s[i], 1, c, largeur);
        }
        EXPECT_EQ(PixelsDifferents(obtenu, attendu), 0) << "largeur " << largeur;
        // One call for all of them, one colour: the same as segment by segment.
        QImage ensemble = ImageBlanche(97, 61), unParUn = ImageBlanche(97, 61);
        TraceSegmentsDirects(ensemble, s.data(), static_cast<int>(s.size()), qRgb(200, 0, 0), largeur);
        for (const QLine& l : s)
            SegmentsLitteraux(unParUn, &l, 1, qRgb(200, 0, 0), largeur);
        EXPECT_EQ(PixelsDifferents(ensemble, unParUn), 0) << "largeur " << largeur;
    }
}

namespace {

// The same segments drawn on a bitmap picture of l x h, moved by
// `decalage`, and recorded as a metafile of MoveTo/LineTo runs, one pen per
// colour and width.
struct Dessin {
    QImage bitmap;
    wmf::Metafichier meta;
};

Dessin DessineDeuxFois(unsigned graine, int l, int h, QPoint decalage)
{
    std::mt19937 alea(graine);
    Dessin d;
    ZoneImageBitmap z;
    z.DefinitLargeur(PixelsEnMillimetres(l));
    z.DefinitHauteur(PixelsEnMillimetres(h));
    z.BackColor = 0xFFFFFF;
    z.Cls();
    const int32_t couleurs[] = {0x0000FF, 0x00AA00, 0x123456, 0xFF00FF};
    for (int lot = 0; lot < 12; ++lot) {
        const int32_t couleur = couleurs[lot % 4];
        const int largeur = 1 + lot % 5;
        const std::vector<QLine> s = SegmentsAuHasard(alea, 60, l, h);
        z.ForeColor = couleur;
        z.DrawWidth = largeur;
        std::vector<QLine> decales;
        for (const QLine& e : s)
            decales.push_back(e.translated(decalage));
        z.Segments(decales.data(), static_cast<int>(decales.size()));
        d.meta.Selectionne(d.meta.CreeStylo({wmf::PS_SOLID, static_cast<int16_t>(largeur), couleur}));
        for (const QLine& e : s) {
            d.meta.MoveTo(static_cast<int16_t>(e.x1()), static_cast<int16_t>(e.y1()));
            d.meta.LineTo(static_cast<int16_t>(e.x2()), static_cast<int16_t>(e.y2()));
        }
    }
    d.bitmap = z.Image();
    return d;
}

} // namespace

TEST(SegmentsDirects, LeLecteurTraceLesLignesDuMetafichierPixelPourPixelCommeLImageBitmap)
{
    // Painted as it is, and at a whole-pixel offset (the lines move with it).
    struct Cas { unsigned graine; QPoint decalage; } cas[] = {
        {1, QPoint(0, 0)}, {2, QPoint(0, 0)}, {3, QPoint(7, 3)}, {4, QPoint(-20, 11)},
    };
    for (const Cas& c : cas) {
        const Dessin d = DessineDeuxFois(c.graine, 150, 90, c.decalage);
        ASSERT_EQ(d.bitmap.size(), QSize(150, 90));
        QImage joue = ImageBlanche(150, 90);
        {
            QPainter p(&joue);
            p.translate(c.decalage);
            wmf::JoueMetafichier(p, d.meta);
        }
        EXPECT_EQ(PixelsDifferents(joue, d.bitmap), 0) << "graine " << c.graine;
    }
}

TEST(SegmentsDirects, SousUneEchelleOuUnDecoupageLeLecteurPasseParLePeintre)
{
    // Neither a scaled picture nor a clipped painter can take the direct
    // writer: the line is still drawn, and the clip is obeyed.
    wmf::Metafichier m;
    m.Selectionne(m.CreeStylo({wmf::PS_SOLID, 1, 0x0000FF}));
    m.MoveTo(0, 10);
    m.LineTo(39, 10);
    QImage agrandie = ImageBlanche(80, 40);
    {
        QPainter p(&agrandie);
        p.scale(2, 2);
        wmf::JoueMetafichier(p, m);
    }
    EXPECT_EQ(agrandie.pixel(60, 20), qRgb(255, 0, 0));
    QImage coupee = ImageBlanche(40, 20);
    {
        QPainter p(&coupee);
        p.setClipRect(0, 0, 20, 20);
        wmf::JoueMetafichier(p, m);
    }
    EXPECT_EQ(coupee.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(coupee.pixel(30, 10), qRgb(255, 255, 255));
}
