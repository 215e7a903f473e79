// Removing repeated arcs.
#include "OutilsEdition.h"
#include "core/Tables.h"
#include "editing/ElimineArcsDoubles.h"
#include "platform/Nombres.h"

#include <random>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

class ArcsDoubles : public EditionTest {
protected:
    // Capacite numbers the arcs (it is not compared), so what stays reads
    // as a list.
    void arc(int32_t o, int32_t d, int16_t mode, int16_t depart = 0, int16_t arrivee = 0, float debit = 0,
             const char* jours = "0000000")
    {
        Arc_(o, d, mode, 10, 10, depart, arrivee);
        Arc& a = K.Arcs.back();
        a.Debit = debit;
        a.Jours = QString::fromLatin1(jours);
        a.Capacite = static_cast<float>(K.NbArcs);
    }
    std::vector<int> restants() const
    {
        std::vector<int> r;
        for (int32_t i = 1; i <= K.NbArcs; ++i)
            r.push_back(static_cast<int>(K.Arcs[i].Capacite));
        return r;
    }
};

} // namespace

TEST_F(ArcsDoubles, RepeatedArcsOfOneLinkGoTheFirstStaysTimedServicesStay)
{
    arc(10, 20, 41);               // 1 stays
    arc(20, 10, 41);               // 2 double of 1, the other way
    arc(10, 20, 4);                // 3 another link type
    arc(10, 20, 41, 480, 540, 7);  // 4 a timed service
    arc(10, 20, 41, 600, 660, 7);  // 5 another service of the line
    arc(10, 20, 41, 480, 540, 8);  // 6 same times, another line
    arc(10, 20, 41, 480, 540, 7, "1111100"); // 7 other days
    arc(10, 20, 41, 480, 540, 7);  // 8 double of 4
    arc(10, 20, 41);               // 9 double of 1
    arc(0, 0, 0);                  // 10 a genuine arc of zeros stays
    arc(10, 30, 41);               // 11
    arc(0, 0, 0);                  // 12 double of 10
    EXPECT_EQ(ElimineArcsDoubles(), 4);
    EXPECT_EQ(restants(), (std::vector<int>{1, 3, 4, 5, 6, 7, 10, 11}));
    EXPECT_EQ(K.Arcs.size(), 9u);
    // The arcs that stay are whole, the zeros too.
    EXPECT_EQ(K.Arcs[7].CodeOrigine, 0);
    EXPECT_EQ(K.Arcs[8].CodeDestination, 30);
    EXPECT_EQ(K.Arcs[8].Mode, 41);
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const AppelDialogue& m = repondeur->appels()[0];
    EXPECT_EQ(m.texte, QStringLiteral(" 4  arc(s) a(ont) été éliminé(s)"));
    EXPECT_EQ(m.icone, Icone::Information);
    EXPECT_EQ(m.titre, QStringLiteral("Résultat du traitement"));
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(ArcsDoubles, AnEmptyTableReportsZero)
{
    EXPECT_EQ(ElimineArcsDoubles(), 0);
    EXPECT_EQ(K.NbArcs, 0);
    EXPECT_EQ(repondeur->messages(), std::vector<QString>{QStringLiteral(" 0  arc(s) a(ont) été éliminé(s)")});
}

// The marking as the program always did it, every later arc compared with
// each arc, with the marks kept apart and the times, line and days
// compared too; the marked arcs then removed one by one. The oracle of the
// hashed search.
int32_t elimineParComparaison()
{
    const int32_t n = K.NbArcs;
    std::vector<bool> marque(static_cast<std::size_t>(n) + 1, false);
    int32_t nombre = 0;
    for (int32_t i = 1; i <= n; ++i) {
        if (marque[i])
            continue;
        const Arc& a = K.Arcs[i];
        for (int32_t j = i + 1; j <= n; ++j) {
            const Arc& b = K.Arcs[j];
            if (marque[j] || b.Mode != a.Mode)
                continue;
            const bool paire = (b.CodeOrigine == a.CodeOrigine && b.CodeDestination == a.CodeDestination)
                               || (b.CodeOrigine == a.CodeDestination && b.CodeDestination == a.CodeOrigine);
            if (paire && b.HeureDepart == a.HeureDepart && b.HeureArrivee == a.HeureArrivee && b.Debit == a.Debit
                && b.Jours == a.Jours) {
                marque[j] = true;
                ++nombre;
            }
        }
    }
    for (int32_t k = n; k >= 1; --k)
        if (marque[k])
            SupprimeArc(k);
    K.Arcs.resize(static_cast<std::size_t>(K.NbArcs) + 1);
    return nombre;
}

TEST_F(ArcsDoubles, TheHashedSearchRemovesWhatComparingEveryPairRemoves)
{
    std::mt19937 g(5112);
    for (int tirage = 0; tirage < 25; ++tirage) {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        // Few values per field, so that doubles are frequent; -0 and +0
        // are the same line.
        std::uniform_int_distribution<int> code(0, 4), mode(0, 2), heure(0, 1), debit(-1, 1), jours(0, 1);
        for (int i = 0; i < tirage * 8; ++i) {
            const int dj = jours(g);
            arc(code(g), code(g), static_cast<int16_t>(mode(g)), static_cast<int16_t>(heure(g) * 480),
                static_cast<int16_t>(heure(g) * 540), debit(g) == 0 ? (g() % 2 ? -0.0f : 0.0f) : 3.0f,
                dj ? "1111111" : "0000000");
        }
        const std::vector<Arc> avant = K.Arcs;
        const int32_t nbAvant = K.NbArcs;
        const int32_t attendu = elimineParComparaison();
        const std::vector<Arc> oracle = K.Arcs;
        const int32_t nbOracle = K.NbArcs;
        K.Arcs = avant;
        K.NbArcs = nbAvant;
        ASSERT_EQ(ElimineArcsDoubles(), attendu) << "tirage " << tirage;
        EXPECT_TRUE(MemesArcs(oracle, nbOracle)) << "tirage " << tirage;
    }
}
