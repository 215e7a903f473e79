// The display spaces dialog: the boxes it fills, what "Ok" applies and
// redraws, input it refuses, and closing it without its buttons.
#include "DialoguesAffichageSupport.h"

#include "core/Defauts.h"
#include "core/Images.h"
#include "view/formes/ParamAffichage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

class ParamAffichageTest : public DialogueTest {
protected:
    void SetUp() override
    {
        DialogueTest::SetUp();
        DefinitEspaces(250, 350);
        images = std::make_unique<ImagesDeTest>();
        Liens().TailleIma = [] { return TailleImages{Ima().Height(), Ima().Width()}; };
    }
    void TearDown() override
    {
        images.reset();
        DialogueTest::TearDown();
    }
    int indexEspace(const QString& nom)
    {
        const QStringList& e = K.Formes.ParamAffichage.ListeDesEspaces.Entrees;
        for (int i = 0; i < e.size(); ++i)
            if (e[i].trimmed() == nom)
                return i;
        return -1;
    }
    ModeleParamAffichage& p = K.Formes.ParamAffichage;
    std::unique_ptr<ImagesDeTest> images;
};

TEST_F(ParamAffichageTest, ChoosingASpaceAndOkAppliesItAndRedrawsTheNodes)
{
    reponse = [this] {
        EXPECT_FALSE(K.Annule); // cleared before the dialog shows
        ParamAffichage_DefinitListIndex(indexEspace(QStringLiteral("Espace théorique 600")));
        EXPECT_EQ(p.CoefficientZoom, QStringLiteral("1.6"));
        EXPECT_EQ(p.xZoom, QStringLiteral("-70"));
        EXPECT_EQ(p.yZoom, QStringLiteral("-130"));
        EXPECT_EQ(p.HauteurImage, QStringLiteral("15"));
        EXPECT_EQ(p.LargeurImage, QStringLiteral("15"));
        ParamAffichage_Command3D2_Click();
    };
    K.Annule = true;
    K.AngleHorizontal = 0.5;
    Kelmo_menParamAffichage_Click();
    EXPECT_FLOAT_EQ(static_cast<float>(K.Echelle), 1.6f);
    EXPECT_EQ(K.OrigineX, -70);
    EXPECT_EQ(K.OrigineY, -130);
    EXPECT_EQ(Ima().Height(), 150);
    EXPECT_EQ(Ima().Width(), 150);
    EXPECT_EQ(ImaVec().Width(), 150);
    const QStringList attendu{QStringLiteral("Montre modal"), QStringLiteral("Resize"), QStringLiteral("Calcule"),
                              QStringLiteral("Tourne 0.5 PARIS"), QStringLiteral("Incline 0"), QStringLiteral("Trie"),
                              QStringLiteral("Efface"), QStringLiteral("Noeuds 1 0")};
    EXPECT_EQ(appels, attendu);
}

TEST_F(ParamAffichageTest, BoxesShowTheCurrentViewAtEachOpening)
{
    reponse = [this] {
        EXPECT_EQ(p.CoefficientZoom, QStringLiteral("3"));
        EXPECT_EQ(p.yZoom, QStringLiteral("1100"));
        EXPECT_EQ(p.HauteurImage, QStringLiteral("25."));
        EXPECT_EQ(p.LargeurImage, QStringLiteral("35."));
        ParamAffichage_DefinitListIndex(0);
        ParamAffichage_Command3D1_Click();
    };
    Kelmo_menParamAffichage_Click();
    EXPECT_TRUE(K.Annule);
    EXPECT_EQ(K.Echelle, 3);
    EXPECT_EQ(appels, QStringList{QStringLiteral("Montre modal")});
    // The cancelled choice leaves no trace in the boxes.
    Kelmo_menParamAffichage_Click();
}

TEST_F(ParamAffichageTest, NoRecalculationChangesTheViewButDrawsNothing)
{
    reponse = [this] {
        p.PasDeRecalcul = true;
        p.CoefficientZoom = QStringLiteral("0.1234567");
        p.HauteurImage = QStringLiteral("19.5");
        p.LargeurImage = QStringLiteral("20.");
        ParamAffichage_Command3D2_Click();
    };
    Kelmo_menParamAffichage_Click();
    EXPECT_FLOAT_EQ(static_cast<float>(K.Echelle), 0.12346f);
    EXPECT_EQ(Ima().Height(), 195);
    EXPECT_EQ(Ima().Width(), 200);
    EXPECT_EQ(appels, (QStringList{QStringLiteral("Montre modal"), QStringLiteral("Resize")}));
}

TEST_F(ParamAffichageTest, RegionalNumbersAreReadBackWithTheRegionalRule)
{
    K.SeparateurDecimal = ',';
    K.OrigineX = -35.7821;
    K.Echelle = 0.9765;
    reponse = [this] {
        EXPECT_EQ(p.xZoom, QStringLiteral("-35,7821"));
        EXPECT_EQ(p.CoefficientZoom, QStringLiteral("0,9765"));
        EXPECT_EQ(p.HauteurImage, QStringLiteral("25,"));
        ParamAffichage_Command3D2_Click();
    };
    Kelmo_menParamAffichage_Click();
    EXPECT_DOUBLE_EQ(K.OrigineX, -35.7821);
    EXPECT_FLOAT_EQ(static_cast<float>(K.Echelle), 0.9765f);
    EXPECT_EQ(Ima().Height(), 250);
    // A typed point is read as well.
    reponse = [this] {
        p.yZoom = QStringLiteral("12.5");
        ParamAffichage_Command3D2_Click();
    };
    Kelmo_menParamAffichage_Click();
    EXPECT_DOUBLE_EQ(K.OrigineY, 12.5);
}

TEST_F(ParamAffichageTest, BadNumbersGiveAMessageAndChangeNothing)
{
    struct Cas {
        const char* coefficient;
        const char* hauteur;
        const char* message;
    } cas[] = {
        {"", "25", "Le coefficient de zoom doit être un nombre."},
        {"abc", "25", "Le coefficient de zoom doit être un nombre."},
        {"2", "grand", "La hauteur et la largeur de l'image doivent être des nombres."},
        {"2", "4000", "La hauteur et la largeur de l'image ne peuvent pas dépasser 3276,7 cm."},
    };
    for (const Cas& c : cas) {
        repondeur->efface();
        appels.clear();
        reponse = [&] {
            p.CoefficientZoom = QString::fromUtf8(c.coefficient);
            p.HauteurImage = QString::fromUtf8(c.hauteur);
            p.xZoom = QStringLiteral("99");
            ParamAffichage_Command3D2_Click();
        };
        Kelmo_menParamAffichage_Click();
        ASSERT_EQ(repondeur->messages().size(), 1u) << c.coefficient;
        EXPECT_EQ(repondeur->messages()[0], QString::fromUtf8(c.message));
        EXPECT_EQ(repondeur->appels()[0].titre, QStringLiteral("Erreur"));
        EXPECT_EQ(K.Echelle, 3);
        EXPECT_EQ(K.OrigineX, 0);
        EXPECT_EQ(Ima().Height(), 250);
        EXPECT_EQ(appels, QStringList{QStringLiteral("Montre modal")});
    }
}

TEST_F(ParamAffichageTest, ChercheEspaceMatchesTheFullPaddedNameOnly)
{
    Espace e;
    EXPECT_FALSE(ChercheEspace(QStringLiteral("Europe"), e));
    EXPECT_EQ(e.CoefficientZoom, 0);
    ASSERT_TRUE(ChercheEspace(QStringLiteral("Europe").leftJustified(25), e));
    EXPECT_FLOAT_EQ(e.CoefficientZoom, 0.695f);
    EXPECT_EQ(e.HauteurImage, 250);
    // An unknown name fills the boxes from the last space found.
    p.TexteListeDesEspaces = QStringLiteral("Ailleurs");
    ParamAffichage_ListeDesEspaces_Click();
    EXPECT_EQ(p.CoefficientZoom, QStringLiteral("0"));
    ParamAffichage_DefinitListIndex(indexEspace(QStringLiteral("Dune 2000")));
    p.TexteListeDesEspaces = QStringLiteral("Ailleurs");
    ParamAffichage_ListeDesEspaces_Click();
    EXPECT_EQ(p.xZoom, QStringLiteral("-176"));
    EXPECT_EQ(p.LargeurImage, QStringLiteral("27.5"));
}

TEST_F(ParamAffichageTest, TheModalWindowAppliesOnOkAndItsCloseBoxCancels)
{
    InstalleDialoguesAffichage(nullptr);
    QTimer::singleShot(0, [this] {
        auto* w = static_cast<ParamAffichage*>(FenetreAffichage(FormeDialogue::ParamAffichage));
        EXPECT_TRUE(w->isModal());
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Paramètres d'affichage"));
        EXPECT_EQ(w->ListeDesEspaces->count(), 10);
        EXPECT_EQ(w->HauteurImage->text(), QStringLiteral("25."));
        w->ListeDesEspaces->setCurrentIndex(indexEspace(QStringLiteral("France 508")));
        emit w->ListeDesEspaces->activated(w->ListeDesEspaces->currentIndex());
        EXPECT_EQ(w->CoefficientZoom->text(), QStringLiteral("0.9765"));
        w->PasDeRecalcul->setChecked(true);
        w->Command3D2->click();
    });
    Kelmo_menParamAffichage_Click();
    EXPECT_FALSE(K.Annule);
    EXPECT_FLOAT_EQ(static_cast<float>(K.Echelle), 0.9765f);
    EXPECT_EQ(Ima().Height(), 195);
    EXPECT_EQ(Ima().Width(), 210);

    QTimer::singleShot(0, [] {
        auto* w = FenetreAffichage(FormeDialogue::ParamAffichage);
        static_cast<ParamAffichage*>(w)->CoefficientZoom->setText(QStringLiteral("8"));
        emit static_cast<ParamAffichage*>(w)->CoefficientZoom->textEdited(QStringLiteral("8"));
        w->close();
    });
    Kelmo_menParamAffichage_Click();
    EXPECT_TRUE(K.Annule);
    EXPECT_FLOAT_EQ(static_cast<float>(K.Echelle), 0.9765f);
}

} // namespace
