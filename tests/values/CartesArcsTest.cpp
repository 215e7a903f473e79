// The order of the pairs and the maps of pairs by class and by attraction.
#include "CartesDeTest.h"
#include "values/Attractions.h"
#include "values/ClassesArcs.h"
#include "values/OutilsCartes.h"

#include <algorithm>
#include <random>

using namespace kelmo;
using namespace kelmo::testcartes;

namespace {

class CartesArcs : public CarteTest {};

std::vector<float> ValeursArcs1()
{
    std::vector<float> v;
    for (int32_t i = 1; i <= K.NombreArcs1; ++i)
        v.push_back(K.Arcs1[i].Valeur);
    return v;
}

std::vector<int32_t> CodesArcs1()
{
    std::vector<int32_t> v;
    for (int32_t i = 1; i <= K.NombreArcs1; ++i)
        v.push_back(K.Arcs1[i].CodeOrigine);
    return v;
}

} // namespace

TEST_F(CartesArcs, TheSortOfThePairsExchangesAcrossGapsSoEqualMagnitudesMayChangeOrder)
{
    // Traced by hand: gap 2 exchanges A and C, gap 1 exchanges A and D;
    // B and C (equal magnitudes) end in the order C, B.
    const struct {
        int32_t code;
        float valeur;
    } paires[] = {{1, 3}, {2, -1}, {3, 1}, {4, 2}};
    for (const auto& p : paires) {
        ArcValeur& a = paire(0, 0, p.valeur);
        a.CodeOrigine = p.code;
    }
    TrieArcs1();
    EXPECT_EQ(CodesArcs1(), (std::vector<int32_t>{3, 2, 4, 1}));
    EXPECT_EQ(ValeursArcs1(), (std::vector<float>{1, -1, 2, 3}));
}

TEST_F(CartesArcs, TheSortOfThePairsOrdersByMagnitudeAndKeepsEveryRecordWhole)
{
    for (int32_t n : {0, 1, 2, 7, 1000}) {
        K.NombreArcs1 = 0;
        std::mt19937 g(static_cast<unsigned>(n));
        for (int32_t i = 1; i <= n; ++i) {
            ArcValeur& a = paire(0, 0, static_cast<float>(static_cast<int>(g() % 41) - 20));
            a.CodeOrigine = i;
            a.CodeDestination = 100000 + i;
            a.Largeur = static_cast<float>(i);
        }
        TrieArcs1();
        std::vector<int32_t> codes;
        for (int32_t i = 1; i <= n; ++i) {
            const ArcValeur& a = K.Arcs1[i];
            EXPECT_EQ(a.CodeDestination, 100000 + a.CodeOrigine);
            EXPECT_EQ(a.Largeur, static_cast<float>(a.CodeOrigine));
            if (i > 1) {
                EXPECT_LE(std::fabs(K.Arcs1[i - 1].Valeur), std::fabs(a.Valeur));
            }
            codes.push_back(a.CodeOrigine);
        }
        std::sort(codes.begin(), codes.end());
        for (int32_t i = 0; i < n; ++i)
            EXPECT_EQ(codes[static_cast<std::size_t>(i)], i + 1);
    }
}

TEST_F(CartesArcs, ClassArcsTakeTheirClassPenAndAPairInNoClassKeepsThePenBeforeAndItsOwnWidth)
{
    classes({{0, 10, RGB(1, 1, 1), 2.5f}, {10, 20, RGB(2, 2, 2), 3.5f}});
    const int32_t a = noeud(10, 10), b = noeud(100.5f, 50.5f), c = noeud(30, 300);
    paire(a, b, 5);
    paire(b, c, 15);
    ArcValeur& hors = paire(a, c, 25);
    hors.Largeur = 7;
    AfficheClassesArcs();
    const auto t = traits();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(Bouts(t[0]), (std::vector<int>{10, 10, 100, 50})) << "ends rounded half to even";
    EXPECT_EQ(t[0].ForeColor, RGB(1, 1, 1));
    EXPECT_EQ(t[0].DrawWidth, 2) << "2.5 rounds half to even";
    EXPECT_EQ(t[1].DrawWidth, 4) << "3.5 rounds half to even";
    EXPECT_EQ(t[2].ForeColor, RGB(2, 2, 2));
    EXPECT_EQ(t[2].DrawWidth, 4);
    EXPECT_EQ(K.Arcs1[1].Largeur, 2.5f);
    EXPECT_EQ(K.Arcs1[1].Couleur, RGB(1, 1, 1));
    EXPECT_EQ(K.Arcs1[3].Largeur, 7.0f);
    EXPECT_EQ(K.Arcs1[3].Couleur, RGB(255, 0, 0));
}

TEST_F(CartesArcs, ThePairMapsCompareTheSingleValueWidenedToDoubleWithTheThreshold)
{
    classes({{-100, 100, RGB(1, 1, 1), 1}});
    const int32_t a = noeud(10, 10), b = noeud(100, 50);
    K.SeuilAttractions = 0.15;
    paire(a, b, 0.15f);  // slightly above 0.15 once widened
    paire(a, b, 0.125f); // below
    paire(a, b, -0.5f);  // above in magnitude: drawn in the class holding it
    K.SeuilAttractions = 0.15;
    AfficheClassesArcs();
    EXPECT_EQ(traits().size(), 2u);
    images->ima.Appels.clear();
    K.SeuilAttractions = 0.5;
    AfficheClassesArcs();
    EXPECT_EQ(traits().size(), 0u) << "a magnitude equal to the threshold is not drawn";
}

TEST_F(CartesArcs, ClassArcsSkipPairsWithAMissingEnd)
{
    classes({{0, 100, RGB(1, 1, 1), 1}});
    const int32_t a = noeud(10, 10), origine = noeud(0, 0), b = noeud(-5, 5);
    paire(a, origine, 5);
    paire(a, b, 5);
    paire(a, 40, 5); // a node number beyond the table
    paire(0, a, 5);
    paire(a, a, 5);
    AfficheClassesArcs();
    EXPECT_EQ(traits().size(), 1u);
    EXPECT_EQ(K.Arcs1[3].Couleur, RGB(1, 1, 1)) << "the class is still written";
}

TEST(ValeurMaxArrondie, TheMaximumIsCutDownToItsLeadingDigit)
{
    const struct {
        double max, arrondi;
    } cas[] = {{3456.7, 3000}, {87, 80}, {5, 5}, {0.6, 0}, {0, 0}, {999, 900}, {1000, 1000},
               {4567.8, 4000}, {95, 90}, {100, 100}, {7, 7}, {1, 1}, {123456789, 100000000}};
    for (const auto& k : cas)
        EXPECT_EQ(ValeurMaxArrondie(k.max), k.arrondi) << k.max;
}

TEST(PasLargeurAttraction, EachBoundBelongsToTheLowerStep)
{
    const struct {
        float part;
        int pas;
    } cas[] = {{0, 1}, {20, 1}, {20.001f, 2}, {40, 2}, {40.5f, 3}, {60, 3}, {80, 4}, {80.01f, 5}, {199, 5}, {-1, 5}};
    for (const auto& k : cas)
        EXPECT_EQ(PasLargeurAttraction(k.part), k.pas) << k.part;
}

TEST_F(CartesArcs, AttractionsDrawEachGroupBlueGreenRedThenEveryFirstRecordRedAtItsUnscaledWidth)
{
    K.EchelleRonds = 2;
    const int32_t a = noeud(10, 10), b = noeud(100, 10), c = noeud(10, 100), d = noeud(100, 100);
    paire(a, b, 1000); // 1000 / 1000: 100 % -> step 5
    paire(a, c, 200);  // 20 %: step 1
    paire(a, d, 201);  // 20.1 %: step 2
    paire(b, a, 500);  // 50 %: step 3
    AfficheAttractions();
    EXPECT_EQ(K.ValeurMaxArcs1, 1000);
    const auto t = traits();
    ASSERT_EQ(t.size(), 6u);
    const struct {
        int x2, y2;
        Couleur couleur;
        int largeur;
    } attendus[] = {{100, 100, QBColor(1), 4}, {10, 100, QBColor(2), 2}, {100, 10, QBColor(4), 10},
                    {10, 10, QBColor(4), 6},   {100, 10, QBColor(4), 5}, {10, 10, QBColor(4), 3}};
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].points.at(1), QPoint(attendus[i].x2, attendus[i].y2)) << i;
        EXPECT_EQ(t[i].ForeColor, attendus[i].couleur) << i;
        EXPECT_EQ(t[i].DrawWidth, attendus[i].largeur) << i;
    }
    EXPECT_EQ(K.Arcs1[1].Largeur, 10.0f);
    EXPECT_EQ(K.Arcs1[1].Couleur, QBColor(4));
    EXPECT_EQ(K.Arcs1[3].Couleur, QBColor(1));
    EXPECT_EQ(K.Arcs1[4].Largeur, 6.0f) << "the second pass writes nothing";
}

TEST_F(CartesArcs, AttractionsOfNegativeValuesAreDrawnInTheFirstPassOnly)
{
    const int32_t a = noeud(10, 10), b = noeud(100, 10);
    paire(a, b, -50);
    paire(a, b, 10);
    paire(a, b, 0);
    AfficheAttractions();
    const auto t = traits();
    ASSERT_EQ(t.size(), 2u) << "the zero value is not drawn, the negative one not again";
    EXPECT_EQ(t[0].ForeColor, QBColor(2));
    EXPECT_EQ(t[1].ForeColor, QBColor(4));
    EXPECT_EQ(t[1].DrawWidth, 5) << "a negative share takes the widest step";
}

TEST_F(CartesArcs, AttractionsWithoutAValueOfOneOrMoreDrawNothingAndKeepTheMaximumAtZero)
{
    const int32_t a = noeud(10, 10), b = noeud(100, 10);
    paire(a, b, 0.9f);
    paire(a, b, -40);
    K.ValeurMaxArcs1 = 500;
    AfficheAttractions();
    EXPECT_EQ(K.ValeurMaxArcs1, 0);
    EXPECT_TRUE(traits().empty());
    EXPECT_EQ(K.Arcs1[2].Largeur, 0.0f);
}

TEST_F(CartesArcs, TheLastAttractionGroupEndsWithTheFile)
{
    const int32_t a = noeud(10, 10), b = noeud(100, 10);
    for (int i = 0; i < 4; ++i)
        paire(a, b, 100);
    // A record past the file, left by an earlier one.
    K.Arcs1[5] = K.Arcs1[1];
    K.Arcs1[6] = K.Arcs1[1];
    AfficheAttractions();
    EXPECT_EQ(traits().size(), 4u + 2u);
    EXPECT_EQ(K.Arcs1[5].Largeur, 0.0f);
}

TEST_F(CartesArcs, AutoAttractionsMarkThePositionWhereTheOriginFindsItself)
{
    const int32_t a = noeud(10.5f, 20), b = noeud(100, 10), c = noeud(50, 50);
    paire(a, b, 5);
    paire(a, a, 6);
    paire(a, c, 7);
    paire(b, c, 8);
    paire(c, c, 0); // found, but a value of 0 draws nothing
    AfficheAutoAttractions();
    const auto e = cercles();
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].FillColor, QBColor(2)) << "row 1 finds its origin at position 2";
    EXPECT_EQ(e[1].FillColor, QBColor(4)) << "row 2 at position 1, red over green";
    EXPECT_EQ(e[0].points.at(0), QPoint(13, 23));
    EXPECT_EQ(e[0].FillStyle, 0);
    EXPECT_EQ(e[0].ForeColor, QBColor(0));
    EXPECT_EQ(AutoAttractions[5][4], 1.0f);
}

TEST_F(CartesArcs, AutoAttractionsForgetTheRowsOfAnEarlierFile)
{
    const int32_t a = noeud(10, 10), b = noeud(100, 10);
    paire(a, a, 5);
    AfficheAutoAttractions();
    ASSERT_EQ(cercles().size(), 1u);
    images->ima.Appels.clear();
    K.Arcs1[1] = ArcValeur{};
    K.NombreArcs1 = 0;
    paire(a, b, 5);
    // A record past the file, which the window must not reach.
    K.Arcs1[2].CodeDestination = K.Noeuds[a].Code;
    K.Arcs1[2].Valeur = 3;
    AfficheAutoAttractions();
    EXPECT_TRUE(cercles().empty());
}
