// Finding services again: alternating directions, identical services in turn.
#include "OutilsHoraires.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class RechercheHoraires : public HorairesTest {};

TEST_F(RechercheHoraires, IdenticalServicesAreReturnedInTurnStartingWithTheHigherNumber)
{
    const int a = noeud("A"), b = noeud("B");
    service(a, b, 600, 620);
    const int32_t j1 = service(a, b, 700, 720);
    service(a, b, 800, 820);
    const int32_t j2 = service(a, b, 700, 720);
    const double ca = K.Noeuds[a].Code, cb = K.Noeuds[b].Code, ter = TypeTER().Code;
    ASSERT_FALSE(RechercheMontante);
    EXPECT_EQ(ChercheArcHoraire(ca, cb, ter, 700, 720), j2); // downward first
    EXPECT_TRUE(RechercheMontante);
    EXPECT_EQ(ChercheArcHoraire(ca, cb, ter, 700, 720), j1);
    EXPECT_EQ(ChercheArcHoraire(ca, cb, ter, 700, 720), j2);
    // The reverse direction is another service.
    EXPECT_EQ(ChercheArcHoraire(cb, ca, ter, 700, 720), 0);
}

TEST_F(RechercheHoraires, FirstAndLastArcsAreFoundInEitherDirection)
{
    const int a = noeud("A"), b = noeud("B");
    const int32_t premier = service(a, b, 600, 620);
    for (int i = 0; i < 5; ++i)
        service(a, b, 700 + i, 720 + i);
    const int32_t dernier = service(b, a, 900, 930);
    const double ca = K.Noeuds[a].Code, cb = K.Noeuds[b].Code, ter = TypeTER().Code;
    for (int fois = 0; fois < 2; ++fois) {
        EXPECT_EQ(ChercheArcHoraire(ca, cb, ter, 600, 620), premier);
        EXPECT_EQ(ChercheArcHoraire(cb, ca, ter, 900, 930), dernier);
    }
}

TEST_F(RechercheHoraires, TheIndexAnswersAsTheScanDoesWithTheSameAlternation)
{
    const int a = noeud("A"), b = noeud("B");
    for (int i = 0; i < 4; ++i) {
        service(a, b, 700, 720);
        service(a, b, 710, 730);
    }
    const IndexServices index;
    const CleService cles[] = {CleDeArc(1), CleDeArc(2), {K.Noeuds[a].Code, K.Noeuds[b].Code, TypeTER().Code, 1, 2}};
    for (int n = 0; n < 9; ++n) {
        const CleService& c = cles[n % 3];
        const bool avant = RechercheMontante;
        const int32_t attendu = ChercheArcHoraire(c);
        RechercheMontante = avant;
        EXPECT_EQ(index.Cherche(c), attendu) << n;
    }
}

} // namespace
