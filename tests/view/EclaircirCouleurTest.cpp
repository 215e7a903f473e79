// The input boxes of "Eclaircir la couleur du relief..." and "Seuil
// d'affichage des arcs...": a cancelled box keeps the value.
#include "DialoguesAffichageSupport.h"

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

class EclaircirCouleurTest : public DialogueTest {};

TEST_F(EclaircirCouleurTest, AnyNumberIsStoredUncheckedAndCancelOrNoNumberKeepsTheCoefficient)
{
    K.CoefEclaircissement = 5;
    repondeur->RepondTexte(std::nullopt);
    Kelmo_menCouleur_Click();
    EXPECT_EQ(K.CoefEclaircissement, 5);
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const AppelDialogue& a = repondeur->appels()[0];
    EXPECT_EQ(a.titre, QStringLiteral("Eclaircissement de la couleur"));
    EXPECT_EQ(a.arguments, QStringList{QStringLiteral(" 5")});
    EXPECT_EQ(a.texte.count(QLatin1Char('\r')), 6);
    EXPECT_TRUE(a.texte.contains(QStringLiteral("     5 = gris clair modifiable (stat.)\r")));
    struct Cas {
        const char* reponse;
        double valeur;
    } cas[] = {{"3", 3},     {"7.5", 7.5}, {"abc", 7.5}, // no number: kept, as a cancel
               {"", 7.5},    {"  ", 7.5},  {"-2", -2},   // any number is taken
               {" .5x", 0.5}, {"0", 0}};
    for (const Cas& c : cas) {
        repondeur->RepondTexte(QString::fromUtf8(c.reponse));
        Kelmo_menCouleur_Click();
        EXPECT_EQ(K.CoefEclaircissement, c.valeur) << c.reponse;
    }
}

TEST_F(EclaircirCouleurTest, AttractionThresholdKeepsItsValueWhenCancelled)
{
    K.SeuilAttractions = 12.5;
    repondeur->RepondTexte(std::nullopt);
    Kelmo_menOptionsAttractions_Click();
    EXPECT_EQ(K.SeuilAttractions, 12.5);
    EXPECT_EQ(repondeur->appels()[0].titre, QStringLiteral("Seuil des attractions"));
    EXPECT_EQ(repondeur->appels()[0].arguments, QStringList{QStringLiteral(" 12.5")});
    repondeur->RepondTexte(QStringLiteral(""));
    Kelmo_menOptionsAttractions_Click();
    EXPECT_EQ(K.SeuilAttractions, 0);
    repondeur->RepondTexte(QStringLiteral("40 %"));
    Kelmo_menOptionsAttractions_Click();
    EXPECT_EQ(K.SeuilAttractions, 40);
}

} // namespace
