// The toolbar, the routing of clicks on the map and the coordinates under
// the mouse.
#include "OutilsApp.h"
#include "app/CommandesKelmo.h"
#include "core/Commandes.h"
#include "core/Images.h"
#include "core/Projection.h"
#include "platform/RepondeurScripte.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class Evenements : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        ReseauEnMemoire();
        CalculeCoordonneesEcran();
        TrieNoeudsProfondeur();
    }
    void TearDown() override { ReinitialiseDonnees(); }
    std::size_t symboles() const { return images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).size(); }

    ImagesDeTest images;
    RepondeurScripte r;
};

} // namespace

TEST_F(Evenements, ToolbarPansMoveTheOriginByTwoHundredthsOfThePicture)
{
    const double W = images.ima.ScaleWidth(), H = images.ima.ScaleHeight();
    struct Cas {
        int index;
        double dx, dy;
    };
    const Cas cas[] = {{4, 0, 0.02 * H}, {5, 0.02 * W, 0}, {6, -0.02 * W, 0}, {7, 0, -0.02 * H}, {3, 0, 0}};
    for (const Cas& c : cas) {
        const double x0 = K.OrigineX, y0 = K.OrigineY;
        images.ima.Appels.clear();
        ActionBarreOutils(c.index);
        // Tolerance: double rounding only.
        EXPECT_NEAR(K.OrigineX - x0, c.dx, 1e-9) << c.index;
        EXPECT_NEAR(K.OrigineY - y0, c.dy, 1e-9) << c.index;
        // Cleared, then the nodes drawn again at their new place.
        EXPECT_EQ(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 1u);
        EXPECT_EQ(symboles(), 3u);
        // Tolerance: XEcran is single precision.
        EXPECT_NEAR(K.Noeuds[1].XEcran, 600 / 3.0 + K.OrigineX, 1e-3);
    }
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(Evenements, ToolbarZoomsChangeTheScaleAroundTheNearestNode)
{
    const double e0 = K.Echelle;
    ActionBarreOutils(1);
    // Tolerance: double rounding only.
    EXPECT_NEAR(K.Echelle, e0 * 1.05, 1e-9);
    ActionBarreOutils(2);
    // Tolerance: double rounding only.
    EXPECT_NEAR(K.Echelle, e0 * 1.05 * 0.95, 1e-9);
}

TEST_F(Evenements, ZoomByClickOnlyForAClickNotADragAndDrawsTheNodesOnce)
{
    K.Menu("menZoomSouris").Checked = true;
    struct Cas {
        double x, y;
        bool zoome;
    };
    const Cas cas[] = {{130, 119, true}, {130, 120, false}, {70, 81, true}, {100, 150, false}};
    for (const Cas& c : cas) {
        images.ima.Appels.clear();
        const double e0 = K.Echelle;
        RouteClic(1, 0, c.x, c.y, 100, 100);
        EXPECT_EQ(K.Echelle != e0, c.zoome) << c.x << "," << c.y;
        EXPECT_EQ(symboles(), c.zoome ? 3u : 0u) << c.x << "," << c.y;
    }
    K.Menu("menZoomSouris").Checked = false;
    const double e0 = K.Echelle;
    RouteClic(1, 0, 100, 100, 100, 100);
    EXPECT_EQ(K.Echelle, e0);
}

TEST_F(Evenements, ClicksGoToTheFirstModeInOrderOfPrecedence)
{
    std::vector<std::string> recus;
    ClicsCarte().ModifArcs = [&](double, double, int) { recus.push_back("arcs"); };
    ClicsCarte().ModifNoeuds = [&](double, double, int) { recus.push_back("noeuds"); };
    ClicsCarte().DigitaliseNoeud = [&](double, double) { recus.push_back("digitalisation"); };
    K.Menu("menZoomSouris").Checked = true;
    struct Cas {
        bool arcs, noeuds, calage, digitalisation;
        const char* attendu;
    };
    const Cas cas[] = {
        {true, true, true, true, "arcs"},
        {false, true, true, false, "noeuds"},
        {false, false, true, false, "digitalisation"},
        {false, false, false, true, "digitalisation"},
        {false, false, false, false, nullptr},
    };
    for (const Cas& c : cas) {
        recus.clear();
        K.ModeModifArcs = c.arcs;
        K.ModeModifNoeuds = c.noeuds;
        K.ModeCalage = c.calage;
        K.ModeDigitalisation = c.digitalisation;
        const double e0 = K.Echelle;
        RouteClic(1, 0, 100, 100, 100, 100);
        if (c.attendu) {
            EXPECT_EQ(recus, std::vector<std::string>{c.attendu});
            EXPECT_EQ(K.Echelle, e0) << "a mode takes the click before the zoom";
        } else {
            EXPECT_TRUE(recus.empty());
            EXPECT_NE(K.Echelle, e0);
        }
    }
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(Evenements, PanelThreeShowsTheNetworkCoordinatesRoundedDown)
{
    K.Echelle = 1;
    K.OrigineX = 0;
    K.OrigineY = 1100;
    EXPECT_EQ(TexteCoordonnees(10.7, 1100 - 3.2), "10, 3");
    EXPECT_EQ(TexteCoordonnees(-0.5, 1100), "-1, 0");
    K.Echelle = 3;
    EXPECT_EQ(TexteCoordonnees(200, 900), "600, 600");
}
