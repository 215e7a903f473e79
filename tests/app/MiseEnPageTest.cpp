// The map area's layout: when each scroll bar shows, its range, and that the
// whole picture can be scrolled into view.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "app/MiseEnPage.h"
#include "platform/RepondeurScripte.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

TEST(MiseEnPage, BarsShowOnlyForAStrictlyLargerPictureAndTheRangeIsTheExcess)
{
    const int e = 16;
    struct Cas {
        QSize zone, image;
        bool h, v;
        int maxH, maxV;
        QSize conteneur;
    };
    const Cas cas[] = {
        // 400 x 300 in a 300 x 300 container: horizontal bar only.
        {{300, 300 + e}, {400, 300}, true, false, 100, 0, {300, 300}},
        {{400, 300}, {400, 300}, false, false, 0, 0, {400, 300}},
        {{800, 600}, {400, 300}, false, false, 0, 0, {800, 600}},
        // One bar takes the room that makes the other necessary.
        {{400, 300}, {401, 295}, true, true, 401 - (400 - e), 295 - (300 - e), {400 - e, 300 - e}},
        {{300, 200}, {1000, 900}, true, true, 1000 - 284, 900 - 184, {284, 184}},
        // Smaller than a bar: an empty container, never a negative one.
        {{5, 5}, {100, 100}, true, true, 100, 100, {0, 0}},
    };
    for (const Cas& c : cas) {
        const MiseEnPageCarte m = CalculeMiseEnPage(c.zone, c.image, e);
        EXPECT_EQ(m.barreHVisible, c.h) << c.zone.width() << "x" << c.zone.height();
        EXPECT_EQ(m.barreVVisible, c.v) << c.zone.width() << "x" << c.zone.height();
        EXPECT_EQ(m.maxH, c.maxH);
        EXPECT_EQ(m.maxV, c.maxV);
        EXPECT_EQ(m.conteneur.size(), c.conteneur);
        // Bars lie beside the container, never over it.
        if (m.barreHVisible) {
            EXPECT_EQ(m.barreH.top(), m.conteneur.bottom() + 1);
        }
        if (m.barreVVisible) {
            EXPECT_EQ(m.barreV.left(), m.conteneur.right() + 1);
        }
        // Scrolled to the end, the last column and row are inside the container.
        EXPECT_EQ(m.maxH, std::max(0, c.image.width() - m.conteneur.width()));
        EXPECT_EQ(m.maxV, std::max(0, c.image.height() - m.conteneur.height()));
    }
}

TEST(MiseEnPage, TheWindowsScrollBarsReachThePicturesLastPixelAndFollowTheMode)
{
    ModeleDemarre();
    RepondeurScripte r;
    {
        Kelmo k;
        k.ImaZone().DefinitHauteur(250);
        k.ImaZone().DefinitLargeur(350);
        k.ImaVecZone().DefinitHauteur(250);
        k.ImaVecZone().DefinitLargeur(350);
        k.resize(500, 400);
        k.show();
        QApplication::processEvents();
        k.Kelmo_Form_Resize();
        const MiseEnPageCarte& m = k.DerniereMiseEnPage();
        ASSERT_TRUE(k.HScroll2()->isVisible());
        ASSERT_TRUE(k.VScroll2()->isVisible());
        EXPECT_FALSE(k.HScroll1()->isVisible());
        EXPECT_EQ(k.HScroll2()->maximum(), k.ImaZone().LargeurPixels() - m.conteneur.width());
        k.HScroll2()->setValue(k.HScroll2()->maximum());
        k.VScroll2()->setValue(k.VScroll2()->maximum());
        EXPECT_EQ(k.Ima()->x(), -k.HScroll2()->maximum());
        EXPECT_EQ(k.Ima()->x() + k.Ima()->width(), k.ImaContientIma()->width());
        EXPECT_EQ(k.Ima()->y() + k.Ima()->height(), k.ImaContientIma()->height());
        // The bars end where the map area ends: above the status bar.
        EXPECT_LE(k.ZoneCarte()->mapTo(&k, QPoint(0, k.HScroll2()->geometry().bottom())).y(),
                  k.statusBar()->geometry().top());

        // A larger window: the range shrinks and the picture is pulled back.
        k.resize(1400, 1100);
        QApplication::processEvents();
        k.Kelmo_Form_Resize();
        EXPECT_FALSE(k.HScroll2()->isVisible());
        EXPECT_EQ(k.Ima()->x(), 0);
        EXPECT_EQ(k.Ima()->y(), 0);

        k.resize(500, 400);
        QApplication::processEvents();
        ASSERT_TRUE(k.ExecuteMenu("menImageVectorielle"));
        EXPECT_EQ(k.Panneau(4)->text(), "MétaFichier ");
        EXPECT_TRUE(K.Menu("menImageVectorielle").Checked);
        EXPECT_FALSE(k.ImaContientIma()->isVisible());
        EXPECT_FALSE(k.HScroll2()->isVisible());
        EXPECT_TRUE(k.ImaContientImaVec()->isVisible());
        EXPECT_TRUE(k.HScroll1()->isVisible());
        // Double-click on panel 4 switches back.
        k.Kelmo_StatusBar_PanelDblClick(4);
        EXPECT_EQ(k.Panneau(4)->text(), "Bitmap ");
        EXPECT_FALSE(k.ImaContientImaVec()->isVisible());
        EXPECT_FALSE(k.HScroll1()->isVisible());
        EXPECT_TRUE(k.ImaContientIma()->isVisible());
        // Panels 3 and 5 do nothing.
        k.Kelmo_StatusBar_PanelDblClick(3);
        k.Kelmo_StatusBar_PanelDblClick(5);
        EXPECT_TRUE(r.appels().empty());
        // Panels 1 and 2 start the network files command.
        k.Kelmo_StatusBar_PanelDblClick(2);
        ASSERT_EQ(r.appels().size(), 1u);
        EXPECT_EQ(r.appels()[0].titre, "Fichier des noeuds...");
    }
    ReinitialiseDonnees();
}
