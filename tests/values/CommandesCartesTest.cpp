// The main window's value map commands and the arc-value file commands.
#include "CartesDeTest.h"
#include "core/Commandes.h"
#include "values/CommandesCartes.h"
#include "values/CrochetsValeurs.h"
#include "view/CrochetsDessinCarte.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace kelmo;
using namespace kelmo::testcartes;

namespace {

class CommandesCartes : public CarteTest {
protected:
    void SetUp() override
    {
        CarteTest::SetUp();
        classes({{0, 100, RGB(1, 1, 1), 1}, {-100, 0, RGB(9, 9, 9), 1}});
        // Three nodes and their values in files 1 and 2.
        const float v[3][2] = {{50, 60}, {20, 10}, {5, 5}};
        for (int i = 0; i < 3; ++i) {
            const int32_t n = noeud(100.0f * (i + 1), 100, 1000 * (i + 1));
            ValeurNoeud& f = K.ValeursFichiersNoeuds[static_cast<std::size_t>(i + 1)];
            f.Code = K.Noeuds[n].Code;
            f.Valeur1 = v[i][0];
            f.Valeur2 = v[i][1];
        }
        K.NbValeursNoeuds = 3;
        K.Menu(QStringLiteral("menAfficheValeur2")).Enabled = false;
    }
};

std::string LigneArcValeur(int o, int d, double v)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, "%10d %10d%36.4f\r\n", o, d, v);
    return buf;
}

} // namespace

TEST_F(CommandesCartes, EachNodeCommandComputesSortsSizesAndDrawsItsQuantityUnderTheHourglass)
{
    const struct {
        void (*commande)();
        const char16_t* nom;
        float premiere; // the largest value, drawn first
    } cas[] = {{Kelmo_menAfficheValeur1_Click, u"Valeur1", 50},
               {Kelmo_menAfficheValeur2_Click, u"Valeur2", 60},
               {Kelmo_menMultiplication_Click, u"Multiplication", 3000},
               {Kelmo_menAfficheDiffAbsolues_Click, u"Différences absolues", -10},
               {Kelmo_menAfficheDiffRelatives_Click, u"Différences relatives", 100},
               {Kelmo_menAffichePopulations_Click, u"Populations", 3000}};
    for (const auto& k : cas) {
        const std::size_t avant = cercles().size();
        const int sabliers = repondeur->nombreSablier();
        k.commande();
        EXPECT_EQ(K.NomValeurAffichee, QString::fromUtf16(k.nom));
        EXPECT_EQ(K.ValeursNoeuds[1].Valeur, k.premiere) << QString::fromUtf16(k.nom).toStdString();
        EXPECT_GT(cercles().size(), avant) << "drawn over the maps before";
        EXPECT_EQ(repondeur->nombreSablier(), sabliers + 1);
        EXPECT_FALSE(repondeur->sablierActif());
    }
    EXPECT_TRUE(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty()) << "nothing cleared between maps";
}

TEST_F(CommandesCartes, RelativeDifferencesAreColouredLikeAbsoluteOnesAndTheProductNever)
{
    K.Formes.Statistiques.ClassesDifférences = true;
    K.Formes.Statistiques.ClasseDiffAbs = true;
    Kelmo_menAfficheDiffRelatives_Click();
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Différences relatives"));
    // The node of 50 / 60 differs by -10: its circle takes the class of -10.
    bool negatif = false;
    for (const auto& c : cercles())
        negatif = negatif || c.FillColor == RGB(9, 9, 9);
    EXPECT_TRUE(negatif);
    images->ima.Appels.clear();
    Kelmo_menMultiplication_Click();
    for (const auto& c : cercles())
        EXPECT_EQ(c.FillColor, RGB(1, 1, 1));
}

TEST_F(CommandesCartes, OnlyTheFirstValueEnablesTheSecondValue)
{
    Kelmo_menMultiplication_Click();
    EXPECT_FALSE(K.Menu(QStringLiteral("menAfficheValeur2")).Enabled);
    Kelmo_menAfficheValeur1_Click();
    EXPECT_TRUE(K.Menu(QStringLiteral("menAfficheValeur2")).Enabled);
    Kelmo_menAfficheValeur2_Click();
    EXPECT_TRUE(K.Menu(QStringLiteral("menAfficheValeur2")).Enabled);
}

TEST_F(CommandesCartes, OrientedFlowsDrawTheLinesThenTheNodeCirclesAndNameTheQuantityFlux)
{
    paire(1, 2, 100);
    paire(2, 3, 40);
    K.NomValeurAffichee = QStringLiteral("Valeur1");
    Kelmo_menAfficheFlux_Click();
    const auto& appels = images->ima.Appels;
    ASSERT_EQ(appels.size(), 2u + 6u);
    EXPECT_EQ(appels[1].genre, AppelZoneImage::Genre::Polyline);
    EXPECT_EQ(appels[2].genre, AppelZoneImage::Genre::Ellipse);
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Flux"));
}

TEST_F(CommandesCartes, OrientedFlowsTwiceDrawTheSameMapAndKeepThePictureForeColour)
{
    paire(1, 2, 100);
    paire(2, 3, 40);
    Ima().ForeColor = RGB(0, 0, 128);
    Kelmo_menAfficheFlux_Click();
    EXPECT_EQ(Ima().ForeColor, RGB(0, 0, 128));
    const QImage premiere = Ima().Image();
    Ima().Cls();
    Kelmo_menAfficheFlux_Click();
    EXPECT_TRUE(Ima().Image() == premiere) << "the second map drawn as the first";
    EXPECT_EQ(Ima().ForeColor, RGB(0, 0, 128));
}

TEST_F(CommandesCartes, EveryArcMapCommandIsRegisteredAndTwoMapsAreSuperimposed)
{
    InstalleCommandesCartes();
    for (const char* nom : {"menAfficheValeur1", "menAfficheValeur2", "menMultiplication", "menAfficheDiffAbsolues",
                            "menAfficheDiffRelatives", "menAffichePopulations", "menAfficheAttractions",
                            "menAfficheProbabilités", "menAfficheFlux", "menAfficheFluxNonOrientes",
                            "menAfficheSurfacesFlux", "menClassesArcs", "menFluxNonOrientésEtModes",
                            "menAfficheAutoAttractions", "menFichierODVal1", "menFichierODVal2"})
        EXPECT_TRUE(CommandeEnregistree(QString::fromUtf8(nom))) << nom;
    EXPECT_TRUE(DessineArcDegrade);
    EXPECT_TRUE(PrepareArcsDegrades);
    EXPECT_TRUE(RedessineValeurs);

    paire(1, 2, 100);
    paire(2, 1, 20);
    ExecuteCommande(QStringLiteral("menClassesArcs"));
    EXPECT_EQ(K.Arcs1[1].Valeur, 20) << "sorted before drawing";
    ExecuteCommande(QStringLiteral("menAfficheFluxNonOrientes"));
    ExecuteCommande(QStringLiteral("menAfficheProbabilités"));
    ExecuteCommande(QStringLiteral("menAfficheAttractions"));
    ExecuteCommande(QStringLiteral("menAfficheSurfacesFlux"));
    ExecuteCommande(QStringLiteral("menFluxNonOrientésEtModes"));
    ExecuteCommande(QStringLiteral("menAfficheAutoAttractions"));
    // classes 2, flows 2, probabilities 4, attractions 2 + 1, modes 1 (100
    // lies on the class's upper bound)
    EXPECT_EQ(traits().size(), 2u + 2u + 4u + 3u + 1u);
    EXPECT_EQ(polygones().size(), 2u);
    EXPECT_TRUE(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty());
    EXPECT_TRUE(repondeur->messages().empty());
}

TEST_F(CommandesCartes, TheArcValueFileDialogProposesTheCurrentFileInItsFolderAndACancelChangesNothing)
{
    QTemporaryDir dir;
    K.RepertoireValeursArcs = dir.path();
    K.FichierArcValeur2 = dir.filePath(QStringLiteral("3ar1279.dat"));
    test::EcritFichier(dir, QStringLiteral("autre.dat"), LigneArcValeur(10, 20, 5));
    K.Menu(QStringLiteral("menAfficheAutoAttractions")).Enabled = false;
    K.Menu(QStringLiteral("menValuationODVal")).Enabled = false;
    repondeur->RepondTexte(std::nullopt);
    Kelmo_menFichierODVal2_Click();
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const DemandeFichier& d = repondeur->appels()[0].fichier;
    EXPECT_EQ(d.titre, QStringLiteral("Fichier arc-valeur 2..."));
    EXPECT_EQ(d.dossierInitial, dir.path());
    EXPECT_EQ(d.filtre, FiltreFichiersDonnees);
    EXPECT_EQ(d.indexFiltre, 2);
    EXPECT_EQ(d.nomFichier, K.FichierArcValeur2);
    EXPECT_EQ(K.FichierArcValeur2, dir.filePath(QStringLiteral("3ar1279.dat")));
    EXPECT_FALSE(K.Menu(QStringLiteral("menAfficheAutoAttractions")).Enabled);
    EXPECT_FALSE(K.Menu(QStringLiteral("menValuationODVal")).Enabled);
    EXPECT_EQ(repondeur->nombreSablier(), 0);
}

TEST_F(CommandesCartes, AnArcValueFileIsReadIndexedAndEnablesTheMenusThatNeedIt)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("arcval")));
    K.RepertoireValeursArcs = dir.filePath(QStringLiteral("nulle-part"));
    K.RacineDonnees = dir.path();
    const QString chemin = test::EcritFichier(
        dir, QStringLiteral("arcval/od.dat"), LigneArcValeur(10, 20, 5) + LigneArcValeur(30, 10, 7.5));
    repondeur->RepondTexte(chemin);
    Kelmo_menFichierODVal1_Click();
    const auto& appels = repondeur->appels();
    const auto dialogue = std::find_if(appels.begin(), appels.end(),
                                       [](const AppelDialogue& a) { return a.genre == AppelDialogue::FichierOuvrir; });
    ASSERT_NE(dialogue, appels.end());
    EXPECT_EQ(dialogue->fichier.dossierInitial, dir.path()) << "a missing folder opens on the root";
    EXPECT_TRUE(repondeur->messages().front().startsWith(QStringLiteral("Ce fichier ou répertoire n'existe pas")));
    EXPECT_EQ(K.FichierArcValeur1, chemin);
    EXPECT_EQ(K.RepertoireValeursArcs, dir.filePath(QStringLiteral("arcval")));
    ASSERT_EQ(K.NombreArcs1, 2);
    EXPECT_EQ(K.Arcs1[2].IndiceOrigine, 3);
    EXPECT_EQ(K.Arcs1[2].IndiceDestination, 1);
    EXPECT_EQ(K.Arcs1[2].Valeur, 7.5f);
    EXPECT_TRUE(K.Menu(QStringLiteral("menAfficheAutoAttractions")).Enabled);
    EXPECT_TRUE(K.Menu(QStringLiteral("menValuationODVal")).Enabled);
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(CommandesCartes, AnArcValueFileThatCannotBeReadIsToldAndTheTableKeepsWhatItHad)
{
    QTemporaryDir dir;
    K.RepertoireValeursArcs = dir.path();
    paire(1, 2, 42);
    const QString chemin = test::EcritFichier(dir, QStringLiteral("mauvais.dat"),
                                              LigneArcValeur(10, 20, 5) + LigneArcValeur(2147483647, 10, 1) +
                                                  "9999999999" + LigneArcValeur(10, 20, 5).substr(10));
    repondeur->RepondTexte(chemin);
    Kelmo_menFichierODVal1_Click();
    ASSERT_EQ(repondeur->messages().size(), 1u);
    EXPECT_EQ(repondeur->messages()[0], QStringLiteral("Erreur dans la lecture du fichier code-code-valeur numéro 1"));
    EXPECT_EQ(repondeur->appels().back().titre, QStringLiteral("Erreur"));
    EXPECT_EQ(K.NombreArcs1, 1);
    EXPECT_EQ(K.Arcs1[1].Valeur, 42.0f);
}
