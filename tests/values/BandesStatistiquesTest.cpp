// The statistics strips: abscissae of the ticks for each sign of scale,
// the minimum and maximum marks, the class counts with unclassed values,
// the chart and the map preview.
#include "values/BandesStatistiques.h"
#include "core/Couleurs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"
#include "values/ValeursDeTest.h"
#include "values/ClassesValeurs.h"
#include "values/CrochetsValeurs.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class BandesStatistiques : public ::testing::Test {
protected:
    void SetUp() override
    {
        StatistiquesDemarrees();
        // A useful width of 100 in both strips.
        s.Picture1.ScaleWidth = s.Picture2.ScaleWidth = 104;
    }
    static void arcs(std::vector<ArcValeur>& t, int32_t& n, std::initializer_list<float> valeurs)
    {
        n = 0;
        for (float v : valeurs)
            t[static_cast<std::size_t>(++n)].Valeur = v;
    }
    static std::vector<double> abscisses(const Bande& b)
    {
        std::vector<double> x;
        for (const TraitBande& t : b.Traits)
            x.push_back(t.X);
        return x;
    }
    ModeleStatistiques& s = K.Formes.Statistiques;
    RepondeurScripte ui;
};

// Abscissae are compared to 1e-9: the scale is a quotient of doubles.
void attendAbscisses(const std::vector<double>& x, const std::vector<double>& attendu)
{
    ASSERT_EQ(x.size(), attendu.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        EXPECT_NEAR(x[i], attendu[i], 1e-9) << i;
}

} // namespace

TEST(AbscisseBande, APositiveScaleCountsFromTheLeftAndANegativeOneFromTheRight)
{
    struct Cas {
        double v, s, base, w, x;
    };
    const Cas cas[] = {{10, 100.0 / 30, 10, 100, 2}, {40, 100.0 / 30, 10, 100, 102}, {-10, -100.0 / 9, -1, 100, 2},
                       {-1, -100.0 / 9, -1, 100, 102}, {7, 0, 7, 100, 102}};
    for (const Cas& c : cas)
        EXPECT_NEAR(AbscisseBande(c.v, c.s, c.base, c.w), c.x, 1e-9) << c.v << " " << c.s;
}

TEST_F(BandesStatistiques, TheArcStripSpansTheValuesBetweenItsBlueAndRedMarks)
{
    arcs(K.Arcs1, K.NombreArcs1, {10, 20, 40});
    CalculeStatistiquesArcs1();
    attendAbscisses(abscisses(s.Picture2), {2, 2 + 100.0 / 3, 102, 2, 100});
    const std::vector<TraitBande>& t = s.Picture2.Traits;
    EXPECT_EQ(t[0].Couleur, QBColor(0));
    EXPECT_EQ(t[0].Epaisseur, 1);
    EXPECT_EQ(t[3].Couleur, QBColor(1));
    EXPECT_EQ(t[3].Epaisseur, 2);
    EXPECT_EQ(t[4].Couleur, QBColor(4));
    EXPECT_EQ(s.Text1, QStringLiteral(" 10"));
    EXPECT_EQ(s.Text2, QStringLiteral(" 40"));
    EXPECT_EQ(s.Picture2.ForeColor, QBColor(0));
    EXPECT_EQ(s.Picture2.DrawWidth, 1);

    // Equal values: every tick at the right end. No value: only the marks.
    arcs(K.Arcs2, K.NombreArcs2, {-2.5f, -2.5f});
    CalculeStatistiquesArcs2();
    attendAbscisses(abscisses(s.Picture2), {102, 102, 2, 100});
    EXPECT_EQ(s.Text1, QStringLiteral("-2.5"));
    K.NombreArcs2 = 0;
    CalculeStatistiquesArcs2();
    attendAbscisses(abscisses(s.Picture2), {2, 100});
    EXPECT_EQ(s.Text1, QStringLiteral(" 1E+11"));
    EXPECT_EQ(s.Text2, QStringLiteral("-1E+11"));
}

TEST_F(BandesStatistiques, TheNodeStripRunsFromTheLastSortedValueToTheFirst)
{
    K.RefRonds = 1;
    ValeursNoeudsDeTest({-10, -5, -1});
    CalculeStatistiquesNoeuds();
    attendAbscisses(abscisses(s.Picture2), {2, 2 + 500.0 / 9, 102, 2, 100});
    EXPECT_EQ(s.Text1, QStringLiteral("-10"));
    EXPECT_EQ(s.Text2, QStringLiteral(" 0")); // the maximum never falls below 0

    ValeursNoeudsDeTest({8, 4});
    K.RefRonds = 2;
    CalculeStatistiquesNoeuds();
    EXPECT_EQ(s.Text1, QStringLiteral(" 2")); // nor the minimum above the circles' reference
    EXPECT_EQ(s.Text2, QStringLiteral(" 8"));
}

TEST_F(BandesStatistiques, AllZeroNodeValuesSpanZeroToOneWithoutChangingTheTable)
{
    ValeursNoeudsDeTest({0, 0, 0});
    CalculeStatistiquesNoeuds();
    attendAbscisses(abscisses(s.Picture2), {102, 2, 2, 2, 100});
    DessineClasses();
    attendAbscisses(abscisses(s.Picture1), {102, 2, 2});
    EXPECT_EQ(K.ValeursNoeuds[1].Valeur, 0.0f);
}

TEST_F(BandesStatistiques, ClassCountsSkipUnclassedValuesWhoseTicksTakeThePreviousColour)
{
    K.Formes.Statistiques.Text5 = QStringLiteral("2");
    Statistiques_Text5_Change();
    K.Classes[1] = {0, 10, RGB(255, 0, 0), 1};
    K.Classes[2] = {10, 20, RGB(0, 0, 255), 2};
    s.Selectionne(&ModeleStatistiques::ArcVale1);
    arcs(K.Arcs1, K.NombreArcs1, {-3, 5, -3, 15, 25, 12});
    DessineClasses();
    std::vector<Couleur> couleurs;
    for (const TraitBande& t : s.Picture1.Traits)
        couleurs.push_back(t.Couleur);
    EXPECT_EQ(couleurs, (std::vector<Couleur>{0, RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 0, 255),
                                              RGB(0, 0, 255)}));
    EXPECT_EQ(s.EffectifsClasses[1], 1);
    EXPECT_EQ(s.EffectifsClasses[2], 2);
    EXPECT_EQ(s.Graph1.Points, (std::vector<int>{1, 2}));
    attendAbscisses(abscisses(s.Picture1), {2, 2 + 800.0 / 28, 2, 2 + 1800.0 / 28, 102, 2 + 1500.0 / 28});

    // The second file's option classes the second table; a node option goes back to the nodes.
    arcs(K.Arcs2, K.NombreArcs2, {1, 2, 3});
    s.Selectionne(&ModeleStatistiques::ArcVale2);
    DessineClasses();
    EXPECT_EQ(s.Graph1.Points, (std::vector<int>{3, 0}));
    s.Selectionne(&ModeleStatistiques::Option3D1);
    ValeursNoeudsDeTest({11});
    DessineClasses();
    EXPECT_EQ(s.Graph1.Points, (std::vector<int>{0, 1}));
}

TEST_F(BandesStatistiques, TheMapIsRedrawnOnlyWithItsPreviewTicked)
{
    int redessins = 0;
    RedessineValeurs = [&] { ++redessins; };
    DessineClasses();
    EXPECT_EQ(redessins, 0);
    s.ApercuCarte = true;
    DessineClasses();
    EXPECT_EQ(redessins, 1);
}
