// The name thresholds dialog: the mirrored boxes, what OK and "Test
// d'affichage" store and draw, refused input (the spins: BoutonsRotatifsTest).
#include "DialoguesAffichageSupport.h"

#include "core/Defauts.h"
#include "platform/NombresChamps.h"
#include "platform/formes/BoutonRotatif.h"
#include "platform/formes/Jauge.h"
#include "platform/formes/SaisieMasquee.h"
#include "view/formes/SeuilsAffichage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <limits>

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

class SeuilsAffichageTest : public DialogueTest {
protected:
    void SetUp() override
    {
        DialogueTest::SetUp();
        DefinitDefautsSeuilsAffichage();
    }
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    void seuils(const QString& u, const QString& l)
    {
        SeuilsAffichage_DefinitTexte1(u);
        SeuilsAffichage_DefinitTexte2(l);
    }
};

TEST_F(SeuilsAffichageTest, StartUpContentsAndModelessOpening)
{
    EXPECT_EQ(s.Texte1, QStringLiteral(" 12000000"));
    EXPECT_EQ(s.MaskedEdit1, s.Texte1);
    EXPECT_EQ(s.Texte2, QStringLiteral(" 10000"));
    EXPECT_EQ(s.Gauge1, 1);
    EXPECT_EQ(s.Gauge2, 0);
    ASSERT_EQ(s.ListeModifiable1.Entrees.size(), 50);
    EXPECT_EQ(s.ListeModifiable1.Entrees.front(), QStringLiteral("1"));
    Kelmo_menOptionsAffichageNoms_Click();
    EXPECT_EQ(appels, QStringList{QStringLiteral("Montre")});
    EXPECT_TRUE(K.Formes.SeuilsAffichage.Visible);
    // OK with no letter count chosen keeps the count in force.
    SeuilsAffichage_Command3D1_Click();
    EXPECT_EQ(K.NombreLettresNoms, 20);
    EXPECT_FALSE(K.Annule);
    EXPECT_FALSE(K.Formes.SeuilsAffichage.Visible);
}

TEST_F(SeuilsAffichageTest, EachBoxMirrorsItsMaskedBoxOnce)
{
    SeuilsAffichage_DefinitMaskedEdit1(QStringLiteral("5 000 000"));
    EXPECT_EQ(s.Texte1, QStringLiteral("5 000 000"));
    SeuilsAffichage_DefinitTexte2(QStringLiteral(" 2500"));
    EXPECT_EQ(s.MaskedEdit2, QStringLiteral(" 2500"));
}

TEST_F(SeuilsAffichageTest, ThresholdsAreReadWithoutTheirThousandsGrouping)
{
    struct Cas {
        QString texte;
        double valeur;
    } cas[] = {
        {QStringLiteral("12\u00A0000\u00A0000"), 12000000}, // French grouping
        {QStringLiteral("12\u202F000\u202F000"), 12000000},
        {QStringLiteral("12 000 000"), 12000000},
        {QStringLiteral("12,000,000"), 12000000},
        {QStringLiteral("12.000.000"), 12000000},
        {QStringLiteral("10000.5"), 10000.5},
        {QStringLiteral("abc"), 0},
    };
    for (const Cas& c : cas) {
        SeuilsAffichage_DefinitMaskedEdit1(c.texte);
        ASSERT_TRUE(SeuilsAffichage_EnregistreValeurs());
        EXPECT_DOUBLE_EQ(K.SeuilSuperieurNoms, c.valeur) << c.texte.toStdString();
    }
}

TEST_F(SeuilsAffichageTest, LowerThresholdRoundsHalvesToEvenAndOutOfRangeIsRefused)
{
    seuils(QStringLiteral(" 12000000"), QStringLiteral("10000.5"));
    SeuilsAffichage_Command3D1_Click();
    EXPECT_EQ(K.SeuilInferieurNoms, 10000);
    seuils(QStringLiteral(" 12000000"), QStringLiteral("10001.5"));
    SeuilsAffichage_Command3D1_Click();
    EXPECT_EQ(K.SeuilInferieurNoms, 10002);

    Kelmo_menOptionsAffichageNoms_Click();
    K.Annule = true;
    seuils(QStringLiteral(" 5000000"), QStringLiteral("3000000000"));
    SeuilsAffichage_DefinitTexteListe(QStringLiteral("12"));
    SeuilsAffichage_Command3D1_Click();
    ASSERT_EQ(repondeur->messages().size(), 1u);
    EXPECT_EQ(repondeur->messages()[0], MessageHorsChamp(QStringLiteral("3000000000"),
                                                         QStringLiteral("Seuil d'affichage inférieur"),
                                                         GenreChamp::Entier32));
    // Nothing stored, the dialog stays open for a correction.
    EXPECT_EQ(K.SeuilInferieurNoms, 10002);
    EXPECT_EQ(K.SeuilSuperieurNoms, 12000000);
    EXPECT_EQ(K.NombreLettresNoms, 20);
    EXPECT_TRUE(K.Formes.SeuilsAffichage.Visible);
    SeuilsAffichage_Command3D3_Click();
    EXPECT_EQ(repondeur->messages().size(), 2u);
    EXPECT_FALSE(appels.contains(QStringLiteral("Efface")));
}

TEST_F(SeuilsAffichageTest, CancelKeepsTheValuesAndTheTypedText)
{
    seuils(QStringLiteral("500"), QStringLiteral("100"));
    SeuilsAffichage_Command3D2_Click();
    EXPECT_TRUE(K.Annule);
    EXPECT_EQ(K.SeuilSuperieurNoms, 12000000);
    EXPECT_EQ(K.SeuilInferieurNoms, 10000);
    EXPECT_EQ(s.Texte1, QStringLiteral("500"));
    EXPECT_TRUE(appels.filter(QStringLiteral("Noeuds")).isEmpty());
}

TEST_F(SeuilsAffichageTest, DisplayTestStoresClearsAndDrawsNodesWithNames)
{
    Kelmo_menOptionsAffichageNoms_Click();
    seuils(QStringLiteral(" 2000000"), QStringLiteral(" 5000"));
    SeuilsAffichage_ListeModifiable1_Click(9);
    appels.clear();
    SeuilsAffichage_Command3D3_Click();
    EXPECT_EQ(K.SeuilSuperieurNoms, 2000000);
    EXPECT_EQ(K.SeuilInferieurNoms, 5000);
    EXPECT_EQ(K.NombreLettresNoms, 10);
    EXPECT_EQ(appels, (QStringList{QStringLiteral("Efface"), QStringLiteral("Noeuds 1 1")}));
    EXPECT_TRUE(K.Formes.SeuilsAffichage.Visible);
}

TEST_F(SeuilsAffichageTest, TheWindowGroupsThousandsAndItsSpinsAndButtonsWork)
{
    EXPECT_EQ(SaisieMasquee::Groupe(QStringLiteral(" 12000000"), QChar(u'\u00A0')),
              QStringLiteral("12\u00A0000\u00A0000"));
    EXPECT_EQ(SaisieMasquee::Groupe(QStringLiteral("-1500"), QChar(u',')), QStringLiteral("-1,500"));
    EXPECT_EQ(SaisieMasquee::Groupe(QStringLiteral("abc"), QChar(u',')), QStringLiteral("abc"));

    InstalleDialoguesAffichage(nullptr);
    Kelmo_menOptionsAffichageNoms_Click();
    auto* w = static_cast<SeuilsAffichage*>(FenetreAffichage(FormeDialogue::SeuilsAffichage));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Seuil d'affichage des noms des villes"));
    EXPECT_EQ(w->MaskedEdit1->texte(), QStringLiteral(" 12000000"));
    EXPECT_EQ(w->ListeModifiable1->count(), 50);
    EXPECT_EQ(w->ListeModifiable1->currentText(), QStringLiteral("20"));
    w->Spin1->flecheHaut()->click();
    EXPECT_EQ(w->Texte1->text(), QStringLiteral(" 12100000"));
    EXPECT_EQ(w->Gauge1->value(), 1210);
    w->MaskedEdit2->setText(QStringLiteral("20 000"));
    emit w->MaskedEdit2->textEdited(QStringLiteral("20 000"));
    EXPECT_EQ(s.Texte2, QStringLiteral("20 000"));
    w->Command3D1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(K.SeuilSuperieurNoms, 12100000);
    EXPECT_EQ(K.SeuilInferieurNoms, 20000);
}

} // namespace
