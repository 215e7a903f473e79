// The link types and the record-at-a-time table operations.
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "platform/Erreurs.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

TEST(TypesArcs, LookupsByCodeAndNameFollowTheDisplayOrder)
{
    ModeleNeuf();
    TypeArc r;
    EXPECT_TRUE(TypeArcParCode(9, r));
    EXPECT_EQ(r.Nom, QStringLiteral("Marche 5"));
    EXPECT_TRUE(TypeArcParCode(91, r));
    EXPECT_EQ(r.Nom, QStringLiteral("Marche 3"));
    // A miss says so and leaves the record as it was: no arc inherits the
    // previous arc's link type.
    EXPECT_FALSE(TypeArcParCode(7000, r));
    EXPECT_EQ(r.Nom, QStringLiteral("Marche 3"));
    EXPECT_TRUE(TypeArcParNom(QStringLiteral("Métro"), r));
    EXPECT_EQ(r.Code, 8);
    EXPECT_FALSE(TypeArcParNom(QStringLiteral("metro"), r));
    EXPECT_FALSE(TypeArcParNom(QStringLiteral("Métro "), r));
    EXPECT_EQ(r.Code, 8);
    for (int code : {1, 813, 3, 4, 31, 41})
        EXPECT_TRUE(EstTypeHoraire(code)) << code;
    for (int code : {8, 811, 822, 0})
        EXPECT_FALSE(EstTypeHoraire(code)) << code;
}

TEST(TypesArcs, StartUpFillsTheOrderedTableAndBothLists)
{
    ModeleNeuf();
    const QStringList& l = K.Formes.AspectVisuelArcs.ListeDesModes.Entrees;
    ASSERT_EQ(l.size(), 23);
    EXPECT_EQ(l[0], QStringLiteral("TGV"));
    EXPECT_EQ(l[2], QStringLiteral("Autoroute"));
    EXPECT_EQ(l[22], QStringLiteral("Avion"));
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable3.Entrees, l);
    ASSERT_EQ(K.TypesArcsOrdonnes.size(), 24u);
    EXPECT_EQ(K.TypesArcsOrdonnes[7].Nom, QStringLiteral("Train"));
    EXPECT_EQ(K.TypesArcsOrdonnes[7].Ordre, 7);
    // Colours shared by construction.
    EXPECT_EQ(TypeBus15().CouleurCommun, TypeTGVSiteClassique().CouleurCommun);
    EXPECT_EQ(TypeBus25().CouleurCommun, TypeTER().CouleurCommun);
    EXPECT_EQ(TypeMarche5().CouleurCommun, RGB(0, 0, 255));
    EXPECT_EQ(TypeTGV().CouleurCommun, RGB(128, 0, 0));
    EXPECT_EQ(TypeTGV().CouleurMoins, RGB(255, 128, 128));
    // Codes and names are unique.
    for (int i = 0; i < 23; ++i)
        for (int j = i + 1; j < 23; ++j) {
            EXPECT_NE(K.TypesArcs[i].Code, K.TypesArcs[j].Code);
            EXPECT_NE(K.TypesArcs[i].Nom, K.TypesArcs[j].Nom);
        }
}

TEST(TablesReseau, AppendingArcsAndNodes)
{
    ModeleNeuf();
    AjouteArc(1, 2, 0, 0, 4, 10, 20, 480, 0, QStringLiteral("123456789"), 0, 0);
    AjouteArc(1, 2, 0, 0, 7, 10, 20, 0, 0, QString(), 0, 0);
    ASSERT_EQ(K.NbArcs, 2);
    EXPECT_EQ(K.Arcs.size(), 3u);
    EXPECT_TRUE(K.Arcs[1].Oriente);
    EXPECT_FALSE(K.Arcs[2].Oriente);
    EXPECT_EQ(K.Arcs[1].Minimal, 1);
    EXPECT_EQ(K.Arcs[2].Minimal, 1);
    EXPECT_EQ(K.Arcs[1].Jours.texte(), QStringLiteral("1234567"));
    EXPECT_EQ(K.ComparaisonArcs.size(), 3u);
    // An overflowing argument leaves the table as it was.
    EXPECT_THROW(AjouteArc(1, 2, 0, 0, 40000, 0, 0, 0, 0, QString(), 0, 0), ErreurExecution);
    EXPECT_EQ(K.NbArcs, 2);
    EXPECT_EQ(K.Arcs.size(), 3u);

    AjouteNoeud(QStringLiteral("A"), 5, 100, 1, 2, 3);
    EXPECT_EQ(K.NbNoeuds, 1);
    EXPECT_TRUE(K.Noeuds[1].Visible);
    EXPECT_EQ(K.IndexNoeuds[1], 1);
    EXPECT_THROW(AjouteNoeud(QStringLiteral("B"), 1e12, 0, 0, 0, 0), ErreurExecution);
    EXPECT_EQ(K.NbNoeuds, 1);
    EXPECT_EQ(K.IndexNoeuds.size(), 2u);
}

TEST(TablesReseau, TheLimitsAreCheckedBeforeTheTablesGrow)
{
    ModeleNeuf();
    K.Arcs.resize(NbMaxArcsFichier + 1);
    K.NbArcs = NbMaxArcsFichier;
    EXPECT_THROW(AjouteArc(1, 2, 0, 0, 4, 0, 0, 0, 0, QString(), 0, 0), ErreurExecution);
    EXPECT_EQ(K.Arcs.size(), static_cast<std::size_t>(NbMaxArcsFichier) + 1);
    K.Noeuds.resize(NbMaxNoeudsTable + 1);
    K.NbNoeuds = NbMaxNoeudsTable;
    EXPECT_THROW(AjouteNoeud(QStringLiteral("X"), 1, 0, 0, 0, 0), ErreurExecution);
    EXPECT_EQ(K.NbNoeuds, NbMaxNoeudsTable);
}

TEST(TablesReseau, SearchRenumberAndDelete)
{
    ModeleNeuf();
    EXPECT_FALSE(ChercheNoeudParCode(12));
    Noeud_(QStringLiteral("A"), 12);
    Noeud_(QStringLiteral("B"), 13);
    Noeud_(QStringLiteral("C"), 14);
    EXPECT_TRUE(ChercheNoeudParCode(13));
    for (int i = 1; i <= 5; ++i)
        Arc_(i == 5 ? 12 : 13, 12, static_cast<int16_t>(i));
    K.Arcs[4].Oriente = true;
    for (int i = 1; i <= 5; ++i)
        K.ComparaisonArcs[i] = static_cast<float>(i);

    RenumeroteNoeudDansArcs(12, 15);
    EXPECT_EQ(K.Arcs[1].CodeOrigine, 13);
    EXPECT_EQ(K.Arcs[1].CodeDestination, 15);
    EXPECT_EQ(K.Arcs[5].CodeOrigine, 15);

    SupprimeArc(3);
    ASSERT_EQ(K.NbArcs, 4);
    EXPECT_EQ(K.Arcs.size(), 5u);
    EXPECT_EQ(K.Arcs[3].Mode, 4);
    EXPECT_TRUE(K.Arcs[3].Oriente);
    EXPECT_EQ(K.Arcs[4].Mode, 5);
    // The comparison classes move down with their arcs.
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[3], 4.f);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[4], 5.f);
    SupprimeArc(K.NbArcs);
    EXPECT_EQ(K.NbArcs, 3);

    K.Noeuds[2].XEcran = 99;
    K.Noeuds[2].Modes = QStringLiteral("TGV-000-000-000-000");
    SupprimeNoeud(2);
    ASSERT_EQ(K.NbNoeuds, 2);
    EXPECT_EQ(K.Noeuds[2].Code, 14);
    EXPECT_EQ(K.Noeuds[2].Nom.sansBlancsFinaux(), QStringLiteral("C"));
    EXPECT_FLOAT_EQ(K.Noeuds[2].XEcran, 99.f); // derived data stays with its position
    EXPECT_EQ(K.Noeuds[2].Modes.texte(), QStringLiteral("TGV-000-000-000-000"));
}
