// Comparison with the reference arc file: classes, appended arcs, both file
// layouts, and bad files that change nothing.
#include "core/ComparaisonArcs.h"
#include "platform/Nombres.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

// The short reference layout: codes in 1-7 and 9-15, length 19-22, mode 23-26.
std::string ligneCourte(int o, int d, int longueur, int mode)
{
    return FormatMotif(o, "0000000", '.') + " " + FormatMotif(d, "0000000", '.') + "   "
           + FormatMotif(longueur, "0000", '.') + FormatMotif(mode, "0000", '.') + "\r\n";
}

// A line of the arc file itself.
std::string ligneArcs(int o, int d, int mode, const char* longueur, const char* duree)
{
    return FormatMotif(o, "0000000000", '.') + " " + FormatMotif(d, "0000000000", '.') + " "
           + FormatMotif(mode, "0000", '.') + " " + longueur + " " + duree
           + " 0000 0000 0000000 000000 000000 A          B         \r\n";
}

class Comparaison : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        for (int c = 1; c <= 6; ++c)
            Noeud_(QStringLiteral("N%1").arg(c), c);
    }
    void reference(const std::string& contenu) { K.NomFichierArcsReference = EcritFichier(dir, QStringLiteral("ref.dat"), contenu); }
    QTemporaryDir dir;
    RepondeurScripte ui;
};

} // namespace

TEST_F(Comparaison, CommonArcsMatchInEitherDirectionAndOnlyTheFirstOfTwo)
{
    Arc_(2, 1, 4);
    Arc_(1, 2, 4);
    Arc_(3, 4, 7); // another link type keeps 0.0
    reference(ligneCourte(1, 2, 50, 4) + ligneCourte(2, 1, 50, 4) + ligneCourte(3, 4, 9, 7));
    ASSERT_TRUE(LitFichierArcsReference(4));
    EXPECT_EQ(K.NbArcs, 3);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 1.f);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[2], 0.f);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[3], 0.f);
}

TEST_F(Comparaison, AReferenceOnlyLinkIsAppendedOnceAndReachesItsNodes)
{
    Arc_(1, 2, 4);
    reference(ligneCourte(5, 6, 120, 4) + ligneCourte(6, 5, 120, 4));
    ASSERT_TRUE(LitFichierArcsReference(4));
    ASSERT_EQ(K.NbArcs, 2);
    const Arc& a = K.Arcs[2];
    EXPECT_EQ(a.CodeOrigine, 5);
    EXPECT_EQ(a.CodeDestination, 6);
    EXPECT_EQ(a.Mode, 4);
    EXPECT_FLOAT_EQ(a.Longueur, 120.f);
    EXPECT_EQ(a.Minimal, 0);
    EXPECT_EQ(a.IndiceOrigine, 5);
    EXPECT_EQ(a.IndiceDestination, 6);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 0.f);
    // The reverse line finds the appended arc, which stays reference-only.
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[2], -1.f);
    ASSERT_EQ(K.ComparaisonArcs.size(), 3u);

    // A second comparison: the arc appended before takes part like any other.
    reference(ligneCourte(1, 2, 50, 4));
    ASSERT_TRUE(LitFichierArcsReference(4));
    EXPECT_EQ(K.NbArcs, 2);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 1.f);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[2], 0.f);
}

TEST_F(Comparaison, TheLoadedArcFileComparedWithItselfIsAllCommon)
{
    Arc_(1, 2, 3, 400, 100);
    Arc_(2, 3, 7, 10, 15);
    reference(ligneArcs(1, 2, 3, "0400.000", "0140") + ligneArcs(2, 3, 7, "0010.000", "0015")
              + ligneArcs(4, 5, 3, "0100.000", "0130"));
    ASSERT_TRUE(LitFichierArcsReference(3));
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 1.f);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[2], 0.f);
    ASSERT_EQ(K.NbArcs, 3);
    EXPECT_FLOAT_EQ(K.Arcs[3].Longueur, 100.f);
    EXPECT_FLOAT_EQ(K.Arcs[3].Duree, 90.f); // hhmm in the arc layout
}

TEST_F(Comparaison, AnEmptyCodeComparesEveryLinkTypeWithItsOwnArcs)
{
    Arc_(1, 2, 3);
    Arc_(1, 2, 7);
    reference(ligneCourte(1, 2, 1, 7) + ligneCourte(1, 2, 1, 4));
    ASSERT_TRUE(LitFichierArcsReference(0));
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 0.f);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[2], 1.f);
    ASSERT_EQ(K.NbArcs, 3);
    EXPECT_EQ(K.Arcs[3].Mode, 4);
}

TEST_F(Comparaison, AMissingEmptyOrBadFileChangesNothing)
{
    Arc_(1, 2, 4);
    K.ComparaisonArcs[1] = 1.f;
    K.NomFichierArcsReference = dir.filePath(QStringLiteral("absent.dat"));
    EXPECT_FALSE(LitFichierArcsReference(4));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].startsWith(QStringLiteral("Ce fichier ou répertoire n'existe pas : ")));
    reference("");
    EXPECT_FALSE(LitFichierArcsReference(4));
    reference(ligneCourte(1, 2, 1, 4) + "1E99999 0000002   00010004\r\n");
    EXPECT_FALSE(LitFichierArcsReference(4));
    EXPECT_EQ(ui.messages().size(), 3u);
    EXPECT_EQ(K.NbArcs, 1);
    EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 1.f);
}
