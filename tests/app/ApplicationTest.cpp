// The whole program started headless on the bundled sample tree: the splash
// window becomes the about box, the status bar names the files, and the node
// symbols are on the picture where the projection put them.
#include "app/Application.h"
#include "app/Kelmo.h"
#include "app/Presentation.h"
#include "core/Modele.h"
#include "platform/Chemins.h"
#include "platform/RepondeurScripte.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

using namespace kelmo;

TEST(Application, StartsOnTheBundledDataAndDrawsTheNodesAtTheirProjectedPositions)
{
    ReinitialiseDonnees();
    DefinitCandidatsRacineDonnees({{RacineIntegree()}});
    {
        RepondeurScripte r;
        Kelmo& k = DemarreKelmo();
        EXPECT_TRUE(r.messages().empty()) << (r.messages().empty() ? QString() : r.messages().front()).toStdString();
        EXPECT_FALSE(r.sablierActif());

        Présentation* p = FenetrePresentation();
        ASSERT_NE(p, nullptr);
        EXPECT_FALSE(p->isVisible());
        EXPECT_EQ(p->windowTitle(), "A propos de KELMO...");
        EXPECT_FALSE(p->Command3D1()->isHidden());
        EXPECT_TRUE(k.isVisible());
        // Made to fit a screen smaller than its own size, title bar included.
        EXPECT_TRUE(k.screen()->availableGeometry().contains(k.frameGeometry()));
        EXPECT_TRUE(k.windowTitle().startsWith("KELMO - "));

        ASSERT_GT(K.NbNoeuds, 0);
        ASSERT_GT(K.NbArcs, 0);
        EXPECT_EQ(K.RacineDonnees, CheminLocal(RacineIntegree()));
        EXPECT_EQ(k.Panneau(1)->text(), K.StatusBar.Panneaux[1]);
        EXPECT_TRUE(k.Panneau(1)->text().startsWith(QString::number(K.NbNoeuds) + " noeuds ("));
        EXPECT_TRUE(k.Panneau(1)->text().contains("n157eu.dat"));
        EXPECT_TRUE(k.Panneau(2)->text().startsWith(QString::number(K.NbArcs) + " arcs ("));
        // The whole paths, whatever the panels' width, in their tool tips.
        EXPECT_TRUE(k.Panneau(1)->toolTip().contains(K.NomFichierNoeuds)) << k.Panneau(1)->toolTip().toStdString();
        EXPECT_TRUE(k.Panneau(2)->toolTip().contains(K.NomFichierArcs)) << k.Panneau(2)->toolTip().toStdString();
        EXPECT_EQ(k.Panneau(4)->text(), "Bitmap ");
        EXPECT_FALSE(k.Progression()->isVisible());
        EXPECT_EQ(K.Formes.ParamAffichage.ListeDesEspaces.Entrees.size(), 10);
        // The statistics window's load ran: one grey class of every value from 0 to 1e9.
        EXPECT_EQ(K.NbClasses, 1);
        EXPECT_EQ(K.Classes[1].Couleur, RGB(254, 254, 254));
        EXPECT_EQ(K.Classes[1].Epaisseur, 1.0f);
        EXPECT_EQ(K.Formes.Statistiques.Text3, K.FichierNoeudValeur1);

        // Every node on the picture has its symbol's colour at its centre.
        const ZoneImageBitmap& ima = k.ImaZone();
        int dansImage = 0, dessines = 0;
        for (int i = 1; i <= K.NbNoeuds; ++i) {
            const Noeud& n = K.Noeuds[static_cast<std::size_t>(i)];
            const int x = static_cast<int>(std::floor(n.XEcran));
            const int y = static_cast<int>(std::floor(n.YEcran));
            if (x < 3 || y < 3 || x >= ima.LargeurPixels() - 3 || y >= ima.HauteurPixels() - 3)
                continue;
            ++dansImage;
            if (ima.Pixel(x, y) != RGB(255, 255, 255))
                ++dessines;
        }
        ASSERT_GT(dansImage, 0);
        EXPECT_EQ(dessines, dansImage);
        // No arcs at start-up: the background between nodes stays white.
        EXPECT_EQ(ima.Pixel(1, 1), RGB(255, 255, 255));

        // The pointer moves: panel 3 shows network coordinates.
        k.Kelmo_Ima_MouseMove(0, 0, K.OrigineX + 10, K.OrigineY - 20);
        EXPECT_EQ(k.Panneau(3)->text(), QString::number(static_cast<int>(10 * K.Echelle)) + ", "
                                            + QString::number(static_cast<int>(20 * K.Echelle)));
        ArreteKelmo();
    }
    RetablitCandidatsRacineDonnees();
    ReinitialiseDonnees();
}
