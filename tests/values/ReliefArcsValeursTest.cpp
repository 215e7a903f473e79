// The relief valued by arc values: the reference speed from the smallest
// value and its road arc, the durations of the "Route70" arcs, one record
// per arc, and the pair index against the scan of the records.
#include "values/ReliefArcsValeurs.h"
#include "relief/CommandesRelief.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "core/TypesArcs.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <random>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class ReliefArcsValeurs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        route = TypeRoute70().Code;
        K.VitesseReference = 220;
    }
    static void enregistrement(int32_t o, int32_t d, float v)
    {
        ArcValeur& a = K.Arcs1[static_cast<std::size_t>(++K.NombreArcs1)];
        a.CodeOrigine = o;
        a.CodeDestination = d;
        a.Valeur = v;
    }
    int16_t route = 0;
};

} // namespace

TEST_F(ReliefArcsValeurs, TheSmallestValueOverItsRoadArcGivesTheReferenceSpeed)
{
    Arc_(1, 2, route, 20, 30);
    Arc_(3, 4, TypeTGV().Code, 5, 30);
    Arc_(4, 3, route, 0, 30);   // a road arc of length 0 gives no speed
    Arc_(4, 3, route, 10, 30);
    enregistrement(1, 2, 50);
    enregistrement(3, 4, 40);
    enregistrement(4, 3, 40);   // a tie: the first record holding it wins
    CalculeVitesseReferenceArcVal();
    EXPECT_DOUBLE_EQ(K.VitesseReference, 4.0);
    EXPECT_EQ(K.Arcs[1].Duree, 50.0f);
    EXPECT_EQ(K.Arcs[2].Duree, 30.0f);  // other link types never change
    EXPECT_EQ(K.Arcs[3].Duree, 40.0f);  // reversed codes still match
    EXPECT_EQ(K.Arcs[4].Duree, 40.0f);  // the second record of the pair
    EXPECT_TRUE(K.Arcs1Utilises[1] && K.Arcs1Utilises[2] && K.Arcs1Utilises[3]);
}

// "Trace le &relief" under "&Basée sur ArcVal" values the road arcs before
// it draws, once the values have handed their computation over.
TEST_F(ReliefArcsValeurs, TheReliefCommandValuesTheRoadArcsWhenBasedOnArcValues)
{
    Arc_(1, 2, route, 20, 30);
    enregistrement(2, 1, 50);
    BrancheReliefArcsValeurs();
    K.Menu(QStringLiteral("menValuationODVal")).Checked = true;
    ImagesDeTest images;
    Kelmo_menTraceRelief_Click();
    EXPECT_EQ(K.Arcs[1].Duree, 50.0f);
    EXPECT_DOUBLE_EQ(K.VitesseReference, 2.5);
}

TEST_F(ReliefArcsValeurs, NoRecordOrNoRoadArcForTheSmallestLeavesTheSpeed)
{
    Arc_(1, 2, route, 20, 30);
    CalculeVitesseReferenceArcVal();
    EXPECT_EQ(K.VitesseReference, 220);
    EXPECT_EQ(K.Arcs[1].Duree, 30.0f);

    enregistrement(7, 8, 5);
    enregistrement(1, 2, 60);
    CalculeVitesseReferenceArcVal();
    EXPECT_EQ(K.VitesseReference, 220);
    EXPECT_EQ(K.Arcs[1].Duree, 60.0f);
}

TEST_F(ReliefArcsValeurs, ASecondCallStartsItsUseMarksAfresh)
{
    Arc_(1, 2, route, 20, 30);
    Arc_(2, 1, route, 20, 30);
    enregistrement(1, 2, 50);
    CalculeVitesseReferenceArcVal();
    EXPECT_EQ(K.Arcs[1].Duree, 50.0f);
    EXPECT_EQ(K.Arcs[2].Duree, 30.0f); // one record, one arc

    // Another file: its records reach the arcs again.
    K.NombreArcs1 = 0;
    enregistrement(2, 1, 70);
    enregistrement(1, 2, 80);
    CalculeVitesseReferenceArcVal();
    EXPECT_EQ(K.Arcs[1].Duree, 70.0f);
    EXPECT_EQ(K.Arcs[2].Duree, 80.0f);
    EXPECT_DOUBLE_EQ(K.VitesseReference, 3.5);
}

// Each road arc against the records in order, the first free match taken,
// as it was written (marks cleared first), on random small tables.
TEST_F(ReliefArcsValeurs, ThePairIndexGivesWhatTheScanOfTheRecordsGives)
{
    std::mt19937 alea(9);
    for (int essai = 0; essai < 60; ++essai) {
        ModeleNeuf();
        for (int j = 0, n = static_cast<int>(alea() % 30); j < n; ++j)
            Arc_(static_cast<int32_t>(alea() % 4), static_cast<int32_t>(alea() % 4),
                 alea() % 3 == 0 ? TypeTGV().Code : route, static_cast<float>(alea() % 3), 99);
        for (int i = 0, n = static_cast<int>(alea() % 30); i < n; ++i)
            enregistrement(static_cast<int32_t>(alea() % 4), static_cast<int32_t>(alea() % 4),
                           static_cast<float>(1 + alea() % 50));
        std::vector<float> durees(static_cast<std::size_t>(K.NbArcs) + 1);
        std::vector<bool> marques(static_cast<std::size_t>(K.NombreArcs1) + 1);
        for (int j = 1; j <= K.NbArcs; ++j) {
            const Arc& a = K.Arcs[j];
            durees[j] = a.Duree;
            if (a.Mode != route)
                continue;
            for (int i = 1; i <= K.NombreArcs1; ++i) {
                const ArcValeur& r = K.Arcs1[i];
                if (!marques[i]
                    && ((r.CodeOrigine == a.CodeOrigine && r.CodeDestination == a.CodeDestination)
                        || (r.CodeOrigine == a.CodeDestination && r.CodeDestination == a.CodeOrigine))) {
                    durees[j] = r.Valeur;
                    marques[i] = true;
                    break;
                }
            }
        }
        CalculeVitesseReferenceArcVal();
        for (int j = 1; j <= K.NbArcs; ++j)
            EXPECT_EQ(K.Arcs[j].Duree, durees[j]);
        for (int i = 1; i <= K.NombreArcs1; ++i)
            EXPECT_EQ(K.Arcs1Utilises[i], marques[i]);
    }
}
