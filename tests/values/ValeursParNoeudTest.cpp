// The quantity shown per node, its order and the symbol sizes, with the
// references remembered per kind of display.
#include "values/ValeursParNoeud.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <cmath>
#include <random>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class ValeursParNoeud : public ::testing::Test {
protected:
    void SetUp() override { ModeleNeuf(); }
    // Nodes coded 10, 20, ... and one file record per (a, b), in node order.
    static void valeurs(std::initializer_list<std::pair<float, float>> ab)
    {
        int k = 0;
        for (auto [a, b] : ab) {
            ++k;
            Noeud_(QStringLiteral("N"), 10 * k, 1000 * k);
            K.ValeursFichiersNoeuds[k].Code = 10 * k;
            K.ValeursFichiersNoeuds[k].Valeur1 = a;
            K.ValeursFichiersNoeuds[k].Valeur2 = b;
        }
        K.NbValeursNoeuds = k;
    }
    RepondeurScripte ui;
};

} // namespace

TEST_F(ValeursParNoeud, EachQuantityGivesItsValueAndSecondaryValue)
{
    struct Cas {
        const char* nom;
        bool classesDiff, diffAbs;
        float a, b, valeur, secondaire;
    };
    const Cas cas[] = {
        {"Valeur1", false, true, 30, 20, 30, 0},
        {"Valeur1", true, true, 30, 20, 30, 10},
        {"Valeur1", true, false, 30, 20, 30, 50},
        {"Valeur1", true, false, 30, 0, 30, 0},   // relative difference over 0
        {"Valeur2", false, true, 30, 20, 20, 0},
        {"Valeur2", true, false, 30, 20, 20, 50},
        {"Multiplication", true, true, 3, -4, -12, 0},
        {"Multiplication", false, true, 3e30f, 3e30f, 3.40282347e38f, 0}, // held at the largest single
        {"Différences relatives", false, true, 30, 20, 50, 50},
        {"Différences relatives", false, true, 30, 0, 0, 0},
        {"Différences relatives", true, true, 30, 20, 10, 10},
        {"Différences relatives", true, false, 30, 20, 50, 50},
        {"Différences absolues", false, true, 30, 20, 10, 0},
        {"Différences absolues", true, true, 30, 20, 10, 30},
        {"Différences absolues", true, false, 30, 20, 10, 20},
        {"Inconnue", true, true, 30, 20, 0, 0},
    };
    for (const Cas& c : cas) {
        ModeleNeuf();
        valeurs({{c.a, c.b}});
        K.ValeursFichiersNoeuds[1].Marque = 3;
        K.Formes.Statistiques.ClassesDifférences = c.classesDiff;
        K.Formes.Statistiques.ClasseDiffAbs = c.diffAbs;
        K.Formes.Statistiques.ClasseDifRel = !c.diffAbs;
        CalculeValeursNoeuds(QString::fromUtf8(c.nom));
        ASSERT_EQ(K.ValeursNoeuds.size(), 2u);
        const ValeurNoeud& v = K.ValeursNoeuds[1];
        EXPECT_EQ(v.Valeur, c.valeur) << c.nom << " " << c.a << " " << c.b;
        EXPECT_EQ(v.ValeurSecondaire, c.secondaire) << c.nom << " " << c.a << " " << c.b;
        EXPECT_EQ(v.IndiceNoeud, QString::fromUtf8(c.nom) == u"Inconnue" ? 0 : 1) << c.nom;
        EXPECT_EQ(v.Marque, QString::fromUtf8(c.nom) == u"Valeur1" ? 3 : 0) << c.nom;
        EXPECT_EQ(v.Code, 0);
        EXPECT_EQ(v.Valeur1, 0.0f);
    }
}

TEST_F(ValeursParNoeud, PopulationsNodesWithoutRecordAndTheLastRecordOfACode)
{
    valeurs({{5, 0}, {7, 0}, {9, 0}});
    K.ValeursFichiersNoeuds[3].Code = 10; // a later record of node 1's code overwrites it
    CalculeValeursNoeuds(QStringLiteral("Valeur1"));
    EXPECT_EQ(K.ValeursNoeuds[1].Valeur, 9.0f);
    EXPECT_EQ(K.ValeursNoeuds[3].IndiceNoeud, 0);
    EXPECT_EQ(K.ValeursNoeuds[3].Valeur, 0.0f);
    CalculeValeursNoeuds(QStringLiteral("Populations"));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(K.ValeursNoeuds[i].IndiceNoeud, i);
        EXPECT_EQ(K.ValeursNoeuds[i].Valeur, 1000.0f * i);
    }
}

TEST_F(ValeursParNoeud, TheSortPutsLargerMagnitudesFirstAndKeepsTiesInNodeOrder)
{
    valeurs({{5, 0}, {-8, 0}, {8, 0}, {0, 0}});
    CalculeValeursNoeuds(QStringLiteral("Valeur1"));
    for (int i = 1; i <= 4; ++i)
        K.TailleSymboles[i] = 100.0f + i;
    TrieValeursNoeuds();
    const int noeuds[] = {2, 3, 1, 4};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(K.ValeursNoeuds[i].IndiceNoeud, noeuds[i - 1]);
        EXPECT_EQ(K.TailleSymboles[i], 100.0f + noeuds[i - 1]); // the sizes move with their records
    }
}

TEST_F(ValeursParNoeud, SizesFollowTheReferenceRules)
{
    struct Cas {
        float plusGrande;
        double refRonds;
        bool tellesQuelles; // between 50 (excluded) and 1000 the values are their own sizes
        float taille1;      // the size of the largest value
    };
    const Cas cas[] = {{40, 40, false, 1000}, {400, 400, true, 400}, {50, 50, false, 1000},
                       {1000, 1000, true, 1000}, {1001, 1001, false, 1000}, {-40, 40, false, -1000}};
    for (const char* nom : {"Valeur1", "Multiplication"}) {
        for (const Cas& c : cas) {
            ModeleNeuf();
            valeurs({{c.plusGrande, 1}, {c.plusGrande / 2, 1}});
            PrepareValeursNoeuds(QString::fromUtf8(nom));
            EXPECT_EQ(K.RefRonds, c.refRonds) << nom << c.plusGrande;
            EXPECT_EQ(K.TailleSymboles[1], c.taille1) << nom << c.plusGrande;
            const double v2 = K.ValeursNoeuds[2].Valeur;
            EXPECT_EQ(K.TailleSymboles[2], static_cast<float>(c.tellesQuelles ? v2 : v2 * 1000 / c.refRonds))
                << nom << c.plusGrande;
        }
    }
}

TEST_F(ValeursParNoeud, AllZeroValuesStoreAZeroReferenceAndDrawAtScaleOne)
{
    valeurs({{0, 0}, {0, 0}});
    K.RefRondsValeur1 = 7;
    PrepareValeursNoeuds(QStringLiteral("Valeur1"));
    EXPECT_EQ(K.RefRondsValeur1, 0);
    EXPECT_EQ(K.RefRonds, 1);
    EXPECT_EQ(K.TailleSymboles[1], 0.0f);
    EXPECT_EQ(K.TailleSymboles[2], 0.0f);
}

TEST_F(ValeursParNoeud, FileTwoAndPopulationsAreDrawnAtTheScaleOfFileOne)
{
    valeurs({{40, 400}, {20, 200}});
    PrepareValeursNoeuds(QStringLiteral("Valeur1"));
    EXPECT_EQ(K.RefRondsValeur1, 40);
    PrepareValeursNoeuds(QStringLiteral("Valeur2"));
    EXPECT_EQ(K.RefRonds, 40);
    EXPECT_EQ(K.TailleSymboles[1], 400.0f * 25);
    PrepareValeursNoeuds(QStringLiteral("Populations"));
    EXPECT_EQ(K.RefRonds, 40);

    // With no reference of file 1, "Valeur2" keeps the reference it finds.
    K.RefRondsValeur1 = 0;
    K.RefRonds = 3;
    PrepareValeursNoeuds(QStringLiteral("Valeur2"));
    EXPECT_EQ(K.RefRonds, 3);
    PrepareValeursNoeuds(QStringLiteral("Populations"));
    EXPECT_EQ(K.RefRonds, 2000);
}

TEST_F(ValeursParNoeud, DifferenceDisplaysKeepTheirFirstScaleOnlyWhileShielded)
{
    struct Cas {
        const char* nom;
        bool ModeleStatistiques::*blindage;
        double (*reference)();
    };
    const Cas cas[] = {
        {"Différences absolues", &ModeleStatistiques::BlindageEchDifAbs, [] { return K.RefRondsValeur2; }},
        {"Différences relatives", &ModeleStatistiques::BlindageEchDifRel,
         [] { return static_cast<double>(K.RefRondsDiffRel); }},
    };
    for (const Cas& c : cas) {
        const QString nom = QString::fromUtf8(c.nom);
        ModeleNeuf();
        valeurs({{60, 20}, {30, 20}});  // abs. 40 and 10, rel. 200 and 50
        PrepareValeursNoeuds(nom);
        const double premiere = K.RefRonds;
        EXPECT_EQ(c.reference(), premiere) << c.nom;

        K.ValeursFichiersNoeuds[1].Valeur1 = 120; // abs. 100, rel. 500
        PrepareValeursNoeuds(nom);
        EXPECT_NE(K.RefRonds, premiere) << c.nom;  // its own largest value
        EXPECT_EQ(c.reference(), premiere) << c.nom;

        K.Formes.Statistiques.*c.blindage = true;
        PrepareValeursNoeuds(nom);
        EXPECT_EQ(K.RefRonds, premiere) << c.nom;
    }
}

TEST_F(ValeursParNoeud, ASizeBeyondSinglePrecisionIsReportedAndTheSizesBeforeItStay)
{
    valeurs({{3e38f, 1}, {1, 1}});
    CalculeValeursNoeuds(QStringLiteral("Valeur2"));
    K.ValeursNoeuds[1].Valeur = 3e38f;
    K.RefRondsValeur1 = 1e-3;
    K.TailleSymboles[1] = -1;
    DimensionneRonds(QStringLiteral("Valeur2"));
    EXPECT_EQ(ui.messages(), std::vector<QString>{QStringLiteral("Erreur dans le dimensionnement des ronds")});
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Erreur"));
    EXPECT_EQ(K.TailleSymboles[1], -1.0f);
}

TEST_F(ValeursParNoeud, TheSizesTableFollowsTheNodesPast6000)
{
    for (int j = 1; j <= 6100; ++j) {
        Noeud_(QStringLiteral("N"), j);
        K.Noeuds[j].Population = j;
    }
    PrepareValeursNoeuds(QStringLiteral("Populations"));
    ASSERT_GE(K.TailleSymboles.size(), 6101u);
    EXPECT_EQ(K.ValeursNoeuds[1].IndiceNoeud, 6100);
    EXPECT_EQ(K.TailleSymboles[6100], static_cast<float>(1000.0 / 6100));
    EXPECT_TRUE(ui.messages().empty());
}

// The record-by-record scan of the nodes and the neighbour-exchange sort,
// as they were written, on random small tables with repeated codes.
TEST_F(ValeursParNoeud, LookupAndStableSortGiveWhatTheScanAndTheExchangeSortGive)
{
    std::mt19937 alea(5);
    for (int essai = 0; essai < 40; ++essai) {
        ModeleNeuf();
        const int nbNoeuds = 1 + static_cast<int>(alea() % 30);
        for (int j = 1; j <= nbNoeuds; ++j)
            Noeud_(QStringLiteral("N"), static_cast<int32_t>(alea() % 20)); // repeated codes
        K.NbValeursNoeuds = static_cast<int32_t>(alea() % 40);
        for (int i = 1; i <= K.NbValeursNoeuds; ++i) {
            ValeurNoeud& f = K.ValeursFichiersNoeuds[i];
            f.Code = static_cast<int32_t>(alea() % 25);
            f.Valeur1 = static_cast<float>(static_cast<int>(alea() % 11) - 5);
            f.Valeur2 = static_cast<float>(static_cast<int>(alea() % 7) - 3);
        }
        for (const char* nom : {"Valeur1", "Différences relatives"}) {
            std::vector<ValeurNoeud> oracle(static_cast<std::size_t>(nbNoeuds) + 1);
            for (int i = 1; i <= K.NbValeursNoeuds; ++i) {
                const ValeurNoeud& f = K.ValeursFichiersNoeuds[i];
                int j = 0;
                do
                    ++j;
                while (K.Noeuds[j].Code != f.Code && j < nbNoeuds);
                if (K.Noeuds[j].Code != f.Code)
                    continue;
                oracle[j].IndiceNoeud = static_cast<int16_t>(j);
                const double a = f.Valeur1, b = f.Valeur2;
                if (nom[0] == 'V') {
                    oracle[j].Valeur = f.Valeur1;
                } else {
                    oracle[j].Valeur = static_cast<float>(b == 0 ? 0.0 : (a - b) * 100 / b);
                    oracle[j].ValeurSecondaire = oracle[j].Valeur;
                }
            }
            std::vector<float> tailles(static_cast<std::size_t>(nbNoeuds) + 1);
            for (int i = 1; i <= nbNoeuds; ++i)
                tailles[i] = K.TailleSymboles[i] = static_cast<float>(i);
            bool echange;
            do {
                echange = false;
                for (int i = 1; i < nbNoeuds; ++i)
                    if (std::fabs(oracle[i + 1].Valeur) > std::fabs(oracle[i].Valeur)) {
                        std::swap(oracle[i], oracle[i + 1]);
                        std::swap(tailles[i], tailles[i + 1]);
                        echange = true;
                    }
            } while (echange);

            CalculeValeursNoeuds(QString::fromUtf8(nom));
            TrieValeursNoeuds();
            for (int i = 1; i <= nbNoeuds; ++i) {
                EXPECT_EQ(K.ValeursNoeuds[i].IndiceNoeud, oracle[i].IndiceNoeud);
                EXPECT_EQ(K.ValeursNoeuds[i].Valeur, oracle[i].Valeur);
                EXPECT_EQ(K.ValeursNoeuds[i].ValeurSecondaire, oracle[i].ValeurSecondaire);
                EXPECT_EQ(K.TailleSymboles[i], tailles[i]);
            }
        }
    }
}
