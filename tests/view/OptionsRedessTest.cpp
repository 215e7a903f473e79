// "Options pour redessiner" through its modal window: the start-up ticks,
// "Modes présents" locking the groups, and closing without a cancel.
#include "DialoguesAffichageSupport.h"

#include "view/formes/FenetreDialogue.h"
#include "view/formes/OptionsRedess.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QTimer>

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

class OptionsRedessTest : public DialogueTest {
protected:
    OptionsRedess* fenetre() { return static_cast<OptionsRedess*>(FenetreAffichage(FormeDialogue::OptionsRedess)); }
};

TEST_F(OptionsRedessTest, ModesPresentsUnticksAndLocksTheGroupsAndOkKeepsTheTicks)
{
    InstalleDialoguesAffichage(nullptr);
    QTimer::singleShot(0, [this] {
        OptionsRedess* w = fenetre();
        EXPECT_TRUE(w->isModal());
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Options pour redessiner"));
        EXPECT_TRUE(w->EffaceImage->isChecked());
        EXPECT_TRUE(w->TousModesRoute->isChecked());
        EXPECT_FALSE(w->TousModesUrbains->isChecked());
        EXPECT_TRUE(w->AfficheNoeuds->isChecked());
        EXPECT_TRUE(w->AfficheNomsNoeuds->isChecked());
        w->TGVSeulement->click();
        w->ModesPresents->click();
        for (QCheckBox* b : {w->TousModesRoute, w->TousModesUrbains, w->ModesCollectifsUrbains,
                             w->TousModesFerroviaires, w->TGVSeulement, w->Autoroute}) {
            EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
            EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        }
        w->ModesPresents->click();
        EXPECT_TRUE(w->Autoroute->isEnabled());
        EXPECT_FALSE(w->TGVSeulement->isChecked());
        w->AfficheNomsNoeuds->click();
        w->Command3D1->click();
    });
    Kelmo_menOptionsRedessine_Click();
    EXPECT_FALSE(fenetre()->isVisible());
    const ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    EXPECT_FALSE(o.Visible);
    EXPECT_FALSE(o.TousModesRoute.Value);
    EXPECT_FALSE(o.TGVSeulement.Value);
    EXPECT_FALSE(o.ModesPrésents.Value);
    EXPECT_FALSE(o.AfficheNomsNoeuds.Value);
    EXPECT_TRUE(o.AfficheNoeuds.Value);
    EXPECT_TRUE(o.EffaceImage.Value);
}

TEST_F(OptionsRedessTest, TheCloseBoxLeavesTheBoxesAsTheyAre)
{
    InstalleDialoguesAffichage(nullptr);
    K.Annule = false;
    QTimer::singleShot(0, [this] {
        fenetre()->Autoroute->click();
        fenetre()->close();
    });
    Kelmo_menOptionsRedessine_Click();
    EXPECT_TRUE(K.Formes.OptionsRedess.Autoroute.Value);
    EXPECT_FALSE(K.Formes.OptionsRedess.Visible);
    EXPECT_FALSE(K.Annule); // this dialog has no cancel flag
}

TEST_F(OptionsRedessTest, EveryDisplayDialogIsWideEnoughForItsWholeTitle)
{
    InstalleDialoguesAffichage(nullptr);
    for (FormeDialogue f : {FormeDialogue::OptionsRedess, FormeDialogue::Angles, FormeDialogue::SeuilsAffichage,
                            FormeDialogue::AspectVisuelNoeuds, FormeDialogue::AspectVisuelArcs,
                            FormeDialogue::ParamAffichage, FormeDialogue::TraceArcs}) {
        FenetreDialogue* w = FenetreAffichage(f);
        w->show();
        QFont gras = w->font();
        gras.setBold(true);
        // The bold title and at least the icon and three buttons of a title bar.
        const int titre = QFontMetrics(gras).horizontalAdvance(w->windowTitle()) + 4 * 28;
        EXPECT_GE(w->width(), titre) << w->windowTitle().toStdString();
        EXPECT_GE(w->minimumWidth(), titre) << w->windowTitle().toStdString();
        w->hide();
    }
}

} // namespace
