// The value map commands reached from the main window's menus.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/Projection.h"
#include "platform/RepondeurScripte.h"
#include "view/DessinNoeuds.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class CartesMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        ReseauEnMemoire();
    }
    void TearDown() override { ReinitialiseDonnees(); }
    RepondeurScripte r;
};

} // namespace

TEST_F(CartesMenus, TheArcMapsAndTheArcValueFilesAreReachedFromTheMenus)
{
    Kelmo k;
    for (const char* nom : {"menAfficheAttractions", "menAfficheProbabilités", "menAfficheFlux",
                            "menAfficheFluxNonOrientes", "menAfficheSurfacesFlux", "menClassesArcs",
                            "menFluxNonOrientésEtModes", "menFichierODVal1", "menFichierODVal2",
                            "menMultiplication", "menAffichePopulations"})
        EXPECT_TRUE(k.ActionMenu(nom)->isEnabled()) << nom;
    ReprojetteVue();
    K.NombreArcs1 = 1;
    K.Arcs1[1] = ArcValeur{};
    K.Arcs1[1].IndiceOrigine = 1;
    K.Arcs1[1].IndiceDestination = 2;
    K.Arcs1[1].Valeur = 100;
    EXPECT_TRUE(k.ExecuteMenu(QStringLiteral("menAfficheFlux")));
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Flux"));
    EXPECT_EQ(K.Arcs1[1].Largeur, 10.0f);
    EXPECT_TRUE(r.messages().empty());
}

TEST_F(CartesMenus, TheNodeColoursGradeTheArcsOfTheRedrawWithoutAnyMessage)
{
    Kelmo k;
    ReprojetteVue();
    DessineNoeuds(true, false);
    EXPECT_TRUE(k.ExecuteMenu(QStringLiteral("menAffichePopulations")));
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Populations"));
    // Populations are drawn at the scale of the last "Valeur1" display,
    // which at start is 1: the circles ask for a smaller scale.
    EXPECT_EQ(r.messages(), (std::vector<QString>{QStringLiteral("Réduisez l'échelle des ronds SVP...")}));
    r.efface();
    EXPECT_TRUE(k.ExecuteMenu(QStringLiteral("menCouleursNoeuds")));
    ASSERT_TRUE(K.Menu(QStringLiteral("menCouleursNoeuds")).Checked);
    EXPECT_TRUE(k.ExecuteMenu(QStringLiteral("menRedessine")));
    EXPECT_TRUE(r.messages().empty()) << (r.messages().empty() ? "" : r.messages()[0].toStdString());
}
