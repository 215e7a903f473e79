// "Arcs des attractions": the widths read from the boxes into the globals
// the arc appearance dialog shares, the preview's segments, the colour
// dialog and the widths refused.
#include "values/AspectVisuelArcsAttr.h"
#include "core/Modele.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class AspectVisuelArcsAttr : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        K.EpaisseurBlancArcs = 3;
        K.EpaisseurTraitArcs = 2;
    }
    // Widths and colours of the six segments: grey underlay then line, for
    // the diagonal, the vertical and the horizontal.
    static std::vector<std::pair<int, Couleur>> traits()
    {
        std::vector<std::pair<int, Couleur>> t;
        for (const SegmentApercu& s : K.Formes.AspectVisuelArcsAttr.Apercu)
            t.emplace_back(s.Epaisseur, s.Couleur_);
        return t;
    }
    static std::vector<std::pair<int, Couleur>> troisFois(int fond, int trait, Couleur c)
    {
        std::vector<std::pair<int, Couleur>> t;
        for (int i = 0; i < 3; ++i) {
            t.emplace_back(fond, RGB(192, 192, 192));
            t.emplace_back(trait, c);
        }
        return t;
    }
    ModeleAspectVisuelArcsAttr& d = K.Formes.AspectVisuelArcsAttr;
    RepondeurScripte ui;
};

} // namespace

TEST_F(AspectVisuelArcsAttr, TheBoxesShowTheCurrentWidthsWhenItOpens)
{
    Kelmo_menArcsAttractions_Click();
    EXPECT_EQ(d.Text1, QStringLiteral("3"));
    EXPECT_EQ(d.Text2, QStringLiteral("2"));
    EXPECT_TRUE(d.Visible);
    EXPECT_EQ(traits(), troisFois(3, 2, d.Image1));
    const SegmentApercu& diagonale = d.Apercu[0];
    EXPECT_EQ(std::tie(diagonale.X1, diagonale.Y1, diagonale.X2, diagonale.Y2),
              std::make_tuple(0.0, 0.0, d.LargeurApercu, d.HauteurApercu));
    EXPECT_EQ(d.Apercu[2].X1, d.LargeurApercu / 2);
    EXPECT_EQ(d.Apercu[4].Y1, d.HauteurApercu / 2);
    AspectVisuelArcsAttr_Command1_Click();
    EXPECT_FALSE(d.Visible);
}

TEST_F(AspectVisuelArcsAttr, EachEditReadsBothWidths)
{
    struct Cas {
        const char* text1;
        const char* text2;
        int16_t blanc;
        double trait;
        int penFond, penTrait;
    };
    const Cas cas[] = {
        {"5", "3", 5, 3, 5, 3},
        {"5 points", "3", 5, 3, 5, 3},    // the leading number
        {"4", "0", 4, 0, 4, 4},           // a line of 0 takes the underlay's width
        {"2.5", "1.5", 2, 1.5, 2, 2},     // halves to even
        {"0", "2", 0, 2, 1, 2},           // no pen thinner than 1
        {"40000", "2", 0, 2, 1, 2},       // beyond a pen: the old width stays
        {"-3", "99999", 0, 2, 1, 2},
        {"Texte1", "7", 0, 7, 1, 7},      // no number reads 0
    };
    for (const Cas& c : cas) {
        AspectVisuelArcsAttr_Text1_Change(QString::fromLatin1(c.text1));
        AspectVisuelArcsAttr_Text2_Change(QString::fromLatin1(c.text2));
        EXPECT_EQ(K.EpaisseurBlancArcs, c.blanc) << c.text1;
        EXPECT_EQ(K.EpaisseurTraitArcs, c.trait) << c.text2;
        EXPECT_EQ(traits(), troisFois(c.penFond, c.penTrait, d.Image1)) << c.text1 << " " << c.text2;
    }
}

TEST_F(AspectVisuelArcsAttr, AColourChosenRedrawsThePreviewAndACancelChangesNothing)
{
    Kelmo_menArcsAttractions_Click();
    const Couleur avant = d.Image1;
    ui.RepondCouleur(std::nullopt);
    AspectVisuelArcsAttr_Commande2_Click();
    EXPECT_EQ(d.Image1, avant);
    EXPECT_TRUE(ui.messages().empty());
    ui.RepondCouleur(QColor(0, 0, 255));
    AspectVisuelArcsAttr_Commande2_Click();
    EXPECT_EQ(d.Image1, RGB(0, 0, 255));
    EXPECT_EQ(traits(), troisFois(3, 2, RGB(0, 0, 255)));
    EXPECT_EQ(K.EpaisseurBlancArcs, 3);
}
