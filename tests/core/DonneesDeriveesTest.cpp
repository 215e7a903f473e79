// Derived network data. Besides the cases of each rule, random networks are
// checked against a plain transcription of the table scans, so the hashed
// and sorted lookups must find the same first match in table order.
#include "core/ArcsMinimaux.h"
#include "core/DonneesDerivees.h"
#include "core/TypesArcs.h"
#include "support/Reseau.h"

#include <array>
#include <gtest/gtest.h>
#include <random>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class Derivees : public ::testing::Test {
protected:
    void SetUp() override { ModeleNeuf(); }
};

// The scans as written, one arc against every node or arc.
void indexeArcsParBalayage()
{
    for (int i = 1; i <= K.NbArcs; ++i) {
        Arc& a = K.Arcs[i];
        int trouve = 0, j = 0;
        bool o = false, d = false;
        do {
            ++j;
            if (j > K.NbNoeuds)
                break;
            if (!o && a.CodeOrigine == K.Noeuds[j].Code) {
                a.IndiceOrigine = static_cast<int16_t>(j);
                o = true;
                ++trouve;
            }
            if (!d && a.CodeDestination == K.Noeuds[j].Code) {
                a.IndiceDestination = static_cast<int16_t>(j);
                d = true;
                ++trouve;
            }
        } while (trouve < 2 && j < K.NbNoeuds);
        if (trouve != 2)
            a.IndiceOrigine = a.IndiceDestination = 0;
    }
}

void orientationParBalayage()
{
    for (int i = 1; i <= K.NbArcs; ++i) {
        TypeArc t;
        Arc& a = K.Arcs[i];
        a.Oriente = (TypeArcParCode(a.Mode, t) && t.Routier) || a.HeureDepart + a.HeureArrivee != 0;
    }
    for (int i = 1; i <= K.NbArcs; ++i) {
        Arc& a = K.Arcs[i];
        if (!a.Oriente || a.HeureDepart + a.HeureArrivee != 0)
            continue;
        for (int j = 1; j <= K.NbArcs; ++j) {
            Arc& b = K.Arcs[j];
            // The partner is a road arc without times too: a timetable run
            // stays one-way.
            if (b.Oriente && b.HeureDepart + b.HeureArrivee == 0 && b.Mode == a.Mode
                && b.CodeOrigine == a.CodeDestination && b.CodeDestination == a.CodeOrigine) {
                a.Oriente = false;
                b.Oriente = false;
                break;
            }
        }
    }
}

void reseauAleatoire(std::mt19937& g, int noeuds, int arcs)
{
    std::uniform_int_distribution<int> code(1, noeuds + 3); // some codes match no node
    const int16_t modes[] = {3, 4, 6, 7, 71, 8, 811, 2, 999};
    std::uniform_int_distribution<int> mode(0, 8), horaire(0, 9);
    for (int i = 1; i <= noeuds; ++i)
        Noeud_(QStringLiteral("N%1").arg(i), code(g) % noeuds + 1); // duplicates included
    for (int i = 0; i < arcs; ++i) {
        const bool h = horaire(g) == 0;
        Arc_(code(g), code(g), modes[mode(g)], 10, 10, h ? 480 : 0, h ? 500 : 0);
    }
}

} // namespace

TEST_F(Derivees, EndIndicesResolveByCodeAndAnUnknownEndClearsBoth)
{
    Noeud_(QStringLiteral("A"), 10);
    Noeud_(QStringLiteral("B"), 20);
    Arc_(10, 20, 7);
    Arc_(20, 20, 7);
    Arc_(10, 99, 7);
    IndexeArcs();
    EXPECT_EQ(K.Arcs[1].IndiceOrigine, 1);
    EXPECT_EQ(K.Arcs[1].IndiceDestination, 2);
    EXPECT_EQ(K.Arcs[2].IndiceOrigine, 2);
    EXPECT_EQ(K.Arcs[2].IndiceDestination, 2);
    EXPECT_EQ(K.Arcs[3].IndiceOrigine, 0);
    EXPECT_EQ(K.Arcs[3].IndiceDestination, 0);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(Derivees, RoadArcsPairWithTheirFirstReverseArc)
{
    Arc_(1, 2, 7);        // pairs with arc 3
    Arc_(1, 2, 7);        // stays one-way: its partner was taken
    Arc_(2, 1, 7);
    Arc_(5, 5, 7);        // its own reverse
    Arc_(3, 4, 4, 10, 10, 480, 500); // timetabled runs stay one-way
    Arc_(4, 3, 4, 10, 10, 600, 620);
    Arc_(6, 7, 7);        // a road arc never pairs with another link type
    Arc_(7, 6, 6);
    Arc_(8, 9, 4);        // rail: two-way by nature
    DefinitOrientationArcs();
    const bool attendu[] = {false, false, true, false, false, true, true, true, true, false};
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(K.Arcs[i].Oriente, attendu[i]) << i;
}

TEST_F(Derivees, ATimetableRunIsNeverTheReversePartnerOfARoadArc)
{
    struct Cas {
        const char* regle;
        std::vector<std::array<int, 5>> arcs; // origin, destination, mode, departure, arrival
        std::vector<bool> oriente;
    } cas[] = {
        {"a timed run of the same road type the other way leaves both one-way",
         {{1, 2, 7, 0, 0}, {2, 1, 7, 480, 500}},
         {true, true}},
        {"the untimed reverse arc after the run is the partner",
         {{1, 2, 7, 0, 0}, {2, 1, 7, 480, 500}, {2, 1, 7, 0, 0}},
         {false, true, false}},
        {"a run with only a departure time is a run too",
         {{3, 4, 71, 0, 0}, {4, 3, 71, 600, 0}},
         {true, true}},
        {"two runs of a road type never pair with each other",
         {{5, 6, 72, 480, 500}, {6, 5, 72, 510, 530}},
         {true, true}},
    };
    for (const Cas& c : cas) {
        ModeleNeuf();
        for (const auto& a : c.arcs)
            Arc_(a[0], a[1], static_cast<int16_t>(a[2]), 10, 10, static_cast<int16_t>(a[3]), static_cast<int16_t>(a[4]));
        DefinitOrientationArcs();
        for (std::size_t i = 0; i < c.oriente.size(); ++i)
            EXPECT_EQ(K.Arcs[i + 1].Oriente, c.oriente[i]) << c.regle << ", arc " << i + 1;
    }
}

TEST_F(Derivees, AComputationWithNoneOneOrManyArcsLeavesNoProgressReport)
{
    struct Calcul {
        const char* nom;
        void (*f)();
    } calculs[] = {{"IndexeArcs", IndexeArcs}, {"DefinitOrientationArcs", DefinitOrientationArcs},
                   {"SelectionneArcsMinimaux", SelectionneArcsMinimaux}};
    for (int nbArcs : {0, 1, 2, 25}) {
        for (const Calcul& c : calculs) {
            ModeleNeuf();
            Noeud_(QStringLiteral("A"), 1);
            Noeud_(QStringLiteral("B"), 2);
            for (int i = 0; i < nbArcs; ++i)
                Arc_(1 + i % 2, 2 - i % 2, 7);
            K.Formes.OptionsRelief.TGV = true;
            c.f();
            EXPECT_FALSE(K.StatusBar.ProgressionVisible) << c.nom << " with " << nbArcs << " arcs";
            EXPECT_TRUE(K.StatusBar.Panneaux[5].isEmpty()) << c.nom << " with " << nbArcs << " arcs";
        }
    }
}

TEST_F(Derivees, ServedModesTagTheFiveSlots)
{
    for (int i = 1; i <= 6; ++i)
        Noeud_(QStringLiteral("N"), i);
    Arc_(1, 2, 31); // TGVSiteClassique: FER only
    Arc_(3, 4, 8);  // Métro: nothing
    Arc_(5, 6, 3);
    Arc_(5, 6, 6);
    Arc_(5, 6, 2);
    Arc_(5, 6, 61);
    Arc_(5, 6, 4);
    Arc_(5, 99, 2); // unresolved: marks nothing
    IndexeArcs();
    CalculeModesNoeuds();
    EXPECT_EQ(K.Noeuds[1].Modes.texte(), QStringLiteral("000-FER-000-000-000"));
    EXPECT_EQ(K.Noeuds[3].Modes.texte(), QStringLiteral("000-000-000-000-000"));
    EXPECT_EQ(K.Noeuds[5].Modes.texte(), QStringLiteral("TGV-FER-ROU-AUT-BAT"));
    EXPECT_EQ(K.Noeuds[0].Modes.texte(), QString(19, QChar(u'\0')));
}

TEST_F(Derivees, PresentLinkTypesMakeOneOptionEachAndTheMostFrequentIsSelected)
{
    const int hauteur0 = K.Formes.TraceArcs.Height;
    Arc_(1, 2, 4);
    Arc_(1, 2, 3);
    Arc_(1, 2, 4);
    Arc_(1, 2, 3);
    Arc_(1, 2, 999); // no link type: counts nowhere
    RemplitListesTypes();
    EXPECT_EQ(K.NbModesPresents, 2);
    EXPECT_EQ(K.Formes.TraceArcs.Option3DMode,
              std::vector<QString>({QString(), QStringLiteral("TGV"), QStringLiteral("Train")}));
    EXPECT_EQ(K.Formes.TraceArcs.Height, hauteur0 + 460);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable3.ListIndex, 0); // tie: TGV comes first
    EXPECT_EQ(K.TypesArcsOrdonnes[7].NombreArcs, 2);
    EXPECT_TRUE(K.TypesArcsOrdonnes[7].Present);

    // A second file: the earlier buttons go first.
    ModeleNeuf();
    K.Formes.TraceArcs.Height = hauteur0;
    Arc_(1, 2, 4);
    RemplitListesTypes();
    K.Arcs.resize(1);
    K.NbArcs = 0;
    Arc_(1, 2, 8);
    Arc_(1, 2, 8);
    RemplitListesTypes();
    EXPECT_EQ(K.Formes.TraceArcs.Option3DMode, std::vector<QString>({QString(), QStringLiteral("Métro")}));
    EXPECT_EQ(K.Formes.TraceArcs.Height, hauteur0 + 230);
    EXPECT_FALSE(K.TypesArcsOrdonnes[7].Present);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable3.ListIndex, 19);
}

TEST_F(Derivees, FastLookupsFindWhatTheTableScansFind)
{
    std::mt19937 g(1234);
    for (int essai = 0; essai < 30; ++essai) {
        ModeleNeuf();
        reseauAleatoire(g, 5 + essai * 3, 40 + essai * 20);
        auto arcs = K.Arcs;
        indexeArcsParBalayage();
        orientationParBalayage();
        auto attendu = K.Arcs;
        K.Arcs = arcs;
        IndexeArcs();
        DefinitOrientationArcs();
        for (int i = 1; i <= K.NbArcs; ++i) {
            ASSERT_EQ(K.Arcs[i].IndiceOrigine, attendu[i].IndiceOrigine) << essai << " " << i;
            ASSERT_EQ(K.Arcs[i].IndiceDestination, attendu[i].IndiceDestination) << essai << " " << i;
            ASSERT_EQ(K.Arcs[i].Oriente, attendu[i].Oriente) << essai << " " << i;
        }
    }
}
