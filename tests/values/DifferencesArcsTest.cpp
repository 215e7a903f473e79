// The differences between the two arc-value files: matched pairs in either
// direction, further matches compounded, pairs of one file only, the table
// limit, and the pairing index against the scan of every pair of records.
#include "values/DifferencesArcs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <vector>

using namespace kelmo;
using namespace kelmo::test;

namespace {

using Paire = std::tuple<int32_t, int32_t, float>;

void remplit(std::vector<ArcValeur>& t, int32_t& n, const std::vector<Paire>& paires)
{
    n = 0;
    for (auto [o, d, v] : paires) {
        ArcValeur& a = t[static_cast<std::size_t>(++n)];
        a.CodeOrigine = o;
        a.CodeDestination = d;
        a.IndiceOrigine = static_cast<int16_t>(o % 100);
        a.IndiceDestination = static_cast<int16_t>(d % 100);
        a.Valeur = v;
    }
}

std::vector<Paire> arcs1()
{
    std::vector<Paire> r;
    for (int i = 1; i <= K.NombreArcs1; ++i)
        r.emplace_back(K.Arcs1[i].CodeOrigine, K.Arcs1[i].CodeDestination, K.Arcs1[i].Valeur);
    return r;
}

class DifferencesArcs : public ::testing::Test {
protected:
    void SetUp() override { ModeleNeuf(); }
    RepondeurScripte ui;
};

} // namespace

TEST_F(DifferencesArcs, EachCaseGetsTheValueOfItsRow)
{
    struct Cas {
        std::vector<Paire> fichier1, fichier2, absolue, relative;
    };
    const Cas cas[] = {
        // Reverse pair matched: b - a and (b - a) / a x 100.
        {{{1, 2, 10}}, {{2, 1, 15}}, {{1, 2, 5}}, {{1, 2, 50}}},
        // Both directions in file 2: the second compounds with the first result.
        {{{1, 2, 10}}, {{1, 2, 15}, {2, 1, 12}}, {{1, 2, 7}}, {{1, 2, -76}}},
        // Only in file 1; only in file 2 (appended with its codes).
        {{{1, 2, 10}}, {{3, 4, 8}}, {{1, 2, -10}, {3, 4, 8}}, {{1, 2, -100}, {3, 4, 100}}},
        // A second record of file 1 of a pair finds file 2's records taken.
        {{{1, 2, 10}, {2, 1, 4}}, {{1, 2, 15}}, {{1, 2, 5}, {2, 1, -4}}, {{1, 2, 50}, {2, 1, -100}}},
        // A value of 0 (left by an earlier difference) against the sign of b.
        {{{1, 2, 0}, {3, 4, 0}, {5, 6, 0}}, {{1, 2, 7}, {4, 3, -7}, {5, 6, 0}},
         {{1, 2, 7}, {3, 4, -7}, {5, 6, 0}}, {{1, 2, 100}, {3, 4, -100}, {5, 6, 0}}},
        {{}, {}, {}, {}},
    };
    for (const Cas& c : cas) {
        for (bool absolue : {true, false}) {
            ModeleNeuf();
            remplit(K.Arcs1, K.NombreArcs1, c.fichier1);
            remplit(K.Arcs2, K.NombreArcs2, c.fichier2);
            absolue ? DifferenceAbsolueArcs() : DifferenceRelativeArcs();
            EXPECT_EQ(arcs1(), absolue ? c.absolue : c.relative) << absolue << " " << c.fichier1.size();
        }
    }
}

TEST_F(DifferencesArcs, AnAppendedPairKeepsItsNodeNumbersAndTheOtherFieldsOfItsPosition)
{
    remplit(K.Arcs1, K.NombreArcs1, {{1, 2, 10}});
    remplit(K.Arcs2, K.NombreArcs2, {{3, 4, 8}});
    K.Arcs2[1].IndiceOrigine = 33;
    K.Arcs1[2].Largeur = 6;
    K.Arcs1[2].Couleur = 0x123456;
    DifferenceAbsolueArcs();
    ASSERT_EQ(K.NombreArcs1, 2);
    EXPECT_EQ(K.Arcs1[2].IndiceOrigine, 33);
    EXPECT_EQ(K.Arcs1[2].IndiceDestination, 4);
    EXPECT_EQ(K.Arcs1[2].Largeur, 6.0f);
    EXPECT_EQ(K.Arcs1[2].Couleur, 0x123456);
    // File 2 keeps its codes and values.
    EXPECT_EQ(K.Arcs2[1].Valeur, 8.0f);
}

TEST_F(DifferencesArcs, TheAbsoluteDifferenceTwiceGivesBackTheFirstFile)
{
    remplit(K.Arcs1, K.NombreArcs1, {{1, 2, 10}, {5, 6, 3.5f}});
    remplit(K.Arcs2, K.NombreArcs2, {{2, 1, 15}, {6, 5, -1}});
    DifferenceAbsolueArcs();
    DifferenceAbsolueArcs();
    EXPECT_EQ(arcs1(), (std::vector<Paire>{{1, 2, 10}, {5, 6, 3.5f}}));
}

TEST_F(DifferencesArcs, PairsThatDoNotFitAreDroppedWithOneWarningNamingFileTwo)
{
    K.FichierArcValeur2 = QStringLiteral("/donnees/3ar1280.dat");
    std::vector<Paire> p1, p2;
    for (int i = 1; i <= NbMaxArcsValeurs - 1; ++i)
        p1.emplace_back(i, -i, 1.0f);
    for (int i = 1; i <= 3; ++i)
        p2.emplace_back(100000 + i, 1, 2.0f);
    remplit(K.Arcs1, K.NombreArcs1, p1);
    remplit(K.Arcs2, K.NombreArcs2, p2);
    DifferenceAbsolueArcs();
    EXPECT_EQ(K.NombreArcs1, NbMaxArcsValeurs);
    EXPECT_EQ(K.Arcs1[NbMaxArcsValeurs].CodeOrigine, 100001);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].contains(K.FichierArcValeur2));
    EXPECT_TRUE(ui.messages()[0].contains(QStringLiteral("18000")));
}

// Every record of file 1 against every unpaired record of file 2, as it was
// written, on random small tables with repeated and reversed pairs.
TEST_F(DifferencesArcs, ThePairIndexGivesWhatTheScanOfEveryPairGives)
{
    std::mt19937 alea(3);
    for (int essai = 0; essai < 60; ++essai) {
        const bool absolue = essai % 2 == 0;
        ModeleNeuf();
        auto tire = [&](std::vector<ArcValeur>& t, int32_t& n) {
            n = static_cast<int32_t>(alea() % 25);
            for (int i = 1; i <= n; ++i) {
                t[i].CodeOrigine = static_cast<int32_t>(alea() % 5);
                t[i].CodeDestination = static_cast<int32_t>(alea() % 5);
                t[i].Valeur = static_cast<float>(static_cast<int>(alea() % 9) - 4);
            }
        };
        tire(K.Arcs1, K.NombreArcs1);
        tire(K.Arcs2, K.NombreArcs2);
        std::vector<ArcValeur> a1 = K.Arcs1, a2 = K.Arcs2;
        int32_t n1 = K.NombreArcs1;
        const int32_t n2 = K.NombreArcs2;
        auto combine = [&](float a, float b) -> float {
            if (absolue)
                return static_cast<float>(static_cast<double>(b) - a);
            if (a == 0)
                return b > 0 ? 100.0f : (b < 0 ? -100.0f : 0.0f);
            return static_cast<float>((static_cast<double>(b) - a) / a * 100);
        };
        for (int i = 1; i <= n1; ++i)
            a1[i].Apparie = false;
        for (int j = 1; j <= n2; ++j)
            a2[j].Apparie = false;
        for (int i = 1; i <= n1; ++i)
            for (int j = 1; j <= n2; ++j)
                if (!a2[j].Apparie
                    && ((a1[i].CodeOrigine == a2[j].CodeOrigine && a1[i].CodeDestination == a2[j].CodeDestination)
                        || (a1[i].CodeOrigine == a2[j].CodeDestination && a1[i].CodeDestination == a2[j].CodeOrigine))) {
                    a1[i].Valeur = combine(a1[i].Valeur, a2[j].Valeur);
                    a1[i].Apparie = a2[j].Apparie = true;
                }
        for (int i = 1; i <= n1; ++i)
            if (!a1[i].Apparie)
                a1[i].Valeur = absolue ? -a1[i].Valeur : -100.0f;
        const int32_t n1Avant = n1;
        for (int j = 1; j <= n2; ++j)
            if (!a2[j].Apparie) {
                ++n1;
                a1[n1].CodeOrigine = a2[j].CodeOrigine;
                a1[n1].CodeDestination = a2[j].CodeDestination;
                a1[n1].Valeur = absolue ? a2[j].Valeur : 100.0f;
            }

        absolue ? DifferenceAbsolueArcs() : DifferenceRelativeArcs();
        ASSERT_EQ(K.NombreArcs1, n1);
        for (int i = 1; i <= n1; ++i) {
            EXPECT_EQ(K.Arcs1[i].CodeOrigine, a1[i].CodeOrigine);
            EXPECT_EQ(K.Arcs1[i].CodeDestination, a1[i].CodeDestination);
            EXPECT_EQ(K.Arcs1[i].Valeur, a1[i].Valeur);
            if (i <= n1Avant) {
                EXPECT_EQ(K.Arcs1[i].Apparie, a1[i].Apparie);
            }
        }
        for (int j = 1; j <= n2; ++j)
            EXPECT_EQ(K.Arcs2[j].Apparie, a2[j].Apparie);
    }
}
