// The start-up against data roots made in temporary folders: which root is
// taken, which messages show and in what order, what the creation offer
// creates, and the defaults the run starts from.
#include "core/Defauts.h"
#include "core/Demarrage.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "platform/Chemins.h"
#include "platform/RepondeurScripte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;

namespace {

const QChar CR(13);

// Writes a small network (three nodes, two arcs) into root/data with the
// program's own writers, then forgets it.
void creeArbre(const QString& racine, bool horaire = false, bool images = true)
{
    QDir().mkpath(racine + "/data/noeuds");
    QDir().mkpath(racine + "/data/arcs");
    if (images)
        QDir().mkpath(racine + "/data/cartes/images");
    ReinitialiseDonnees();
    DefinitTypesArcs();
    AjouteNoeud("PARIS", 75056, 2100000, 600, 1100, 0);
    AjouteNoeud("LYON", 69123, 480000, 840, 660, 0);
    AjouteNoeud("TOURS", 37261, 130000, 470, 1000, 0);
    AjouteArc(75056, 69123, 0, 0, 4, 460, 120, horaire ? 800 : 0, horaire ? 1000 : 0, "", 0, 0);
    AjouteArc(75056, 37261, 0, 0, 4, 240, 60, 0, 0, "", 0, 0);
    CreeFichierNoeuds(racine + "/data/noeuds/n157eu.dat");
    CreeFichierArcs(racine + "/data/arcs/a157eu01.dat");
    ReinitialiseDonnees();
}

class Demarrage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ReinitialiseDonnees();
        DefinitCrochetsDemarrage({});
        for (const char* n : {"c1", "c2", "c3"}) {
            QDir().mkpath(dir.filePath(n));
            candidats.push_back({dir.filePath(n)});
        }
        DefinitCandidatsRacineDonnees(candidats);
    }
    void TearDown() override
    {
        RetablitCandidatsRacineDonnees();
        DefinitCrochetsDemarrage({});
        ReinitialiseDonnees();
    }
    QString c(int i) const { return candidats[static_cast<std::size_t>(i - 1)].dossier; }

    QTemporaryDir dir;
    std::vector<CandidatRacine> candidats;
};

} // namespace

TEST_F(Demarrage, TakesTheFirstCandidateThatHoldsADataFolderAndReadsItsNetwork)
{
    creeArbre(c(2));
    creeArbre(c(3));
    RepondeurScripte r;
    InitialiseKelmo();
    EXPECT_TRUE(r.messages().empty());
    EXPECT_EQ(K.RacineDonnees, c(2));
    EXPECT_EQ(K.NomFichierNoeuds, c(2) + "/data/noeuds/n157eu.dat");
    EXPECT_EQ(K.NomFichierArcs, c(2) + "/data/arcs/a157eu01.dat");
    EXPECT_EQ(K.NomFichierArcsReference, K.NomFichierArcs);
    EXPECT_EQ(K.RepertoireImages, c(2) + "/data/cartes/images");
    EXPECT_EQ(K.FichierNoeudValeur2, c(2) + "/data/noeudval/stm313.dat");
    EXPECT_EQ(K.FichierArcValeur1, c(2) + "/data/arcval/3ar1279.dat");
    EXPECT_EQ(K.NbNoeuds, 3);
    EXPECT_EQ(K.NbArcs, 2);
    // Derived at start-up: the arcs' end indices.
    EXPECT_EQ(K.Arcs[1].IndiceOrigine, 1);
    EXPECT_EQ(K.Arcs[1].IndiceDestination, 2);
    EXPECT_FALSE(K.Menu("menDéveloppmentHoraire").Enabled);
    EXPECT_FALSE(K.Menu("menOptimisationHoraire").Enabled);
}

TEST_F(Demarrage, OneTimetabledArcEnablesTimetableDevelopment)
{
    creeArbre(c(1), true);
    RepondeurScripte r;
    InitialiseKelmo();
    EXPECT_EQ(K.RacineDonnees, c(1));
    EXPECT_TRUE(K.Menu("menDéveloppmentHoraire").Enabled);
    EXPECT_FALSE(K.Menu("menOptimisationHoraire").Enabled);
}

TEST_F(Demarrage, NoDataRootShowsEveryMessageInOrderAndCreatesNothingOnNo)
{
    RepondeurScripte r;
    r.Repond(Reponse::OK);  // root message
    r.Repond(Reponse::OK);  // node file error
    r.Repond(Reponse::OK);  // arc file error
    r.Repond(Reponse::OK);  // three folders
    r.Repond(Reponse::OK);
    r.Repond(Reponse::OK);
    r.Repond(Reponse::Non); // creation offer
    InitialiseKelmo();
    const std::vector<QString> attendus = {
        "Impossible de trouver le répertoire de données \"\\data\\\" sur le(s) disque(s) dur(s) dans " + c(1) + "/, "
            + c(2) + "/, ou " + c(3) + "/",
        MessageErreurDemarrage,
        MessageErreurDemarrage,
        "Le répertoire : " + c(1) + "/data/noeuds n'existe pas.",
        "Le répertoire : " + c(1) + "/data/arcs n'existe pas.",
        "Le répertoire : " + c(1) + "/data/cartes/images n'existe pas.",
        "Voulez-vous créér les répertoires nécessaire ?" + QString(CR)
            + "(Si oui vous allez être invité à sélectionner l'emplacement du répertoire," + CR
            + "puis à appuyer sur 'Annuler')",
    };
    EXPECT_EQ(r.messages(), attendus);
    EXPECT_EQ(r.appels()[1].titre, "Erreur");
    EXPECT_EQ(r.appels()[1].icone, Icone::Exclamation);
    EXPECT_EQ(r.appels()[6].boutons, Boutons::OuiNon);
    EXPECT_EQ(K.RacineDonnees, c(1));
    EXPECT_EQ(K.RepertoireNoeuds, c(1));
    EXPECT_EQ(K.RepertoireArcs, c(1));
    EXPECT_EQ(K.RepertoireImages, c(1));
    EXPECT_FALSE(QFileInfo::exists(c(1) + "/data"));
    EXPECT_TRUE(r.reponsesEpuisees());
    // The sequence went on to the end.
    EXPECT_EQ(K.StatusBar.Panneaux[4], "Bitmap ");
    EXPECT_EQ(K.Formes.ParamAffichage.ListeDesEspaces.Entrees.size(), 10);
}

TEST_F(Demarrage, CreationCreatesTheTreeInTheChosenFolderAndPointsTheDefaultFilesThere)
{
    const QString cible = dir.filePath("nouveau");
    QDir().mkpath(cible + "/data"); // already there: not an error
    RepondeurScripte r;
    for (int i = 0; i < 6; ++i)
        r.Repond(Reponse::OK);
    r.Repond(Reponse::Oui);
    r.RepondTexte(cible);
    InitialiseKelmo();
    ASSERT_EQ(r.messages().size(), 7u);
    const AppelDialogue& choix = r.appels().back();
    EXPECT_EQ(choix.genre, AppelDialogue::Dossier);
    EXPECT_EQ(choix.titre, "Emplacement du répertoire Data");
    EXPECT_EQ(choix.fichier.dossierInitial, c(1));
    EXPECT_EQ(K.RacineDonnees, cible);
    EXPECT_EQ(K.RepertoireData, cible + "/data");
    for (const char* d : {"/data/noeuds", "/data/arcs", "/data/cartes", "/data/cartes/images", "/data/noeudval",
                          "/data/arcval"})
        EXPECT_TRUE(QFileInfo(cible + d).isDir()) << d;
    EXPECT_EQ(K.RepertoireNoeuds, cible + "/data/noeuds");
    EXPECT_EQ(K.RepertoireImages, cible + "/data/cartes/images");
    EXPECT_EQ(K.NomFichierNoeuds, cible + "/data/noeuds/n157eu.dat");
    EXPECT_EQ(K.NomFichierArcs, cible + "/data/arcs/a157eu01.dat");
    EXPECT_EQ(K.NomFichierArcsReference, cible + "/data/arcs/a157eu01.dat");
    EXPECT_EQ(K.FichierNoeudValeur1, cible + "/data/noeudval/stm312.dat");
}

TEST_F(Demarrage, CancellingTheFolderChooserCreatesNothing)
{
    RepondeurScripte r;
    for (int i = 0; i < 6; ++i)
        r.Repond(Reponse::OK);
    r.Repond(Reponse::Oui);
    r.RepondTexte(std::nullopt);
    InitialiseKelmo();
    EXPECT_EQ(K.RacineDonnees, c(1));
    EXPECT_EQ(K.RepertoireNoeuds, c(1));
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(QDir(c(i)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty()) << i;
}

TEST_F(Demarrage, OnlyTheImagesFolderMissingGivesOneMessageAndNoOffer)
{
    creeArbre(c(3), false, false);
    RepondeurScripte r;
    InitialiseKelmo();
    const std::vector<QString> attendus = {"Le répertoire : " + c(3) + "/data/cartes/images n'existe pas."};
    EXPECT_EQ(r.messages(), attendus);
    EXPECT_EQ(K.RepertoireImages, c(3));
    EXPECT_EQ(K.RepertoireNoeuds, c(3) + "/data/noeuds");
    EXPECT_EQ(K.NbNoeuds, 3);
}

TEST_F(Demarrage, AMissingNodeFileStillLetsTheArcFileBeRead)
{
    creeArbre(c(1));
    QFile::remove(c(1) + "/data/noeuds/n157eu.dat");
    RepondeurScripte r;
    InitialiseKelmo();
    EXPECT_EQ(r.messages(), std::vector<QString>{MessageErreurDemarrage});
    EXPECT_EQ(K.NbNoeuds, 0);
    EXPECT_EQ(K.NbArcs, 2);
}

TEST_F(Demarrage, AFailedReadingLeavesNoProgressReportInTheStatusBar)
{
    // The arc step fails: every later computation then runs on no arc at all.
    for (const char* casse : {"absent", "vide"}) {
        creeArbre(c(1));
        QFile::remove(c(1) + "/data/arcs/a157eu01.dat");
        if (std::string_view(casse) == "vide")
            QFile(c(1) + "/data/arcs/a157eu01.dat").open(QIODevice::WriteOnly);
        RepondeurScripte r;
        InitialiseKelmo();
        EXPECT_EQ(r.messages(), std::vector<QString>{MessageErreurDemarrage}) << casse;
        EXPECT_EQ(K.NbArcs, 0);
        EXPECT_FALSE(K.StatusBar.ProgressionVisible) << casse;
        EXPECT_TRUE(K.StatusBar.Panneaux[5].isEmpty()) << casse << ": " << K.StatusBar.Panneaux[5].toStdString();
    }
}

TEST_F(Demarrage, AFileLongerThanItsTableGivesOneBoxNamingTheFileAndTheLimit)
{
    creeArbre(c(1));
    const QString noeuds = c(1) + "/data/noeuds/n157eu.dat";
    QFile f(noeuds);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    std::string ligne(99, '0');
    ligne += "\r\n";
    for (int i = 0; i < 6001; ++i)
        f.write(ligne.data(), static_cast<qint64>(ligne.size()));
    f.close();
    RepondeurScripte r;
    InitialiseKelmo();
    EXPECT_EQ(r.messages(), std::vector<QString>{"Le fichier " + noeuds
                                                 + " compte 6001 noeuds, plus que les 6000 que peut contenir la "
                                                   "table des noeuds : il n'a pas été lu."});
    EXPECT_EQ(K.NbNoeuds, 0);
    EXPECT_EQ(K.NbArcs, 2);
}

TEST_F(Demarrage, HooksRunInTheOrderOfTheSequenceAndAFailingHookOnlyCostsItsStep)
{
    creeArbre(c(1));
    std::vector<std::string> ordre;
    CrochetsDemarrage h;
    h.PrepareImages = [&] { ordre.push_back("images"); };
    h.PrepareControles = [&] { ordre.push_back("controles"); };
    h.ProjetteNoeuds = [&] {
        ordre.push_back("projection");
        throw std::runtime_error("projection");
    };
    h.DessineNoeuds = [&] { ordre.push_back("noeuds"); };
    h.ChargeStatistiques = [&] {
        ordre.push_back("statistiques");
        K.NbClasses = 3;
    };
    h.TailleIma = [&](double& hauteur, double& largeur) {
        ordre.push_back("taille");
        hauteur = 200;
        largeur = 300;
    };
    h.MiseEnPage = [&] { ordre.push_back("mise en page"); };
    DefinitCrochetsDemarrage(h);
    RepondeurScripte r;
    InitialiseKelmo();
    const std::vector<std::string> attendu = {"images", "controles", "projection", "noeuds",
                                              "statistiques", "taille", "mise en page"};
    EXPECT_EQ(ordre, attendu);
    EXPECT_EQ(r.messages(), std::vector<QString>{MessageErreurDemarrage});
    // The arcs were still indexed after the failed projection.
    EXPECT_EQ(K.Arcs[2].IndiceDestination, 3);
    // Spaces without their own size take the picture's.
    EXPECT_EQ(K.Espaces[1].HauteurImage, 200);
    EXPECT_EQ(K.Espaces[1].LargeurImage, 300);
    EXPECT_EQ(K.Espaces[3].HauteurImage, 195);
    EXPECT_EQ(K.Espaces[3].LargeurImage, 210);
    // The classes the statistics window made take the grey boxes.
    EXPECT_EQ(K.Classes[3].Couleur, RGB(246, 246, 246));
}

TEST(DemarrageSeparateur, FollowsTheDecimalSeparatorOfTheLocale)
{
    EXPECT_EQ(SeparateurDecimalPour(QLocale::c()), '.');
    EXPECT_EQ(SeparateurDecimalPour(QLocale(QLocale::English, QLocale::UnitedStates)), '.');
    EXPECT_EQ(SeparateurDecimalPour(QLocale(QLocale::French, QLocale::France)), ',');
    EXPECT_EQ(SeparateurDecimalPour(QLocale(QLocale::German, QLocale::Germany)), ',');
}

TEST_F(Demarrage, TheRunStartsFromTheDefaultsOfEveryGroup)
{
    creeArbre(c(1));
    RepondeurScripte r;
    InitialiseKelmo();
    EXPECT_EQ(K.VilleCentreRotation, "PARIS");
    EXPECT_EQ(K.Echelle, 3);
    EXPECT_EQ(K.OrigineY, 1100);
    EXPECT_EQ(K.CouleurBordNoeuds, RGB(192, 192, 192));
    EXPECT_EQ(K.CouleurInterieurNoeuds, RGB(128, 0, 0));
    EXPECT_EQ(K.VitesseReference, 220);
    EXPECT_FLOAT_EQ(K.NormeVecteurLumiere, 144.56833f);
    // Tolerance: the light vector is divided by a single-precision norm.
    EXPECT_NEAR(K.VecteurLumiere[0], 0.6917144, 1e-6);
    EXPECT_NEAR(K.VecteurLumiere[2], -0.2075143, 1e-6);
    EXPECT_EQ(K.TypeValuationRelief, "Temps");
    EXPECT_EQ(K.TypeCout, "Généralisé professionnel");
    EXPECT_EQ(K.Classes.size(), 11u);
    EXPECT_EQ(K.Classes[1].BorneSup, 1e9f);
    EXPECT_EQ(K.Classes[1].Couleur, RGB(128, 0, 0));
    EXPECT_TRUE(K.AfficheMessagesElimination);

    EXPECT_TRUE(K.Formes.OptionsRelief.TGV);
    EXPECT_TRUE(K.Formes.OptionsRelief.Route);
    EXPECT_FALSE(K.Formes.OptionsRelief.Autoroute);

    const ModeleCouts& couts = K.Formes.Coûts;
    ASSERT_EQ(couts.Combo1.Entrees.size(), 20);
    ASSERT_EQ(couts.Combo2.Entrees.size(), 40);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(couts.Combo2.Entrees[i], QString::number(i + 1));
    ASSERT_EQ(couts.Combo3.Entrees.size(), 20);
    EXPECT_EQ(couts.Combo3.Entrees.front(), "50");
    EXPECT_EQ(couts.Combo3.Entrees.back(), "1000");

    const ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    ASSERT_EQ(s.ListeModifiable1.Entrees.size(), 50);
    EXPECT_EQ(s.ListeModifiable1.Entrees.front(), "1");
    EXPECT_EQ(s.Texte1, " 12000000");
    EXPECT_EQ(s.MaskedEdit1, " 12000000");
    EXPECT_EQ(s.Texte2, " 10000");
    EXPECT_EQ(s.Gauge1, 1);
    EXPECT_EQ(s.Gauge2, 0);

    EXPECT_EQ(K.Formes.Statistiques.PicClasse[1], RGB(254, 254, 254));
    EXPECT_EQ(K.Formes.Statistiques.PicClasse[10], RGB(218, 218, 218));
    EXPECT_EQ(K.Formes.Statistiques.Ech, "1");

    const QStringList& espaces = K.Formes.ParamAffichage.ListeDesEspaces.Entrees;
    ASSERT_EQ(espaces.size(), 10);
    for (const QString& e : espaces)
        EXPECT_EQ(e.size(), 25);
    EXPECT_EQ(espaces[0], "Europe" + QString(19, ' '));
    EXPECT_EQ(K.Espaces[1].HauteurImage, 250);
    EXPECT_EQ(K.Espaces[1].LargeurImage, 350);
    EXPECT_FLOAT_EQ(K.Espaces[10].CoefficientZoom, 1.1139119f);
    EXPECT_FLOAT_EQ(K.Espaces[3].YZoom, -35.7821f);
    EXPECT_EQ(K.Espaces[8].Nom.sansBlancsFinaux(), "Espace théorique 600");

    EXPECT_FALSE(K.Menu("menZoomSouris").Checked);
    EXPECT_FALSE(K.Menu("menValuationODVal").Enabled);
    EXPECT_FALSE(K.Menu("menImageVectorielle").Checked);
    EXPECT_TRUE(K.Menu("menZoomBarreOutils").Checked);
    EXPECT_EQ(K.StatusBar.Panneaux[4], "Bitmap ");
}
