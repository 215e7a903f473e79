// Heights of the arc tents by valuation.
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "relief/GeometrieArcRelief.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace kelmo;

namespace {

class GeometrieArcReliefTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        DefinitTypesArcs();
        K.TypeValuationRelief = QStringLiteral("Temps");
        K.VitesseReference = 220;
        K.Echelle = 1;
    }
    // A horizontal arc of half chord c picture units (no tilt to undo).
    double hauteur(int mode, double c, bool* ok = nullptr)
    {
        double h = 123, corde = 0;
        const bool r = GeometrieArcRelief(h, 10, corde, mode, 0, 0, 2 * c, 0, 1, 1, 2);
        if (ok)
            *ok = r;
        return h;
    }
    static int16_t codeDeVitesse(int16_t v)
    {
        TypeAvion().Vitesse = v; // any free link type will do
        return TypeAvion().Code;
    }
};

TEST_F(GeometrieArcReliefTest, TempsFoldsSlowArcsUpAndFastArcsDownByTheSineOfTheTilt)
{
    struct Cas {
        int16_t vitesse;
        double attendu; // before the sine factor
    };
    K.AngleVertical = 0.5;
    const double s = std::sin(0.5);
    for (const Cas c : {Cas{110, -std::sqrt(300.0)}, Cas{440, std::sqrt(75.0)}, Cas{220, 0.0}}) {
        const int16_t code = codeDeVitesse(c.vitesse);
        // c = 10 on the map; with the tilt undone the picture chord is 20 cos(t)
        double h = 0, corde = 0;
        const double k = std::cos(0.5);
        ASSERT_TRUE(GeometrieArcRelief(h, 10, corde, code, 0, 0, 0, 20 * k, 1, 1, 2));
        // Tolerance: double rounding only.
        EXPECT_NEAR(corde, 10, 1e-9);
        EXPECT_NEAR(h, c.attendu * s, 1e-9) << c.vitesse;
    }
}

TEST_F(GeometrieArcReliefTest, TempsWithoutTiltIsFlatButStillWritesTheHalfChord)
{
    double h = 5, corde = 99;
    ASSERT_TRUE(GeometrieArcRelief(h, 10, corde, TypeTrain().Code, 0, 0, 6, 8, 1, 1, 2));
    EXPECT_EQ(h, 0);
    EXPECT_FALSE(std::signbit(h));
    // Tolerance: double rounding only.
    EXPECT_NEAR(corde, 5, 1e-12);
}

TEST_F(GeometrieArcReliefTest, FichierRelief3DHasNoSineFactor)
{
    K.TypeValuationRelief = QStringLiteral("FichierRelief3D");
    // Tolerance: double rounding only.
    EXPECT_NEAR(hauteur(codeDeVitesse(110), 10), -std::sqrt(300.0), 1e-9);
    EXPECT_NEAR(hauteur(codeDeVitesse(440), 10), std::sqrt(75.0), 1e-9);
}

TEST_F(GeometrieArcReliefTest, GainVirtuelReplacesEverySpeedButTheTGVs)
{
    K.AngleVertical = 1.0;
    K.Formes.OptionsRelief.GainVirtuel = true;
    K.VitesseGainVirtuel = 110;
    const double s = std::sin(1.0);
    // the half chord is taken with the tilt undone, so keep the arc horizontal
    // Tolerance: double rounding only.
    EXPECT_NEAR(hauteur(TypeTGV().Code, 10), 0.0, 1e-9);                      // 220 = reference
    EXPECT_NEAR(hauteur(TypeRoute70().Code, 10), -std::sqrt(300.0) * s, 1e-9); // 110, not 70
}

TEST_F(GeometrieArcReliefTest, AnamorphoseUsesMapDistanceAgainstTheSlowestSpeed)
{
    K.AngleVertical = 1.0;
    K.Formes.OptionsRelief.Anamorphose = true;
    K.VitesseMinimale = 35;
    K.Noeuds.resize(3);
    K.NbNoeuds = 2;
    K.Noeuds[2].X = 6; // map distance 6
    K.Arcs.resize(2);
    K.NbArcs = 1;
    K.Arcs[1].Mode = TypeRoute70().Code;
    K.Arcs[1].Longueur = 20; // L = 20 * 35 / 70 = 10
    // Tolerance: double rounding only.
    EXPECT_NEAR(hauteur(TypeRoute70().Code, 3), -std::sqrt(25.0 - 9.0) * std::sin(1.0), 1e-9);
    K.Noeuds[2].X = 12; // longer than L: flat
    EXPECT_EQ(hauteur(TypeRoute70().Code, 3), 0);
}

TEST_F(GeometrieArcReliefTest, ReliefThematiqueTakesTheMeanNodeHeight)
{
    K.TypeValuationRelief = QStringLiteral("ReliefThématique");
    K.AngleVertical = 0.3;
    K.Noeuds.resize(3);
    K.NbNoeuds = 2;
    K.Noeuds[1].ZEcran = 10;
    K.Noeuds[2].ZEcran = 30;
    // Tolerance: heights from single-precision node heights.
    EXPECT_NEAR(hauteur(TypeTrain().Code, 10), -20 * std::sin(0.3), 1e-6);
}

TEST_F(GeometrieArcReliefTest, PastTheVerticalEveryHeightTurnsOverButFlatStaysZero)
{
    K.AngleVertical = 1.6;
    const double s = std::sin(1.6), k = std::cos(1.6);
    double h = 0, corde = 0;
    ASSERT_TRUE(GeometrieArcRelief(h, 10, corde, codeDeVitesse(110), 0, 0, 0, 20 * k, 1, 1, 2));
    // Tolerance: double rounding of the turn-over, far below a pixel.
    EXPECT_NEAR(h, std::sqrt(300.0) * s, 1e-6);
    K.TypeValuationRelief = QStringLiteral("PasDeValuation");
    h = 7;
    ASSERT_TRUE(GeometrieArcRelief(h, 10, corde, codeDeVitesse(110), 0, 0, 0, 20, 1, 1, 2));
    EXPECT_EQ(h, 0);
    EXPECT_FALSE(std::signbit(h));
}

TEST_F(GeometrieArcReliefTest, HeightsThatCannotBeComputedAreReportedAndLeaveTheResult)
{
    K.AngleVertical = 0.5;
    bool ok = true;
    EXPECT_EQ(hauteur(12345, 10, &ok), 123); // no link type of that code
    EXPECT_FALSE(ok);
    EXPECT_EQ(hauteur(codeDeVitesse(0), 10, &ok), 123); // speed 0
    EXPECT_FALSE(ok);
    K.TypeValuationRelief = QStringLiteral("ReliefThématique"); // node numbers out of the table
    EXPECT_EQ(hauteur(TypeTrain().Code, 10, &ok), 123);
    EXPECT_FALSE(ok);
}

TEST_F(GeometrieArcReliefTest, CoutFoldsByTheCostRatioOverTheTimeHalfChord)
{
    K.TypeValuationRelief = QStringLiteral("Coût");
    K.AngleVertical = 0.5;
    const double s = std::sin(0.5);
    K.Noeuds.resize(3);
    K.NbNoeuds = 2;
    K.Noeuds[1].Code = 75056; // both ends in the France zone
    K.Noeuds[2].Code = 69123;
    K.CoutKmRoute = 2;
    K.CoutKmAutoroute = 3;
    K.CoutKmTrain = 1.5f;
    K.CoutKmTGV = 2.5;
    K.CoutKmMinimal = 1;
    struct Cas {
        const char* type;
        double attendu; // before the sine factor, half chord 10
    } cas[] = {
        {"TGV", -10 * std::sqrt(2.5 * 2.5 - 1)},      // dearer than the road: folds the other way
        {"Route70", 10 * std::sqrt(2.0 * 2.0 - 1)},
        {"Autoroute", -10 * std::sqrt(3.0 * 3.0 - 1)},
        {"Train", 10 * std::sqrt(1.5 * 1.5 - 1)},     // cheaper than the road
    };
    for (const Cas& c : cas) {
        TypeArc t;
        ASSERT_TRUE(TypeArcParNom(QString::fromUtf8(c.type), t));
        double h = 0, corde = 0;
        ASSERT_TRUE(GeometrieArcRelief(h, 10, corde, t.Code, 0, 0, 20, 0, 1, 1, 2)) << c.type;
        EXPECT_NEAR(h, c.attendu * s, 1e-9) << c.type;
        EXPECT_NEAR(corde, 10, 1e-12) << c.type;
    }
    bool ok = true;
    EXPECT_EQ(hauteur(TypeRoute50().Code, 10, &ok), 123); // no cost for that link type
    EXPECT_FALSE(ok);
    K.CoutKmMinimal = 3; // the train is then cheaper than the minimum: r < 1
    EXPECT_EQ(hauteur(TypeTrain().Code, 10, &ok), 123);
    EXPECT_FALSE(ok);
}

TEST_F(GeometrieArcReliefTest, BaseSurArcValCompressesTheTimeFieldAndFlattensTGVs)
{
    K.TypeValuationRelief = QStringLiteral("BaséSurArcVal");
    K.AngleVertical = 0.5;
    K.Echelle = 2;
    const double s = std::sin(0.5);
    const double base = std::pow(32.0, 0.3) / 2;
    struct Cas {
        int mode;
        double temps, attendu;
    } cas[] = {
        {TypeTrain().Code, 32, -base * s},
        {3, 32, 0},                         // TGV code: always flat
        {6, 32, -base * 2 / 3 * s},         // motorway code: two thirds
        {TypeTrain().Code, 0, 0},
    };
    for (const Cas& c : cas) {
        double h = 9, corde = 77;
        ASSERT_TRUE(GeometrieArcRelief(h, c.temps, corde, c.mode, 0, 0, 20, 0, 1, 1, 2));
        EXPECT_NEAR(h, c.attendu, 1e-12) << c.mode;
        EXPECT_EQ(corde, 77); // the chord is left as passed
    }
    double h = 9, corde = 0;
    EXPECT_FALSE(GeometrieArcRelief(h, -1, corde, TypeTrain().Code, 0, 0, 20, 0, 1, 1, 2));
    EXPECT_EQ(h, 9);
}

TEST_F(GeometrieArcReliefTest, AViewTiltedEdgeOnGivesNoTimeOrCostHeight)
{
    K.AngleVertical = std::acos(1e-7);
    bool ok = true;
    EXPECT_EQ(hauteur(TypeTrain().Code, 10, &ok), 123);
    EXPECT_FALSE(ok);
    K.AngleVertical = std::acos(2e-6); // still invertible
    hauteur(TypeTrain().Code, 10, &ok);
    EXPECT_TRUE(ok);
}

TEST_F(GeometrieArcReliefTest, AnUnknownValuationLeavesTheHeightAsPassed)
{
    K.TypeValuationRelief = QStringLiteral("temps"); // case matters
    EXPECT_EQ(hauteur(TypeTrain().Code, 10), 123);
}

} // namespace
