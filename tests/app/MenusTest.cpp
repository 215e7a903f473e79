// The menu bar: built from the one table, with the captions, accelerators,
// check marks and states of a fresh run, and kept in step with the model.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/Commandes.h"
#include "core/Menus.h"
#include "core/Progression.h"
#include "platform/RepondeurScripte.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class Menus : public ::testing::Test {
protected:
    void SetUp() override { ModeleDemarre(); }
    void TearDown() override { ReinitialiseDonnees(); }
    RepondeurScripte r;
};

QStringList titres(const QList<QAction*>& actions)
{
    QStringList t;
    for (QAction* a : actions)
        t << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return t;
}

} // namespace

TEST_F(Menus, TheTreeHasTheCaptionsInOrder)
{
    Kelmo k;
    EXPECT_EQ(titres(k.menuBar()->actions()),
              (QStringList{"&Fichier", "&Image", "&Noeuds", "&Arcs", "&Relief", "&?"}));
    EXPECT_EQ(titres(k.SousMenu("menFichiers")->actions()),
              (QStringList{"&Fichiers du graphe...", "-", "Fichier du type &arc-valeur ", "-",
                           "Fichier du type &noeud-valeur", "-", "&Statistiques...", "E&xploration...", "-", "&Quitter"}));
    EXPECT_EQ(titres(k.SousMenu("menFichierCodeValeur")->actions()),
              (QStringList{"Numéro &1 (état final) ...", "Numéro &2 (état initial)...",
                           "Intégrer NoeudVal1 au \"&z\" des noeuds"}));
    EXPECT_EQ(titres(k.SousMenu("menImage")->actions()),
              (QStringList{"&Angles de vue...", "Zoom curseur (&souris)", "Zoom et &taille de l'image...",
                           "&Barre d'outils zoom visible", "Image &vectorielle", "-", "&Enregistre l'image...",
                           "Crée un fichier D&XF...", "Charge une &image en fond...", "-", "&Redessine",
                           "&Options pour redessiner...", "E&fface l'image"}));
    EXPECT_EQ(titres(k.SousMenu("menAfficheValeursArcs")->actions()).size(), 10);
    EXPECT_EQ(titres(k.SousMenu("menValuation")->actions()),
              (QStringList{"&Temps", "&Coût", "&Basée sur ArcVal", "&Pas de valuation"}));
    EXPECT_EQ(titres(k.SousMenu("menRelief")->actions()),
              (QStringList{"Trace le &relief", "&Anamorphose", "-", "&Options du relief...",
                           "&Valuation de la représentation", "Prépare le &fichier relief 3d", "Options des co&ûts...",
                           "Eclaircir la &couleur du relief...", "-", "Lecture du fichier de &facettes..."}));
    EXPECT_EQ(titres(k.SousMenu("menAide")->actions()), QStringList{"&A propos de KELMO..."});
    // Every row of the table is in the tree once.
    EXPECT_EQ(TableMenus().size(), 85u);
}

TEST_F(Menus, AcceleratorsAndCheckMarksOfAFreshRun)
{
    Kelmo k;
    struct Cas {
        const char* nom;
        const char* touche;
        bool cochable, coche;
    };
    const Cas cas[] = {
        {"menAfficheVilles", "F1", false, false},    {"menTraceTrajets", "F2", false, false},
        {"menRedessine", "F4", false, false},        {"menZoomBarreOutils", "F5", true, true},
        {"menImageVectorielle", "F9", true, false},  {"menZoomSouris", "F12", true, false},
        {"menEffaceImage", "Del", false, false},     {"menValuationTemps", "", true, true},
        {"menValuationCoût", "", true, false},       {"menFichierRelief3d", "", true, false},
        {"menCouleursNoeuds", "", true, false},      {"menCodeValEnZ", "", true, false},
    };
    for (const Cas& c : cas) {
        QAction* a = k.ActionMenu(c.nom);
        ASSERT_NE(a, nullptr) << c.nom;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.touche))) << c.nom;
        EXPECT_EQ(a->isCheckable(), c.cochable) << c.nom;
        EXPECT_EQ(a->isChecked(), c.coche) << c.nom;
    }
}

TEST_F(Menus, CommandsWithoutASubsystemStandDisabledAndTheBuiltOnesWork)
{
    Kelmo k;
    for (const char* nom : {"menFichiersGraphe", "menImprimeImage", "menChargeImageFond", "menEffaceImage",
                            "menImageVectorielle", "menZoomSouris", "menZoomBarreOutils", "menSortie", "menAPropos",
                            "menFichierRelief3d", "menRedessine", "menAfficheVilles"})
        EXPECT_TRUE(k.ActionMenu(nom)->isEnabled()) << nom;
    // Disabled at start whatever is built.
    for (const char* nom : {"menExploration", "menAfficheValeur1", "menAfficheAutoAttractions", "menOptimisationHoraire",
                            "menValuationODVal", "menCoûts"})
        EXPECT_FALSE(k.ActionMenu(nom)->isEnabled()) << nom;
    // Not built here: still in the menu, with its caption, but disabled.
    if (!CommandeEnregistree("menTraceRelief")) {
        EXPECT_FALSE(k.ActionMenu("menTraceRelief")->isEnabled());
        EXPECT_EQ(k.ActionMenu("menTraceRelief")->text(), "Trace le &relief");
    }
}

TEST_F(Menus, WidgetsFollowTheModelAfterEveryCommand)
{
    Kelmo k;
    // A command registered later (a dialog of another window) enables its item.
    int appels = 0;
    EnregistreCommande("menOptionsAttractions", [&] {
        ++appels;
        K.Menu("menOptimisationHoraire").Enabled = true;
    });
    k.SynchroniseMenus();
    EXPECT_TRUE(k.ActionMenu("menOptionsAttractions")->isEnabled());
    k.ActionMenu("menOptionsAttractions")->trigger();
    EXPECT_EQ(appels, 1);
    // The model's state reaches the widget (the item still needs a command).
    EXPECT_EQ(k.ActionMenu("menOptimisationHoraire")->isEnabled(), CommandeEnregistree("menOptimisationHoraire"));
    EnregistreCommande("menOptionsAttractions", nullptr);

    k.ActionMenu("menFichierRelief3d")->trigger();
    EXPECT_TRUE(K.Menu("menFichierRelief3d").Checked);
    EXPECT_TRUE(k.ActionMenu("menFichierRelief3d")->isChecked());

    k.ActionMenu("menZoomBarreOutils")->trigger();
    EXPECT_FALSE(K.Menu("menZoomBarreOutils").Checked);
    EXPECT_FALSE(k.ActionMenu("menZoomBarreOutils")->isChecked());
    EXPECT_TRUE(k.BarreDOutils()->isHidden());
    k.ActionMenu("menZoomBarreOutils")->trigger();
    EXPECT_FALSE(k.BarreDOutils()->isHidden());

    k.ActionMenu("menZoomSouris")->trigger();
    EXPECT_TRUE(K.Menu("menZoomSouris").Checked);
    EXPECT_EQ(k.Ima()->cursor().shape(), Qt::CrossCursor);

    k.ActionMenu("menSortie")->trigger();
    ASSERT_FALSE(r.appels().empty());
    EXPECT_EQ(r.appels().back().genre, AppelDialogue::Quitte);
    EXPECT_FALSE(k.ImaZone().AutoRedraw);
}

TEST_F(Menus, TheToolbarHasItsSevenButtonsWithTheirTips)
{
    Kelmo k;
    EXPECT_EQ(titres(k.BarreDOutils()->actions()),
              (QStringList{"Zoom négatif", "Zoom positif", "-", "Déplacement vers le haut", "Déplacement vers la gauche",
                           "Déplacement à droite", "Déplacement vers le bas"}));
    for (QAction* a : k.BarreDOutils()->actions())
        if (!a->isSeparator()) {
            EXPECT_FALSE(a->icon().isNull());
            EXPECT_EQ(a->toolTip(), a->text());
        }
    // Button 4 raises the origin by 2 % of the picture height.
    k.ImaZone().DefinitHauteur(250);
    const double y0 = K.OrigineY;
    k.BarreDOutils()->actions()[3]->trigger();
    EXPECT_NEAR(K.OrigineY - y0, 0.02 * k.ImaZone().ScaleHeight(), 1e-9);
}

TEST_F(Menus, TheProgressReportReachesTheStatusBarAtOnce)
{
    Kelmo k;
    k.show();
    AfficheProgression(200, 1, "Lecture des arcs...");
    EXPECT_TRUE(k.Progression()->isVisible());
    EXPECT_EQ(k.Progression()->value(), 0);
    EXPECT_EQ(k.Panneau(5)->text(), "Lecture des arcs...");
    AfficheProgression(200, 100, "Lecture des arcs...");
    EXPECT_EQ(k.Progression()->value(), 50);
    AfficheProgression(200, 200, "Lecture des arcs...");
    EXPECT_FALSE(k.Progression()->isVisible());
    EXPECT_EQ(k.Panneau(5)->text(), "");
    // Panels the program has not written yet keep their design texts.
    EXPECT_EQ(k.Panneau(1)->text(), "Les noeuds du graphe");
    EXPECT_EQ(k.Panneau(3)->text(), "Coordonnées x et y");
}
