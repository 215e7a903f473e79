// One reset puts back every piece of state a test can change: the model, each
// window's controls, the hooks the later subsystems install into the drawing,
// the relief and the map's clicks, the link type being drawn and the metafile
// recorder.
#include "core/Commandes.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/Images.h"
#include "relief/GeometrieArcRelief.h"
#include "relief/LiensCarte.h"
#include "view/CrochetsDessinCarte.h"
#include "view/DessinArcs.h"

#include <gtest/gtest.h>

using namespace kelmo;

namespace {

TEST(Reinitialisation, NoHookOrGlobalSurvivesIntoTheNextTest)
{
    ReinitialiseDonnees();
    ClicsCarte().ModifArcs = [](double, double, int) {};
    ClicsCarte().DigitaliseNoeud = [](double, double) {};
    DessineArcDegrade = [](int32_t) {};
    TraceArcCouleursNoeuds = [](int, int) {};
    EcritArcsCouleursNoeudsDXF = [] {};
    TypeArcTrace.Code = 42;
    TypeArcTrace.Nom = QStringLiteral("TGV");
    DebutMetaFichier();
    PointsPolygone[1] = QPoint(3, 4);
    NbFormesMetaFichier = 7;
    FinMetaFichier();
    ASSERT_TRUE(MetaFichier.has_value());

    ReinitialiseDonnees();

    EXPECT_FALSE(ClicsCarte().ModifArcs);
    EXPECT_FALSE(ClicsCarte().DigitaliseNoeud);
    EXPECT_FALSE(DessineArcDegrade);
    EXPECT_FALSE(TraceArcCouleursNoeuds);
    EXPECT_FALSE(EcritArcsCouleursNoeudsDXF);
    EXPECT_EQ(TypeArcTrace.Code, 0);
    EXPECT_TRUE(TypeArcTrace.Nom.isEmpty());
    EXPECT_FALSE(MetaFichier.has_value());
    EXPECT_EQ(PointsPolygone[1], QPoint());
    EXPECT_EQ(NbFormesMetaFichier, 0);
    EXPECT_EQ(DCMeta(), ContexteMeta::Aucun);
}

TEST(Reinitialisation, TheReliefReachesTheRealMapDrawingAgainAfterAReset)
{
    ReinitialiseDonnees();
    int enregistres = 0;
    LiensVersCarte().RedessineCarte = [&] { ++enregistres; };
    ReinitialiseDonnees();
    ImagesDeTest images;
    K.Formes.OptionsRedess.EffaceImage.Value = true;
    LiensVersCarte().RedessineCarte();
    EXPECT_EQ(enregistres, 0);
    EXPECT_FALSE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty());
}

TEST(Reinitialisation, EveryWindowsControlsGoBackToTheirFirstState)
{
    ReinitialiseDonnees();
    FormesKelmo& f = K.Formes;
    f.Angles.Texte1 = QStringLiteral(" 30 deg");
    f.Angles.Visible = true;
    f.SeuilsAffichage.TexteListeModifiable1 = QStringLiteral("12");
    f.SeuilsAffichage.TexteInitialise = true;
    f.AspectVisuelNoeuds.Minuscules = false;
    f.AspectVisuelNoeuds.Charge = true;
    f.AspectVisuelArcs.TypeAffiche = true;
    f.AspectVisuelArcs.ListeDesModes.AddItem(QStringLiteral("TGV"));
    f.ParamAffichage.TexteListeDesEspaces = QStringLiteral("France");
    f.OptionsRedess.EffaceImage.Value = false;
    f.TraceArcs.Choix = ChoixTraceArcs::TGVSiteClassique;
    f.TraceArcs.Option3DMode.push_back(QStringLiteral("TGV"));
    f.frmAnamorphose.ListeModifiable1.AddItem(QStringLiteral("PARIS"));

    ReinitialiseDonnees();

    EXPECT_TRUE(f.Angles.Texte1.isEmpty());
    EXPECT_FALSE(f.Angles.Visible);
    EXPECT_TRUE(f.SeuilsAffichage.TexteListeModifiable1.isEmpty());
    EXPECT_FALSE(f.SeuilsAffichage.TexteInitialise);
    EXPECT_TRUE(f.AspectVisuelNoeuds.Minuscules);
    EXPECT_FALSE(f.AspectVisuelNoeuds.Charge);
    EXPECT_FALSE(f.AspectVisuelArcs.TypeAffiche);
    EXPECT_TRUE(f.AspectVisuelArcs.ListeDesModes.Entrees.isEmpty());
    EXPECT_EQ(f.ParamAffichage.TexteListeDesEspaces, QStringLiteral("Espace"));
    EXPECT_TRUE(f.OptionsRedess.EffaceImage.Value);
    EXPECT_EQ(f.TraceArcs.Choix, ChoixTraceArcs::ModesPrésents);
    EXPECT_EQ(f.TraceArcs.Option3DMode.size(), 1u);
    EXPECT_TRUE(f.frmAnamorphose.ListeModifiable1.Entrees.isEmpty());
}

} // namespace
