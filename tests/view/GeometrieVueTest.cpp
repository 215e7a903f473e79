// Projection, rotation, tilt, depth order, zoom and centring of the view.
#include "ReseauVue.h"
#include "view/GeometrieVue.h"

#include <cmath>

using namespace kelmo;
using kelmo::testvue::VueTest;

namespace {

constexpr double Pi = 3.14159265358979323846;

class GeometrieVueTest : public VueTest {};

TEST_F(GeometrieVueTest, ScaleGuardAndProjection)
{
    struct Cas {
        double echelle, attendue;
    };
    noeud(QStringLiteral("A"), 0, 30, 60, 9);
    K.OrigineX = 100;
    K.OrigineY = 1100;
    for (const Cas c : {Cas{0, 1}, Cas{-50, -50}, Cas{150, 1}, Cas{-150, 1}, Cas{3, 3}, Cas{100, 100}}) {
        K.Echelle = c.echelle;
        CalculeCoordonneesEcran();
        EXPECT_EQ(K.Echelle, c.attendue);
        const Noeud& n = K.Noeuds[1];
        EXPECT_FLOAT_EQ(n.XEcran, float(30 / c.attendue + 100)) << c.echelle;
        EXPECT_FLOAT_EQ(n.YEcran, float(1100 - 60 / c.attendue)) << c.echelle;
        EXPECT_FLOAT_EQ(n.ZEcran, float(9 / c.attendue)) << c.echelle;
    }
}

TEST_F(GeometrieVueTest, RotationTurnsClockwiseAboutTheNamedNodeOrTheCorner)
{
    noeud(QStringLiteral("LYON"), 0, 100, 100);
    noeud(QStringLiteral("PARIS"), 0, 200, 100);
    // "PARI" is the four first letters of PARIS: the centre is node 2
    TourneAutourNoeud(Pi / 2, QStringLiteral("PARI"));
    EXPECT_NEAR(K.Noeuds[1].XEcran, 200, 1e-4);
    EXPECT_NEAR(K.Noeuds[1].YEcran, 0, 1e-4);
    EXPECT_NEAR(K.Noeuds[2].XEcran, 200, 1e-4);
    EXPECT_NEAR(K.Noeuds[2].YEcran, 100, 1e-4);

    // a five-letter name never matches: about the picture's corner
    K.Noeuds[1].XEcran = 100, K.Noeuds[1].YEcran = 0;
    TourneAutourNoeud(Pi / 2, QStringLiteral("PARIS"));
    EXPECT_NEAR(K.Noeuds[1].XEcran, 0, 1e-4);
    EXPECT_NEAR(K.Noeuds[1].YEcran, 100, 1e-4);

    // a short name does not match a longer node name either
    K.Noeuds[1].XEcran = 100, K.Noeuds[1].YEcran = 0;
    TourneAutourNoeud(Pi, QStringLiteral("LYO"));
    EXPECT_NEAR(K.Noeuds[1].XEcran, -100, 1e-4);

    K.Noeuds[1].XEcran = 12.5f, K.Noeuds[1].YEcran = -7.25f;
    TourneAutourNoeud(0, QStringLiteral("LYON"));
    EXPECT_EQ(K.Noeuds[1].XEcran, 12.5f);
    EXPECT_EQ(K.Noeuds[1].YEcran, -7.25f);
}

TEST_F(GeometrieVueTest, TiltShortensTowardsTheTopAndLiftsByHeight)
{
    noeud(QStringLiteral("A"), 0, 10, 200, 50);
    InclineNoeuds(0);
    EXPECT_EQ(K.Noeuds[1].YEcran, 200);
    InclineNoeuds(Pi / 3);
    EXPECT_NEAR(K.Noeuds[1].YEcran, 200 * 0.5 - 50 * std::sin(Pi / 3), 1e-4);
    EXPECT_EQ(K.Noeuds[1].XEcran, 10);
    K.Noeuds[1].YEcran = 200;
    InclineNoeuds(1.5708);
    EXPECT_NEAR(K.Noeuds[1].YEcran, -50, 0.01);
}

TEST_F(GeometrieVueTest, DepthOrderIsAscendingKeyThenNodeNumber)
{
    K.AngleVertical = 0.5;
    noeud(QStringLiteral("A"), 0, 0, 100, 0);    // key 100
    noeud(QStringLiteral("B"), 0, 0, 100, 0);    // key 100 too
    noeud(QStringLiteral("C"), 0, 0, 10, 0);     // key 10
    noeud(QStringLiteral("D"), 0, 0, 150, -100); // key 150 + 100 sin 0.5 = 197.9
    noeud(QStringLiteral("E"), 0, 0, 200, 100);  // key 200 - 100 sin 0.5 = 152.1
    K.IndexNoeuds = {0, 4, 4, 4, 4, 4}; // what was there before plays no part
    TrieNoeudsProfondeur();
    ASSERT_EQ(K.IndexNoeuds.size(), 6u);
    EXPECT_EQ(std::vector<int16_t>(K.IndexNoeuds.begin() + 1, K.IndexNoeuds.end()),
              (std::vector<int16_t>{3, 1, 2, 5, 4}));

    ReinitialiseDonnees();
    noeud(QStringLiteral("A"), 0, 0, 0);
    TrieNoeudsProfondeur();
    EXPECT_EQ(K.IndexNoeuds[1], 1);
}

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
        K.AngleHorizontal = c.rotationDeg * Pi / 180;
        K.AngleVertical = c.inclinaisonDeg * Pi / 180;
        K.VilleCentreRotation = QString::fromLatin1(c.centre);
        CentreVueSurNoeud(K.Noeuds[k].Code);
        const double xc = Ima().ScaleWidth() / 2, yc = Ima().ScaleHeight() / 2;
        EXPECT_NEAR(K.Noeuds[k].XEcran, xc, 5) << c.rotationDeg << " " << c.inclinaisonDeg << " " << c.centre;
        if (std::fabs(c.inclinaisonDeg - 90) > 1e-9) {
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
