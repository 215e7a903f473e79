// Arc-value files: the column windows measured on line 1 (with the windows
// of a short first number kept apart), the lenient reading, the dropped
// zero lines, the table limit, failed reads, and the node numbers.
#include "values/FichierArcValeur.h"
#include "platform/Erreurs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <random>
#include <string>

using namespace kelmo;
using namespace kelmo::test;

namespace {

// Origin and destination right-aligned in columns 1-10 and 12-21, the value
// right-aligned to end at column 57 (readable as file 1 and as file 2).
std::string ligne(int o, int d, double v)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "%10d %10d%36.4f\r\n", o, d, v);
    return buf;
}

class FichierArcValeur : public ::testing::Test {
protected:
    void SetUp() override { ModeleNeuf(); }
    QString fichier(const std::string& contenu) { return EcritFichier(dir, QStringLiteral("a.dat"), contenu); }
    QTemporaryDir dir;
    RepondeurScripte ui;
};

} // namespace

TEST(ColonnesArcValeur, WindowsAreMeasuredOnLineOne)
{
    struct Cas {
        std::string ligne1;
        int fichier;
        ColonnesArcValeur attendu;
    };
    const std::string droite = "       751        752" + std::string(36, ' '); // 57 columns
    const Cas cas[] = {
        // Right-aligned codes: origin 1-10, destination 13-23, value from 40 (file 2: 43) to 9 past the end.
        {droite, 1, {1, 10, 13, 11, 40, 27}},
        {droite, 2, {1, 10, 13, 11, 43, 24}},
        // A first number ending at column 10 keeps the full windows.
        {"1234567890 1234567890" + std::string(30, ' '), 1, {1, 10, 13, 11, 40, 21}},
        // Ending at column 8: the origin window stops at its last digit and
        // the destination window starts after it; the value window is the
        // measure's own (d1 = -1, w1 = 12 gives d2 = 5, d3 = 34).
        {"  123456 654321" + std::string(30, ' '), 1, {1, 8, 9, 9, 34, 21}},
        {"1 2 3", 1, {1, 1, 2, 4, 22, -7}},
    };
    for (const Cas& c : cas) {
        ColonnesArcValeur m;
        const bool ok = MesureColonnesArcValeur(c.ligne1, c.fichier, m);
        EXPECT_EQ(ok, c.attendu.w3 >= 0) << c.ligne1;
        EXPECT_EQ(m.d1, c.attendu.d1) << c.ligne1;
        EXPECT_EQ(m.w1, c.attendu.w1) << c.ligne1;
        EXPECT_EQ(m.d2, c.attendu.d2) << c.ligne1;
        EXPECT_EQ(m.w2, c.attendu.w2) << c.ligne1;
        EXPECT_EQ(m.d3, c.attendu.d3) << c.ligne1;
        EXPECT_EQ(m.w3, c.attendu.w3) << c.ligne1;
    }
}

TEST_F(FichierArcValeur, ShortFirstNumbersNoLongerLendTheirWindowToTheDestination)
{
    const std::string pad(19, ' ');
    LitFichierArcValeur1(fichier("  123456 654321" + pad + "15.5\r\n  123457 654322" + pad + "16.5\r\n"));
    ASSERT_EQ(K.NombreArcs1, 2);
    EXPECT_EQ(K.Arcs1[1].CodeOrigine, 123456);
    EXPECT_EQ(K.Arcs1[1].CodeDestination, 654321);
    EXPECT_EQ(K.Arcs1[1].Valeur, 15.5f);
    EXPECT_EQ(K.Arcs1[2].CodeOrigine, 123457);
    EXPECT_EQ(K.Arcs1[2].CodeDestination, 654322);
}

TEST_F(FichierArcValeur, RightAlignedFilesReadTheirPairsWithRedAndNoWidth)
{
    K.Arcs1[1].Apparie = true;
    K.Arcs1[1].Largeur = 5;
    K.Arcs1[1].IndiceOrigine = 7;
    K.Arcs1[1].Couleur = 0;
    // Blanks inside a window join its digits; a value of 0 gives its position to the next line.
    LitFichierArcValeur1(fichier(ligne(751, 752, 152.5) + ligne(752, 753, 0) + "    7 5 3        754" + std::string(28, ' ')
                                  + "-3.25\r\n" + ligne(760, 761, 0)));
    ASSERT_EQ(K.NombreArcs1, 2);
    EXPECT_EQ(K.Arcs1[1].CodeOrigine, 751);
    EXPECT_EQ(K.Arcs1[1].CodeDestination, 752);
    EXPECT_EQ(K.Arcs1[1].Valeur, 152.5f);
    EXPECT_EQ(K.Arcs1[1].Couleur, RGB(255, 0, 0));
    EXPECT_EQ(K.Arcs1[1].Largeur, 0.0f);
    EXPECT_TRUE(K.Arcs1[1].Apparie);          // not a field the reader writes
    EXPECT_EQ(K.Arcs1[1].IndiceOrigine, 7);   // nor this one: the indexing does
    EXPECT_EQ(K.Arcs1[2].CodeOrigine, 753);
    EXPECT_EQ(K.Arcs1[2].CodeDestination, 754);
    EXPECT_EQ(K.Arcs1[2].Valeur, -3.25f);
    EXPECT_TRUE(ui.messages().empty());
}

// A value that is 0 once kept in single precision drops its line as "0"
// does; the smallest single is kept.
TEST_F(FichierArcValeur, AValueThatIsZeroInSinglePrecisionDropsItsLine)
{
    const struct {
        const char* valeur;
        int32_t paires;
    } cas[] = {{"0", 1}, {"1E-46", 1}, {"-1E-46", 1}, {"7E-46", 1}, {"1E-45", 2}};
    for (const auto& c : cas) {
        char premiere[96];
        std::snprintf(premiere, sizeof premiere, "%10d %10d%36s\r\n", 751, 752, c.valeur);
        LitFichierArcValeur1(fichier(premiere + ligne(753, 754, 20)));
        ASSERT_EQ(K.NombreArcs1, c.paires) << c.valeur;
        EXPECT_EQ(K.Arcs1[1].CodeOrigine, c.paires == 1 ? 753 : 751) << c.valeur;
        EXPECT_NE(K.Arcs1[1].Valeur, 0.0f) << c.valeur;
    }
}

TEST_F(FichierArcValeur, TheSameFileReadAsFileTwoTakesItsValueThreeColumnsFurther)
{
    // Value digits in columns 40-45: file 1 reads them all, file 2 from column 43.
    const QString chemin = fichier("       751        752" + std::string(18, ' ') + "123456\r\n");
    LitFichierArcValeur1(chemin);
    LitFichierArcValeur2(chemin);
    ASSERT_EQ(K.NombreArcs1, 1);
    ASSERT_EQ(K.NombreArcs2, 1);
    EXPECT_EQ(K.Arcs1[1].Valeur, 123456.0f);
    EXPECT_EQ(K.Arcs2[1].Valeur, 456.0f);
}

TEST_F(FichierArcValeur, PairsPastTheTableAreDroppedWithOneWarning)
{
    std::string contenu;
    for (int k = 1; k <= 20000; ++k)
        contenu += ligne(k, k + 1, k);
    const QString chemin = fichier(contenu);
    LitFichierArcValeur2(chemin);
    EXPECT_EQ(K.NombreArcs2, NbMaxArcsValeurs);
    EXPECT_EQ(K.Arcs2[NbMaxArcsValeurs].Valeur, 18000.0f);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].contains(chemin));
    EXPECT_TRUE(ui.messages()[0].contains(QStringLiteral("18000")));

    // Exactly full, then only zero lines: nothing is dropped, nothing said.
    ui.efface();
    contenu.clear();
    for (int k = 1; k <= NbMaxArcsValeurs; ++k)
        contenu += ligne(k, k + 1, k);
    contenu += ligne(1, 2, 0);
    LitFichierArcValeur2(fichier(contenu));
    EXPECT_EQ(K.NombreArcs2, NbMaxArcsValeurs);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(FichierArcValeur, AFailedReadKeepsTheTableAndItsCount)
{
    LitFichierArcValeur1(fichier(ligne(751, 752, 10) + ligne(753, 754, 20)));
    const std::string mauvais[] = {
        ligne(1, 2, 3) + "99999999999          2" + std::string(35, ' ') + "1\r\n", // a code beyond 32 bits
        ligne(1, 2, 3) + "         4          5" + std::string(18, ' ') + "1E39\r\n",  // beyond single precision
        "751 752\r\n" + ligne(1, 2, 3),                                          // line 1 has no value window
    };
    for (const std::string& contenu : mauvais) {
        EXPECT_THROW(LitFichierArcValeur1(fichier(contenu)), ErreurExecution);
        EXPECT_EQ(K.NombreArcs1, 2);
        EXPECT_EQ(K.Arcs1[1].CodeOrigine, 751);
        EXPECT_EQ(K.Arcs1[2].Valeur, 20.0f);
    }
    // An empty file, or an empty line 1, reads as no pair at all.
    LitFichierArcValeur1(fichier(""));
    EXPECT_EQ(K.NombreArcs1, 0);
    LitFichierArcValeur1(fichier("\r\n" + ligne(751, 752, 10)));
    EXPECT_EQ(K.NombreArcs1, 0);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(FichierArcValeur, AbsentCodesGiveNodeNumberZeroWhateverThePositionHeld)
{
    Noeud_("A", 751);
    Noeud_("B", 752);
    Noeud_("C", 753);
    LitFichierArcValeur1(fichier(ligne(751, 753, 1) + ligne(752, 752, 2)));
    IndexeArcs1();
    EXPECT_EQ(K.Arcs1[1].IndiceOrigine, 1);
    EXPECT_EQ(K.Arcs1[1].IndiceDestination, 3);
    EXPECT_EQ(K.Arcs1[2].IndiceOrigine, 2);
    EXPECT_EQ(K.Arcs1[2].IndiceDestination, 2);

    LitFichierArcValeur1(fichier(ligne(999, 753, 1) + ligne(752, 998, 2)));
    IndexeArcs1();
    EXPECT_EQ(K.Arcs1[1].IndiceOrigine, 0);
    EXPECT_EQ(K.Arcs1[1].IndiceDestination, 3);
    EXPECT_EQ(K.Arcs1[2].IndiceOrigine, 2);
    EXPECT_EQ(K.Arcs1[2].IndiceDestination, 0);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

// The node-by-node scan of each pair, as it was written: both ends found
// in one pass over the nodes, stopping after the second find. Positions
// start at 0 here, as the fast path gives an absent code.
TEST_F(FichierArcValeur, IndexingByCodeGivesWhatTheScanOfTheNodesGives)
{
    std::mt19937 alea(11);
    for (int essai = 0; essai < 50; ++essai) {
        ModeleNeuf();
        const int nbNoeuds = 1 + static_cast<int>(alea() % 40);
        for (int j = 1; j <= nbNoeuds; ++j)
            Noeud_(QStringLiteral("N"), 100 + 3 * j); // distinct codes
        K.NombreArcs2 = 1 + static_cast<int32_t>(alea() % 60);
        for (int i = 1; i <= K.NombreArcs2; ++i) {
            ArcValeur& a = K.Arcs2[i];
            a.CodeOrigine = 100 + static_cast<int32_t>(alea() % 130);
            a.CodeDestination = alea() % 4 == 0 ? a.CodeOrigine : 100 + static_cast<int32_t>(alea() % 130);
            a.IndiceOrigine = a.IndiceDestination = 0;
        }
        std::vector<ArcValeur> oracle(K.Arcs2.begin(), K.Arcs2.begin() + K.NombreArcs2 + 1);
        for (int i = 1; i <= K.NombreArcs2; ++i) {
            ArcValeur& a = oracle[i];
            int trouve = 0;
            int j = 0;
            do {
                ++j;
                if (K.Noeuds[j].Code == a.CodeOrigine) {
                    a.IndiceOrigine = static_cast<int16_t>(j);
                    ++trouve;
                }
                if (K.Noeuds[j].Code == a.CodeDestination) {
                    a.IndiceDestination = static_cast<int16_t>(j);
                    ++trouve;
                }
            } while (trouve < 2 && j < K.NbNoeuds);
        }
        IndexeArcs2();
        for (int i = 1; i <= K.NombreArcs2; ++i) {
            EXPECT_EQ(K.Arcs2[i].IndiceOrigine, oracle[i].IndiceOrigine);
            EXPECT_EQ(K.Arcs2[i].IndiceDestination, oracle[i].IndiceDestination);
        }
    }
}
