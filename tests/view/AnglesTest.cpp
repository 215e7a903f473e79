// The angles dialog: what it shows, its spin limits, what OK stores and redraws.
#include "DialoguesAffichageSupport.h"

#include "core/Images.h"
#include "core/ListesNoeuds.h"
#include "platform/Nombres.h"
#include "platform/formes/BoutonRotatif.h"
#include "platform/formes/Jauge.h"
#include "view/formes/Angles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

constexpr double k = Pi / 180; // the program's degree factor

class AnglesTest : public DialogueTest {};

TEST_F(AnglesTest, EveryWholeAngleStoredByOkComesBackTheSameAtTheNextOpening)
{
    for (int h = -180; h <= 179; ++h) {
        const int v = (h + 180) / 2; // 0 .. 179
        K.Formes.Angles.Texte1 = QStringLiteral(" %1 deg").arg(v);
        K.Formes.Angles.Texte3 = QStringLiteral(" %1 deg").arg(h);
        Angles_Commande1_Click();
        Kelmo_menAngles_Click();
        ASSERT_EQ(ValeurNombre(K.Formes.Angles.Texte1), v) << v;
        ASSERT_EQ(ValeurNombre(K.Formes.Angles.Texte3), h) << h;
    }
    K.AngleVertical = 37 * k;
    Kelmo_menAngles_Click();
    EXPECT_EQ(K.Formes.Angles.Texte1, QStringLiteral(" 37 deg"));
}

TEST_F(AnglesTest, OpeningShowsTheStoredAnglesModelessAndUnticksTheSort)
{
    K.AngleVertical = 30 * k;
    K.AngleHorizontal = -90 * k;
    Kelmo_menAngles_Click();
    const ModeleAngles& a = K.Formes.Angles;
    EXPECT_EQ(a.Texte1, QStringLiteral(" 30 deg"));
    EXPECT_EQ(a.Texte3, QStringLiteral("-90 deg"));
    EXPECT_EQ(a.Gauge1, 30);
    EXPECT_EQ(a.Gauge3, 90);
    EXPECT_FALSE(a.Option1); // ticked by the text change, then unticked
    EXPECT_TRUE(a.Visible);
    EXPECT_EQ(appels, QStringList{QStringLiteral("Montre")});
    // A fractional stored angle shows its whole degrees, the gauge its rounding.
    K.AngleVertical = 45.6 * k;
    Kelmo_menAngles_Click();
    EXPECT_EQ(a.Texte1, QStringLiteral(" 45 deg"));
    EXPECT_EQ(a.Gauge1, 46);
}

TEST_F(AnglesTest, AHorizontalAngleOutsideTheRangeShowsZeroAndCancelKeepsIt)
{
    K.AngleHorizontal = 200 * k;
    Kelmo_menAngles_Click();
    EXPECT_EQ(K.Formes.Angles.Texte3, QStringLiteral(" 0 deg"));
    EXPECT_EQ(K.Formes.Angles.Gauge3, 180);
    Angles_Commande2_Click();
    EXPECT_TRUE(K.Annule);
    EXPECT_FALSE(K.Formes.Angles.Visible);
    EXPECT_DOUBLE_EQ(K.AngleHorizontal, 200 * k);
    EXPECT_TRUE(appels.filter(QStringLiteral("Calcule")).isEmpty());
}

TEST_F(AnglesTest, GaugesTakeOutOfRangeAnglesAtTheirEnds)
{
    K.AngleVertical = 250 * k;
    Kelmo_menAngles_Click();
    EXPECT_EQ(K.Formes.Angles.Gauge1, 180);
    K.AngleVertical = -20 * k;
    Kelmo_menAngles_Click();
    EXPECT_EQ(K.Formes.Angles.Gauge1, 0);
    EXPECT_EQ(Jauge::Borne(1e300, 0, 360), 360);
    EXPECT_EQ(Jauge::Borne(-5, 0, 360), 0);
    EXPECT_EQ(Jauge::Borne(std::nan(""), 0, 360), 0);
}

TEST_F(AnglesTest, OkStoresTheTypedAnglesUncheckedAndRedrawsTheNodesInOrder)
{
    Noeud n;
    n.Nom = QStringLiteral("PARIS");
    K.Noeuds.push_back(n);
    K.NbNoeuds = 1;
    RemplitListesNoeuds();
    Kelmo_menAngles_Click();
    Angles_DefinitTexte1(QStringLiteral("200"));
    Angles_DefinitTexte3(QStringLiteral("-90 deg"));
    Angles_DefinitListIndex(1);
    appels.clear();
    Angles_Commande1_Click();
    EXPECT_FALSE(K.Annule);
    EXPECT_FALSE(K.Formes.Angles.Visible);
    EXPECT_DOUBLE_EQ(K.AngleVerticalDeg, 200);
    EXPECT_DOUBLE_EQ(K.AngleVertical, 200 * k);
    EXPECT_DOUBLE_EQ(K.AngleHorizontal, -90 * k);
    EXPECT_EQ(K.VilleCentreRotation, QStringLiteral("PARI"));
    const QStringList attendu{QStringLiteral("Calcule"),
                              QStringLiteral("Tourne %1 PARI").arg(-90 * k, 0, 'g', 12),
                              QStringLiteral("Incline %1").arg(200 * k, 0, 'g', 12), QStringLiteral("Trie"),
                              QStringLiteral("Efface"), QStringLiteral("Noeuds 1 1")};
    EXPECT_EQ(appels, attendu);
}

TEST_F(AnglesTest, DataOnlyTiltLeavesTheMapFlatAndDrawsNothing)
{
    K.Formes.Angles.Coche1 = true;
    K.Formes.Angles.Texte1 = QStringLiteral(" 30 deg");
    K.Formes.Angles.Texte3 = QStringLiteral(" 15 deg");
    Angles_Commande1_Click();
    EXPECT_EQ(K.AngleVertical, 0);
    EXPECT_FLOAT_EQ(K.AngleVerticalDonnees, static_cast<float>(30 * k));
    EXPECT_DOUBLE_EQ(K.AngleHorizontal, 15 * k);
    EXPECT_TRUE(appels.isEmpty());
}

TEST_F(AnglesTest, OkClearsAndRedrawsTheRealPicture)
{
    RetablitLiensDialogues();
    ImagesDeTest images;
    Noeud n;
    n.Nom = QStringLiteral("TOURS");
    n.X = 30;
    n.Y = 3000;
    n.Population = 50000;
    K.Noeuds.push_back(n);
    K.NbNoeuds = 1;
    K.IndexNoeuds.push_back(1);
    K.Formes.Angles.Texte1 = QStringLiteral(" 0 deg");
    K.Formes.Angles.Texte3 = QStringLiteral(" 0 deg");
    Angles_Commande1_Click();
    ASSERT_FALSE(images.ima.Appels.empty());
    EXPECT_EQ(images.ima.Appels.front().genre, AppelZoneImage::Genre::Efface);
    EXPECT_FALSE(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse).empty());
}

TEST_F(AnglesTest, TheWindowShowsTheModelAndItsControlsRunTheHandlers)
{
    InstalleDialoguesAffichage(nullptr);
    K.AngleVertical = 10 * k;
    Kelmo_menAngles_Click();
    auto* w = static_cast<Angles*>(FenetreAffichage(FormeDialogue::Angles));
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Angles de vue de la représentation"));
    EXPECT_EQ(w->Texte1->text(), QStringLiteral(" 10 deg"));
    EXPECT_EQ(w->Coche1->text(), QStringLiteral("Seulement les données"));
    w->Spin1->flecheHaut()->click();
    EXPECT_EQ(w->Texte1->text(), QStringLiteral(" 11 deg"));
    EXPECT_EQ(w->Gauge1->value(), 11);
    w->Texte3->setText(QStringLiteral("45"));
    emit w->Texte3->textEdited(QStringLiteral("45"));
    EXPECT_TRUE(w->Option1->isChecked());
    w->Spin3->flecheBas()->click();
    EXPECT_EQ(w->Texte3->text(), QStringLiteral(" 44 deg"));
    w->Commande1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_DOUBLE_EQ(K.AngleVertical, 11 * k);
    EXPECT_DOUBLE_EQ(K.AngleHorizontal, 44 * k);
    // The close box cancels.
    Kelmo_menAngles_Click();
    w->close();
    EXPECT_TRUE(K.Annule);
    EXPECT_FALSE(K.Formes.Angles.Visible);
}

} // namespace
