// Projection, rotation, tilt and depth order of the view.
#include "core/Modele.h"
#include "core/Projection.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

using namespace kelmo;

namespace {


class ProjectionTest : public ::testing::Test {
protected:
    void SetUp() override { ReinitialiseDonnees(); }

    // Picture and map coordinates coincide in these tests.
    int32_t noeud(const QString& nom, int32_t population, float x, float y, float z = 0)
    {
        return test::NoeudAEcran(nom, population, x, y, z);
    }
};

TEST_F(ProjectionTest, ScaleGuardAndProjection)
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

TEST_F(ProjectionTest, RotationTurnsClockwiseAboutTheNamedNodeOrTheCorner)
{
    noeud(QStringLiteral("LYON"), 0, 100, 100);
    noeud(QStringLiteral("PARIS"), 0, 200, 100);
    // "PARI" is the four first letters of PARIS: the centre is node 2
    TourneAutourNoeud(std::numbers::pi / 2, QStringLiteral("PARI"));
    // Tolerance: single-precision screen coordinates.
    EXPECT_NEAR(K.Noeuds[1].XEcran, 200, 1e-4);
    EXPECT_NEAR(K.Noeuds[1].YEcran, 0, 1e-4);
    EXPECT_NEAR(K.Noeuds[2].XEcran, 200, 1e-4);
    EXPECT_NEAR(K.Noeuds[2].YEcran, 100, 1e-4);

    // a five-letter name never matches: about the picture's corner
    K.Noeuds[1].XEcran = 100, K.Noeuds[1].YEcran = 0;
    TourneAutourNoeud(std::numbers::pi / 2, QStringLiteral("PARIS"));
    // Tolerance: single-precision screen coordinates.
    EXPECT_NEAR(K.Noeuds[1].XEcran, 0, 1e-4);
    EXPECT_NEAR(K.Noeuds[1].YEcran, 100, 1e-4);

    // a short name does not match a longer node name either
    K.Noeuds[1].XEcran = 100, K.Noeuds[1].YEcran = 0;
    TourneAutourNoeud(std::numbers::pi, QStringLiteral("LYO"));
    // Tolerance: single-precision screen coordinates.
    EXPECT_NEAR(K.Noeuds[1].XEcran, -100, 1e-4);

    K.Noeuds[1].XEcran = 12.5f, K.Noeuds[1].YEcran = -7.25f;
    TourneAutourNoeud(0, QStringLiteral("LYON"));
    EXPECT_EQ(K.Noeuds[1].XEcran, 12.5f);
    EXPECT_EQ(K.Noeuds[1].YEcran, -7.25f);
}

TEST_F(ProjectionTest, TiltShortensTowardsTheTopAndLiftsByHeight)
{
    noeud(QStringLiteral("A"), 0, 10, 200, 50);
    InclineNoeuds(0);
    EXPECT_EQ(K.Noeuds[1].YEcran, 200);
    InclineNoeuds(std::numbers::pi / 3);
    // Tolerance: single-precision screen coordinates.
    EXPECT_NEAR(K.Noeuds[1].YEcran, 200 * 0.5 - 50 * std::sin(std::numbers::pi / 3), 1e-4);
    EXPECT_EQ(K.Noeuds[1].XEcran, 10);
    K.Noeuds[1].YEcran = 200;
    InclineNoeuds(1.5708);
    // Tolerance: 1.5708 is not quite a right angle: 200 cos a is under 0.001.
    EXPECT_NEAR(K.Noeuds[1].YEcran, -50, 0.01);
}

TEST_F(ProjectionTest, DepthOrderIsAscendingKeyThenNodeNumber)
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

} // namespace
