// Deleting the arcs of one link type between two nodes.
#include "OutilsEdition.h"
#include "core/Tables.h"
#include "editing/ElimineArcsEntre.h"
#include "platform/Nombres.h"

#include <random>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar CR(13);

// The deletion as it was first written, one SupprimeArc per matching arc:
// the oracle of the one-pass compaction.
void elimineUnParUn(double co, double cd, double mode, double hd, double ha, int32_t& nombre, int32_t& position)
{
    nombre = 0;
    position = 0;
    int32_t k = 1;
    while (k <= K.NbArcs) {
        const Arc& a = K.Arcs[k];
        const bool extremites = (a.CodeOrigine == co && a.CodeDestination == cd)
                                || (a.CodeOrigine == cd && a.CodeDestination == co);
        const bool horaires = !K.CompareHoraires || (a.HeureDepart == hd && a.HeureArrivee == ha);
        if (extremites && a.Mode == mode && horaires) {
            position = k;
            ++nombre;
            SupprimeArc(k);
        } else {
            ++k;
        }
    }
    K.Arcs.resize(static_cast<std::size_t>(K.NbArcs) + 1);
}

class ElimineArcs : public EditionTest {};

} // namespace

TEST_F(ElimineArcs, EveryArcOfTheModeBetweenThePairGoesInBothDirectionsOthersStay)
{
    struct Cas {
        const char* nom;
        bool compareHoraires;
        double depart, arrivee;
        int32_t nombre, position;
        std::vector<int> restants; // Debit of the arcs left, in order
    };
    // Debit numbers the arcs so that what stays is readable.
    auto reseau = [] {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        K.ComparaisonArcs.assign(1, 0.0f);
        struct A {
            int o, d, mode, dep, arr;
        };
        const A arcs[] = {{10, 20, 41, 480, 540},  {20, 10, 41, 600, 660}, {10, 20, 41, 480, 540}, {10, 30, 41, 0, 0},
                          {10, 20, 4, 0, 0},       {20, 10, 41, 480, 540}, {30, 20, 41, 0, 0},    {10, 20, 41, 0, 0}};
        int n = 0;
        for (const A& a : arcs) {
            Arc_(a.o, a.d, static_cast<int16_t>(a.mode), 10, 10, static_cast<int16_t>(a.dep), static_cast<int16_t>(a.arr));
            K.Arcs.back().Debit = static_cast<float>(++n);
            K.ComparaisonArcs.back() = static_cast<float>(n);
        }
    };
    const Cas cas[] = {
        {"times not compared: every TER arc of the pair, the last one of the table too", false, 480, 540, 5, 4,
         {4, 5, 7}},
        {"times compared: only the services at 8:00-9:00, either way", true, 480, 540, 3, 4, {2, 4, 5, 7, 8}},
        {"times compared: the untimed arc alone", true, 0, 0, 1, 8, {1, 2, 3, 4, 5, 6, 7}},
        {"times compared: no such service", true, 1, 2, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        reseau();
        K.CompareHoraires = c.compareHoraires;
        K.AfficheMessagesElimination = false;
        EXPECT_EQ(ElimineArcsEntre(10, 20, 41, c.depart, c.arrivee), c.nombre);
        std::vector<int> restants;
        for (int32_t i = 1; i <= K.NbArcs; ++i) {
            restants.push_back(static_cast<int>(K.Arcs[i].Debit));
            // The comparison classes stay with their arcs.
            EXPECT_EQ(K.ComparaisonArcs[i], K.Arcs[i].Debit);
        }
        EXPECT_EQ(restants, c.restants);
        EXPECT_EQ(K.Arcs.size(), static_cast<std::size_t>(K.NbArcs) + 1);
        EXPECT_EQ(K.ComparaisonArcs.size(), static_cast<std::size_t>(K.NbArcs) + 1);
        EXPECT_TRUE(repondeur->messages().empty());
    }
}

TEST_F(ElimineArcs, TheReportGivesTheCountAndTheLastPositionWithLeadingBlanks)
{
    struct Cas {
        int avant;     // arcs of another pair before the matching ones
        int matching;  // matching arcs stored one after another
        QString texte;
    };
    const Cas cas[] = {
        {56, 1, QStringLiteral(" 1 arc a été éliminé.") + CR + QStringLiteral("Numéro de ligne :  57")},
        {0, 3, QStringLiteral(" 3 arcs ont été éliminés.") + CR + QStringLiteral("Dernier numéro de ligne :  1")},
        {4, 2, QStringLiteral(" 2 arcs ont été éliminés.") + CR + QStringLiteral("Dernier numéro de ligne :  5")},
        {3, 0, QStringLiteral(" 0 arc a été éliminé.") + CR + QStringLiteral("Numéro de ligne :  0")},
        {0, 0, QStringLiteral(" 0 arc a été éliminé.") + CR + QStringLiteral("Numéro de ligne :  0")},
    };
    for (const Cas& c : cas) {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        for (int i = 0; i < c.avant; ++i)
            Arc_(1, 2, 41);
        for (int i = 0; i < c.matching; ++i)
            Arc_(i % 2 ? 20 : 10, i % 2 ? 10 : 20, 41);
        Arc_(10, 20, 4); // another link type between the pair stays
        repondeur->efface();
        K.AfficheMessagesElimination = true;
        ElimineArcsEntre(10, 20, 41, 0, 0);
        ASSERT_EQ(repondeur->appels().size(), 1u);
        const AppelDialogue& a = repondeur->appels()[0];
        EXPECT_EQ(a.texte, c.texte);
        EXPECT_EQ(a.titre, QStringLiteral("Elimination des arcs"));
        EXPECT_EQ(a.icone, Icone::Information);
        EXPECT_EQ(K.NbArcs, c.avant + 1);
        EXPECT_EQ(K.Arcs[K.NbArcs].Mode, 4);
    }
}

TEST_F(ElimineArcs, OnePassGivesTheTableCountAndPositionOfOneDeletionAtATime)
{
    std::mt19937 alea(14);
    std::uniform_int_distribution<int> code(1, 4), mode(0, 2), heure(0, 2);
    const int16_t modes[] = {41, 4, 6};
    for (int essai = 0; essai < 300; ++essai) {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        const int n = essai % 40;
        for (int i = 0; i < n; ++i) {
            Arc_(code(alea), code(alea), modes[mode(alea)], 1, 1, static_cast<int16_t>(60 * heure(alea)),
                 static_cast<int16_t>(60 * heure(alea)));
            K.Arcs.back().Debit = static_cast<float>(i);
        }
        K.CompareHoraires = essai % 2 == 0;
        K.AfficheMessagesElimination = false;
        const double co = code(alea), cd = code(alea), m = modes[mode(alea)], hd = 60 * heure(alea),
                     ha = 60 * heure(alea);
        const std::vector<Arc> avant = K.Arcs;
        int32_t nombre = 0, position = 0;
        elimineUnParUn(co, cd, m, hd, ha, nombre, position);
        const std::vector<Arc> attendus = K.Arcs;
        const int32_t nbAttendus = K.NbArcs;

        K.Arcs = avant;
        K.NbArcs = n;
        K.ComparaisonArcs.assign(avant.size(), 0.0f);
        K.AfficheMessagesElimination = true;
        repondeur->efface();
        EXPECT_EQ(ElimineArcsEntre(co, cd, m, hd, ha), nombre);
        EXPECT_TRUE(MemesArcs(attendus, nbAttendus)) << "essai " << essai;
        ASSERT_EQ(repondeur->messages().size(), 1u);
        EXPECT_TRUE(repondeur->messages()[0].endsWith(QStringLiteral(": ") + TexteAvecSigne(position)))
            << repondeur->messages()[0].toStdString();
    }
}
