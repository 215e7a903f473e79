// The editors' files: the arc table saved to a new file, a further arc file
// appended, the node table saved.
#include "OutilsEdition.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/ListesNoeuds.h"
#include "core/Tables.h"
#include "editing/CrochetsEdition.h"
#include "editing/FichierArcsEdition.h"
#include "editing/ModifNoeuds.h"
#include "support/DisquePlein.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar CR(13);
const QString Filtre = QStringLiteral("Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt");

} // namespace

TEST_F(FichiersEdition, SavingWritesEveryArcToANewFileAndNamesItInPanelTwo)
{
    const QString p = dir.filePath("copie.dat");
    repondeur->RepondTexte(p);
    EcritFichierArcs();
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const AppelDialogue& d = repondeur->appels()[0];
    EXPECT_EQ(d.genre, AppelDialogue::FichierEnregistrer);
    EXPECT_EQ(d.fichier.dossierInitial, dir.path());
    EXPECT_EQ(d.fichier.filtre, Filtre);
    EXPECT_EQ(d.fichier.indexFiltre, 2);
    EXPECT_EQ(d.fichier.titre, QString());
    EXPECT_FALSE(d.fichier.confirmeRemplacement);
    const std::string attendu =
        "0000080021 0000060057 0007 0203,000 0105 0000 0000         000012 000900 AMIENS     BEAUVAIS  \r\n"
        "0000060057 0000080021 0041 0055,500 0040 0800 0840         000003 000000 BEAUVAIS   AMIENS    \r\n";
    EXPECT_EQ(LitOctets(p), attendu);
    EXPECT_EQ(K.StatusBar.Panneaux[2], QStringLiteral("2 arcs (") + p + QStringLiteral(") "));
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(FichiersEdition, SavingRefusesTheCurrentFileAndAnyExistingOne)
{
    EcritFichier(dir, "autre.dat", "x\r\n");
    struct Cas {
        QString chemin;
        QString message;
        Icone icone;
    };
    const QString courant = dir.filePath("RESEAU.DAT");
    const QString autre = dir.filePath("autre.dat");
    const Cas cas[] = {
        {courant,
         QStringLiteral("Ne donnez pas le même nom que le fichier courant s.v.p.") + CR + "( " + courant + " )",
         Icone::Critique},
        {autre, "( " + autre + " )" + CR + QStringLiteral("Ce fichier existe déjà ; entrez un nom différent."),
         Icone::Exclamation},
    };
    for (const Cas& c : cas) {
        repondeur->efface();
        repondeur->RepondTexte(c.chemin);
        EcritFichierArcs();
        ASSERT_EQ(repondeur->appels().size(), 2u);
        EXPECT_EQ(repondeur->appels()[1].texte, c.message);
        EXPECT_EQ(repondeur->appels()[1].icone, c.icone);
        EXPECT_EQ(repondeur->appels()[1].titre, QString());
    }
    EXPECT_EQ(LitOctets(autre), "x\r\n");
    EXPECT_FALSE(QFile::exists(courant));
    EXPECT_TRUE(K.StatusBar.Panneaux[2].isEmpty());
}

TEST_F(FichiersEdition, ACancelledOrFailedSaveWritesNothingAndSaysSo)
{
    repondeur->RepondTexte(std::nullopt);
    EcritFichierArcs();
    EXPECT_EQ(repondeur->appels().size(), 1u);

    // A file where the folder should be: the file cannot be created.
    EcritFichier(dir, "pasundossier", "");
    repondeur->efface();
    repondeur->RepondTexte(dir.filePath("pasundossier/arcs.dat"));
    EcritFichierArcs();
    EXPECT_EQ(repondeur->messages(), std::vector<QString>{QStringLiteral("Erreur lors de l'écriture du fichier des arcs")});
    EXPECT_TRUE(K.StatusBar.Panneaux[2].isEmpty());
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(FichiersEdition, ADiskFullMidSaveLeavesNoArcFileAndPanelTwoClaimsNothing)
{
    const QString p = dir.filePath("copie.dat");
    repondeur->RepondTexte(p);
    {
        DisquePlein disque(120); // the first line whole, the second cut
        EcritFichierArcs();
    }
    EXPECT_EQ(repondeur->messages(), std::vector<QString>{QStringLiteral("Erreur lors de l'écriture du fichier des arcs")});
    EXPECT_TRUE(K.StatusBar.Panneaux[2].isEmpty());
    // Neither a cut file nor a temporary one is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(FichiersEdition, AppendingReadsAfterTheLoadedArcsAndDerivesThemAsALoadDoes)
{
    // The reverse of the loaded road arc, a timed service and a road arc to
    // a node the table does not have.
    const QString p = EcritFichier(dir, "ajout.dat",
                                   "0000060057 0000080021 0007 0203.000 0105 0000 0000 0000000 000000 000000\r\n"
                                   "0000080021 0000060057 0041 0055.500 0040 0900 0940 0000000 000003 000000\r\n"
                                   "0000080021 0000000777 0007 0010.000 0010 0000 0000 0000000 000000 000000\r\n");
    const Arc premier = K.Arcs[1];
    K.Formes.ModifArcs.ListeFichArcs.AddItem(QStringLiteral("reseau.dat  ( 2 arcs)"));
    bool caches = false;
    CacheFenetresHoraires = [&caches] { caches = true; };
    repondeur->RepondTexte(p);
    ModifArcs_SSCommand1_Click();

    ASSERT_EQ(repondeur->appels().size(), 1u);
    EXPECT_EQ(repondeur->appels()[0].genre, AppelDialogue::FichierOuvrir);
    EXPECT_EQ(repondeur->appels()[0].fichier.indexFiltre, 2);
    ASSERT_EQ(K.NbArcs, 5);
    EXPECT_EQ(K.Arcs[3].IndiceOrigine, 2);
    EXPECT_EQ(K.Arcs[3].IndiceDestination, 1);
    EXPECT_EQ(K.Arcs[5].IndiceDestination, 0);
    // A road arc paired with its reverse is two-way; a timed service and a
    // lone road arc are one-way.
    EXPECT_FALSE(K.Arcs[1].Oriente);
    EXPECT_FALSE(K.Arcs[3].Oriente);
    EXPECT_TRUE(K.Arcs[4].Oriente);
    EXPECT_TRUE(K.Arcs[5].Oriente);
    EXPECT_EQ(K.Arcs[4].HeureDepart, 540);
    EXPECT_EQ(K.Noeuds[2].Modes.texte(), QStringLiteral("000-FER-ROU-000-000"));
    EXPECT_EQ(Champs(K.Arcs[1]), Champs(premier));
    ASSERT_EQ(K.Formes.ModifArcs.ListeFichArcs.Entrees.size(), 2);
    EXPECT_EQ(K.Formes.ModifArcs.ListeFichArcs.Entrees[1], QStringLiteral("ajout.dat  ( 3 arcs)"));
    EXPECT_EQ(K.Formes.ModifArcs.Height, 4185);
    EXPECT_FALSE(K.AjoutFichierArcs);
    EXPECT_TRUE(caches);
    EXPECT_TRUE(K.Formes.ModifArcs.Visible);
}

TEST_F(FichiersEdition, AnAppendThatCannotBeReadLeavesTheTableAndTheWindow)
{
    struct Cas {
        const char* nom;
        std::optional<QString> chemin;
        int messages;
    };
    std::string trop;
    for (int i = 0; i < NbMaxArcsFichier - 1; ++i)
        trop += "0000080021 0000060057 0007 0001.000 0001 0000 0000 0000000 000000 000000\r\n";
    const Cas cas[] = {
        {"cancelled", std::nullopt, 0},
        {"an empty file", EcritFichier(dir, "vide.dat", ""), 1},
        {"a code too large for its field", EcritFichier(dir, "large.dat", "99999999999 0000060057 0007\r\n"), 1},
        {"past the table limit: the reader's own message", EcritFichier(dir, "trop.dat", trop), 1},
        {"a missing file", dir.filePath("absent.dat"), 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::vector<Arc> avant = K.Arcs;
        repondeur->efface();
        repondeur->RepondTexte(c.chemin);
        K.Formes.ModifArcs.Visible = false;
        ModifArcs_SSCommand1_Click();
        EXPECT_TRUE(MemesArcs(avant, 2));
        EXPECT_EQ(static_cast<int>(repondeur->messages().size()), c.messages);
        EXPECT_EQ(K.Formes.ModifArcs.Height, 2595);
        EXPECT_FALSE(K.Formes.ModifArcs.Visible);
        EXPECT_FALSE(K.AjoutFichierArcs);
        EXPECT_FALSE(repondeur->sablierActif());
    }
}

TEST_F(FichiersEdition, TheNodeFileIsWrittenInTheLongLayout)
{
    const QString p = dir.filePath("villes.dat");
    repondeur->RepondTexte(p);
    ModifNoeuds_Command3D4_Click();
    const AppelDialogue& d = repondeur->appels()[0];
    EXPECT_EQ(d.genre, AppelDialogue::FichierEnregistrer);
    EXPECT_EQ(d.fichier.dossierInitial, dir.path());
    EXPECT_EQ(d.fichier.filtre, Filtre);
    EXPECT_EQ(d.fichier.indexFiltre, 2);
    EXPECT_EQ(d.fichier.nomFichier, QString());
    EXPECT_EQ(LitOctets(p), std::string("AMIENS") + std::string(44, ' ')
                                + " 0000080021 00133000 0012,500 -003,250 0000,00000\r\n" + "BEAUVAIS" + std::string(42, ' ')
                                + " 0000060057 00056000 0030,000 0020,000 0000,00000\r\n");
    EXPECT_EQ(repondeur->appels().size(), 1u);
    EXPECT_TRUE(K.Formes.ModifNoeuds.Visible);
}

TEST_F(FichiersEdition, AFailedNodeFileWriteIsReportedAndTheOldFileStays)
{
    const QString p = EcritFichier(dir, "villes.dat", "ancien\r\n");
    K.Noeuds[2].Population = 123456789; // one digit more than its column
    repondeur->RepondTexte(p);
    ModifNoeuds_Command3D4_Click();
    const std::vector<QString> m = repondeur->messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_TRUE(m[0].startsWith(QStringLiteral("Le noeud n° 2 (BEAUVAIS)")));
    EXPECT_EQ(m[1], QStringLiteral("Erreur lors de l'écriture du fichier des villes"));
    EXPECT_EQ(LitOctets(p), "ancien\r\n");

    repondeur->efface();
    repondeur->RepondTexte(std::nullopt);
    ModifNoeuds_Command3D4_Click();
    EXPECT_TRUE(repondeur->messages().empty());
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(FichiersEdition, ADiskFullMidSaveKeepsTheOldNodeFileWholeAndSaysSo)
{
    const std::string ancien = "ANCIEN" + std::string(44, ' ') + " 0000000010 00000001 0001,000 0001,000 0000,00000\r\n";
    const QString p = EcritFichier(dir, "villes.dat", ancien);
    repondeur->RepondTexte(p);
    {
        DisquePlein disque(120);
        ModifNoeuds_Command3D4_Click();
    }
    EXPECT_EQ(repondeur->messages(), std::vector<QString>{QStringLiteral("Erreur lors de l'écriture du fichier des villes")});
    EXPECT_EQ(LitOctets(p), ancien);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("villes.dat")});
    EXPECT_TRUE(K.Formes.ModifNoeuds.Visible);
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(FichiersEdition, AValueTooWideForItsColumnIsToldOnceNamingTheArc)
{
    const QString p = dir.filePath("copie.dat");
    K.Arcs[2].Capacite = 1234567; // one digit more than its column
    repondeur->RepondTexte(p);
    EcritFichierArcs();
    const std::vector<QString> m = repondeur->messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(m[0].startsWith(QStringLiteral("L'arc n° 2 (60057 - 80021) a une valeur trop large"))) << m[0].toStdString();
    EXPECT_FALSE(QFile::exists(p));
    EXPECT_TRUE(K.StatusBar.Panneaux[2].isEmpty());
    EXPECT_FALSE(repondeur->sablierActif());
}
