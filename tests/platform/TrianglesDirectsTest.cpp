// The direct triangle writer against the painter's aliased fill, pixel for
// pixel, on many random triangles of every shape, through its own entry, the
// bitmap picture and the metafile player.
#include "platform/TrianglesDirects.h"
#include "platform/Wmf.h"
#include "platform/ZoneImage.h"
#include "OutilsImages.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace kelmo;
using namespace kelmo::testimages;

namespace {

using Triangle = std::array<QPoint, 3>;
enum class Forme { Minuscule, Petit, Grand, Mince, Aligne, Droit };

// Triangles whose box lies within an l x h picture, of the given shape.
std::vector<Triangle> TrianglesAuHasard(std::mt19937& alea, Forme forme, int nombre, int l, int h)
{
    std::vector<Triangle> t;
    std::uniform_int_distribution<int> cote(0, CoteMaxTriangleDirect);
    for (int i = 0; i < nombre; ++i) {
        int etendue = 0;
        switch (forme) {
        case Forme::Minuscule: etendue = 3; break;
        case Forme::Petit: etendue = 20; break;
        default: etendue = std::min({cote(alea), l, h}); break;
        }
        std::uniform_int_distribution<int> ox(0, l - etendue), oy(0, h - etendue), d(0, etendue);
        const QPoint o(ox(alea), oy(alea));
        Triangle tr{o + QPoint(d(alea), d(alea)), o + QPoint(d(alea), d(alea)), o + QPoint(d(alea), d(alea))};
        if (forme == Forme::Mince) {
            // Two corners a pixel or less apart, the third far away.
            std::uniform_int_distribution<int> pas(-1, 1);
            tr[1] = tr[0] + QPoint(pas(alea), pas(alea));
            tr[1] = QPoint(std::clamp(tr[1].x(), o.x(), o.x() + etendue), std::clamp(tr[1].y(), o.y(), o.y() + etendue));
        } else if (forme == Forme::Aligne) {
            // Three corners on one line, in any order.
            const QPoint v = tr[1] - tr[0];
            std::uniform_int_distribution<int> k(-1, 2);
            const QPoint c = tr[0] + v * k(alea);
            if (c.x() >= o.x() && c.y() >= o.y() && c.x() <= o.x() + etendue && c.y() <= o.y() + etendue)
                tr[2] = c;
            else
                tr[2] = tr[0];
        } else if (forme == Forme::Droit) {
            // A side along a row or a column.
            if (i % 2)
                tr[1].setY(tr[0].y());
            else
                tr[1].setX(tr[0].x());
        }
        t.push_back(tr);
    }
    return t;
}

enum class Oracle { PointsEntiers, PairImpair, Enroulement };

void PeintParLePeintre(QImage& image, const std::vector<Triangle>& t, Oracle oracle)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < t.size(); ++i) {
        p.setBrush(QColor(CouleurNumero(i)));
        if (oracle == Oracle::PointsEntiers) {
            p.drawPolygon(t[i].data(), 3);
        } else {
            const QPolygonF f{QPointF(t[i][0]), QPointF(t[i][1]), QPointF(t[i][2])};
            p.drawPolygon(f, oracle == Oracle::PairImpair ? Qt::OddEvenFill : Qt::WindingFill);
        }
    }
}

} // namespace

TEST(TrianglesDirects, LesPixelsSontCeuxDuRemplissageDuPeintrePourToutesLesFormes)
{
    struct Cas { Forme forme; const char* nom; int l, h; };
    const Cas cas[] = {
        {Forme::Minuscule, "minuscules", 40, 30}, {Forme::Petit, "petits", 97, 61},
        {Forme::Grand, "grands", 300, 200},       {Forme::Mince, "minces", 150, 140},
        {Forme::Aligne, "alignés", 150, 140},     {Forme::Droit, "à côté droit", 97, 61},
    };
    const Oracle oracles[] = {Oracle::PointsEntiers, Oracle::PairImpair, Oracle::Enroulement};
    std::mt19937 alea(2026);
    int triangles = 0;
    for (const Cas& c : cas) {
        for (int lot = 0; lot < (c.forme == Forme::Grand ? 4 : 30); ++lot) {
            const std::vector<Triangle> t = TrianglesAuHasard(alea, c.forme, 1500, c.l, c.h);
            QImage obtenu = ImageBlanche(c.l, c.h);
            for (std::size_t i = 0; i < t.size(); ++i)
                ASSERT_TRUE(RemplitTriangleDirect(obtenu, t[i].data(), CouleurNumero(i))) << c.nom;
            triangles += static_cast<int>(t.size());
            for (const Oracle o : oracles) {
                QImage attendu = ImageBlanche(c.l, c.h);
                PeintParLePeintre(attendu, t, o);
                ASSERT_EQ(PixelsDifferents(obtenu, attendu), 0) << c.nom << " lot " << lot << " oracle " << int(o);
            }
        }
    }
    EXPECT_GT(triangles, 200000);
}

TEST(TrianglesDirects, HorsDeLImageOuTropGrandLeTriangleEstLaisseAuPeintre)
{
    struct Cas { const char* nom; Triangle t; };
    const Cas cas[] = {
        {"à gauche", {QPoint(-1, 5), QPoint(10, 5), QPoint(5, 10)}},
        {"en haut", {QPoint(1, -1), QPoint(10, 5), QPoint(5, 10)}},
        {"à droite", {QPoint(1, 5), QPoint(41, 5), QPoint(5, 10)}},
        {"en bas", {QPoint(1, 5), QPoint(10, 5), QPoint(5, 31)}},
        {"loin", {QPoint(1000000000, 5), QPoint(-1000000000, 5), QPoint(5, 1000000000)}},
        {"trop large", {QPoint(0, 0), QPoint(CoteMaxTriangleDirect + 1, 0), QPoint(0, 1)}},
    };
    for (const Cas& c : cas) {
        QImage image = ImageBlanche(CoteMaxTriangleDirect + 2, 30);
        if (QString::fromUtf8(c.nom) != QStringLiteral("trop large"))
            image = ImageBlanche(40, 30);
        const QImage avant = image;
        EXPECT_FALSE(RemplitTriangleDirect(image, c.t.data(), qRgb(255, 0, 0))) << c.nom;
        EXPECT_EQ(PixelsDifferents(image, avant), 0) << c.nom;
    }
    // An image of 8 bits a pixel is not written either.
    QImage gris(20, 20, QImage::Format_Grayscale8);
    gris.fill(255);
    const Triangle t{QPoint(1, 1), QPoint(10, 2), QPoint(4, 9)};
    EXPECT_FALSE(RemplitTriangleDirect(gris, t.data(), qRgb(0, 0, 0)));
}

TEST(TrianglesDirects, LImageBitmapEtLeLecteurRemplissentLesTrianglesSansContourCommeLePeintre)
{
    // The bitmap picture's triangles without outline, those with an outline
    // (the painter's), and the same triangles recorded in a metafile played
    // as it is and at a whole-pixel offset.
    std::mt19937 alea(7);
    const int l = 150, h = 90;
    std::vector<Triangle> t = TrianglesAuHasard(alea, Forme::Petit, 600, l, h);
    const std::vector<Triangle> bords = TrianglesAuHasard(alea, Forme::Grand, 40, l + 60, h + 60);
    for (Triangle b : bords) {
        for (QPoint& p : b)
            p -= QPoint(30, 30); // partly or wholly off the picture: the painter's
        t.push_back(b);
    }
    QImage attendu = ImageBlanche(l, h);
    {
        QPainter p(&attendu);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (std::size_t i = 0; i < t.size(); ++i) {
            const QColor c(CouleurNumero(i));
            if (i % 5 == 4)
                p.setPen(QPen(c, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            else
                p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(t[i].data(), 3);
        }
    }
    ZoneImageBitmap z;
    z.DefinitLargeur(PixelsEnMillimetres(l));
    z.DefinitHauteur(PixelsEnMillimetres(h));
    z.BackColor = 0xFFFFFF;
    z.Cls();
    z.FillStyle = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const QRgb c = CouleurNumero(i);
        z.FillColor = qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16);
        z.ForeColor = z.FillColor;
        z.DrawStyle = i % 5 == 4 ? 0 : 5;
        z.Polygon(t[i].data(), 3);
    }
    EXPECT_EQ(PixelsDifferents(z.Image(), attendu), 0);

    wmf::Metafichier m;
    const int vide = m.CreeStylo({wmf::PS_NULL, 0, 0});
    m.Selectionne(vide);
    std::vector<std::size_t> sansContour;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i % 5 == 4)
            continue;
        const QRgb c = CouleurNumero(i);
        const int b = m.CreeBrosse({wmf::BS_SOLID, static_cast<int32_t>(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16)), 0});
        m.Selectionne(b);
        m.Polygone({t[i].begin(), t[i].end()});
        m.Selectionne(vide);
        m.Supprime(b);
        sansContour.push_back(i);
    }
    for (const QPoint decalage : {QPoint(0, 0), QPoint(7, -3)}) {
        QImage peintre = ImageBlanche(l, h), joue = ImageBlanche(l, h);
        {
            QPainter p(&peintre);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(Qt::NoPen);
            for (const std::size_t i : sansContour) {
                p.setBrush(QColor(CouleurNumero(i)));
                Triangle d = t[i];
                for (QPoint& q : d)
                    q += decalage;
                p.drawPolygon(d.data(), 3);
            }
        }
        {
            QPainter p(&joue);
            p.translate(decalage);
            wmf::JoueMetafichier(p, m);
        }
        EXPECT_EQ(PixelsDifferents(joue, peintre), 0) << decalage.x() << "," << decalage.y();
    }
}

TEST(TrianglesDirects, LImageBitmapDonneLesPixelsDuPeintreAuxTrianglesPleinsContouresDUnPixel)
{
    // Fill and outline of different colours, so that the outline drawn over
    // the fill shows; every shape, and some triangles off the picture.
    struct Cas { Forme forme; const char* nom; };
    const Cas cas[] = {{Forme::Minuscule, "minuscules"}, {Forme::Petit, "petits"}, {Forme::Grand, "grands"},
                       {Forme::Mince, "minces"},         {Forme::Aligne, "alignés"}, {Forme::Droit, "à côté droit"}};
    std::mt19937 alea(99);
    const int l = 160, h = 140;
    for (const Cas& c : cas) {
        std::vector<Triangle> t = TrianglesAuHasard(alea, c.forme, 4000, l, h);
        for (std::size_t i = 0; i < t.size(); i += 97)
            for (QPoint& p : t[i])
                p += QPoint(l / 2, 0); // partly off the picture: the painter's
        QImage attendu = ImageBlanche(l, h);
        {
            QPainter p(&attendu);
            p.setRenderHint(QPainter::Antialiasing, false);
            for (std::size_t i = 0; i < t.size(); ++i) {
                p.setPen(QPen(QColor(CouleurNumero(i + 1)), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(QColor(CouleurNumero(i)));
                p.drawPolygon(t[i].data(), 3);
            }
        }
        ZoneImageBitmap z;
        z.DefinitLargeur(PixelsEnMillimetres(l));
        z.DefinitHauteur(PixelsEnMillimetres(h));
        z.BackColor = 0xFFFFFF;
        z.Cls();
        z.FillStyle = 0;
        z.DrawStyle = 0;
        z.DrawWidth = 1;
        const auto enValeur = [](QRgb c) { return qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16); };
        for (std::size_t i = 0; i < t.size(); ++i) {
            z.FillColor = enValeur(CouleurNumero(i));
            z.ForeColor = enValeur(CouleurNumero(i + 1));
            z.Polygon(t[i].data(), 3);
        }
        EXPECT_EQ(PixelsDifferents(z.Image(), attendu), 0) << c.nom;
    }
}
