// "&Fichiers du graphe..." and "Prépare le &fichier relief 3d": the dialog
// sequence, what is read, and what is left when something fails.
#include "OutilsApp.h"
#include "app/CommandesKelmo.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "platform/RepondeurScripte.h"
#include "view/DessinNoeuds.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class FichiersGraphe : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        racine = dir.path();
        K.RacineDonnees = racine;
        K.RepertoireNoeuds = racine + "/data/noeuds";
        K.RepertoireArcs = racine + "/data/arcs";
        K.NomFichierNoeuds = K.RepertoireNoeuds + "/n157eu.dat";
        K.NomFichierArcs = K.RepertoireArcs + "/a157eu01.dat";
        EcritReseau(racine, "neuf.dat", "aneuf.dat", true);
        // The network loaded before the command.
        ReseauEnMemoire();
        K.Arcs[1].IndiceOrigine = 1;
    }
    void TearDown() override { ReinitialiseDonnees(); }

    QTemporaryDir dir;
    QString racine;
    ImagesDeTest images;
};

} // namespace

TEST_F(FichiersGraphe, AsksForTheNodeThenTheArcFileReadsBothAndDrawsTheNodes)
{
    RepondeurScripte r;
    const QString noeuds = racine + "/data/noeuds/neuf.dat";
    const QString arcs = racine + "/data/arcs/aneuf.dat";
    r.RepondTexte(noeuds);
    r.RepondTexte(arcs);
    Kelmo_menFichiersGraphe_Click();

    ASSERT_EQ(r.appels().size(), 2u);
    const DemandeFichier& d1 = r.appels()[0].fichier;
    EXPECT_EQ(r.appels()[0].genre, AppelDialogue::FichierOuvrir);
    EXPECT_EQ(d1.titre, "Fichier des noeuds...");
    EXPECT_EQ(d1.dossierInitial, racine + "/data/noeuds");
    EXPECT_EQ(d1.filtre, "Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt");
    EXPECT_EQ(d1.indexFiltre, 2);
    EXPECT_EQ(d1.nomFichier, racine + "/data/noeuds/n157eu.dat");
    const DemandeFichier& d2 = r.appels()[1].fichier;
    EXPECT_EQ(d2.titre, "Fichier des arcs...");
    EXPECT_EQ(d2.dossierInitial, racine + "/data/arcs");
    EXPECT_EQ(d2.nomFichier, racine + "/data/arcs/a157eu01.dat");

    EXPECT_EQ(K.NomFichierNoeuds, noeuds);
    EXPECT_EQ(K.NomFichierArcs, arcs);
    EXPECT_EQ(K.RepertoireNoeuds, racine + "/data/noeuds");
    EXPECT_EQ(K.NbNoeuds, 3);
    EXPECT_EQ(K.Noeuds[1].Nom.sansBlancsFinaux(), "TOURS");
    // PARIS is node 3 in the new file.
    EXPECT_EQ(K.Arcs[1].IndiceOrigine, 3);
    EXPECT_EQ(K.Arcs[2].IndiceDestination, 1);
    EXPECT_FALSE(r.sablierActif());

    // Both pictures cleared, then one symbol per node.
    EXPECT_EQ(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 1u);
    EXPECT_EQ(images.imaVec.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 1u);
    EXPECT_EQ(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).size(), 3u);
    // At the projected position of the first node (470 / 3 + 0, 1100 - 1000 / 3).
    const AppelZoneImage e = images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).front();
    const QPoint centre = (e.points[0] + e.points[1]) / 2;
    // Tolerance: one pixel: the circle's corners are whole pixels.
    EXPECT_NEAR(centre.x(), K.Noeuds[K.IndexNoeuds[1]].XEcran, 1.0);
    EXPECT_NEAR(centre.y(), K.Noeuds[K.IndexNoeuds[1]].YEcran, 1.0);
}

TEST_F(FichiersGraphe, ACancelledChooserEndsTheCommandWithNothingChanged)
{
    for (int annule = 0; annule < 2; ++annule) {
        RepondeurScripte r;
        if (annule == 1)
            r.RepondTexte(racine + "/data/noeuds/neuf.dat");
        r.RepondTexte(std::nullopt);
        Kelmo_menFichiersGraphe_Click();
        EXPECT_EQ(r.appels().size(), static_cast<std::size_t>(annule + 1));
        EXPECT_EQ(K.NomFichierNoeuds, racine + "/data/noeuds/n157eu.dat") << annule;
        EXPECT_EQ(K.RepertoireNoeuds, racine + "/data/noeuds");
        EXPECT_EQ(K.Noeuds[1].Nom.sansBlancsFinaux(), "PARIS");
        EXPECT_TRUE(r.messages().empty());
        EXPECT_TRUE(images.ima.Appels.empty());
    }
}

TEST_F(FichiersGraphe, AMissingNodeFileIsReportedAndLeavesTheNetwork)
{
    RepondeurScripte r;
    const QString absent = racine + "/data/noeuds/absent.dat";
    r.RepondTexte(absent);
    r.RepondTexte(racine + "/data/arcs/aneuf.dat");
    Kelmo_menFichiersGraphe_Click();
    EXPECT_EQ(r.messages(), std::vector<QString>{"Ce fichier ou répertoire n'existe pas : " + absent});
    EXPECT_EQ(K.Noeuds[1].Nom.sansBlancsFinaux(), "PARIS");
    EXPECT_FALSE(r.sablierActif());
    EXPECT_TRUE(images.ima.Appels.empty());
}

TEST_F(FichiersGraphe, NodesReadButArcFileMissingOrBrokenStillReindexesTheArcs)
{
    QFile::remove(racine + "/data/arcs/vide.dat");
    QFile vide(racine + "/data/arcs/vide.dat");
    ASSERT_TRUE(vide.open(QIODevice::WriteOnly));
    vide.close();
    struct Cas {
        QString arcs;
        std::vector<QString> messages;
    };
    const std::vector<Cas> cas = {
        {racine + "/data/arcs/absent.dat", {"Ce fichier ou répertoire n'existe pas : " + racine + "/data/arcs/absent.dat"}},
        {racine + "/data/arcs/vide.dat", {"Erreur dans la lecture des fichiers"}},
    };
    for (const Cas& c : cas) {
        ReseauEnMemoire();
        K.Arcs[1].IndiceOrigine = 1;
        K.Arcs[1].IndiceDestination = 2;
        RepondeurScripte r;
        r.RepondTexte(racine + "/data/noeuds/neuf.dat");
        r.RepondTexte(c.arcs);
        Kelmo_menFichiersGraphe_Click();
        EXPECT_EQ(r.messages(), c.messages) << c.arcs.toStdString();
        EXPECT_EQ(K.Noeuds[1].Nom.sansBlancsFinaux(), "TOURS");
        // The old arcs now point at the new node numbers.
        EXPECT_EQ(K.NbArcs, 2);
        EXPECT_EQ(K.Arcs[1].IndiceOrigine, 3) << c.arcs.toStdString();
        EXPECT_EQ(K.Arcs[1].IndiceDestination, 2) << c.arcs.toStdString();
        EXPECT_FALSE(r.sablierActif());
        EXPECT_TRUE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).empty());
    }
}

TEST_F(FichiersGraphe, NewNodesWithAFailedArcFileStillDrawAndThePanelsNameTheTablesFiles)
{
    const QString noeuds = racine + "/data/noeuds/neuf.dat";
    EcritReseau(racine, "ancien.dat", "aancien.dat");
    const QString dossierArcs = racine + "/data/arcs/";
    QFile(dossierArcs + "vide.dat").open(QIODevice::WriteOnly);
    {
        QFile f(dossierArcs + "mauvais.dat");
        f.open(QIODevice::WriteOnly);
        f.write("0000000001 0000000002 9E99\r\n"); // a mode beyond 16 bits
    }
    {
        QFile f(dossierArcs + "long.dat");
        f.open(QIODevice::WriteOnly);
        const QByteArray ligne = QByteArray(94, '0') + "\r\n";
        for (int i = 0; i < 100000; ++i)
            f.write(ligne);
    }
    struct Cas {
        QString arcs;
        QString message;
    } cas[] = {
        {"absent.dat", "Ce fichier ou répertoire n'existe pas : " + dossierArcs + "absent.dat"},
        {"vide.dat", "Erreur dans la lecture des fichiers"},
        {"mauvais.dat", "Erreur dans la lecture des fichiers"},
        {"long.dat", "Le fichier " + dossierArcs
                         + "long.dat compte 100000 arcs, plus que les 99999 que peut contenir la table des arcs : "
                           "il n'a pas été lu."},
    };
    for (const Cas& c : cas) {
        // The network of the old files, read by the command itself.
        RepondeurScripte avant;
        avant.RepondTexte(racine + "/data/noeuds/ancien.dat");
        avant.RepondTexte(dossierArcs + "aancien.dat");
        Kelmo_menFichiersGraphe_Click();
        ASSERT_TRUE(avant.messages().empty());

        RepondeurScripte r;
        r.RepondTexte(noeuds);
        r.RepondTexte(dossierArcs + c.arcs);
        Kelmo_menFichiersGraphe_Click();
        // One box, the reader's explanation when it has one.
        EXPECT_EQ(r.messages(), std::vector<QString>{c.message}) << c.arcs.toStdString();
        EXPECT_EQ(K.Noeuds[1].Nom.sansBlancsFinaux(), "TOURS");
        EXPECT_EQ(K.StatusBar.Panneaux[1], "3 noeuds (" + noeuds + ")  ");
        EXPECT_EQ(K.StatusBar.Panneaux[2], "2 arcs (" + dossierArcs + "aancien.dat)  ");

        // The drawing order of the new nodes was rebuilt: a redraw draws them.
        std::vector<int16_t> ordre(K.IndexNoeuds.begin() + 1, K.IndexNoeuds.end());
        std::sort(ordre.begin(), ordre.end());
        EXPECT_EQ(ordre, (std::vector<int16_t>{1, 2, 3})) << c.arcs.toStdString();
        images.ima.Appels.clear();
        DessineNoeuds(true, false);
        EXPECT_EQ(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).size(), 3u) << c.arcs.toStdString();
    }
}

TEST(FichierRelief3d, TogglesBetweenTheRelief3dFileAndTime)
{
    ModeleDemarre();
    K.TypeValuationRelief = "Coût";
    Kelmo_menFichierRelief3d_Click();
    EXPECT_EQ(K.TypeValuationRelief, "FichierRelief3D");
    EXPECT_TRUE(K.Menu("menFichierRelief3d").Checked);
    Kelmo_menFichierRelief3d_Click();
    EXPECT_EQ(K.TypeValuationRelief, "Temps");
    EXPECT_FALSE(K.Menu("menFichierRelief3d").Checked);
    ReinitialiseDonnees();
}
