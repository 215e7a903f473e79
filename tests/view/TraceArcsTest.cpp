// The arc selection dialog "Arcs": its buttons of the link types present,
// the DXF width box, OK and Annuler through the modal window.
#include "DialoguesAffichageSupport.h"

#include "core/DonneesDerivees.h"
#include "core/Images.h"
#include "support/Reseau.h"
#include "view/Redessin.h"
#include "view/formes/TraceArcs.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

class TraceArcsTest : public DialogueTest {
protected:
    void SetUp() override
    {
        DialogueTest::SetUp();
        test::Noeud_(QStringLiteral("A"), 10, 0, 10, 10);
        test::Noeud_(QStringLiteral("B"), 20, 0, 60, 40);
        test::Arc_(10, 20, TypeTrain().Code);
        test::Arc_(20, 10, TypeTGV().Code);
        test::Arc_(10, 20, TypeRoute70().Code);
        IndexeArcs();
        RemplitListesTypes();
    }
    TraceArcs* fenetre() { return static_cast<TraceArcs*>(FenetreAffichage(FormeDialogue::TraceArcs)); }
};

TEST_F(TraceArcsTest, TheDxfWidthIsAskedOnlyWhenTickedAndKeptWhenCancelled)
{
    K.EpaisseurArcsDXF = 0.75;
    TraceArcs_DXFCouleurNoeuds_Change(0);
    EXPECT_TRUE(repondeur->appels().empty());
    repondeur->RepondTexte(std::nullopt);
    TraceArcs_DXFCouleurNoeuds_Change(1);
    ASSERT_EQ(repondeur->appels().size(), 1u);
    EXPECT_EQ(repondeur->appels()[0].texte, QStringLiteral("Entrez l'épaisseur des arcs en DXF :"));
    EXPECT_EQ(repondeur->appels()[0].titre, QStringLiteral("Jonction Kelmo - DXF"));
    EXPECT_EQ(repondeur->appels()[0].arguments, QStringList{QStringLiteral(".5")});
    EXPECT_EQ(K.EpaisseurArcsDXF, 0.75);
    repondeur->RepondTexte(QStringLiteral("2.5 mm"));
    TraceArcs_DXFCouleurNoeuds_Change(1);
    EXPECT_EQ(K.EpaisseurArcsDXF, 2.5);
}

TEST_F(TraceArcsTest, TheWindowListsThePresentTypesAndOkDrawsThemOverThePicture)
{
    RetablitLiensDialogues();
    InstalleDialoguesAffichage(nullptr);
    ImagesDeTest images;
    K.Formes.TraceArcs.Choix = ChoixTraceArcs::TousModesRoute;
    QTimer::singleShot(0, [this] {
        TraceArcs* w = fenetre();
        EXPECT_TRUE(w->isModal());
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Arcs"));
        ASSERT_EQ(w->Option3DMode.size(), static_cast<std::size_t>(K.NbModesPresents) + 1);
        ASSERT_EQ(K.NbModesPresents, 3);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(w->Option3DMode[static_cast<std::size_t>(i)]->text(), K.Formes.TraceArcs.Option3DMode[static_cast<std::size_t>(i)]);
        EXPECT_TRUE(w->ModesPresents->isChecked()); // chosen at every opening
        EXPECT_EQ(w->Inertes.size(), 14u);
        EXPECT_EQ(w->Inertes.back()->text(), QStringLiteral("T G V"));
        repondeur->RepondTexte(QStringLiteral("3"));
        w->DXFCouleurNoeuds->click();
        EXPECT_EQ(K.Formes.TraceArcs.DXFCouleurNoeuds, 1);
        w->DXFCouleurNoeuds->click(); // unticking asks nothing
        EXPECT_EQ(repondeur->appels().size(), 1u);
        w->Option3DMode[2]->click();
        EXPECT_EQ(K.Formes.TraceArcs.Choix, ChoixTraceArcs::Option3DMode);
        EXPECT_EQ(K.Formes.TraceArcs.Option3DModeChoisi, 2);
        w->Command3D2->click();
    });
    Kelmo_menTraceTrajets_Click(MontreTraceArcs);
    EXPECT_FALSE(K.Annule);
    EXPECT_EQ(K.EpaisseurArcsDXF, 3);
    EXPECT_FALSE(fenetre()->isVisible());
    EXPECT_TRUE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty());
    EXPECT_FALSE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline).empty());
}

TEST_F(TraceArcsTest, CancelAndTheCloseBoxDrawNothing)
{
    RetablitLiensDialogues();
    InstalleDialoguesAffichage(nullptr);
    ImagesDeTest images;
    for (bool parLaCroix : {false, true}) {
        QTimer::singleShot(0, [this, parLaCroix] {
            if (parLaCroix)
                fenetre()->close();
            else
                fenetre()->Command3D1->click();
        });
        Kelmo_menTraceTrajets_Click(MontreTraceArcs);
        EXPECT_TRUE(K.Annule) << parLaCroix;
        EXPECT_FALSE(fenetre()->isVisible());
        EXPECT_TRUE(images.ima.Appels.empty());
    }
}

} // namespace
