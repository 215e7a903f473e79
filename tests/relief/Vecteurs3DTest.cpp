// The 3-D helpers at their edge cases.
#include "relief/Vecteurs3D.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace kelmo;

namespace {

struct CasPoints {
    const char* regle;
    double p[9];
    double attendu[3];
};

TEST(Vecteurs3DTest, MiddleAndInnerPointWeighTheCornersAsDocumented)
{
    const CasPoints cas[] = {
        {"corners 1 and 2 count a quarter each", {0, 0, 0, 4, 0, 0, 0, 4, 0}, {1, 2, 0}},
        {"corner 3 counts for half", {0, 0, 0, 0, 0, 0, 8, -8, 2}, {4, -4, 1}},
        {"height is weighed like x and y", {2, 2, 4, 6, 2, 8, 2, 6, 0}, {3, 4, 3}},
    };
    for (const CasPoints& c : cas) {
        double x = 9, y = 9, z = 9;
        PointInterieur(c.p[0], c.p[1], c.p[2], c.p[3], c.p[4], c.p[5], c.p[6], c.p[7], c.p[8], x, y, z);
        // exact: halving and adding small whole numbers
        EXPECT_EQ(x, c.attendu[0]) << c.regle;
        EXPECT_EQ(y, c.attendu[1]) << c.regle;
        EXPECT_EQ(z, c.attendu[2]) << c.regle;
    }
    double x = 0, y = 0, z = 0;
    Milieu3D(-1, 3, 5, 3, -7, 6, x, y, z);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, -2);
    EXPECT_EQ(z, 5.5);
}

TEST(Vecteurs3DTest, DistanceIsTheEuclideanLengthInThreeDimensions)
{
    struct Cas {
        double p[6];
        double d;
    } cas[] = {
        {{1, 2, 3, 1, 2, 3}, 0},
        {{0, 0, 0, 3, 4, 0}, 5},
        {{0, 0, 0, 2, 3, 6}, 7},
        {{-1, -1, -1, 1, 1, 1}, std::sqrt(12.0)},
    };
    for (const Cas& c : cas)
        EXPECT_NEAR(Distance3D(c.p[0], c.p[1], c.p[2], c.p[3], c.p[4], c.p[5]), c.d, 1e-12 * (1 + c.d));
}

TEST(Vecteurs3DTest, NormAndDotProductComeBackInSinglePrecision)
{
    EXPECT_EQ(NormeVecteur({3, 4, 12}), 13.0f);
    EXPECT_EQ(NormeVecteur({0, 0, 0}), 0.0f);
    // 0.1 + 0.2 rounded to single, not the double 0.30000000000000004
    EXPECT_EQ(ProduitScalaire({0.1, 0.2, 0}, {1, 1, 1}), static_cast<float>(0.1 + 0.2));
    EXPECT_EQ(ProduitScalaire({1, 2, 3}, {4, -5, 6}), 12.0f);
}

TEST(Vecteurs3DTest, DividingByAZeroNormLeavesTheVectorAndSetsTheNormToOne)
{
    Vecteur3D v = {2, 4, 6};
    float n = 0;
    DiviseVecteur(n, v);
    EXPECT_EQ(n, 1.0f);
    EXPECT_EQ(v, (Vecteur3D{2, 4, 6}));
    n = 2;
    DiviseVecteur(n, v);
    EXPECT_EQ(v, (Vecteur3D{1, 2, 3}));
    EXPECT_EQ(n, 2.0f);
}

TEST(Vecteurs3DTest, CrossProductFollowsTheRightHandRule)
{
    struct Cas {
        Vecteur3D a, b, c;
    } cas[] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
        {{2, 3, 4}, {2, 3, 4}, {0, 0, 0}},
        {{1, 2, 3}, {4, 5, 6}, {-3, 6, -3}},
    };
    for (const Cas& c : cas) {
        Vecteur3D r{};
        ProduitVectoriel(c.a, c.b, r);
        EXPECT_EQ(r, c.c);
    }
    // the result may be written over an operand
    Vecteur3D a = {1, 0, 0};
    ProduitVectoriel(a, {0, 1, 0}, a);
    EXPECT_EQ(a, (Vecteur3D{0, 0, 1}));
}

} // namespace
