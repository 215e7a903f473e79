// The node timetable: departures and arrivals at the node chosen in the node editor.
#include "OutilsHoraires.h"
#include "editing/CommandesEdition.h"
#include "editing/ModifArcs.h"
#include "timetables/HorairesNoeuds.h"
#include "timetables/LignesHoraires.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class HorairesNoeudsT : public HorairesTest {
protected:
    void SetUp() override
    {
        HorairesTest::SetUp();
        a = noeud("Arles");
        b = noeud("Beaucaire");
        c = noeud("Cavaillon");
        service(a, b, 425, 445, -1, 20, 7);
        service(b, c, 445, 500, -1, 15, 125);
        deux = service(c, b, 0, 0, -1, 30, 0);
        K.Arcs[deux].Oriente = false;
        service(a, c, 500, 530, TypeTGV().Code);
        IndexeArcs();
        liaison(a, b);
        K.Formes.ModifNoeuds.ListeModifiable1.Choisit(b);
    }
    int a = 0, b = 0, c = 0;
    int32_t deux = 0;
};

TEST_F(HorairesNoeudsT, DeparturesListOneWayServicesFromTheNodeAndTwoWayOnes)
{
    HorairesNoeuds_HDéparts_Click();
    const ModeleHorairesNoeuds& f = K.Formes.HorairesNoeuds;
    EXPECT_EQ(textes(f.ListeHorairesNoeud),
              QStringList({QStringLiteral("00:00     00:00       LMMJV      30   L00  Cavaillon "),
                           QStringLiteral("07:25     08:20       LMMJV      15   L125  Cavaillon   (Arles  )")}));
    EXPECT_EQ(f.DépartDe, QStringLiteral("De Beaucaire            en TER  (2 HorairesNoeuds)"));
    EXPECT_EQ(f.Etiquette1, QStringLiteral("H dép., H arr., Jours , Durée, Num ligne, Vers (Vient de)"));
    EXPECT_TRUE(K.CompareHoraires);
    EXPECT_TRUE(f.Visible);
}

TEST_F(HorairesNoeudsT, ArrivalLinesStartWithTheArrivalAndNameTheFollowingService)
{
    HorairesNoeuds_HArrivées_Click();
    const ModeleHorairesNoeuds& f = K.Formes.HorairesNoeuds;
    EXPECT_EQ(textes(f.ListeHorairesNoeud),
              QStringList({QStringLiteral("00:00     00:00       LMMJV      30   L00  Cavaillon "),
                           QStringLiteral("07:25   (07:05)     LMMJV      20   L07  Arles       (Cavaill)")}));
    EXPECT_EQ(f.DépartDe, QStringLiteral("Vers Beaucaire            en TER  (2 HorairesNoeuds)"));
    EXPECT_EQ(f.Etiquette1, QStringLiteral("H Arr, (H dép), Jours , Durée, Num Ligne, Vient de (Continue vers)"));
}

TEST_F(HorairesNoeudsT, DoubleClickOpensTheLinkTimetableAndTheRunOfTheLinesService)
{
    HorairesNoeuds_HArrivées_Click();
    HorairesNoeuds_ListeHorairesNoeud_DblClick(1);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, a);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable2.ListIndex, b);
    const ListeServices& h = K.Formes.HorairesArcs.ListeHoraires;
    ASSERT_GE(h.ListIndex, 0);
    EXPECT_EQ(h.Lignes[static_cast<std::size_t>(h.ListIndex)].Cle, CleDeArc(1));
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 2);
    // Nothing under the click, or no node chosen: nothing is read outside the tables.
    HorairesNoeuds_ListeHorairesNoeud_DblClick(7);
    K.Formes.ModifNoeuds.ListeModifiable1.Choisit(-1);
    AfficheHorairesNoeud();
    EXPECT_EQ(K.Formes.HorairesNoeuds.ListeHorairesNoeud.ListCount(), 0);
}

// The link type a load chose in the arc editor's list is the editor's, the
// editor never opened from its menu: a line's arc is shown as it stands, and
// no arc of a link type the table lacks can be created.
TEST_F(HorairesNoeudsT, DoubleClickShowsTheLinesArcInTheLinkTypeALoadChose)
{
    ModeleModifArcs& m = K.Formes.ModifArcs;
    m.Heures = m.Minutes = QStringLiteral("0");
    m.Longueur = QStringLiteral("10");
    ModifArcs_BtnCréer_Click(); // no link type followed yet: mode 0
    EXPECT_EQ(K.NbArcs, 4);
    EXPECT_EQ(ui.messages().back(),
              QStringLiteral("Aucun type d'arc n'a le mode 0 : choisissez le mode dans la liste. L'arc n'est pas ajouté."));

    InstalleCommandesEdition();
    m.ListeModifiable3.Choisit(-1);
    RemplitListesTypes(); // TER, the most used
    HorairesNoeuds_HArrivées_Click();
    HorairesNoeuds_ListeHorairesNoeud_DblClick(1);
    EXPECT_TRUE(m.BtnDétruire.Visible);
    EXPECT_EQ(m.Longueur, QStringLiteral(" 10"));
}

} // namespace
