// Developing the regional rail runs into direct arcs between all their stops.
#include "OutilsHoraires.h"
#include "timetables/Developpement.h"

#include <random>

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class Developpement : public HorairesTest {
protected:
    void SetUp() override
    {
        HorairesTest::SetUp();
        for (const char* n : {"A", "B", "C", "D", "E"})
            noeud(QString::fromLatin1(n));
    }
    // A run of TER legs through the stops given, leaving at dep, 20 minutes a leg.
    void run(std::initializer_list<int> arrets, int dep, float debit)
    {
        const int* p = arrets.begin();
        for (const int* q = p + 1; q != arrets.end(); ++q, dep += 20)
            service(*(q - 1), *q, dep, dep + 20, -1, 20, debit);
    }
    struct Attendu {
        int32_t o, d;
        int dep, arr;
    };
    void verifieAjouts(int32_t depuis, std::initializer_list<Attendu> attendus, float debit)
    {
        ASSERT_EQ(K.NbArcs - depuis, static_cast<int32_t>(attendus.size()));
        int32_t k = depuis;
        for (const Attendu& x : attendus) {
            const Arc& a = K.Arcs[++k];
            EXPECT_EQ(a.CodeOrigine, x.o) << k;
            EXPECT_EQ(a.CodeDestination, x.d) << k;
            EXPECT_EQ(a.HeureDepart, x.dep) << k;
            EXPECT_EQ(a.HeureArrivee, x.arr) << k;
            EXPECT_FLOAT_EQ(a.Duree, static_cast<float>(x.arr - x.dep));
            EXPECT_EQ(a.Mode, TypeTER().Code);
            EXPECT_FLOAT_EQ(a.Debit, debit);
            EXPECT_TRUE(a.Oriente);
            EXPECT_EQ(a.Minimal, 1);
            EXPECT_EQ(a.Jours.texte(), QStringLiteral("       "));
        }
    }
};

TEST_F(Developpement, RunPassAppendsEveryNonConsecutivePairInLegOrder)
{
    run({1, 2, 3, 4}, 600, 5);
    K.Arcs[1].Capacite = 250;
    service(5, 1, 300, 320, -1, 20, 8); // a run of one leg: nothing
    ASSERT_TRUE(DeveloppeHorairesArcs());
    verifieAjouts(4, {{10, 30, 600, 640}, {10, 40, 600, 660}, {20, 40, 620, 660}}, 5);
    // Length at the TER speed of 75 km/h; capacity of the run's first leg;
    // node numbers left for the re-indexing.
    EXPECT_FLOAT_EQ(K.Arcs[5].Longueur, 50);
    EXPECT_FLOAT_EQ(K.Arcs[5].Capacite, 250);
    EXPECT_EQ(K.Arcs[5].IndiceOrigine, 0);
    // A second development finds every direct arc there already.
    ASSERT_TRUE(DeveloppeHorairesArcs());
    EXPECT_EQ(K.NbArcs, 7);
}

TEST_F(Developpement, LineNumbersOnTrainArcsChooseTheRunPassWhichDevelopsOnlyTer)
{
    run({1, 2, 3, 4}, 600, 0);
    // A Train leg carrying a line number continues the run at the same stop
    // and minute: it selects the run pass but is no TER leg.
    service(4, 5, 660, 680, TypeTrain().Code, 20, 0);
    service(5, 1, 900, 920, TypeTrain().Code, 20, 3);
    ASSERT_TRUE(DeveloppeHorairesArcs());
    // Pairs in leg order (the chaining pass would give A-C, B-D, A-D).
    verifieAjouts(5, {{10, 30, 600, 640}, {10, 40, 600, 660}, {20, 40, 620, 660}}, 0);
}

TEST_F(Developpement, PlainTerLinksAreNoRunAndOnlyTheTimedServicesDevelop)
{
    // Without line numbers the chaining pass runs, with them the run pass.
    for (const float numero : {0.f, 5.f}) {
        test::ModeleNeuf();
        for (const char* n : {"A", "B", "C", "D"})
            noeud(QString::fromLatin1(n));
        // Plain TER links A-B-C-D, consecutive in the table: no times at all.
        service(1, 2, 0, 0, -1, 20, numero);
        service(2, 3, 0, 0, -1, 20, numero);
        service(3, 4, 0, 0, -1, 20, numero);
        IndexeArcs();
        ASSERT_TRUE(DeveloppeHorairesArcs());
        EXPECT_EQ(K.NbArcs, 3) << numero;
        // A timed run A-B-C beside them: its pair alone is developed.
        run({1, 2, 3}, 600, numero);
        IndexeArcs();
        ASSERT_TRUE(DeveloppeHorairesArcs());
        verifieAjouts(5, {{10, 30, 600, 640}}, numero);
    }
}

TEST_F(Developpement, ChainingPassChainsAppendedArcsInTurn)
{
    run({1, 2, 3, 4}, 600, 0);
    IndexeArcs();
    ASSERT_TRUE(DeveloppeHorairesArcs());
    verifieAjouts(3, {{10, 30, 600, 640}, {20, 40, 620, 660}, {10, 40, 600, 660}}, 0);
    EXPECT_EQ(K.Arcs[4].IndiceOrigine, 1);
    EXPECT_FLOAT_EQ(K.Arcs[4].Longueur, 20);
    ASSERT_TRUE(DeveloppeHorairesArcs());
    EXPECT_EQ(K.NbArcs, 6);
}

TEST_F(Developpement, ChainingPassShortensAnExistingArcAndItsDuration)
{
    run({1, 2, 3}, 600, 0);
    const int32_t direct = service(1, 3, 600, 700, TypeRoute70().Code, 100, 0);
    IndexeArcs();
    ASSERT_TRUE(DeveloppeHorairesArcs());
    EXPECT_EQ(K.NbArcs, 3);
    EXPECT_EQ(K.Arcs[direct].HeureArrivee, 640);
    EXPECT_FLOAT_EQ(K.Arcs[direct].Duree, 40);
}

TEST_F(Developpement, DevelopmentPastTheTableLimitIsRefusedWhole)
{
    for (const bool numeros : {true, false}) {
        test::ModeleNeuf();
        for (const char* n : {"A", "B", "C", "D"})
            noeud(QString::fromLatin1(n));
        run({1, 2, 3, 4}, 600, numeros ? 5 : 0);
        K.Arcs.reserve(NbMaxArcsFichier + 1);
        while (K.NbArcs < NbMaxArcsFichier - 2)
            test::Arc_(10, 20, TypeRoute70().Code);
        IndexeArcs();
        const int32_t avant = K.NbArcs;
        ui.efface();
        EXPECT_FALSE(DeveloppeHorairesArcs());
        EXPECT_EQ(K.NbArcs, avant);
        EXPECT_EQ(static_cast<int32_t>(K.Arcs.size()), avant + 1);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0], QStringLiteral("La table des arcs serait pleine : le développement n'est pas fait."));
    }
}

// The chaining pass as first written, with every scan linear, and the
// changed arc's duration following its arrival: the oracle of the indexed pass.
void chaineLineaire()
{
    const int16_t ter = TypeTER().Code;
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        if (K.Arcs[i].Mode != ter)
            continue;
        const int32_t o = K.Arcs[i].IndiceOrigine, d = K.Arcs[i].IndiceDestination;
        const int32_t borne = K.NbArcs;
        for (int32_t j = 1; j <= borne; ++j) {
            const Arc aj = K.Arcs[j], ai = K.Arcs[i];
            if (!(aj.IndiceDestination == o && aj.Debit == ai.Debit && aj.Mode == ter
                  && aj.HeureArrivee == ai.HeureDepart && aj.IndiceOrigine != d))
                continue;
            int32_t trouve = 0;
            const int32_t n = K.NbArcs;
            for (int32_t k = 1; k <= n && trouve == 0; ++k) {
                const Arc& ak = K.Arcs[k];
                if (ak.Debit == aj.Debit && ak.IndiceOrigine == aj.IndiceOrigine && ak.IndiceDestination == d
                    && ak.HeureDepart == aj.HeureDepart)
                    trouve = k;
            }
            if (trouve) {
                Arc& k = K.Arcs[trouve];
                if (ai.HeureArrivee < k.HeureArrivee) {
                    k.HeureArrivee = ai.HeureArrivee;
                    k.Duree = k.HeureArrivee - k.HeureDepart;
                }
            } else {
                AjouteArc(K.Noeuds[aj.IndiceOrigine].Code, K.Noeuds[d].Code, aj.IndiceOrigine, d, ter,
                          aj.Longueur + ai.Longueur, aj.Duree + ai.Duree, aj.HeureDepart, ai.HeureArrivee, QString(),
                          aj.Debit, aj.Capacite);
            }
        }
    }
}

TEST_F(Developpement, IndexedChainingGivesTheTableOfTheLinearOneOnRandomNetworks)
{
    std::mt19937 g(103);
    for (int reseau = 0; reseau < 30; ++reseau) {
        test::ModeleNeuf();
        for (int i = 0; i < 7; ++i)
            noeud(QStringLiteral("N%1").arg(i));
        for (int i = 0; i < 35; ++i) {
            const int o = 1 + static_cast<int>(g() % 7), d = 1 + static_cast<int>(g() % 7);
            const int dep = 600 + 10 * static_cast<int>(g() % 6);
            const int16_t mode = g() % 5 == 0 ? TypeRoute70().Code : TypeTER().Code;
            service(o, d, dep, dep + 10 * (1 + static_cast<int>(g() % 3)), mode, -1, 0);
        }
        IndexeArcs();
        const std::vector<Arc> depart = K.Arcs;
        const int32_t n = K.NbArcs;
        chaineLineaire();
        const std::vector<Arc> attendu = K.Arcs;
        K.Arcs = depart;
        K.NbArcs = n;
        ASSERT_TRUE(DeveloppeHorairesArcsChaines());
        ASSERT_EQ(K.Arcs.size(), attendu.size()) << reseau;
        for (std::size_t k = 1; k < attendu.size(); ++k) {
            const Arc &x = K.Arcs[k], &y = attendu[k];
            EXPECT_TRUE(x.CodeOrigine == y.CodeOrigine && x.CodeDestination == y.CodeDestination
                        && x.HeureDepart == y.HeureDepart && x.HeureArrivee == y.HeureArrivee && x.Duree == y.Duree
                        && x.Longueur == y.Longueur)
                << "network " << reseau << " arc " << k;
        }
    }
}

} // namespace
