// Zoom and centring of the view.
#include "ReseauVue.h"
#include "core/Projection.h"
#include "view/GeometrieVue.h"

#include <cmath>
#include <numbers>

using namespace kelmo;
using kelmo::testvue::VueTest;

namespace {


class GeometrieVueTest : public VueTest {};

TEST_F(GeometrieVueTest, ZoomFactorsByButtonAndShift)
{
    EXPECT_EQ(FacteurZoom(1, 2), 1.3);
    EXPECT_EQ(FacteurZoom(1, 0), 1.05);
    EXPECT_EQ(FacteurZoom(1, 3), 1.05);
    EXPECT_EQ(FacteurZoom(2, 2), 0.7);
    EXPECT_EQ(FacteurZoom(2, 1), 0.95);
}

TEST_F(GeometrieVueTest, ZoomCentresTheEarlierOfTwoEquallyNearNodes)
{
    noeud(QStringLiteral("A"), 0, 100, -100);
    noeud(QStringLiteral("B"), 0, 300, -100);
    K.Echelle = 2;
    CalculeCoordonneesEcran();
    ZoomSurNoeudProche(100, 50, 1, 0); // halfway between (50, 50) and (150, 50)
    EXPECT_DOUBLE_EQ(K.Echelle, 2.1);
    const double xc = Ima().ScaleWidth() / 2, yc = Ima().ScaleHeight() / 2;
    // Tolerance: the centring stops within 5 units of the centre.
    EXPECT_NEAR(K.Noeuds[1].XEcran, xc, 5);
    EXPECT_NEAR(K.Noeuds[1].YEcran, yc, 5);
    EXPECT_FALSE(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty());
    EXPECT_EQ(cercles().size(), 2u); // the nodes are drawn again
}

// The stepping of the origin by the node's miss diverged in these views.
TEST_F(GeometrieVueTest, CentringReachesTheCentreWhateverTheRotationAndTilt)
{
    struct Cas {
        double rotationDeg, inclinaisonDeg;
        const char* centre;
    };
    const Cas cas[] = {{0, 0, "PARIS"},   {30, 0, "PARIS"},  {60, 0, "PARIS"},   {120, 0, "PARIS"},
                       {180, 0, "PARIS"}, {0, 89, "PARIS"},  {0, 90, "PARIS"},   {0, 100, "PARIS"},
                       {0, 135, "PARIS"}, {75, 110, "PARIS"}, {200, 95, "LYON"}, {60, 120, "LYON"}};
    for (const Cas& c : cas) {
        ReinitialiseDonnees();
        DefinitTypesArcs();
        K.Echelle = 3;
        K.OrigineY = 1100;
        noeud(QStringLiteral("LYON"), 0, 800, 400, 20);
        const int32_t k = noeud(QStringLiteral("NICE"), 0, 1500, -300, 60);
        K.AngleHorizontal = c.rotationDeg * std::numbers::pi / 180;
        K.AngleVertical = c.inclinaisonDeg * std::numbers::pi / 180;
        K.VilleCentreRotation = QString::fromLatin1(c.centre);
        CentreVueSurNoeud(K.Noeuds[k].Code);
        const double xc = Ima().ScaleWidth() / 2, yc = Ima().ScaleHeight() / 2;
        // Tolerance: the centring stops within 5 units of the centre.
        EXPECT_NEAR(K.Noeuds[k].XEcran, xc, 5) << c.rotationDeg << " " << c.inclinaisonDeg << " " << c.centre;
        if (std::fabs(c.inclinaisonDeg - 90) > 1e-9) {
            // Tolerance: the centring stops within 5 units of the centre.
            EXPECT_NEAR(K.Noeuds[k].YEcran, yc, 5) << c.rotationDeg << " " << c.inclinaisonDeg << " " << c.centre;
        }
        EXPECT_TRUE(std::isfinite(K.OrigineX) && std::isfinite(K.OrigineY));
    }
}

TEST_F(GeometrieVueTest, CentringMovesTheFirstOfTwoNodesSharingACode)
{
    noeud(QStringLiteral("A"), 0, 10, 10);
    noeud(QStringLiteral("B"), 0, 500, 500);
    K.Noeuds[2].Code = K.Noeuds[1].Code;
    CentreVueSurNoeud(K.Noeuds[1].Code);
    // Tolerance: the centring stops within 5 units of the centre.
    EXPECT_NEAR(K.Noeuds[1].XEcran, Ima().ScaleWidth() / 2, 5);
}

TEST_F(GeometrieVueTest, NoNodeFoundChangesNothing)
{
    K.Echelle = 2;
    K.OrigineX = 7;
    ZoomSurNoeudProche(10, 10, 1, 2); // empty table
    EXPECT_EQ(K.Echelle, 2);
    EXPECT_TRUE(images->ima.Appels.empty());

    noeud(QStringLiteral("A"), 0, 10, 10);
    CentreVueSurNoeud(-1); // no such code
    EXPECT_EQ(K.OrigineX, 7);
    EXPECT_EQ(K.Noeuds[1].XEcran, 10);
    EXPECT_TRUE(images->ima.Appels.empty());
}

} // namespace
