// Loading the node-value files: the dialog, both files read whichever one
// was chosen, the heights of the nodes, the colour of weighted files, the
// statistics window's boxes, and what a cancel or a failed read leaves.
#include "values/ChargementNoeudsValeurs.h"
#include "core/Defauts.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"
#include "values/CrochetsValeurs.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class ChargementNoeudsValeurs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        InitialiseEtatsMenus();
        DefinitValeursParDefaut();
        Noeud_(QStringLiteral("PARIS"), 751, 2000000, 600, 2400);
        Noeud_(QStringLiteral("LYON"), 692, 500000, 800, 2000);
        K.RacineDonnees = dir.path();
        K.RepertoireValeursNoeuds = dir.path();
        K.FichierNoeudValeur1 = EcritFichier(dir, QStringLiteral("stm312.dat"), "751 40 PARIS\r\n692 20 LYON\r\n");
        K.FichierNoeudValeur2 = EcritFichier(dir, QStringLiteral("stm313.dat"), "692 10 LYON\r\n751 30 PARIS\r\n");
    }
    QTemporaryDir dir;
    RepondeurScripte ui;
    ImagesDeTest images;
};

} // namespace

TEST_F(ChargementNoeudsValeurs, ChoosingFileTwoReadsBothAndOpensTheStatisticsWindow)
{
    int montre = 0;
    MontreStatistiques = [&] { ++montre; };
    const QString choisi = EcritFichier(dir, QStringLiteral("stm314.dat"), "751 3 PARIS\r\n");
    ui.RepondTexte(choisi);
    ChargeFichierNoeudValeur(2);

    ASSERT_GE(ui.appels().size(), 1u);
    const DemandeFichier& d = ui.appels()[0].fichier;
    EXPECT_EQ(d.titre, QStringLiteral("Fichier noeud-valeur 2 (état initial)..."));
    EXPECT_EQ(d.filtre, QStringLiteral("Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt"));
    EXPECT_EQ(d.indexFiltre, 2);
    EXPECT_EQ(d.dossierInitial, dir.path());
    EXPECT_TRUE(d.nomFichier.endsWith(QStringLiteral("stm313.dat")));
    EXPECT_EQ(K.FichierNoeudValeur2, choisi);

    EXPECT_EQ(K.NbValeursNoeuds, 2);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, 40.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur2, 3.0f);
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Valeur2"));
    // The window opened studies its option, file 1, over the files read;
    // the map shows nothing new until a display.
    EXPECT_EQ(K.ValeursNoeuds[1].Valeur, 40.0f);
    EXPECT_TRUE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).empty());
    for (const char* m : {"menAfficheRonds", "menAfficheValeur1", "menAfficheDiffAbsolues", "menAfficheDiffRelatives",
                          "menStatistiques", "menExploration"})
        EXPECT_TRUE(K.Menu(QString::fromLatin1(m)).Enabled) << m;
    EXPECT_EQ(K.Menu(QStringLiteral("menFichierCodeValeur2")).Caption,
              QStringLiteral("Numéro &2 (état initial : ") + choisi + QStringLiteral(")..."));
    EXPECT_EQ(K.Formes.Statistiques.Text4, choisi);
    EXPECT_EQ(montre, 1);
    EXPECT_TRUE(ui.reponsesEpuisees());
    EXPECT_FALSE(ui.sablierActif());
}

TEST_F(ChargementNoeudsValeurs, ACancelledDialogKeepsTheValuesLoaded)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    ASSERT_EQ(K.NbValeursNoeuds, 2);
    ui.RepondTexte(std::nullopt);
    ChargeFichierNoeudValeur(1);
    EXPECT_EQ(K.NbValeursNoeuds, 2);
    EXPECT_EQ(K.ValeursFichiersNoeuds[2].Valeur2, 10.0f);
}

TEST_F(ChargementNoeudsValeurs, AFileThatFailsIsReportedAndTheValuesBeforeComeBack)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    K.ValeursNoeuds[1].Valeur = 77;
    ui.efface();
    K.FichierNoeudValeur2 = EcritFichier(dir, QStringLiteral("faux.dat"), "751 1e39\r\n");
    ChargeFichiersNoeudValeur(2, QStringLiteral("faux.dat"));
    EXPECT_EQ(ui.messages(),
              std::vector<QString>{QStringLiteral("Erreur dans la lecture du fichier noeud-valeur numéro 2")});
    EXPECT_EQ(K.NbValeursNoeuds, 2);
    EXPECT_EQ(K.ValeursFichiersNoeuds[2].Valeur2, 10.0f);
    EXPECT_EQ(K.ValeursNoeuds[1].Valeur, 77.0f);
    EXPECT_FALSE(ui.sablierActif());
}

TEST_F(ChargementNoeudsValeurs, HeightsComeFromFileOneInSinglePrecision)
{
    auto hauteur = [](float valeur) {
        K.NbValeursNoeuds = 2;
        K.ValeursFichiersNoeuds[1] = {0, 692, 0, valeur, 0, 0, 0};
        K.ValeursFichiersNoeuds[2] = {0, 999, 0, 5, 0, 0, 0}; // no node: nothing changes
        K.Noeuds[1].Z = 12;
        IntegreValeursEnZ();
        EXPECT_EQ(K.Noeuds[1].Z, 12.0f);
        return K.Noeuds[2].Z;
    };
    EXPECT_FLOAT_EQ(hauteur(0), 4.00004e-5f);
    // Exactly 0 only because the sum is taken in single precision.
    EXPECT_EQ(hauteur(-1.00001f), 0.0f);
    // Both sums round to about 100.00001 in single precision, one unit of
    // the last place apart: the heights agree within 4 units.
    EXPECT_FLOAT_EQ(hauteur(99), 0.004f);
    EXPECT_FLOAT_EQ(hauteur(-101.00002f), 0.004f);
}

TEST_F(ChargementNoeudsValeurs, TheHeightOptionLiftsAndRedrawsTheNodes)
{
    K.Menu(QStringLiteral("menCodeValEnZ")).Checked = true;
    K.Echelle = 1;
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    EXPECT_EQ(K.Noeuds[1].Z, std::fabs(40 + 1.00001f) / 25000);
    EXPECT_FALSE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty());
    EXPECT_FALSE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).empty());
}

TEST_F(ChargementNoeudsValeurs, OnlyWeightedMinimalTimeFilesChangeTheNodeColour)
{
    struct Cas {
        const char* titre;
        bool bleu;
        const char* carte;
    };
    const Cas cas[] = {{"stmp312.dat", true, "CARTE DE SOMME DES TEMPS MINIMAUX PONDERES"},
                       {"STMP312.DAT", true, "CARTE DE SOMME DES TEMPS MINIMAUX PONDERES"},
                       {"STMp312.dat", true, "CARTE DE SOMME DES TEMPS MINIMAUX PONDERES"},
                       {"Stmp312.dat", false, ""},
                       {"stm312.dat", false, "CARTE DE SOMME DES TEMPS MINIMAUX"},
                       {"saa312.dat", false, "CARTE DE SOMMES D'ATTRACTIONS ABSOLUES"},
                       {"TMO312.dat", false, "CARTE DE TEMPS MINIMAUX"},
                       {"autre.dat", false, ""}};
    for (const Cas& c : cas) {
        K.CouleurInterieurNoeuds = RGB(9, 9, 9);
        K.TitreCarte.clear();
        ChargeFichiersNoeudValeur(1, QString::fromLatin1(c.titre));
        EXPECT_EQ(K.CouleurInterieurNoeuds, c.bleu ? RGB(0, 0, 128) : RGB(9, 9, 9)) << c.titre;
        EXPECT_EQ(K.TitreCarte, QString::fromLatin1(c.carte)) << c.titre;
    }
}

TEST_F(ChargementNoeudsValeurs, TheScaleWrittenIntoTheWindowComesBackTheSame)
{
    for (char sep : {'.', ','}) {
        K.SeparateurDecimal = sep;
        K.EchelleRonds = 1.5;
        PrepareStatistiques();
        EXPECT_EQ(K.Formes.Statistiques.Ech, sep == '.' ? QStringLiteral("1.5") : QStringLiteral("1,5"));
        EXPECT_EQ(K.EchelleRonds, 1.5);
        EXPECT_EQ(K.Formes.Statistiques.Text3, K.FichierNoeudValeur1);
        EXPECT_EQ(K.Formes.Statistiques.Text5, QStringLiteral(" 1"));
        EXPECT_TRUE(K.Formes.Statistiques.Visible);
    }
}

TEST_F(ChargementNoeudsValeurs, AMissingFileEndsTheLoadingAfterItsMessage)
{
    K.FichierNoeudValeur2 = dir.path() + QStringLiteral("/absent.dat");
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    EXPECT_EQ(ui.messages(), std::vector<QString>{QStringLiteral("Ce fichier ou répertoire n'existe pas : ")
                                                  + K.FichierNoeudValeur2});
    EXPECT_EQ(K.NbValeursNoeuds, 2); // file 1 was read
    EXPECT_FALSE(K.Menu(QStringLiteral("menExploration")).Enabled);
    EXPECT_TRUE(K.Menu(QStringLiteral("menStatistiques")).Enabled);
}
