// Shapes wholly off the picture are dropped before the painter is opened;
// the pictures must stay exactly what the painter draws, pen included, on
// the bitmap picture and through the metafile player.
#include "platform/TrianglesDirects.h"
#include "platform/Wmf.h"
#include "platform/ZoneImage.h"
#include "OutilsImages.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <climits>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace kelmo;
using namespace kelmo::testimages;

TEST(PolygonesHorsImage, LaBoiteElargieDeLaMargeDecideAuPixelPres)
{
    // A 40 x 30 image, a margin of 3: a box 3 pixels off a side may still
    // reach its edge pixels, 4 pixels off it cannot.
    struct Cas { const char* nom; std::vector<QPoint> points; bool hors; };
    const Cas cas[] = {
        {"à gauche, loin", {QPoint(-10, 5), QPoint(-4, 9), QPoint(-7, 20)}, true},
        {"à gauche, à portée", {QPoint(-10, 5), QPoint(-3, 9), QPoint(-7, 20)}, false},
        {"en haut, loin", {QPoint(5, -9), QPoint(9, -4), QPoint(20, -6)}, true},
        {"en haut, à portée", {QPoint(5, -9), QPoint(9, -3), QPoint(20, -6)}, false},
        {"à droite, loin", {QPoint(43, 5), QPoint(50, 9), QPoint(47, 20)}, true},
        {"à droite, à portée", {QPoint(42, 5), QPoint(50, 9), QPoint(47, 20)}, false},
        {"en bas, loin", {QPoint(5, 33), QPoint(9, 40), QPoint(20, 36)}, true},
        {"en bas, à portée", {QPoint(5, 32), QPoint(9, 40), QPoint(20, 36)}, false},
        {"autour de l'image", {QPoint(-100, -100), QPoint(200, -100), QPoint(50, 200)}, false},
        {"coin en diagonale", {QPoint(-9, -9), QPoint(-4, -20), QPoint(-20, -4)}, true},
        {"aux bornes des entiers", {QPoint(INT_MAX, INT_MAX), QPoint(INT_MAX - 1, INT_MAX), QPoint(INT_MAX, INT_MAX - 5)}, true},
        {"aux bornes basses", {QPoint(INT_MIN, INT_MIN), QPoint(INT_MIN + 1, INT_MIN), QPoint(INT_MIN, INT_MIN + 5)}, true},
        {"d'une borne à l'autre", {QPoint(INT_MIN, 10), QPoint(INT_MAX, 10), QPoint(0, 11)}, false},
        {"un seul point dedans", {QPoint(0, 0)}, false},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(PolygoneHorsImage(c.points.data(), static_cast<int>(c.points.size()), 3, QSize(40, 30)), c.hors) << c.nom;
    // No point draws nothing; a negative margin counts as none.
    EXPECT_TRUE(PolygoneHorsImage(nullptr, 3, 3, QSize(40, 30)));
    const QPoint bord[] = {QPoint(-1, 5), QPoint(-1, 9), QPoint(-5, 7)};
    EXPECT_TRUE(PolygoneHorsImage(bord, 3, -2, QSize(40, 30)));
    EXPECT_FALSE(PolygoneHorsImage(bord, 3, 1, QSize(40, 30)));
    // A pen wider than an int can say still reaches the picture.
    const QPoint loin[] = {QPoint(-2000000000, 5), QPoint(-2000000000, 9), QPoint(-2000000001, 7)};
    EXPECT_FALSE(PolygoneHorsImage(loin, 3, int64_t{INT_MAX} + 2, QSize(40, 30)));
    EXPECT_TRUE(PolygoneHorsImage(loin, 3, 1999999999, QSize(40, 30)));
}

namespace {

using Triangle = std::array<QPoint, 3>;

// Triangles around an l x h picture: small ones just off or astride each
// border, long ones crossing it, and far ones.
std::vector<Triangle> TrianglesAuxBords(std::mt19937& alea, int nombre, int l, int h)
{
    std::uniform_int_distribution<int> x(-20, l + 20), y(-20, h + 20), d(-8, 8), loin(-3000000, 3000000);
    std::vector<Triangle> t;
    for (int i = 0; i < nombre; ++i) {
        QPoint o(x(alea), y(alea));
        if (i % 4 == 0)
            o = QPoint(i % 8 ? -1 - (i % 6) : l + (i % 6), y(alea)); // just off a side
        if (i % 9 == 0)
            t.push_back({QPoint(loin(alea), loin(alea)), QPoint(loin(alea), loin(alea)), QPoint(loin(alea), loin(alea))});
        else if (i % 7 == 0)
            t.push_back({o, o + QPoint(d(alea) * 20, d(alea) * 20), o + QPoint(d(alea), d(alea))});
        else
            t.push_back({o, o + QPoint(d(alea), d(alea)), o + QPoint(d(alea), d(alea))});
    }
    return t;
}

} // namespace

TEST(PolygonesHorsImage, LImageBitmapDessineCommeLePeintreAutourDesBordsATouteLargeurDeStylo)
{
    // Fill and pen of different colours; pens 1 to 9 pixels wide, with or
    // without a fill, with or without an outline.
    const int l = 90, h = 60;
    struct Cas { int largeur; int styleTrait; int styleRemplissage; };
    const Cas cas[] = {{1, 0, 0}, {1, 0, 1}, {1, 5, 0}, {2, 0, 0}, {3, 0, 1}, {5, 0, 0}, {9, 0, 0}};
    std::mt19937 alea(31);
    for (const Cas& c : cas) {
        const std::vector<Triangle> t = TrianglesAuxBords(alea, 3000, l, h);
        QImage attendu = ImageBlanche(l, h);
        {
            QPainter p(&attendu);
            p.setRenderHint(QPainter::Antialiasing, false);
            for (std::size_t i = 0; i < t.size(); ++i) {
                if (c.styleTrait == 5)
                    p.setPen(Qt::NoPen);
                else
                    p.setPen(QPen(QColor(CouleurNumero(i + 1)), c.largeur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                if (c.styleRemplissage == 1)
                    p.setBrush(Qt::NoBrush);
                else
                    p.setBrush(QColor(CouleurNumero(i)));
                p.drawPolygon(t[i].data(), 3);
            }
        }
        ZoneImageBitmap z;
        z.DefinitLargeur(PixelsEnMillimetres(l));
        z.DefinitHauteur(PixelsEnMillimetres(h));
        z.BackColor = 0xFFFFFF;
        z.Cls();
        z.DrawWidth = c.largeur;
        z.DrawStyle = c.styleTrait;
        z.FillStyle = c.styleRemplissage;
        for (std::size_t i = 0; i < t.size(); ++i) {
            z.FillColor = EnValeur(CouleurNumero(i));
            z.ForeColor = EnValeur(CouleurNumero(i + 1));
            z.Polygon(t[i].data(), 3);
        }
        EXPECT_EQ(PixelsDifferents(z.Image(), attendu), 0) << "largeur " << c.largeur << " trait " << c.styleTrait
                                                           << " remplissage " << c.styleRemplissage;
    }
}

TEST(PolygonesHorsImage, LeLecteurDessineCommeSousUnDecoupageQuiLObligeAPasserParLePeintre)
{
    // The same metafile of polygons and polylines around the picture, with
    // pens of every width and none, played as it is and at a whole-pixel
    // offset; under a clip covering the whole picture the player may take
    // no shortcut, and must give the same pixels.
    const int l = 90, h = 60;
    std::mt19937 alea(57);
    wmf::Metafichier m;
    const std::vector<Triangle> t = TrianglesAuxBords(alea, 2500, l, h);
    std::uniform_int_distribution<int> largeurs(0, 7);
    for (std::size_t i = 0; i < t.size(); ++i) {
        const int largeur = largeurs(alea);
        const int stylo = m.CreeStylo({static_cast<uint16_t>(largeur == 0 ? wmf::PS_NULL : wmf::PS_SOLID), static_cast<int16_t>(largeur),
                                       EnValeur(CouleurNumero(i + 1))});
        const int brosse = m.CreeBrosse({wmf::BS_SOLID, EnValeur(CouleurNumero(i)), 0});
        m.Selectionne(stylo);
        m.Selectionne(brosse);
        const std::vector<QPoint> points(t[i].begin(), t[i].end());
        if (i % 5 == 4)
            m.Polyligne(points);
        else
            m.Polygone(points);
        m.Supprime(stylo);
        m.Supprime(brosse);
    }
    for (const QPoint decalage : {QPoint(0, 0), QPoint(9, -4)}) {
        QImage decoupee = ImageBlanche(l, h), libre = ImageBlanche(l, h);
        {
            QPainter p(&decoupee);
            p.setClipRect(0, 0, l, h);
            p.translate(decalage);
            wmf::JoueMetafichier(p, m);
        }
        {
            QPainter p(&libre);
            p.translate(decalage);
            wmf::JoueMetafichier(p, m);
        }
        EXPECT_EQ(PixelsDifferents(libre, decoupee), 0) << decalage.x() << "," << decalage.y();
    }
}
