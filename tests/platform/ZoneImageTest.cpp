#include "platform/ZoneImage.h"

#include <gtest/gtest.h>

using namespace kelmo;

namespace {

constexpr int32_t Blanc = 0xFFFFFF;
constexpr int32_t Rouge = 0x0000FF;
constexpr int32_t Bleu = 0xFF0000;
constexpr int32_t Vert = 0x00FF00;

void Taille(ZoneImage& z, double largeurMm, double hauteurMm)
{
    z.DefinitLargeur(largeurMm);
    z.DefinitHauteur(hauteurMm);
    z.Cls();
}

} // namespace

TEST(ZoneImage, LesMillimetresDeLaMiseEnPageDonnentLesPixelsA96Points)
{
    struct Cas { double mm; int px; } cas[] = {{350, 1323}, {250, 945}, {25.4, 96}, {0, 0}, {-3, 0}, {0.1, 0}};
    for (const auto& c : cas)
        EXPECT_EQ(MillimetresEnPixels(c.mm), c.px) << c.mm;
    ZoneImageBitmap z;
    Taille(z, 350, 250);
    EXPECT_DOUBLE_EQ(z.Width(), 350);  // the size reads back as it was set
    EXPECT_DOUBLE_EQ(z.Height(), 250);
    EXPECT_EQ(z.ScaleWidth(), 1323);
    EXPECT_EQ(z.ScaleHeight(), 945);
    EXPECT_EQ(z.Image().size(), QSize(1323, 945));
}

TEST(ZoneImage, LeCercleDuTraceArrondiLesCoinsVersLeBasEtUnRayonNegatifCompteZero)
{
    ZoneImageEnregistreuse z;
    Taille(z, 50, 50);
    z.TraceCercle(10.5, 11.5, 3);
    z.TraceCercle(-2.5, 4, 1.2);
    z.TraceCercle(20, 20, -5);
    const auto e = z.AppelsDeGenre(AppelZoneImage::Genre::Ellipse);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].points[0], QPoint(13, 14));
    EXPECT_EQ(e[0].points[1], QPoint(7, 8));
    EXPECT_EQ(e[1].points[0], QPoint(-2, 5));
    EXPECT_EQ(e[1].points[1], QPoint(-4, 2));
    EXPECT_EQ(e[2].points[0], QPoint(20, 20));
    EXPECT_EQ(e[2].points[1], QPoint(20, 20));
}

TEST(ZoneImage, LaPolyligneArrondiAuPlusProcheLesMoitiesVersLePair)
{
    ZoneImageEnregistreuse z;
    Taille(z, 50, 50);
    z.ForeColor = Bleu;
    z.DrawWidth = 3;
    z.TracePolyligne(0.5, 1.5, 2.5, -0.5);
    z.TracePolyligne(1e30, -1e30, 3.49, 3.51); // far values must not wrap around
    const auto l = z.AppelsDeGenre(AppelZoneImage::Genre::Polyline);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].points, (std::vector<QPoint>{{0, 2}, {2, 0}}));
    EXPECT_EQ(l[0].ForeColor, Bleu);
    EXPECT_EQ(l[0].DrawWidth, 3);
    EXPECT_GT(l[1].points[0].x(), 0);
    EXPECT_LT(l[1].points[0].y(), 0);
    EXPECT_EQ(l[1].points[1], QPoint(3, 4));
}

TEST(ZoneImage, UnCerclePleinPrendLaBrosseAuCentreEtLeStyloSurSonBord)
{
    ZoneImageBitmap z;
    Taille(z, 30, 30);
    z.FillStyle = 0;
    z.FillColor = Rouge;
    z.ForeColor = Bleu;
    z.DrawWidth = 1;
    z.Ellipse(10, 10, 30, 30);
    EXPECT_EQ(z.Pixel(20, 20), Rouge);
    EXPECT_EQ(z.Pixel(10, 20), Bleu);
    EXPECT_EQ(z.Pixel(5, 5), Blanc);
    // Transparent fill leaves the inside as it was.
    z.FillStyle = 1;
    z.FillColor = Vert;
    z.Ellipse(50, 50, 80, 80);
    EXPECT_EQ(z.Pixel(65, 65), Blanc);
}

TEST(ZoneImage, UnTraitEpaisPeintSesPixelsEtUneEpaisseurNulleDessineUnPixel)
{
    ZoneImageBitmap z;
    Taille(z, 30, 30);
    z.ForeColor = Vert;
    z.DrawWidth = 5;
    z.TracePolyligne(10, 50, 90, 50);
    EXPECT_EQ(z.Pixel(50, 48), Vert);
    EXPECT_EQ(z.Pixel(50, 52), Vert);
    EXPECT_EQ(z.Pixel(50, 56), Blanc);
    z.DrawWidth = 0;
    z.ForeColor = Rouge;
    z.TracePolyligne(10, 80, 90, 80);
    EXPECT_EQ(z.Pixel(50, 80), Rouge);
}

TEST(ZoneImage, LEffacementGardeLImageDeFondEtCompteLesEffacements)
{
    ZoneImageBitmap z;
    Taille(z, 30, 30);
    QImage fond(20, 20, QImage::Format_RGB32);
    fond.fill(QColor(0, 0, 255));
    const uint64_t avant = z.NumeroEffacement();
    z.DefinitImageFond(fond);
    z.ForeColor = Vert;
    z.DrawWidth = 3;
    z.TracePolyligne(0, 50, 100, 50);
    EXPECT_EQ(z.Pixel(50, 50), Vert);
    z.Cls();
    EXPECT_EQ(z.Pixel(50, 50), Blanc);
    EXPECT_EQ(z.Pixel(5, 5), Bleu);
    EXPECT_GT(z.NumeroEffacement(), avant);
}

TEST(ZoneImage, AgrandirLImageGardeCeQuiEstDessine)
{
    ZoneImageBitmap z;
    Taille(z, 20, 20);
    z.FillStyle = 0;
    z.FillColor = Rouge;
    z.ForeColor = Rouge;
    z.Ellipse(10, 10, 30, 30);
    z.DefinitLargeur(40);
    EXPECT_EQ(z.Image().width(), MillimetresEnPixels(40));
    EXPECT_EQ(z.Pixel(20, 20), Rouge);
    EXPECT_EQ(z.Pixel(140, 20), Blanc);
}

TEST(ZoneImage, LeTexteSEcritSousSonPointHautGaucheDansLaCouleurDuStylo)
{
    ZoneImageBitmap z;
    Taille(z, 40, 20);
    z.ForeColor = Bleu;
    z.FontSize = 12;
    z.FontBold = true;
    z.TextOutA(10, 20, QStringLiteral("MMMM"));
    const QImage im = z.Image();
    int bleus = 0, auDessus = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (z.Pixel(x, y) == Bleu) {
                ++bleus;
                if (y < 20 || x < 10)
                    ++auDessus;
            }
    EXPECT_GT(bleus, 20);
    EXPECT_EQ(auDessus, 0);
    EXPECT_GT(z.TextWidth(QStringLiteral("MMMM")), z.TextWidth(QStringLiteral("M")));
    EXPECT_GT(z.TextHeight(QStringLiteral("M")), 10);
}

TEST(ZoneImage, LEnregistreuseNoteChaqueAppelAvecSesProprietes)
{
    ZoneImageEnregistreuse z;
    Taille(z, 20, 20);
    z.Appels.clear();
    z.ForeColor = Rouge;
    z.FontName = QStringLiteral("Arial");
    z.TextOutA(3, 4, QStringLiteral("PARIS"));
    const QPoint tri[3] = {{0, 0}, {10, 0}, {0, 10}};
    z.FillColor = Vert;
    z.Polygon(tri, 3);
    z.Cls();
    ASSERT_EQ(z.Appels.size(), 3u);
    EXPECT_EQ(z.Appels[0].genre, AppelZoneImage::Genre::Texte);
    EXPECT_EQ(z.Appels[0].texte, QStringLiteral("PARIS"));
    EXPECT_EQ(z.Appels[0].points[0], QPoint(3, 4));
    EXPECT_EQ(z.Appels[0].ForeColor, Rouge);
    EXPECT_EQ(z.Appels[1].genre, AppelZoneImage::Genre::Polygon);
    EXPECT_EQ(z.Appels[1].FillColor, Vert);
    EXPECT_EQ(z.Appels[1].points.size(), 3u);
    EXPECT_EQ(z.Appels[2].genre, AppelZoneImage::Genre::Efface);
}

TEST(ZoneImage, LeModeOuExclusifEffaceUnTraitRepasseEtUnCercleDeRayonNulNeMarqueRien)
{
    ZoneImageBitmap z;
    Taille(z, 30, 30);
    z.ForeColor = Rouge;
    z.DrawWidth = 1;
    z.DrawMode = 7;
    z.TracePolyligne(10, 10, 90, 10);
    EXPECT_NE(z.Pixel(50, 10), Blanc);
    z.TracePolyligne(10, 10, 90, 10);
    EXPECT_EQ(z.Pixel(50, 10), Blanc);
    z.DrawMode = 13;
    z.FillStyle = 0;
    z.FillColor = Rouge;
    z.TraceCercle(40, 40, 0);
    EXPECT_EQ(z.Pixel(40, 40), Blanc);
}
