// Deleting a node with its arcs.
#include "OutilsEdition.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "core/Tables.h"
#include "editing/ElimineNoeud.h"

#include <algorithm>
#include <random>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar CR(13);

// The arc pass as it was first written: the oracle of the one-pass removal.
int32_t arcsUnParUn(double code)
{
    int32_t nombre = 0;
    if (K.NbArcs == 0)
        return 0;
    int32_t k = 0;
    do {
        ++k;
        const Arc& a = K.Arcs[k];
        if (a.CodeOrigine == code || a.CodeDestination == code) {
            ++nombre;
            if (k == K.NbArcs) {
                K.NbArcs = K.NbArcs - 1;
            } else {
                SupprimeArc(k);
                --k;
            }
        }
    } while (k < K.NbArcs);
    K.Arcs.resize(static_cast<std::size_t>(K.NbArcs) + 1);
    return nombre;
}

class ElimineNoeudTest : public EditionTest {
protected:
    // Five nodes, codes 10 to 50, and arcs between them.
    void reseau()
    {
        for (const char* n : {"AMIENS", "BEAUVAIS", "CREIL", "DREUX", "EVREUX"})
            noeud(QString::fromLatin1(n), 0, 0);
        Arc_(10, 20, 41);
        Arc_(20, 30, 41);
        Arc_(30, 20, 41);
        Arc_(30, 30, 6); // a loop on CREIL
        Arc_(40, 50, 6);
        Arc_(30, 99, 6); // towards no node
        Arc_(50, 30, 4);
        IndexeArcs();
        RemplitListesNoeuds();
    }
};

} // namespace

TEST_F(ElimineNoeudTest, TheNodeAndEveryArcAtItGoAndTheReportCountsThem)
{
    reseau();
    // Drawing order back to front: EVREUX, CREIL, AMIENS, DREUX, BEAUVAIS.
    K.IndexNoeuds = {0, 5, 3, 1, 4, 2};
    K.AfficheMessagesElimination = true;
    EXPECT_EQ(ElimineNoeud(30), 5);

    ASSERT_EQ(K.NbNoeuds, 4);
    ASSERT_EQ(K.Noeuds.size(), 5u);
    EXPECT_EQ(K.Noeuds[3].Nom.sansBlancsFinaux(), QStringLiteral("DREUX"));
    EXPECT_EQ(K.Noeuds[4].Code, 50);
    // The drawing order keeps its order, with the later nodes renumbered.
    EXPECT_EQ(K.IndexNoeuds, (std::vector<int16_t>{0, 4, 1, 3, 2}));
    ASSERT_EQ(K.NbArcs, 2);
    EXPECT_EQ(K.Arcs[1].CodeDestination, 20);
    EXPECT_EQ(K.Arcs[2].CodeOrigine, 40);
    // The arcs point at the nodes' new numbers without a re-indexing.
    EXPECT_EQ(K.Arcs[2].IndiceOrigine, 3);
    EXPECT_EQ(K.Arcs[2].IndiceDestination, 4);
    // Every node list is refilled: entry i is node i.
    for (const Liste* l : {&K.Formes.ModifArcs.ListeModifiable1, &K.Formes.ModifNoeuds.ListeModifiable1,
                           &K.Formes.Angles.ListeModifiable1, &K.Formes.frmAnamorphose.ListeModifiable1}) {
        ASSERT_EQ(l->Entrees.size(), 5);
        EXPECT_EQ(l->Entrees[3], QStringLiteral("DREUX          "));
    }
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const AppelDialogue& m = repondeur->appels()[0];
    EXPECT_EQ(m.texte, QStringLiteral("Le noeud CREIL a été éliminé.") + CR
                           + QStringLiteral(" 5 arc(s) a(ont) été éliminé(s)."));
    EXPECT_EQ(m.titre, QStringLiteral("Elimination d'un noeud"));
    EXPECT_EQ(m.icone, Icone::Information);
    // The progress display is cleared at the end.
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
    EXPECT_TRUE(K.StatusBar.Panneaux[5].isEmpty());
}

TEST_F(ElimineNoeudTest, UnknownCodeLastNodeAndQuietRuns)
{
    struct Cas {
        const char* nom;
        double code;
        bool demandeAccord;
        int32_t arcs, noeuds;
        QString rapport; // empty: no report
    };
    const Cas cas[] = {
        {"a code of no node: its arcs still go", 99, false, 1, 5,
         QStringLiteral("Le noeud <noeud non trouvé> a été éliminé.") + CR
             + QStringLiteral(" 1 arc(s) a(ont) été éliminé(s).")},
        {"the last node", 50, false, 2, 4,
         QStringLiteral("Le noeud EVREUX a été éliminé.") + CR + QStringLiteral(" 2 arc(s) a(ont) été éliminé(s).")},
        {"no report while the optimisation asks", 10, true, 1, 4, QString()},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        K.Noeuds.assign(1, Noeud{});
        K.NbNoeuds = 0;
        K.IndexNoeuds.assign(1, 0);
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        reseau();
        repondeur->efface();
        K.DemandeAccord = c.demandeAccord;
        EXPECT_EQ(ElimineNoeud(c.code), c.arcs);
        EXPECT_EQ(K.NbNoeuds, c.noeuds);
        EXPECT_EQ(K.NbArcs, 7 - c.arcs);
        std::vector<int16_t> ordre(K.IndexNoeuds.begin() + 1, K.IndexNoeuds.end());
        std::sort(ordre.begin(), ordre.end());
        for (int i = 0; i < static_cast<int>(ordre.size()); ++i)
            EXPECT_EQ(ordre[i], i + 1);
        EXPECT_EQ(ordre.size(), static_cast<std::size_t>(c.noeuds));
        if (c.rapport.isEmpty())
            EXPECT_TRUE(repondeur->appels().empty());
        else
            EXPECT_EQ(repondeur->messages(), std::vector<QString>{c.rapport});
    }
}

TEST_F(ElimineNoeudTest, EmptyTablesDeleteNothing)
{
    EXPECT_EQ(ElimineNoeud(10), 0);
    EXPECT_EQ(K.NbArcs, 0);
    EXPECT_EQ(K.NbNoeuds, 0);
    EXPECT_EQ(ElimineNoeudNumero(1), 0);
}

TEST_F(ElimineNoeudTest, ANumberedNodeGoesEvenWhenAnEarlierOneHasItsCode)
{
    reseau();
    K.Noeuds[4].Code = 20; // DREUX shares BEAUVAIS's code
    ElimineNoeudNumero(4);
    ASSERT_EQ(K.NbNoeuds, 4);
    EXPECT_EQ(K.Noeuds[2].Nom.sansBlancsFinaux(), QStringLiteral("BEAUVAIS"));
    EXPECT_EQ(K.Noeuds[4].Nom.sansBlancsFinaux(), QStringLiteral("EVREUX"));
    EXPECT_EQ(repondeur->messages()[0],
              QStringLiteral("Le noeud DREUX a été éliminé.") + CR + QStringLiteral(" 3 arc(s) a(ont) été éliminé(s)."));
}

TEST_F(ElimineNoeudTest, OnePassRemovesTheArcsOfOneDeletionAtATime)
{
    std::mt19937 alea(5);
    std::uniform_int_distribution<int> code(1, 5);
    K.DemandeAccord = true;
    for (int essai = 0; essai < 200; ++essai) {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        const int n = essai % 30;
        for (int i = 0; i < n; ++i) {
            Arc_(code(alea), code(alea), 41);
            K.Arcs.back().Debit = static_cast<float>(i);
        }
        const double c = code(alea);
        const std::vector<Arc> avant = K.Arcs;
        const int32_t nombre = arcsUnParUn(c);
        const std::vector<Arc> attendus = K.Arcs;
        const int32_t nbAttendus = K.NbArcs;
        K.Arcs = avant;
        K.NbArcs = n;
        EXPECT_EQ(ElimineNoeud(c), nombre);
        EXPECT_TRUE(MemesArcs(attendus, nbAttendus)) << "essai " << essai;
    }
}

TEST_F(ElimineNoeudTest, NodeValuesDropTheNodesEntryAndFollowTheRenumbering)
{
    reseau();
    // Values shown in decreasing order, with their symbol sizes alongside.
    const int ordre[] = {0, 4, 3, 5, 1, 2};
    K.ValeursNoeuds.assign(6, ValeurNoeud{});
    for (int k = 1; k <= 5; ++k) {
        K.ValeursNoeuds[k].IndiceNoeud = static_cast<int16_t>(ordre[k]);
        K.ValeursNoeuds[k].Valeur = static_cast<float>(100 - k);
        K.TailleSymboles[k] = static_cast<float>(k);
    }
    K.Arcs1[1].IndiceOrigine = 3;
    K.Arcs1[1].IndiceDestination = 5;
    K.Arcs2[7].IndiceOrigine = 2;
    K.DemandeAccord = true;
    ElimineNoeud(30);

    ASSERT_EQ(K.ValeursNoeuds.size(), 5u);
    const int16_t indices[] = {4 - 1, 5 - 1, 1, 2};
    const float valeurs[] = {99, 97, 96, 95};
    const float tailles[] = {1, 3, 4, 5};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(K.ValeursNoeuds[k].IndiceNoeud, indices[k - 1]) << k;
        EXPECT_EQ(K.ValeursNoeuds[k].Valeur, valeurs[k - 1]) << k;
        EXPECT_EQ(K.TailleSymboles[k], tailles[k - 1]) << k;
    }
    EXPECT_EQ(K.TailleSymboles[5], 0.0f);
    EXPECT_EQ(K.TailleSymboles.size(), static_cast<std::size_t>(NbMaxValeursNoeuds) + 1);
    // A pair at the deleted node reaches no node any more.
    EXPECT_EQ(K.Arcs1[1].IndiceOrigine, 0);
    EXPECT_EQ(K.Arcs1[1].IndiceDestination, 4);
    EXPECT_EQ(K.Arcs2[7].IndiceOrigine, 2);
}
