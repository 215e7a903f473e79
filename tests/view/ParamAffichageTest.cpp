// The display spaces dialog: the boxes it fills, what "Ok" applies and
// redraws, input it refuses, and closing it without its buttons.
#include "DialoguesAffichageSupport.h"

#include "core/Defauts.h"
#include "core/Images.h"
#include "platform/NombresChamps.h"
#include "view/formes/ParamAffichage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
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
        const char* x;
        const char* message;
    } cas[] = {
        {"", "25", "99", "Le coefficient de zoom doit être un nombre."},
        {"abc", "25", "99", "Le coefficient de zoom doit être un nombre."},
        {"1e400", "25", "99",
         "Le nombre 1e400 tapé dans « Coefficient » est hors des limites (de -3,402823E+38 à 3,402823E+38) : rien "
         "n'est changé."},
        {"2", "grand", "99", "La hauteur et la largeur de l'image doivent être des nombres."},
        {"2", "4000", "99", "La hauteur et la largeur de l'image ne peuvent pas dépasser 3276,7 cm."},
        // A scale or a picture side of 0 would leave nothing to see.
        {"0", "25", "99", "Le coefficient de zoom ne peut pas être nul."},
        {"0.000004", "25", "99", "Le coefficient de zoom ne peut pas être nul."},
        {"2", "0", "99", "La hauteur et la largeur de l'image doivent être supérieures à 0."},
        {"2", "-5", "99", "La hauteur et la largeur de l'image doivent être supérieures à 0."},
        {"2", "0.04", "99", "La hauteur et la largeur de l'image doivent être supérieures à 0."},
        {"2", "25", "1e400",
         "Le nombre 1e400 tapé dans « Abscisse (x) » est hors des limites (de -3,402823E+38 à 3,402823E+38) : rien "
         "n'est changé."},
    };
    for (const Cas& c : cas) {
        repondeur->efface();
        appels.clear();
        reponse = [&] {
            p.CoefficientZoom = QString::fromUtf8(c.coefficient);
            p.HauteurImage = QString::fromUtf8(c.hauteur);
            p.xZoom = QString::fromUtf8(c.x);
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

TEST_F(ParamAffichageTest, ARefusedBoxKeepsTheDialogOpenOnWhatWasTyped)
{
    Liens().Cache = [this](FormeDialogue) { appels << QStringLiteral("Cache"); };
    reponse = [this] {
        p.CoefficientZoom = QStringLiteral("1e308");
        ParamAffichage_Command3D2_Click();
        EXPECT_EQ(appels, QStringList{QStringLiteral("Montre modal")});
        EXPECT_EQ(p.CoefficientZoom, QStringLiteral("1e308"));
        p.CoefficientZoom = QStringLiteral("2");
        ParamAffichage_Command3D2_Click();
    };
    Kelmo_menParamAffichage_Click();
    ASSERT_EQ(repondeur->messages().size(), 1u);
    EXPECT_EQ(repondeur->messages()[0],
              MessageHorsChamp(QStringLiteral("1e308"), QStringLiteral("Coefficient"), GenreChamp::Simple));
    EXPECT_EQ(appels.mid(0, 2), (QStringList{QStringLiteral("Montre modal"), QStringLiteral("Cache")}));
    EXPECT_EQ(K.Echelle, 2);
}

TEST_F(ParamAffichageTest, SingleValuesOfTheViewShowAsSingleValues)
{
    K.Echelle = 0.695f;
    K.OrigineX = -176.3f;
    K.OrigineY = 2.1; // a double value keeps its digits
    reponse = [this] {
        EXPECT_EQ(p.CoefficientZoom, QStringLiteral("0.695"));
        EXPECT_EQ(p.xZoom, QStringLiteral("-176.3"));
        EXPECT_EQ(p.yZoom, QStringLiteral("2.1"));
        ParamAffichage_Command3D1_Click();
    };
    Kelmo_menParamAffichage_Click();
}

TEST_F(ParamAffichageTest, ChercheEspaceMatchesTheFullPaddedNameOnly)
{
    Espace e;
    EXPECT_FALSE(ChercheEspace(QStringLiteral("Europe"), e));
    EXPECT_EQ(e.CoefficientZoom, 0);
    ASSERT_TRUE(ChercheEspace(QStringLiteral("Europe").leftJustified(25), e));
    EXPECT_FLOAT_EQ(e.CoefficientZoom, 0.695f);
    EXPECT_EQ(e.HauteurImage, 250);
    // A name that is no display space, the list's own caption "Espace"
    // included, changes no box.
    p.CoefficientZoom = QStringLiteral("3");
    for (const char* nom : {"Ailleurs", "Espace", ""}) {
        p.TexteListeDesEspaces = QString::fromUtf8(nom);
        ParamAffichage_ListeDesEspaces_Click();
        EXPECT_EQ(p.CoefficientZoom, QStringLiteral("3")) << nom;
    }
    ParamAffichage_DefinitListIndex(indexEspace(QStringLiteral("Dune 2000")));
    p.TexteListeDesEspaces = QStringLiteral("Ailleurs");
    ParamAffichage_ListeDesEspaces_Click();
    EXPECT_EQ(p.xZoom, QStringLiteral("-176"));
    EXPECT_EQ(p.LargeurImage, QStringLiteral("27.5"));
}

TEST_F(ParamAffichageTest, EnterInTheSpaceListAddsNoEntryAndAppliesNoEmptyPicture)
{
    InstalleDialoguesAffichage(nullptr);
    K.Echelle = 0.695f;
    QTimer::singleShot(0, [this] {
        auto* w = static_cast<ParamAffichage*>(FenetreAffichage(FormeDialogue::ParamAffichage));
        ASSERT_EQ(w->ListeDesEspaces->currentText(), QStringLiteral("Espace"));
        QLineEdit* saisie = w->ListeDesEspaces->lineEdit();
        saisie->setFocus();
        QKeyEvent appui(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QKeyEvent relache(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(saisie, &appui);
        QApplication::sendEvent(saisie, &relache);
        EXPECT_EQ(w->ListeDesEspaces->count(), 10);
        EXPECT_EQ(p.CoefficientZoom, QStringLiteral("0.695"));
        EXPECT_EQ(p.HauteurImage, QStringLiteral("25."));
        if (w->isVisible())
            w->Command3D2->click();
    });
    Kelmo_menParamAffichage_Click();
    EXPECT_TRUE(repondeur->messages().empty());
    EXPECT_FLOAT_EQ(static_cast<float>(K.Echelle), 0.695f);
    EXPECT_EQ(Ima().Height(), 250);
    EXPECT_EQ(Ima().Width(), 350);
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
