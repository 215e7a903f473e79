// The anamorphosis from the main window: its two commands are offered, "&OK"
// moves the network and draws it in the window's own picture, and
// "&Annuler" gives the map picture the pointer the mouse zoom asks for.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/DonneesDerivees.h"
#include "core/Images.h"
#include "core/ListesNoeuds.h"
#include "platform/RepondeurScripte.h"
#include "relief/formes/frmAnamorphose.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class AnamorphoseFenetrePrincipale : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        ASSERT_TRUE(dir.isValid());
        K.RacineDonnees = dir.path();
        ReseauEnMemoire();
        // Paris-Lyon by motorway, Paris-Tours by a 70 km/h road.
        K.Arcs[1].Mode = TypeAutoroute().Code;
        K.Arcs[2].Mode = TypeRoute70().Code;
        IndexeArcs();
        RemplitListesNoeuds();
        K.Echelle = 2;
        K.OrigineX = 0;
        K.OrigineY = 700;
        K.VitesseReference = 220;
    }
    void TearDown() override
    {
        DetruitFenetresAnamorphose();
        ReinitialiseDonnees();
    }
    QTemporaryDir dir;
    RepondeurScripte r;
};

// The number of pixels of the bitmap picture that are not white.
int pixelsDessines()
{
    const QImage image = Ima().Image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

} // namespace

TEST_F(AnamorphoseFenetrePrincipale, OKStretchesTheSlowRoadAndDrawsTheNodesInTheMainPicture)
{
    Kelmo k;
    k.ImaZone().DefinitLargeur(600);
    k.ImaZone().DefinitHauteur(500);
    ASSERT_TRUE(k.ActionMenu("menAnamorphose")->isEnabled());
    ASSERT_TRUE(k.ActionMenu("menLectFichFacettes")->isEnabled());
    Ima().Cls();
    ASSERT_EQ(pixelsDessines(), 0);

    ASSERT_TRUE(k.ExecuteMenu("menAnamorphose"));
    frmAnamorphose* f = FenetreAnamorphose();
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(f->ListeModifiable1->itemText(1), "PARIS          ");
    f->ListeModifiable1->setCurrentIndex(1);
    f->cmdOK->click();

    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(K.StatusBar.Panneaux[5], "Anamorphose en 1 pas à partir de PARIS     ");
    // Tours, 70 km/h against the motorway's 110, is pushed out along its
    // own direction from Paris: (600, 1100) + (-130, -100) x 110 / 70.
    EXPECT_NEAR(K.Noeuds[3].X, 600 - 130.0 * 110 / 70, 1e-3) << "single precision at a thousand";
    EXPECT_NEAR(K.Noeuds[3].Y, 1100 - 100.0 * 110 / 70, 1e-3) << "single precision at a thousand";
    EXPECT_EQ(K.Noeuds[2].X, 840);
    EXPECT_NEAR(K.Noeuds[3].XEcran, K.Noeuds[3].X / 2, 1e-3) << "single precision at a thousand";
    EXPECT_GT(pixelsDessines(), 0) << "the nodes drawn in the window's picture";
    EXPECT_EQ(r.appels().back().genre, AppelDialogue::Lancement);
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(AnamorphoseFenetrePrincipale, AnnulerGivesTheMapPictureTheCrossOnlyWhileTheMouseZoomIsOn)
{
    Kelmo k;
    for (const bool zoomSouris : {true, false}) {
        K.Menu("menZoomSouris").Checked = zoomSouris;
        ASSERT_TRUE(k.ExecuteMenu("menAnamorphose"));
        FenetreAnamorphose()->cmdAnnuler->click();
        EXPECT_EQ(k.Ima()->cursor().shape(), zoomSouris ? Qt::CrossCursor : Qt::ArrowCursor);
    }
    EXPECT_EQ(K.Noeuds[3].X, 470);
    EXPECT_TRUE(r.appels().empty());
}
