// The node file: its columns byte for byte, what each column reads as, and
// that a failed read or write loses nothing.
#include "core/FichierNoeuds.h"
#include "platform/Erreurs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

std::string ligneNoeud(const std::string& nom, const std::string& code, const std::string& pop, const std::string& x,
                       const std::string& y, const std::string& z)
{
    std::string l = nom;
    l.resize(50, ' ');
    return l + " " + code + " " + pop + " " + x + " " + y + " " + z + "\r\n";
}

class FichierNoeuds : public ::testing::Test {
protected:
    void SetUp() override { ModeleNeuf(); }
    QTemporaryDir dir;
    RepondeurScripte ui;
};

} // namespace

TEST_F(FichierNoeuds, AThreeLineFileGivesThreeVisibleNodesAndFillsTheLists)
{
    const std::string contenu = ligneNoeud("PARIS", "0000000075", "02100000", "0650.000", "2400.500", "0000.00000")
                                + ligneNoeud("LYON", "0000000069", "00500000", "0880.250", "2000.000", "0001.50000")
                                + ligneNoeud("BESAN\xC7ON", "0000000025", "00120000", "0900.000", "2200.000", "0000.00000");
    const std::string ansi = contenu;
    const QString chemin = EcritFichier(dir, QStringLiteral("n.dat"), ansi);

    LitFichierNoeuds(chemin);
    ASSERT_EQ(K.NbNoeuds, 3);
    ASSERT_EQ(K.Noeuds.size(), 4u);
    ASSERT_EQ(K.IndexNoeuds.size(), 4u);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(K.Noeuds[i].Visible);
        EXPECT_EQ(K.IndexNoeuds[i], 0);
    }
    EXPECT_EQ(K.Noeuds[1].Nom.texte(), QStringLiteral("PARIS") + QString(45, QLatin1Char(' ')));
    EXPECT_EQ(K.Noeuds[1].Code, 75);
    EXPECT_EQ(K.Noeuds[1].Population, 2100000);
    EXPECT_FLOAT_EQ(K.Noeuds[1].Y, 2400.5f);
    EXPECT_FLOAT_EQ(K.Noeuds[2].Z, 1.5f);
    EXPECT_EQ(K.Noeuds[3].Nom.sansBlancsFinaux(), QStringLiteral("BESANÇON"));
    EXPECT_EQ(K.StatusBar.Panneaux[1], QStringLiteral("3 noeuds (") + chemin + QStringLiteral(")  "));
    const QStringList& liste = K.Formes.Angles.ListeModifiable1.Entrees;
    ASSERT_EQ(liste.size(), 4);
    EXPECT_EQ(liste[0], QStringLiteral(" "));
    EXPECT_EQ(liste[1], QStringLiteral("PARIS          "));
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable2.Entrees, liste);
    EXPECT_TRUE(ui.appels().empty());
}

TEST_F(FichierNoeuds, ColumnsReadAsTheLeadingNumberWithEitherDecimalSeparator)
{
    const std::string contenu = ligneNoeud("A", "0000012345", "00000001", "0012,500", "0012.34567", "0000.00000")
                                + ligneNoeud("B", "00012 345 ", "00000002", "0000.000", "0000.000", "0000.00000")
                                + ligneNoeud("C", "000000012,5", "0000003", "0000.000", "0000.000", "0000.00000")
                                + std::string(30, 'X') + "\r\n";
    LitFichierNoeuds(EcritFichier(dir, QStringLiteral("n.dat"), contenu));
    ASSERT_EQ(K.NbNoeuds, 4);
    EXPECT_EQ(K.Noeuds[1].Code, 12345);
    EXPECT_FLOAT_EQ(K.Noeuds[1].X, 12.5f); // written under a French setting
    EXPECT_EQ(K.Noeuds[2].Code, 12345);
    EXPECT_EQ(K.Noeuds[3].Code, 12); // 12.5 rounds to the even 12
    EXPECT_EQ(K.Noeuds[4].Nom.texte(), QString(30, QLatin1Char('X')) + QString(20, QLatin1Char(' ')));
    EXPECT_EQ(K.Noeuds[4].Code, 0);
    EXPECT_FLOAT_EQ(K.Noeuds[4].X, 0.f);
}

TEST_F(FichierNoeuds, ALineIsWrittenByteForByte)
{
    Noeud_(QStringLiteral("MÉTRO GARE"), 12, 345, 12.5f, 2400.25f, 12.34567f);
    const QString chemin = dir.filePath(QStringLiteral("sortie.dat"));
    CreeFichierNoeuds(chemin);
    std::string nom = "M\xC9TRO GARE";
    nom.resize(50, ' ');
    EXPECT_EQ(LitOctets(chemin), nom + " 0000000012 00000345 0012.500 2400.250 0012.34567\r\n");
}

TEST_F(FichierNoeuds, ThreeDecimalsSurviveAWriteAndReadUnderEitherSeparator)
{
    for (char sep : {'.', ','}) {
        ModeleNeuf();
        K.SeparateurDecimal = sep;
        Noeud_(QStringLiteral("A"), 1, 99999999, 12.5f, 9999.999f, 12.34567f);
        Noeud_(QStringLiteral("B"), 2147483647, 0, 0.f, 0.001f, 0.f);
        const QString chemin = dir.filePath(QStringLiteral("rt.dat"));
        CreeFichierNoeuds(chemin);
        ModeleNeuf();
        LitFichierNoeuds(chemin);
        ASSERT_EQ(K.NbNoeuds, 2) << sep;
        EXPECT_FLOAT_EQ(K.Noeuds[1].X, 12.5f) << sep;
        EXPECT_FLOAT_EQ(K.Noeuds[1].Y, 9999.999f) << sep;
        EXPECT_FLOAT_EQ(K.Noeuds[1].Z, 12.346f) << sep;
        EXPECT_EQ(K.Noeuds[1].Population, 99999999);
        EXPECT_EQ(K.Noeuds[2].Code, 2147483647);
        EXPECT_FLOAT_EQ(K.Noeuds[2].Y, 0.001f);
    }
}

TEST_F(FichierNoeuds, ANegativeCoordinateKeepsTheLaterColumnsInPlace)
{
    Noeud_(QStringLiteral("OUEST"), 1, 0, -12.5f, 100.f, 0.f);
    const QString chemin = dir.filePath(QStringLiteral("neg.dat"));
    CreeFichierNoeuds(chemin);
    const std::string l = LitOctets(chemin);
    EXPECT_EQ(l.substr(71, 8), "-012.500");
    EXPECT_EQ(l.substr(80, 8), "0100.000");
    ModeleNeuf();
    LitFichierNoeuds(chemin);
    EXPECT_FLOAT_EQ(K.Noeuds[1].X, -12.5f);
}

TEST_F(FichierNoeuds, AValueTooWideForItsColumnRefusesTheWriteAndKeepsTheOldFile)
{
    const QString chemin = EcritFichier(dir, QStringLiteral("ancien.dat"), "ANCIEN\r\n");
    Noeud_(QStringLiteral("BON"), 1, 0, 1.f, 1.f, 0.f);
    Noeud_(QStringLiteral("LOIN"), 2, 0, 12345.5f, 1.f, 0.f);
    EXPECT_THROW(CreeFichierNoeuds(chemin), ErreurExecution);
    EXPECT_EQ(LitOctets(chemin), "ANCIEN\r\n");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].contains(QStringLiteral("noeud n° 2 (LOIN)")));
    EXPECT_TRUE(ui.messages()[0].contains(QStringLiteral("X = 12345.5")));
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Erreur"));
}

TEST_F(FichierNoeuds, AFailedReadLeavesTheLoadedTableIntact)
{
    Noeud_(QStringLiteral("DEJA"), 7, 10, 1.f, 2.f, 3.f);
    const auto avant = K.Noeuds;
    auto inchange = [&] {
        ASSERT_EQ(K.NbNoeuds, 1);
        ASSERT_EQ(K.Noeuds.size(), 2u);
        EXPECT_EQ(K.Noeuds[1].Code, 7);
        EXPECT_EQ(K.Noeuds[1].Nom, avant[1].Nom);
    };
    EXPECT_THROW(LitFichierNoeuds(dir.filePath(QStringLiteral("absent.dat"))), ErreurExecution);
    inchange();
    EXPECT_THROW(LitFichierNoeuds(EcritFichier(dir, QStringLiteral("vide.dat"), "")), ErreurExecution);
    inchange();
    // A code beyond the 32-bit range on the second line.
    const std::string mauvais = ligneNoeud("A", "0000000001", "00000000", "0000.000", "0000.000", "0000.00000")
                                + ligneNoeud("B", "9999999999", "00000000", "0000.000", "0000.000", "0000.00000");
    EXPECT_THROW(LitFichierNoeuds(EcritFichier(dir, QStringLiteral("mauvais.dat"), mauvais)), ErreurExecution);
    inchange();
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(FichierNoeuds, AFileLongerThanTheTableIsRefusedWholeWithOneExplanationForItsCaller)
{
    Noeud_(QStringLiteral("DEJA"), 7);
    std::string contenu;
    for (int i = 1; i <= 6001; ++i)
        contenu += ligneNoeud("N", "0000000001", "00000000", "0000.000", "0000.000", "0000.00000");
    const QString chemin = EcritFichier(dir, QStringLiteral("long.dat"), contenu);
    try {
        LitFichierNoeuds(chemin);
        FAIL();
    } catch (const ErreurExecution& e) {
        EXPECT_TRUE(e.expliquee());
        EXPECT_EQ(e.description(), "Le fichier " + chemin
                                       + " compte 6001 noeuds, plus que les 6000 que peut contenir la table des "
                                         "noeuds : il n'a pas été lu.");
    }
    EXPECT_EQ(K.NbNoeuds, 1);
    // The reader leaves the one box to the command that asked for the file.
    EXPECT_TRUE(ui.messages().empty());

    // Exactly at the limit is fine.
    contenu.resize(contenu.size() - 101);
    LitFichierNoeuds(EcritFichier(dir, QStringLiteral("limite.dat"), contenu));
    EXPECT_EQ(K.NbNoeuds, 6000);
}
