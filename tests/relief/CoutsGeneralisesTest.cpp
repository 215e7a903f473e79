// The costs per km of the three parameter sets, and the zone of a node.
#include "core/Defauts.h"
#include "core/Modele.h"
#include "relief/CoutsGeneralises.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>

using namespace kelmo;

namespace {

class CoutsGeneralisesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        DefinitValeursParDefaut();
        K.ValeurTempsNationalite = K.ValeurTempsFrance;
        K.Formes.OptionsRelief = {};
        K.Formes.OptionsRelief.TGV = true;
        K.Formes.OptionsRelief.Route = true;
    }
};

// 1e-6 relative: the single-precision results carry about 7 digits.
void ProcheRelatif(double valeur, double attendu, const char* quoi)
{
    EXPECT_NEAR(valeur, attendu, 1e-6 * std::fabs(attendu)) << quoi;
}

TEST_F(CoutsGeneralisesTest, StartUpParametersGiveTheProfessionalFrenchCosts)
{
    CalculeTousLesCouts();
    const double T = 1.5 * 1 * double(34.06f); // factor, passengers, value of time
    const double car = 1.9;
    ProcheRelatif(K.CoutKmRoute, T / 70 + car, "road");
    ProcheRelatif(K.CoutKmAutoroute, T / 110 + car + 0.3, "motorway");
    const double fare = 0.5558 * 200;
    ProcheRelatif(K.CoutKmTrain, (T * 200 / 120 + fare + 13) / 200, "train");
    ProcheRelatif(K.CoutKmTGV, (13 + T * 200 / 220 + fare * double(1.2f)) / 200, "TGV");
    // the other sets take the French value of time too
    ProcheRelatif(K.CoutKmRoute1, T / 70 + car * 3.5 / 4.93, "road, Allemagne");
    ProcheRelatif(K.CoutKmAutoroute1, T / 130 + car * 3.5 / 4.93 + 1e-6, "motorway, Allemagne");
    ProcheRelatif(K.CoutKmRoute2, T / 70 + car * 3.9 / 4.93, "road, Espagne");
    ProcheRelatif(K.CoutKmAutoroute2, T / 110 + (car * 3.9 / 4.93 + 0.3), "motorway, Espagne");
    // TGV and road ticked: the cheapest of those over the three sets
    const double minimum = std::min({K.CoutKmTGV, K.CoutKmRoute, K.CoutKmRoute1, K.CoutKmRoute2});
    EXPECT_EQ(K.CoutKmMinimal, minimum);
}

TEST_F(CoutsGeneralisesTest, RailBandsFollowTheTripLengthAndAGapTakesTheLowerBand)
{
    K.TypeCout = QStringLiteral("Direct"); // no time term: the fare alone
    K.CoefClasseFer = 1.5;
    struct Cas {
        double L, fare, fixe;
    } cas[] = {
        {1, 0.5558 * 1, 13},
        {249, 0.5558 * 249, 13},
        {249.5, 0.5558 * 249.5, 13},
        {250, (250 - 249) * 0.386 + 138.3942, 58},
        {449, 215.5942, 58},
        {449.5, (449.5 - 249) * 0.386 + 138.3942, 58},
        {450, 234.8458, 80},
        {1000, (1000 - 449) * 0.3376 + 234.5082, 80},
    };
    for (const Cas& c : cas) {
        K.LongueurDeplacementKm = c.L;
        CalculeTousLesCouts();
        ProcheRelatif(K.CoutKmTrain, (1.5 * c.fare + c.fixe) / c.L, "train");
        ProcheRelatif(K.CoutKmTGV, (c.fixe + 1.5 * c.fare * double(1.2f)) / c.L, "TGV");
    }
}

TEST_F(CoutsGeneralisesTest, ATripShorterThanOneKilometreKeepsTheRailCosts)
{
    CalculeTousLesCouts();
    const float train = K.CoutKmTrain;
    const double tgv = K.CoutKmTGV;
    for (double L : {0.0, 0.5, -10.0}) {
        K.LongueurDeplacementKm = L;
        CalculeTousLesCouts();
        EXPECT_EQ(K.CoutKmTrain, train);
        EXPECT_EQ(K.CoutKmTGV, tgv);
    }
}

TEST_F(CoutsGeneralisesTest, CostTypeSetsTheWeightOfTime)
{
    struct Cas {
        const char* type;
        double f;
    } cas[] = {{"Direct", 0}, {"Généralisé", 1}, {"Généralisé professionnel", 1.5}, {"autre", 0}};
    for (const Cas& c : cas) {
        K.TypeCout = QString::fromUtf8(c.type);
        CalculeTousLesCouts();
        ProcheRelatif(K.CoutKmRoute, c.f * double(34.06f) / 70 + 1.9, c.type);
    }
}

TEST_F(CoutsGeneralisesTest, NoModeTickedLeavesEveryMinimumAtItsCeiling)
{
    K.Formes.OptionsRelief = {};
    CalculeTousLesCouts();
    EXPECT_EQ(K.CoutKmMinimal, 500000);
    EXPECT_EQ(K.CoutKmMinimal1, 500000);
    EXPECT_EQ(K.CoutKmMinimal2, 500000);
    EXPECT_EQ(K.CoutKmMinimal3, 500000);
    K.Formes.OptionsRelief.Autoroute = true;
    CalculeTousLesCouts();
    EXPECT_EQ(K.CoutKmMinimal3, K.CoutKmAutoroute);
    EXPECT_EQ(K.CoutKmMinimal, std::min({K.CoutKmAutoroute, double(K.CoutKmAutoroute1), double(K.CoutKmAutoroute2)}));
}

TEST_F(CoutsGeneralisesTest, TheZoneIsTheWholeQuotientOfTheCodeNotItsLeadingDigits)
{
    CalculeTousLesCouts();
    struct Cas {
        int32_t code;
        double route, autoroute;
    } cas[] = {
        {490000, K.CoutKmRoute1, K.CoutKmAutoroute1},  // 49
        {499999, K.CoutKmRoute1, K.CoutKmAutoroute1},  // 49
        {4910000, K.CoutKmRoute, K.CoutKmAutoroute},   // 491: France
        {340000, K.CoutKmRoute2, K.CoutKmAutoroute2},  // 34
        {3510000, K.CoutKmRoute2, K.CoutKmAutoroute2}, // 351
        {35100, K.CoutKmRoute, K.CoutKmAutoroute},     // 3
        {75056, K.CoutKmRoute, K.CoutKmAutoroute},
        {-10, K.CoutKmRoute, K.CoutKmAutoroute},       // -1
    };
    for (const Cas& c : cas) {
        ChoisitCoutsZone(c.code);
        EXPECT_EQ(K.CoutKmModeCourantR4, static_cast<float>(c.route)) << c.code;
        EXPECT_EQ(K.CoutKmModeCourant2, c.autoroute) << c.code;
        EXPECT_EQ(K.CoutKmModeCourant, K.CoutKmTGV) << c.code;
        EXPECT_EQ(K.CoutKmModeCourant3, K.CoutKmTrain) << c.code;
    }
    CalculeCoutsEntreZones(490000, 75056);
    ProcheRelatif(K.CoutKmModeCourantR4, (K.CoutKmRoute1 + K.CoutKmRoute) / 2, "road between zones");
    ProcheRelatif(K.CoutKmModeCourant2, (K.CoutKmAutoroute1 + K.CoutKmAutoroute) / 2, "motorway between zones");
}

} // namespace
