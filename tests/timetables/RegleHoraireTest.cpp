// One rule says whether a service is timed: a departure or an arrival not 0.
#include "OutilsHoraires.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class RegleHoraire : public HorairesTest {};

TEST_F(RegleHoraire, ServiceWhoseTimesAddUpToZeroStaysTimedAndOneWay)
{
    const int a = noeud("A"), b = noeud("B");
    const struct {
        int dep, arr;
        bool horaire;
    } cas[] = {{-20, 20, true}, {0, 0, false}, {0, 15, true}, {600, 0, true}, {-600, 600, true}};
    for (const auto& c : cas) {
        EXPECT_EQ(EstHoraire(c.dep, c.arr), c.horaire);
        const int32_t k = service(a, b, c.dep, c.arr);
        EXPECT_EQ(K.Arcs[k].Oriente, c.horaire) << c.dep << " " << c.arr;
    }
    // An untimed arc the other way pairs only with an untimed arc.
    const int32_t retour = service(b, a, 0, 0);
    IndexeArcs();
    DefinitOrientationArcs();
    for (int32_t k = 1; k <= K.NbArcs; ++k)
        EXPECT_EQ(K.Arcs[k].Oriente, EstHoraire(K.Arcs[k].HeureDepart, K.Arcs[k].HeureArrivee)) << k;
    (void)retour;
}

} // namespace
