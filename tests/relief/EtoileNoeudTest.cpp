// The star of a node and its direction order, against the plain scan of every
// arc and the repeated exchanges of neighbours they replace.
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "relief/EtoileNoeud.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <cmath>
#include <random>

using namespace kelmo;

namespace {

// The scan of the whole arc table for one node, as the star was first
// written (without the old limit of 100 arcs; ends that are no node of the
// table left out).
std::vector<EtoileArc> etoileParBalayage(int32_t centre)
{
    std::vector<EtoileArc> etoile;
    for (int32_t a = 1; a <= K.NbArcs; ++a) {
        const Arc& arc = K.Arcs[a];
        if (arc.Minimal != 1)
            continue;
        int32_t code = 0, voisin = 0;
        if (arc.CodeOrigine == K.Noeuds[centre].Code) {
            code = arc.CodeDestination;
            voisin = arc.IndiceDestination;
        }
        if (arc.CodeDestination == K.Noeuds[centre].Code) {
            code = arc.CodeOrigine;
            voisin = arc.IndiceOrigine;
        }
        if (code != 0 && voisin >= 1 && voisin <= K.NbNoeuds)
            etoile.push_back({voisin, a});
    }
    return etoile;
}

// Bubble passes exchanging neighbours whose keys increase.
std::vector<int32_t> ordreParEchanges(const std::vector<EtoileArc>& etoile, double x0, double y0)
{
    const int n = static_cast<int>(etoile.size());
    std::vector<int32_t> triee(n + 1);
    std::vector<double> angles(n + 1);
    for (int k = 1; k <= n; ++k) {
        triee[k] = k;
        const Noeud& m = K.Noeuds[etoile[k - 1].NoeudVoisin];
        double xm = m.XEcran;
        if (xm == x0)
            xm = xm + 0.1;
        angles[k] = std::atan((y0 - m.YEcran) / std::fabs(xm - x0));
    }
    bool echange = false;
    do {
        echange = false;
        for (int k = 1; k <= n - 1; ++k)
            if (angles[triee[k]] < angles[triee[k + 1]]) {
                std::swap(triee[k], triee[k + 1]);
                echange = true;
            }
    } while (echange);
    return triee;
}

void compareALaReference(int32_t centre)
{
    const std::vector<EtoileArc> attendue = etoileParBalayage(centre);
    const IndexArcsRelief index;
    for (const IndexArcsRelief* i : {static_cast<const IndexArcsRelief*>(nullptr), &index}) {
        const int32_t n = EtoileNoeud(centre, i);
        ASSERT_EQ(n, static_cast<int32_t>(attendue.size())) << centre;
        for (int32_t k = 1; k <= n; ++k) {
            EXPECT_EQ(EtoileArcs[k].NoeudVoisin, attendue[k - 1].NoeudVoisin);
            EXPECT_EQ(EtoileArcs[k].NumeroArc, attendue[k - 1].NumeroArc);
        }
        const Noeud& c = K.Noeuds[centre];
        TrieEtoileParAngle(n, c.XEcran, c.YEcran);
        const std::vector<int32_t> ordre = ordreParEchanges(attendue, c.XEcran, c.YEcran);
        for (int32_t k = 1; k <= n; ++k)
            EXPECT_EQ(EtoileTriee[k], ordre[k]) << "node " << centre << " rank " << k;
    }
}

class EtoileNoeudTest : public ::testing::Test {
protected:
    void SetUp() override { test::ModeleNeuf(); }
    void arc(int32_t o, int32_t d, int16_t minimal = 1)
    {
        test::Arc_(K.Noeuds[o].Code, K.Noeuds[d].Code, TypeRoute70().Code);
        K.Arcs.back().IndiceOrigine = static_cast<int16_t>(o);
        K.Arcs.back().IndiceDestination = static_cast<int16_t>(d);
        K.Arcs.back().Minimal = minimal;
    }
};

TEST_F(EtoileNoeudTest, TiesKeepArcOrderAndANeighbourStraightAboveIsTakenJustRight)
{
    const int32_t c = test::NoeudAEcran("C", 0, 100, 100);
    const int32_t est = test::NoeudAEcran("E", 0, 150, 100);   // key 0
    const int32_t ouest = test::NoeudAEcran("O", 0, 50, 100);  // key 0, tie with E
    const int32_t haut = test::NoeudAEcran("H", 0, 100, 40);   // straight above: near +pi/2
    const int32_t bas = test::NoeudAEcran("B", 0, 100, 170);   // straight below: near -pi/2
    const int32_t exclu = test::NoeudAEcran("X", 0, 130, 60);
    arc(c, ouest);
    arc(est, c); // the node at the destination end
    arc(c, haut);
    arc(bas, c);
    arc(c, exclu, 0); // not kept
    arc(c, exclu, 2);
    ASSERT_EQ(EtoileNoeud(c), 4);
    TrieEtoileParAngle(4, 100, 100);
    // positions in the star: 1 west, 2 east, 3 above, 4 below
    EXPECT_EQ(EtoileTriee[1], 3);
    EXPECT_EQ(EtoileTriee[2], 1); // west before east: arc order
    EXPECT_EQ(EtoileTriee[3], 2);
    EXPECT_EQ(EtoileTriee[4], 4);
    EXPECT_NEAR(AnglesEtoile[3], std::atan(60 / 0.1), 1e-12); // the 0.1 step to the right
    compareALaReference(c);
}

TEST_F(EtoileNoeudTest, AStarHasNoSizeLimitAndEndsWithoutANodeAreLeftOut)
{
    const int32_t c = test::NoeudAEcran("C", 0, 500, 500);
    std::mt19937 alea(7);
    std::uniform_real_distribution<float> pos(0, 1000);
    for (int i = 0; i < 150; ++i) {
        const int32_t m = test::NoeudAEcran("V", 0, pos(alea), pos(alea));
        arc(i % 2 ? c : m, i % 2 ? m : c);
    }
    arc(c, 2);
    K.Arcs.back().IndiceDestination = 0; // an end the arc file could not resolve
    arc(c, 3);
    K.Arcs.back().IndiceDestination = static_cast<int16_t>(K.NbNoeuds + 5);
    arc(c, 4);
    K.Arcs.back().CodeDestination = 0; // other end of code 0
    EXPECT_EQ(EtoileNoeud(c), 150);
    compareALaReference(c);
}

TEST_F(EtoileNoeudTest, RandomNetworksGiveTheStarsAndOrdersOfTheFullScan)
{
    std::mt19937 alea(11);
    std::uniform_real_distribution<float> pos(0, 300);
    for (int i = 0; i < 60; ++i)
        test::NoeudAEcran("N", 0, std::round(pos(alea) / 20) * 20, std::round(pos(alea) / 20) * 20); // many ties
    K.Noeuds[5].Code = K.Noeuds[6].Code; // two nodes of one code share their arcs
    std::uniform_int_distribution<int> noeud(1, 60), minimal(0, 3);
    for (int i = 0; i < 500; ++i)
        arc(noeud(alea), noeud(alea), static_cast<int16_t>(minimal(alea) == 0 ? 0 : 1));
    for (int32_t n = 1; n <= K.NbNoeuds; ++n)
        compareALaReference(n);
}

TEST_F(EtoileNoeudTest, EmptyAndSingleStarsAreLeftAsTheyAre)
{
    const int32_t c = test::NoeudAEcran("C", 0, 10, 10);
    const int32_t m = test::NoeudAEcran("M", 0, 20, 0);
    EXPECT_EQ(EtoileNoeud(c), 0);
    TrieEtoileParAngle(0, 10, 10);
    arc(c, m);
    ASSERT_EQ(EtoileNoeud(c), 1);
    TrieEtoileParAngle(1, 10, 10);
    EXPECT_EQ(EtoileTriee[1], 1);
    EXPECT_NEAR(AnglesEtoile[1], std::atan(1.0), 1e-12);
}

} // namespace
