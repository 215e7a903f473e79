// The arc appearance dialog: which link type a save writes, the kinds of
// colour, the width rules and the preview.
#include "DialoguesAffichageSupport.h"

#include "platform/Nombres.h"
#include "platform/formes/BoutonRotatif.h"
#include "view/Redessin.h"
#include "view/formes/AspectVisuelArcs.h"

#include <QCheckBox>
#include <QImage>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <array>
#include <cmath>

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

bool memeAspect(const TypeArc& a, const TypeArc& b)
{
    return a.EpaisseurBlanc == b.EpaisseurBlanc && a.Epaisseur == b.Epaisseur && a.CouleurCommun == b.CouleurCommun
           && a.CouleurPlus == b.CouleurPlus && a.CouleurMoins == b.CouleurMoins;
}

class AspectVisuelArcsTest : public DialogueTest {
protected:
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    void ouvre() { Kelmo_menArcsTrajets_Click(MontreAspectVisuelArcs); }
    // Selects the list entry of that link type, as a click does.
    void choisit(const QString& nom)
    {
        AspectVisuelArcs_DefinitListIndex(K.Formes.AspectVisuelArcs.ListeDesModes.Entrees.indexOf(nom));
    }
};

TEST_F(AspectVisuelArcsTest, LoadingShowsThePreviewWidthsAndDrawsTheFigure)
{
    AspectVisuelArcs_Charge();
    EXPECT_EQ(a.Text1, QStringLiteral(" 3"));
    EXPECT_EQ(a.Text2, QStringLiteral(" 2"));
    ASSERT_EQ(a.Apercu.size(), 6u);
    const double w = a.LargeurApercu, h = a.HauteurApercu;
    const std::array<std::array<double, 4>, 3> lignes{{{0, 0, w, h}, {w / 2, 0, w / 2, h}, {0, h / 2, w, h / 2}}};
    for (std::size_t i = 0; i < 3; ++i) {
        const SegmentApercu& fond = a.Apercu[2 * i];
        const SegmentApercu& trait = a.Apercu[2 * i + 1];
        EXPECT_EQ((std::array<double, 4>{fond.X1, fond.Y1, fond.X2, fond.Y2}), lignes[i]);
        EXPECT_EQ(fond.Epaisseur, 3);
        EXPECT_EQ(fond.Couleur_, QBColor(7));
        EXPECT_EQ(trait.Epaisseur, 2);
        EXPECT_EQ(trait.Couleur_, a.Image1);
    }
}

TEST_F(AspectVisuelArcsTest, OpeningShowsTheFirstLinkTypeAndChangesNoLinkType)
{
    const auto avant = K.TypesArcs;
    ouvre();
    EXPECT_EQ(appels, QStringList{QStringLiteral("Montre")});
    EXPECT_EQ(K.Formes.AspectVisuelArcs.ListeDesModes.ListIndex, 0);
    EXPECT_EQ(K.TypeArcChoisi.Nom, QStringLiteral("TGV"));
    EXPECT_EQ(a.Text1, QString::number(TypeTGV().EpaisseurBlanc));
    EXPECT_EQ(a.Text2, QString::number(TypeTGV().Epaisseur));
    EXPECT_EQ(a.Image1, TypeTGV().CouleurCommun);
    EXPECT_EQ(a.Text3, QString::number(TypeTGV().CouleurCommun));
    EXPECT_EQ(a.GenreChoisi, 6);
    for (std::size_t i = 0; i < avant.size(); ++i)
        EXPECT_TRUE(memeAspect(avant[i], K.TypesArcs[i])) << avant[i].Nom.toStdString();
    // A second opening shows what the boxes were left with.
    a.Text1 = QStringLiteral("7");
    ouvre();
    EXPECT_EQ(a.Text1, QStringLiteral("7"));
}

TEST_F(AspectVisuelArcsTest, AChoiceOfTypeMadeElsewhereNeverReceivesTheDialogsValues)
{
    // Before anything was shown, a list click saves nothing into the link
    // type another window left in TypeArcChoisi.
    K.TypeArcChoisi = TypeTER();
    const TypeArc ter = TypeTER();
    AspectVisuelArcs_Charge();
    a.Image1 = RGB(1, 2, 3);
    choisit(QStringLiteral("Train"));
    EXPECT_TRUE(memeAspect(ter, TypeTER()));

    // A redraw while the dialog is open moves TypeArcChoisi; OK still saves
    // into the link type shown, and only there.
    AspectVisuelArcs_DefinitText1(QStringLiteral("9"));
    K.TypeArcChoisi = TypeAutoroute();
    const auto avant = K.TypesArcs;
    AspectVisuelArcs_Command1_Click();
    EXPECT_EQ(TypeTrain().EpaisseurBlanc, 9);
    for (std::size_t i = 0; i < avant.size(); ++i) {
        if (static_cast<int>(i) != iTrain) {
            EXPECT_TRUE(memeAspect(avant[i], K.TypesArcs[i])) << avant[i].Nom.toStdString();
        }
    }
    EXPECT_FALSE(K.Annule);
    EXPECT_FALSE(a.Visible);
}

TEST_F(AspectVisuelArcsTest, SwitchingTypeSavesTheShownOneEvenIfCancelledAfterwards)
{
    ouvre();
    AspectVisuelArcs_DefinitText2(QStringLiteral("6"));
    choisit(QStringLiteral("TER"));
    EXPECT_EQ(TypeTGV().Epaisseur, 6);
    EXPECT_EQ(a.Text2, QString::number(TypeTER().Epaisseur));
    AspectVisuelArcs_Commande1_Click();
    EXPECT_TRUE(K.Annule);
    EXPECT_EQ(TypeTGV().Epaisseur, 6);
}

TEST_F(AspectVisuelArcsTest, KindsOfColourGoToOneColourOnlyForTheFourComparedTypes)
{
    const Couleur c = RGB(200, 10, 10);
    struct Cas {
        const char* type;
        int genre;
        bool commun, plus, moins;
    } cas[] = {
        {"Route60", 7, true, true, true}, {"Train", 8, false, false, true}, {"TGV", 7, false, true, false},
        {"Autoroute", 6, true, false, false}, {"Route70", 0, false, false, false}, {"Métro", 0, true, true, true},
    };
    for (const Cas& k : cas) {
        choisit(QString::fromUtf8(k.type));
        const int i = IndiceTypeArcParCode(K.TypeArcChoisi.Code);
        const TypeArc avant = K.TypesArcs[static_cast<std::size_t>(i)];
        a.GenreChoisi = k.genre;
        a.Image1 = c;
        ValideAspectArc();
        const TypeArc& t = K.TypesArcs[static_cast<std::size_t>(i)];
        EXPECT_EQ(t.CouleurCommun, k.commun ? c : avant.CouleurCommun) << k.type;
        EXPECT_EQ(t.CouleurPlus, k.plus ? c : avant.CouleurPlus) << k.type;
        EXPECT_EQ(t.CouleurMoins, k.moins ? c : avant.CouleurMoins) << k.type;
    }
}

TEST_F(AspectVisuelArcsTest, StoredWidthsAreRoundedToEvenAndKeptInTheSpinRange)
{
    choisit(QStringLiteral("Route50"));
    struct Cas {
        const char* blanc;
        const char* trait;
        int16_t blancStocke, traitStocke;
        const char* traitApres;
    } cas[] = {
        {"3.5", "2", 4, 2, "2"},   {"2.5", "0", 2, 1, "1"},    {"4", "abc", 4, 1, "1"},
        {"500", "99999", 20, 20, "99999"}, {"-3", "0.4", 1, 1, "0.4"},
    };
    for (const Cas& c : cas) {
        AspectVisuelArcs_DefinitText1(QString::fromUtf8(c.blanc));
        AspectVisuelArcs_DefinitText2(QString::fromUtf8(c.trait));
        ValideAspectArc();
        EXPECT_EQ(TypeRoute50().EpaisseurBlanc, c.blancStocke) << c.blanc;
        EXPECT_EQ(TypeRoute50().Epaisseur, c.traitStocke) << c.trait;
        EXPECT_EQ(a.Text2, QString::fromUtf8(c.traitApres)) << c.trait;
    }
}

TEST_F(AspectVisuelArcsTest, ColourChoiceAndArrows)
{
    ouvre();
    repondeur->RepondCouleur(QColor(10, 20, 30));
    AspectVisuelArcs_Commande2_Click();
    EXPECT_EQ(a.Image1, RGB(10, 20, 30));
    EXPECT_EQ(a.Text3, QString::number(RGB(10, 20, 30)));
    EXPECT_EQ(a.Apercu.back().Couleur_, RGB(10, 20, 30));
    // The dialog opens on the colour last picked in it.
    repondeur->RepondCouleur(std::nullopt);
    AspectVisuelArcs_Commande2_Click();
    EXPECT_EQ(repondeur->appels().back().texte, QColor(10, 20, 30).name());
    EXPECT_EQ(a.Image1, RGB(10, 20, 30));
    // A new kind changes neither the colour box nor the preview.
    a.GenreChoisi = 8;
    EXPECT_EQ(a.Image1, RGB(10, 20, 30));

    AspectVisuelArcs_Flèches_Click(true);
    EXPECT_EQ(K.TraceFleches, 1);
    AspectVisuelArcs_Flèches_Click(false);
    EXPECT_EQ(K.TraceFleches, 0);
}

TEST_F(AspectVisuelArcsTest, TheWindowEditsTheShownTypeOnly)
{
    InstalleDialoguesAffichage(nullptr);
    ouvre();
    auto* w = static_cast<AspectVisuelArcs*>(FenetreAffichage(FormeDialogue::AspectVisuelArcs));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Aspect visuel des arcs"));
    EXPECT_EQ(w->ListeDesModes->count(), 23);
    EXPECT_EQ(w->ListeDesModes->currentText(), QStringLiteral("TGV"));
    EXPECT_TRUE(w->Option3D6->isChecked());
    EXPECT_FALSE(w->Option3D7->isChecked());
    const QString avant = w->Text1->text();
    w->Spin1->flecheHaut()->click();
    EXPECT_EQ(w->Text1->text(), TexteAvecSigne(ValeurNombre(avant) + 1));
    w->Option3D7->click();
    EXPECT_EQ(a.GenreChoisi, 7);
    EXPECT_FALSE(w->Option3D6->isChecked());
    w->Fleches->click();
    EXPECT_EQ(K.TraceFleches, 1);
    K.TypeArcChoisi = TypeFerry();
    const TypeArc ferry = TypeFerry();
    w->Command1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(TypeTGV().EpaisseurBlanc, ValeurNombre(avant) + 1);
    EXPECT_TRUE(memeAspect(ferry, TypeFerry()));
}

TEST_F(AspectVisuelArcsTest, TheColourNumberCanBeReadOnItsOwnColour)
{
    InstalleDialoguesAffichage(nullptr);
    ouvre();
    auto* w = static_cast<AspectVisuelArcs*>(FenetreAffichage(FormeDialogue::AspectVisuelArcs));
    const auto luminance = [](QRgb p) { return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p); };
    for (const QColor& c : {QColor(0, 0, 0), QColor(0, 0, 128), QColor(128, 128, 128), QColor(255, 255, 0),
                            QColor(255, 255, 255), QColor(200, 0, 0)}) {
        repondeur->RepondCouleur(c);
        w->Commande2->click();
        ASSERT_EQ(w->Text3->text(), QString::number(DepuisQColor(c)));
        const QImage image = w->Text3->grab().toImage();
        // The digits are the pixels that stand out from the box's colour by
        // at least 100 of 255 in brightness.
        int lisibles = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (std::abs(luminance(image.pixel(x, y)) - luminance(c.rgb())) >= 100)
                    ++lisibles;
        EXPECT_GT(lisibles, 15) << c.name().toStdString();
    }
}

} // namespace
