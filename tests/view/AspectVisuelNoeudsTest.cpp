// The node appearance dialog: every choice applies at once, the font goes to
// both pictures, bad widths and radii are kept drawable.
#include "DialoguesAffichageSupport.h"

#include "core/Images.h"
#include "view/formes/AspectVisuelNoeuds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

class AspectVisuelNoeudsTest : public DialogueTest {
protected:
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
};

TEST_F(AspectVisuelNoeudsTest, LoadingFillsTheListsOnceAndShowsTheCurrentValues)
{
    K.RayonNoeuds = 7.5;
    Kelmo_menOptionsAffichageVilles_Click();
    EXPECT_EQ(appels, QStringList{QStringLiteral("Montre")});
    ASSERT_EQ(n.Combo1.Entrees.size(), 60);
    EXPECT_EQ(n.Combo2.Entrees.back(), QStringLiteral("60"));
    EXPECT_EQ(n.TexteCombo1, QStringLiteral(" 7.5"));
    EXPECT_EQ(n.TexteCombo2, QStringLiteral(" 1"));
    EXPECT_EQ(K.RayonNoeuds, 7.5);
    EXPECT_TRUE(n.Apercu.Dessine);
    EXPECT_EQ(n.Apercu.X, n.LargeurApercu / 2);
    EXPECT_EQ(n.Apercu.Rayon, 7.5);
    Kelmo_menOptionsAffichageVilles_Click();
    EXPECT_EQ(n.Combo1.Entrees.size(), 60);
}

TEST_F(AspectVisuelNoeudsTest, RadiusAndWidthApplyAtOnceAndStayDrawable)
{
    AspectVisuelNoeuds_Charge();
    AspectVisuelNoeuds_Combo1_Click(14);
    EXPECT_EQ(K.RayonNoeuds, 15);
    EXPECT_EQ(n.Apercu.Rayon, 15);
    struct Cas {
        const char* rayon;
        const char* epaisseur;
        double rayonStocke, epaisseurStockee;
        int epaisseurDessinee;
    } cas[] = {
        {"7.5", "2.5", 7.5, 2.5, 2}, {"-4", "0.4", 0, 1, 1}, {"abc", "-2", 0, 1, 1}, {"3", "3.5", 3, 3.5, 4},
    };
    for (const Cas& c : cas) {
        AspectVisuelNoeuds_DefinitTexteCombo1(QString::fromUtf8(c.rayon));
        AspectVisuelNoeuds_DefinitTexteCombo2(QString::fromUtf8(c.epaisseur));
        EXPECT_EQ(K.RayonNoeuds, c.rayonStocke) << c.rayon;
        EXPECT_EQ(K.EpaisseurNoeuds, c.epaisseurStockee) << c.epaisseur;
        EXPECT_EQ(n.Apercu.Epaisseur, c.epaisseurDessinee) << c.epaisseur;
        EXPECT_GE(n.Apercu.Rayon, 0);
    }
}

TEST_F(AspectVisuelNoeudsTest, ColoursApplyAtOnceAndCancelUndoesNothing)
{
    AspectVisuelNoeuds_Charge();
    repondeur->RepondCouleur(QColor(0, 0, 255));
    AspectVisuelNoeuds_Command3D1_Click();
    EXPECT_EQ(K.CouleurInterieurNoeuds, RGB(0, 0, 255));
    EXPECT_EQ(n.Apercu.Interieur, RGB(0, 0, 255));
    repondeur->RepondCouleur(std::nullopt);
    AspectVisuelNoeuds_Command3D2_Click();
    EXPECT_EQ(K.CouleurBordNoeuds, QBColor(7));
    EXPECT_EQ(repondeur->appels().back().texte, QColor(0, 0, 255).name()); // opens on the last pick
    AspectVisuelNoeuds_Command3D3_Click();
    EXPECT_TRUE(K.Annule);
    EXPECT_EQ(K.CouleurInterieurNoeuds, RGB(0, 0, 255));
}

TEST_F(AspectVisuelNoeudsTest, FontGoesToBothPicturesWithTheNameColour)
{
    ImagesDeTest images;
    RetablitLiensDialogues();
    Police p;
    p.nom = QStringLiteral("Courier");
    p.taille = 12;
    p.gras = true;
    p.souligne = true;
    p.couleur = QColor(255, 0, 0);
    repondeur->RepondPolice(p);
    AspectVisuelNoeuds_Police_Click();
    EXPECT_EQ(repondeur->derniereDemandePolice.nom, QStringLiteral("Arial"));
    for (ZoneImage* z : {static_cast<ZoneImage*>(&images.ima), static_cast<ZoneImage*>(&images.imaVec)}) {
        EXPECT_EQ(z->FontName, QStringLiteral("Courier"));
        EXPECT_EQ(z->FontSize, 12);
        EXPECT_TRUE(z->FontBold);
        EXPECT_FALSE(z->FontItalic);
        EXPECT_TRUE(z->FontUnderline);
    }
    EXPECT_EQ(K.CouleurNoms, RGB(255, 0, 0));
    repondeur->RepondPolice(std::nullopt);
    AspectVisuelNoeuds_Police_Click();
    EXPECT_EQ(images.ima.FontName, QStringLiteral("Courier"));
    EXPECT_EQ(K.CouleurNoms, RGB(255, 0, 0));
}

TEST_F(AspectVisuelNoeudsTest, TheWindowWritesAtOnceAndOpensTheThresholds)
{
    InstalleDialoguesAffichage(nullptr);
    Kelmo_menOptionsAffichageVilles_Click();
    auto* w = static_cast<AspectVisuelNoeuds*>(FenetreAffichage(FormeDialogue::AspectVisuelNoeuds));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Paramétres d'affichage des noeuds"));
    EXPECT_EQ(w->Command3D4->text(), QStringLiteral("OK "));
    EXPECT_EQ(w->Combo1->currentText(), QStringLiteral(" 2"));
    w->Combo1->setEditText(QStringLiteral("9"));
    EXPECT_EQ(K.RayonNoeuds, 9);
    w->Minuscules->setChecked(!K.Formes.AspectVisuelNoeuds.Minuscules);
    EXPECT_EQ(K.Formes.AspectVisuelNoeuds.Minuscules, w->Minuscules->isChecked());
    w->Seuils->click();
    EXPECT_TRUE(K.Formes.SeuilsAffichage.Visible);
    EXPECT_TRUE(FenetreAffichage(FormeDialogue::SeuilsAffichage)->isVisible());
    w->Command3D4->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(K.Annule);
}

TEST_F(AspectVisuelNoeudsTest, ARadiusTypedAndEnterIsTheRadiusTheDialogShowsAgain)
{
    InstalleDialoguesAffichage(nullptr);
    Kelmo_menOptionsAffichageVilles_Click();
    auto* w = static_cast<AspectVisuelNoeuds*>(FenetreAffichage(FormeDialogue::AspectVisuelNoeuds));
    w->Combo1->lineEdit()->setText(QStringLiteral("1e308"));
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w->Combo1->lineEdit(), &entree);
    w->Command3D4->click();
    Kelmo_menOptionsAffichageVilles_Click();
    EXPECT_EQ(K.RayonNoeuds, 1e308);
    EXPECT_EQ(w->Combo1->currentText(), QStringLiteral("1e308"));
    EXPECT_EQ(w->Combo1->count(), 60) << "what was typed is no entry of the list";
}

} // namespace

// Each guard of the radius list alone: what is typed and Enter adds no entry,
// and a choice that the list does not hold changes nothing.
TEST_F(AspectVisuelNoeudsTest, TheRadiusListTakesNoTypedEntryAndIgnoresAChoiceItDoesNotHold)
{
    InstalleDialoguesAffichage(nullptr);
    Kelmo_menOptionsAffichageVilles_Click();
    auto* w = static_cast<AspectVisuelNoeuds*>(FenetreAffichage(FormeDialogue::AspectVisuelNoeuds));
    const int entrees = w->Combo1->count();
    int choix = 0;
    QObject::connect(w->Combo1, qOverload<int>(&QComboBox::activated), [&choix](int) { ++choix; });
    w->Combo1->lineEdit()->setText(QStringLiteral("7.25"));
    QKeyEvent entree(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w->Combo1->lineEdit(), &entree);
    EXPECT_EQ(choix, 0) << "what is typed becomes no entry to choose";
    EXPECT_EQ(K.RayonNoeuds, 7.25);
    const int choisie = K.Formes.AspectVisuelNoeuds.Combo1.ListIndex;
    for (int hors : {-1, entrees}) {
        AspectVisuelNoeuds_Combo1_Click(hors);
        EXPECT_EQ(K.RayonNoeuds, 7.25) << hors;
        EXPECT_EQ(K.Formes.AspectVisuelNoeuds.Combo1.ListIndex, choisie) << hors;
    }
}
