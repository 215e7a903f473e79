// The three bound methods: the bounds they write into the boxes under
// either decimal separator, read back into the classes as the same singles,
// and the cases in which they change nothing.
#include "values/MethodesBornes.h"
#include "platform/Nombres.h"
#include "platform/RepondeurScripte.h"
#include "values/BandesStatistiques.h"
#include "support/Reseau.h"
#include "values/ValeursDeTest.h"
#include "values/ClassesValeurs.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class MethodesBornes : public ::testing::Test {
protected:
    void SetUp() override
    {
        StatistiquesDemarrees();
    }
    void classes(int n)
    {
        s.Text5 = QString::number(n);
        Statistiques_Text5_Change();
    }
    // The bounds in the boxes (read in the regional format) and in the classes.
    void attendBornes(const std::vector<double>& bornes, char sep)
    {
        const int n = static_cast<int>(bornes.size()) - 1;
        ASSERT_EQ(K.NbClasses, n);
        for (int i = 1; i <= n + 1; ++i) {
            const float b = static_cast<float>(bornes[static_cast<std::size_t>(i - 1)]);
            EXPECT_FALSE(s.Borne[i].contains(QLatin1Char(sep == '.' ? ',' : '.'))) << s.Borne[i].toStdString();
            EXPECT_EQ(static_cast<float>(ValeurBorne(i)), b) << i << sep;
            if (i <= n) {
                EXPECT_EQ(K.Classes[i].BorneInf, b) << i << sep;
            }
            if (i >= 2) {
                EXPECT_EQ(K.Classes[i - 1].BorneSup, b) << i << sep;
            }
        }
    }
    ModeleStatistiques& s = K.Formes.Statistiques;
    RepondeurScripte ui;
};

} // namespace

TEST_F(MethodesBornes, IsoAmplitudeCutsEqualRangesWidenedAtBothEnds)
{
    for (char sep : {'.', ','}) {
        K.SeparateurDecimal = sep;
        classes(4);
        s.Text1 = QStringLiteral(" 0");
        s.Text2 = QStringLiteral(" 100");
        Statistiques_SSCommand1_Click();
        attendBornes({-1 - 2e-7, 25, 50, 75, 101}, sep);
        EXPECT_EQ(s.Label4, QStringLiteral("Iso-amplitude :"));
        EXPECT_EQ(s.Amplitude, QStringLiteral("25"));

        classes(3);
        s.Text1 = QStringLiteral("-1.5");
        s.Text2 = QStringLiteral(" 2");
        Statistiques_SSCommand1_Click();
        const double a = 3.5 / 3;
        attendBornes({-2.5 - 7e-9, -1.5 + a, -1.5 + 2 * a, 3}, sep);
        EXPECT_EQ(s.Amplitude, TexteGeneral(a, QLatin1Char(sep)));
    }
}

// The largest value is in the last class however large: its box gives it
// back whole (12345674 is not 1.234567E+7), and the single kept for the
// maximum + 1 stays above it (16777221 is the single 16777220).
TEST_F(MethodesBornes, IsoAmplitudeClassesHoldTheLargestArcValue)
{
    for (const float grande : {12345674.0f, 16777220.0f}) {
        SCOPED_TRACE(grande);
        s.Selectionne(&ModeleStatistiques::ArcVale1);
        K.NombreArcs1 = 3;
        K.Arcs1[1].Valeur = 100;
        K.Arcs1[2].Valeur = 200;
        K.Arcs1[3].Valeur = grande;
        CalculeStatistiquesArcs1();
        classes(3);
        Statistiques_SSCommand1_Click();
        EXPECT_EQ(s.Graph1.Points, (std::vector<int>{2, 0, 1}));
    }
}

TEST_F(MethodesBornes, IsoEffectifsTakesTheValuesAtRanksOfEqualCounts)
{
    for (char sep : {'.', ','}) {
        ModeleNeuf();
        DefinitValeursParDefaut();
        Statistiques_Form_Load();
        K.SeparateurDecimal = sep;
        ValeursNoeudsDeTest({50, 10, 100, 20, 30, 40, 60, 70, 80, 90});
        classes(3);
        s.Text1 = QStringLiteral(" 10");
        s.Text2 = QStringLiteral(" 100");
        Statistiques_SSCommand2_Click();
        const double eps = 90 / 1e9;
        // Ranks 10, 6.67 -> 7, 3.33 -> 3 of the sorted values, then the maximum + 1.
        attendBornes({10 + eps - 2 * eps, 40 + eps, 80 + eps, 101}, sep);
        EXPECT_EQ(s.Label4, QStringLiteral("Iso-effectif :"));
        EXPECT_EQ(s.Amplitude, TexteGeneral(10.0 / 3, QLatin1Char(sep)));
        EXPECT_EQ(K.ValeursNoeuds[1].Valeur, 100.0f); // the table is sorted first
    }
}

TEST_F(MethodesBornes, IsoEffectifsClassesNegativeValuesToo)
{
    ValeursNoeudsDeTest({-5, 4, -3, 2, -1, 0, 1, -2, 3, -4});
    classes(2);
    s.Text1 = QStringLiteral("-5");
    s.Text2 = QStringLiteral(" 4");
    Statistiques_SSCommand2_Click();
    int comptes = 0;
    for (int c = 1; c <= 2; ++c)
        comptes += s.EffectifsClasses[c];
    EXPECT_EQ(comptes, 10);
    EXPECT_EQ(s.EffectifsClasses[1], 6); // -5 to 0: the bound at rank 5 is 0 + eps
}

// The bounds are singles: a box shows the single kept, not the digits of
// the double it was computed in.
TEST_F(MethodesBornes, TheBoundBoxesShowTheSinglesTheClassesKeep)
{
    ValeursNoeudsDeTest({722.8f, 300, 211.3f});
    classes(1);
    s.Text1 = QStringLiteral(" 211.3");
    s.Text2 = QStringLiteral(" 722.8");
    for (char sep : {'.', ','}) {
        K.SeparateurDecimal = sep;
        Statistiques_SSCommand2_Click();
        EXPECT_EQ(s.Borne[1], sep == '.' ? QStringLiteral("211.3") : QStringLiteral("211,3"));
        EXPECT_EQ(s.Borne[2], sep == '.' ? QStringLiteral("723.8") : QStringLiteral("723,8"));
        EXPECT_EQ(K.Classes[1].BorneInf, 211.3f);
        EXPECT_EQ(s.EffectifsClasses[1], 3);
    }
}

TEST_F(MethodesBornes, IsoEffectifsWithoutEnoughNodeValuesChangesNothing)
{
    classes(3);
    const auto avant = s.Borne;
    const std::vector<Classe> classesAvant = K.Classes;
    Statistiques_SSCommand2_Click(); // no node at all
    ValeursNoeudsDeTest({5, 6});                  // fewer nodes than classes
    Statistiques_SSCommand2_Click();
    EXPECT_EQ(s.Borne, avant);
    EXPECT_EQ(s.Label4, QStringLiteral("Amplitude :"));
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(K.Classes[c].BorneSup, classesAvant[c].BorneSup);
}

TEST_F(MethodesBornes, RegularIntervalsStartBelowTheMinimumAndKeepTheFirstLowerBound)
{
    K.SeparateurDecimal = ',';
    classes(3);
    EcritBorne(1, -7);
    s.Text1 = QStringLiteral(" 5");
    ui.RepondTexte(QStringLiteral("60"));
    Statistiques_SSCommand3_Click();
    ASSERT_EQ(ui.appels().size(), 1u);
    EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Donnez l'amplitude des classes"));
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Amplitude régulière"));
    EXPECT_EQ(ui.appels()[0].arguments, QStringList{QStringLiteral("60")});
    attendBornes({-7, 64, 124, 184}, ',');
    EXPECT_EQ(s.Amplitude, QStringLiteral("60"));

    ui.RepondTexte(QStringLiteral("2,5"));
    Statistiques_SSCommand3_Click();
    attendBornes({-7, 6.5, 9, 11.5}, ',');
}

TEST_F(MethodesBornes, RegularIntervalsCancelledOrNotANumberChangeNothing)
{
    classes(2);
    s.Text1 = QStringLiteral(" 5");
    const auto avant = s.Borne;
    for (std::optional<QString> r : {std::optional<QString>(), std::optional<QString>(QStringLiteral("soixante")),
                                     std::optional<QString>(QStringLiteral(""))}) {
        ui.RepondTexte(r);
        Statistiques_SSCommand3_Click();
        EXPECT_EQ(s.Borne, avant);
        EXPECT_TRUE(s.Amplitude.isEmpty());
    }
}
