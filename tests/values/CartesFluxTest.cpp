// The flow maps, the flows by mode, the flow surfaces and the probabilities.
#include "CartesDeTest.h"
#include "values/CartesFlux.h"
#include "values/Probabilites.h"
#include "values/SurfacesFlux.h"

#include <cmath>
#include <random>

using namespace kelmo;
using namespace kelmo::testcartes;

namespace {

class CartesFlux : public CarteTest {};

} // namespace

TEST(PasLargeurFlux, EachBandHoldsItsUpperBoundAndSharesOutsideTheTableTakeTheNearestBand)
{
    const struct {
        float part;
        int oriente, nonOriente;
    } cas[] = {{0, 1, 1},        {10, 1, 1},       {10.001f, 2, 2},     {30, 3, 4},        {55, 6, 10},
               {100, 10, 20},    {100.5f, 12, 20}, {105.6f, 12, 20},    {110, 12, 20},     {110.1f, 12, 23},
               {160, 14, 25},    {250, 16, 30},    {10000, 16, 30},     {10000.5f, 16, 30}, {-5, 1, 1},
               {-15, 2, 2},      {-20000, 16, 30}};
    for (const auto& k : cas) {
        EXPECT_EQ(PasLargeurFlux(k.part), k.oriente) << k.part;
        EXPECT_EQ(PasLargeurFluxNonOrientes(k.part), k.nonOriente) << k.part;
    }
}

TEST_F(CartesFlux, OrientedFlowsLieToTheRightOfTheirDirectionByHalfTheirWidthPlusOneAndAHalf)
{
    K.EchelleRonds = 2;
    const int32_t a = noeud(100, 100), b = noeud(300, 100);
    paire(a, b, 5);   // max 5: 100 % -> step 10, width 20, offset 11.5
    paire(b, a, 0.5f); // 10 % -> step 1, width 2, offset 2.5
    Ima().ForeColor = RGB(7, 8, 9);
    AfficheFlux();
    const auto t = traits();
    ASSERT_EQ(t.size(), 2u);
    // The right of a -> b on a picture whose y grows downwards is +y.
    EXPECT_EQ(Bouts(t[0]), (std::vector<int>{100, 112, 300, 112})) << "100 + 11.5 rounds half to even";
    EXPECT_EQ(t[0].DrawWidth, 20);
    EXPECT_EQ(Bouts(t[1]), (std::vector<int>{300, 98, 100, 98})) << "100 - 2.5 rounds half to even";
    EXPECT_EQ(t[1].DrawWidth, 2);
    EXPECT_EQ(t[1].ForeColor, RGB(7, 8, 9)) << "the picture's own pen colour";
    EXPECT_EQ(K.Arcs1[1].Largeur, 20.0f);
    EXPECT_EQ(K.ValeurMaxArcs1, 5);
}

TEST_F(CartesFlux, TheLockedScaleKeepsTheRoundedMaximumOfAnEarlierMap)
{
    const int32_t a = noeud(100, 100), b = noeud(300, 100);
    paire(a, b, 250);
    K.ValeurMaxArcs1 = 100;
    K.Menu(QStringLiteral("menEchelleBlindéeArcs")).Checked = true;
    AfficheFlux();
    ASSERT_EQ(traits().size(), 1u);
    EXPECT_EQ(traits()[0].DrawWidth, 16) << "250 %";
    K.Menu(QStringLiteral("menEchelleBlindéeArcs")).Checked = false;
    AfficheFlux();
    EXPECT_EQ(K.ValeurMaxArcs1, 200);
    EXPECT_EQ(traits()[1].DrawWidth, 12) << "125 % of the recomputed maximum";
}

TEST_F(CartesFlux, FlowMapsWithoutAValueOfOneOrMoreDrawNothing)
{
    const int32_t a = noeud(100, 100), b = noeud(300, 100);
    paire(a, b, 0.6f);
    paire(a, b, -3);
    AfficheFlux();
    AfficheFluxNonOrientes();
    EXPECT_TRUE(traits().empty());
    EXPECT_EQ(K.ValeurMaxArcs1, 0);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(CartesFlux, ANegativeOrientedFlowTakesTheWidthOfItsMagnitudeOnce)
{
    K.EchelleRonds = 3;
    const int32_t a = noeud(100, 100), b = noeud(300, 100);
    paire(a, b, 100);
    paire(a, b, -25);
    AfficheFlux();
    ASSERT_EQ(traits().size(), 2u);
    EXPECT_EQ(traits()[1].DrawWidth, 9) << "25 %: step 3 scaled once";
}

TEST_F(CartesFlux, AFlowBetweenEndsAtOnePointIsALineOfNoLengthOnTheNode)
{
    const int32_t a = noeud(100, 100), b = noeud(100, 100);
    paire(a, b, 10);
    AfficheFlux();
    ASSERT_EQ(traits().size(), 1u);
    EXPECT_EQ(Bouts(traits()[0]), (std::vector<int>{100, 100, 100, 100}));
}

TEST_F(CartesFlux, NonOrientedFlowsPassTheThresholdAndTakeTheColourOfTheirPair)
{
    const int32_t a = noeud(100, 100), b = noeud(300, 100);
    paire(a, b, 100).Couleur = RGB(1, 2, 3);
    ArcValeur& petit = paire(b, a, -50);
    petit.Largeur = 9;
    paire(b, a, -60);
    K.SeuilAttractions = 50;
    AfficheFluxNonOrientes();
    const auto t = traits();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(Bouts(t[0]), (std::vector<int>{100, 100, 300, 100}));
    EXPECT_EQ(t[0].DrawWidth, 20);
    EXPECT_EQ(t[0].ForeColor, RGB(1, 2, 3));
    EXPECT_EQ(t[1].DrawWidth, 10) << "|-60| is 60 %";
    EXPECT_EQ(K.Arcs1[2].Largeur, 9.0f) << "a pair within the threshold keeps its width";
}

// The first network arc joining the two nodes' codes, as a scan of the arc
// table finds it.
int32_t ArcLitteral(int32_t o, int32_t d)
{
    const int32_t co = K.Noeuds[o].Code, cd = K.Noeuds[d].Code;
    for (int32_t j = 1; j <= K.NbArcs; ++j) {
        const Arc& a = K.Arcs[j];
        const int32_t ao = K.Noeuds[a.IndiceOrigine].Code, ad = K.Noeuds[a.IndiceDestination].Code;
        if ((ao == co && ad == cd) || (ao == cd && ad == co))
            return j;
    }
    return 0;
}

TEST_F(CartesFlux, FlowsByModeTakeTheColourOfTheFirstNetworkArcJoiningTheirNodesEitherWay)
{
    classes({{0, 1000, RGB(1, 1, 1), 2}});
    std::mt19937 g(5);
    for (int i = 0; i < 30; ++i)
        noeud(static_cast<float>(g() % 500 + 1), static_cast<float>(g() % 500 + 1));
    const int16_t modes[] = {TypeTGV().Code, TypeTrain().Code, TypeAutoroute().Code, TypeRoute70().Code};
    for (int j = 0; j < 120; ++j) {
        test::Arc_(0, 0, modes[g() % 4]);
        K.Arcs.back().IndiceOrigine = static_cast<int16_t>(g() % 30 + 1);
        K.Arcs.back().IndiceDestination = static_cast<int16_t>(g() % 30 + 1);
    }
    for (int r = 0; r < 300; ++r)
        paire(static_cast<int32_t>(g() % 30 + 1), static_cast<int32_t>(g() % 30 + 1), 10);
    AfficheFluxNonOrientesModes();
    const auto t = traits();
    ASSERT_EQ(t.size(), 300u);
    Couleur attendue = 0; // black before the first arc found
    for (int32_t r = 1; r <= 300; ++r) {
        const ArcValeur& a = K.Arcs1[r];
        if (const int32_t j = ArcLitteral(a.IndiceOrigine, a.IndiceDestination); j > 0) {
            TypeArc type;
            TypeArcParCode(K.Arcs[j].Mode, type);
            attendue = type.CouleurCommun;
        }
        EXPECT_EQ(t[r - 1].ForeColor, attendue) << r;
        EXPECT_EQ(a.Couleur, attendue) << r;
        EXPECT_EQ(a.Largeur, 2.0f);
    }
}

TEST_F(CartesFlux, FlowsByModeHideWhiteClassesWidenZeroWidthClassesAndSkipPairsInNoClass)
{
    classes({{0, 10, RGB(255, 255, 255), 3}, {10, 20, RGB(1, 1, 1), 0}});
    const int32_t a = noeud(100, 100), b = noeud(300, 100);
    test::Arc_(0, 0, TypeTrain().Code);
    K.Arcs.back().IndiceOrigine = static_cast<int16_t>(b);
    K.Arcs.back().IndiceDestination = static_cast<int16_t>(a);
    K.EchelleRonds = 1.5;
    paire(a, b, 5);
    paire(a, b, 15);
    ArcValeur& hors = paire(a, b, 50);
    hors.Largeur = 4;
    AfficheFluxNonOrientesModes();
    const auto t = traits();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].ForeColor, TypeTrain().CouleurCommun);
    EXPECT_EQ(t[0].DrawWidth, 2) << "width 1 x 1.5 rounds half to even";
    EXPECT_EQ(K.Classes[2].Epaisseur, 1.0f);
    EXPECT_EQ(K.Arcs1[1].Largeur, 4.5f) << "a hidden pair is still given its width";
    EXPECT_EQ(K.Arcs1[1].Couleur, TypeTrain().CouleurCommun);
    EXPECT_EQ(K.Arcs1[2].Largeur, 1.5f);
    EXPECT_EQ(K.Arcs1[3].Largeur, 4.0f);
    EXPECT_EQ(K.Arcs1[3].Couleur, RGB(255, 0, 0));
}

TEST_F(CartesFlux, FlowSurfacesAreBandsDrawnFromTheFarthestUpAndSkipUnknownCodes)
{
    K.AngleVerticalDonnees = static_cast<float>(std::asin(0.5));
    K.EpaisseurNoeuds = 1;
    const int32_t a = noeud(100, 300), b = noeud(300, 301), c = noeud(200, 50), d = noeud(400, 60);
    paire(a, b, 100);  // mean ordinate 300.5
    paire(c, d, -41);  // 55, hangs below
    ArcValeur& inconnu = paire(a, b, 10);
    inconnu.CodeDestination = 999;
    AffecteSurfacesFlux();
    TrieSurfacesFlux();
    AfficheSurfacesFlux();
    EXPECT_EQ(SurfacesFlux[3], (std::array<float, 6>{}));
    const auto p = polygones();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].points, (std::vector<QPoint>{{200, 50}, {200, 52}, {400, 62}, {400, 60}}))
        << "h = -41 / 10 x 0.5 = -2.05";
    EXPECT_EQ(p[1].points, (std::vector<QPoint>{{100, 300}, {100, 295}, {300, 296}, {300, 301}}));
    EXPECT_EQ(p[1].FillColor, K.CouleurInterieurNoeuds);
    EXPECT_EQ(p[1].ForeColor, 0);
    EXPECT_EQ(p[1].FillStyle, 0);
}

TEST_F(CartesFlux, FlowSurfacesOfEqualKeysKeepTheirOrderInTheSort)
{
    for (int i = 0; i < 6; ++i)
        noeud(static_cast<float>(10 + i), 100);
    for (int i = 1; i <= 5; ++i)
        paire(i, i + 1, static_cast<float>(i));
    AffecteSurfacesFlux();
    TrieSurfacesFlux();
    for (int32_t i = 1; i <= 5; ++i)
        EXPECT_EQ(OrdreSurfacesFlux[i], i);
}

// The width search as it was written: one step at a time, in single precision.
int LargeurLitterale(float s, float lu)
{
    int n = 2;
    while (static_cast<float>(n) * lu < s)
        ++n;
    return n > 32000 ? 3000 : n;
}

TEST(LargeurSegmentProbabilite, TheDirectWidthEqualsTheStepByStepSearch)
{
    const struct {
        float s, lu;
        int n;
    } cas[] = {{10, 100, 2}, {200, 100, 2}, {200.001f, 100, 3}, {300, 100, 3}, {-50, 10, 2},
               {1e6f, 0.5f, 3000}, {32000, 1, 32000}, {32001, 1, 3000}, {0.3f, 0.1f, 3}};
    for (const auto& k : cas)
        EXPECT_EQ(LargeurSegmentProbabilite(k.s, k.lu), k.n) << k.s << " / " << k.lu;
    std::mt19937 g(3);
    std::uniform_real_distribution<float> lu(0.01f, 500), s(-100, 40000);
    for (int i = 0; i < 20000; ++i) {
        const float a = s(g), b = lu(g);
        ASSERT_EQ(LargeurSegmentProbabilite(a, b), LargeurLitterale(a, b)) << a << " / " << b;
    }
}

TEST_F(CartesFlux, ProbabilitySegmentsShareTheOriginCircleByValue)
{
    const int32_t o = noeud(100, 100), d1 = noeud(400, 100), d2 = noeud(100, 400);
    paire(o, d1, 30);
    paire(o, d2, 10);
    AfficheProbabilites();
    const auto t = traits();
    ASSERT_EQ(t.size(), 4u);
    // Guide from the rim (110, 100) to the destination, dotted grey.
    EXPECT_EQ(Bouts(t[0]), (std::vector<int>{110, 100, 400, 100}));
    EXPECT_EQ(t[0].DrawStyle, 2);
    EXPECT_EQ(t[0].ForeColor, RGB(130, 130, 130));
    EXPECT_EQ(t[0].DrawWidth, 1);
    // Segment 2 wide and 0.375 A = 117.8 long.
    EXPECT_EQ(Bouts(t[1]), (std::vector<int>{110, 100, 228, 100}));
    EXPECT_EQ(t[1].DrawWidth, 2);
    EXPECT_EQ(t[1].DrawStyle, 0);
    EXPECT_EQ(t[1].ForeColor, QBColor(4));
    // Straight down: 0.125 A = 39.3 long.
    EXPECT_EQ(Bouts(t[3]), (std::vector<int>{100, 110, 100, 149}));
    const auto c = cercles();
    ASSERT_EQ(c.size(), 4u) << "the origin drawn again for each of its pairs";
    EXPECT_EQ(c[0].points, (std::vector<QPoint>{{110, 110}, {90, 90}}));
    EXPECT_EQ(c[0].FillColor, QBColor(7));
    EXPECT_EQ(c[0].ForeColor, QBColor(7));
    EXPECT_EQ(c[1].points, (std::vector<QPoint>{{109, 109}, {91, 91}}));
    EXPECT_EQ(c[1].ForeColor, QBColor(4));
}

TEST_F(CartesFlux, AProbabilitySegmentToTheLeftPointsLeftAndASelfPairIsARedDisc)
{
    const int32_t o = noeud(300, 100), d = noeud(100, 100);
    paire(o, d, 10);
    paire(o, o, 10);
    AfficheProbabilites();
    const auto t = traits();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(Bouts(t[1]), (std::vector<int>{290, 100, 211, 100})) << "0.5 A / 2 = 78.5 to the left";
    const auto c = cercles();
    ASSERT_EQ(c.size(), 5u);
    EXPECT_EQ(c[4].FillColor, QBColor(4));
    EXPECT_EQ(c[4].ForeColor, QBColor(4));
    EXPECT_EQ(c[4].points, (std::vector<QPoint>{{309, 109}, {291, 91}}));
}

TEST_F(CartesFlux, ProbabilitiesSkipOriginsOfNoTotalAndEndsWithinTheCircle)
{
    const int32_t o = noeud(100, 100), d = noeud(400, 100), pres = noeud(105, 100), o2 = noeud(100, 300);
    paire(o2, d, 20);
    paire(o2, o, -20); // the total of o2 is 0
    paire(o, pres, 10);
    paire(o, d, 10);
    AfficheProbabilites();
    const auto t = traits();
    ASSERT_EQ(t.size(), 2u) << "only o -> d has a segment";
    EXPECT_EQ(t[1].points.at(0), QPoint(110, 100));
}

TEST_F(CartesFlux, ProbabilitiesDrawNothingForAPairWithAMissingEnd)
{
    // Ends whose picture coordinates add up to 0 were never placed.
    const int32_t o = noeud(100, 100), d = noeud(400, 100), origine = noeud(0, 0), biais = noeud(-50, 50);
    for (const int32_t absent : {origine, biais}) {
        images->ima.Appels.clear();
        K.NombreArcs1 = 0;
        paire(o, d, 10);
        paire(o, absent, 10);
        paire(absent, d, 10);
        paire(absent, absent, 10);
        AfficheProbabilites();
        const auto t = traits();
        ASSERT_EQ(t.size(), 2u) << "the guide and segment of o -> d alone";
        EXPECT_EQ(Bouts(t[0]), (std::vector<int>{110, 100, 400, 100}));
        EXPECT_EQ(cercles().size(), 4u) << "the two circles of o's two pairs, none at the missing node";
        for (const AppelZoneImage& c : cercles())
            EXPECT_EQ((c.points.at(0) + c.points.at(1)) / 2, QPoint(100, 100));
    }
}
