// Removing the stops that every regional rail service only passes through.
#include "OutilsHoraires.h"
#include "timetables/Developpement.h"
#include "timetables/Optimisation.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class Optimisation : public HorairesTest {
protected:
    void SetUp() override
    {
        HorairesTest::SetUp();
        for (const char* n : {"A", "B", "C", "D", "E", "F", "G", "H"})
            noeud(QString::fromLatin1(n));
        // Two developed runs A-B-C-D and D-C-B-A, a run E-F-G whose middle
        // stop F is also on a road, a lone node H and a node G served by the
        // end of a run.
        int dep = 600;
        for (const auto& [o, d] : {std::pair{1, 2}, {2, 3}, {3, 4}}) {
            service(o, d, dep, dep + 20, -1, 20, 5);
            dep += 20;
        }
        dep = 800;
        for (const auto& [o, d] : {std::pair{4, 3}, {3, 2}, {2, 1}}) {
            service(o, d, dep, dep + 20, -1, 20, 6);
            dep += 20;
        }
        service(5, 6, 700, 710, -1, 10, 7);
        service(6, 7, 710, 720, -1, 10, 7);
        service(6, 1, 0, 0, TypeRoute70().Code, 10, 0);
        IndexeArcs();
        DeveloppeHorairesArcs();
        IndexeArcs();
    }
    QStringList noms() const
    {
        QStringList r;
        for (int i = 1; i <= K.NbNoeuds; ++i)
            r << K.Noeuds[i].Nom.sansBlancsFinaux();
        return r;
    }
};

TEST_F(Optimisation, InnerStopsGoAndEndStopsRoadNodesAndLoneNodesStay)
{
    ui.Repond(Reponse::Non);
    OptimiseHoraires();
    IndexeArcs();
    EXPECT_EQ(noms(), QStringList({"A", "D", "E", "F", "G", "H"}));
    // The direct arcs of the two runs remain, with both run ends.
    int directs = 0;
    for (int32_t k = 1; k <= K.NbArcs; ++k) {
        const Arc& a = K.Arcs[k];
        EXPECT_NE(a.IndiceOrigine, 0);
        directs += (a.CodeOrigine == 10 && a.CodeDestination == 40) || (a.CodeOrigine == 40 && a.CodeDestination == 10);
    }
    EXPECT_EQ(directs, 2);
    EXPECT_FALSE(K.DemandeAccord);
    EXPECT_EQ(ui.appels().size(), 1u);
    EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Voulez-vous demander l'accord avant d'éliminer les noeud ?"));
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Elimination d'un noeud"));
    EXPECT_EQ(K.StatusBar.Panneaux[1], QStringLiteral("6 noeuds "));
    EXPECT_EQ(K.StatusBar.Panneaux[2], QString::number(K.NbArcs) + QStringLiteral(" arcs "));
}

TEST_F(Optimisation, EachRemovalIsAskedAndANoKeepsTheNode)
{
    ui.Repond(Reponse::Oui);
    ui.Repond(Reponse::Non); // B stays
    ui.Repond(Reponse::Oui); // C goes
    OptimiseHoraires();
    ASSERT_EQ(ui.appels().size(), 3u);
    EXPECT_EQ(ui.appels()[1].texte, QStringLiteral("Etes-vous d'accord pour éliminer le noeud B") + QString(49, QLatin1Char(' '))
                                        + QStringLiteral(" ?"));
    EXPECT_EQ(noms(), QStringList({"A", "B", "D", "E", "F", "G", "H"}));
    EXPECT_FALSE(K.DemandeAccord);
}

TEST_F(Optimisation, PassageRuleWantsOnlyTerArcsAndMatchingMinutes)
{
    // F has a road arc; E and G are run ends; H has no arc.
    for (int n : {1, 4, 5, 6, 7, 8})
        EXPECT_FALSE(NoeudDePassage(n)) << n;
    EXPECT_TRUE(NoeudDePassage(2));
    EXPECT_TRUE(NoeudDePassage(3));
    // A TGV-only node stays too.
    const int t = noeud("T");
    service(t, 1, 500, 520, TypeTGV().Code);
    IndexeArcs();
    EXPECT_FALSE(NoeudDePassage(t));
}

} // namespace
