// The spin buttons of the display dialogs: each step tests the limit on the
// value before the step, a value typed beyond the limit is stepped back
// towards it, and the gauges follow the value written.
#include "DialoguesAffichageSupport.h"

#include "core/Defauts.h"

using namespace kelmo;
using kelmo::testdialogues::DialogueTest;

namespace {

class BoutonsRotatifsTest : public DialogueTest {
protected:
    void SetUp() override
    {
        DialogueTest::SetUp();
        DefinitDefautsSeuilsAffichage();
        AspectVisuelArcs_Charge();
    }
};

enum class Dialogue { Angles, Seuils, Arcs };

TEST_F(BoutonsRotatifsTest, EachStepTestsTheLimitBeforeTheStepAndTheGaugesFollow)
{
    // Angles: the vertical then the horizontal angle; thresholds: the upper
    // then the lower one; arcs: the underlay then the line width. A gauge of
    // -1 is one the step did not write; the arc widths have no gauge.
    struct Cas {
        Dialogue dialogue;
        const char* boite1;
        const char* boite2;
        void (*spin)();
        const char* attendu1;
        const char* attendu2;
        int jauge1 = -1, jauge2 = -1;
    } cas[] = {
        {Dialogue::Angles, " 180 deg", " 0 deg", Angles_Spin1_SpinUp, " 180 deg", " 0 deg"},
        {Dialogue::Angles, " 179.5 deg", " 0 deg", Angles_Spin1_SpinUp, " 180.5 deg", " 0 deg", 180},
        {Dialogue::Angles, " 0 deg", " 0 deg", Angles_Spin1_SpinDown, " 0 deg", " 0 deg"},
        {Dialogue::Angles, " 10 deg", " 0 deg", Angles_Spin1_SpinDown, " 9 deg", " 0 deg", 9},
        {Dialogue::Angles, "abc", " 0 deg", Angles_Spin1_SpinUp, " 1 deg", " 0 deg", 1},
        {Dialogue::Angles, " 0 deg", "-180 deg", Angles_Spin3_SpinDown, " 0 deg", "-180 deg"},
        {Dialogue::Angles, " 0 deg", "-179 deg", Angles_Spin3_SpinDown, " 0 deg", "-180 deg", -1, 0},
        {Dialogue::Angles, " 0 deg", " 179 deg", Angles_Spin3_SpinUp, " 0 deg", " 179 deg"},
        {Dialogue::Angles, " 0 deg", " 178 deg", Angles_Spin3_SpinUp, " 0 deg", " 179 deg", -1, 359},

        {Dialogue::Seuils, " 200000", " 100000", SeuilsAffichage_Spin1_SpinDown, " 200000", " 100000"},
        {Dialogue::Seuils, " 300000", " 100000", SeuilsAffichage_Spin1_SpinDown, " 200000", " 100000", 20},
        {Dialogue::Seuils, " 13900000", " 0", SeuilsAffichage_Spin1_SpinUp, " 14000000", " 0", 1400},
        {Dialogue::Seuils, " 13990000", " 0", SeuilsAffichage_Spin1_SpinUp, " 13990000", " 0"},
        {Dialogue::Seuils, " 12000000", " 10000", SeuilsAffichage_Spin2_SpinDown, " 12000000", " 0", -1, 0},
        {Dialogue::Seuils, " 12000000", " 950", SeuilsAffichage_Spin2_SpinDown, " 12000000", " 850", -1, 8}, // 8.5 to even
        {Dialogue::Seuils, " 12000000", " 99", SeuilsAffichage_Spin2_SpinDown, " 12000000", " 99"},
        {Dialogue::Seuils, " 12000000", " 4000", SeuilsAffichage_Spin2_SpinDown, " 12000000", " 3000", -1, 3},
        {Dialogue::Seuils, " 12000000", " 250000", SeuilsAffichage_Spin2_SpinDown, " 12000000", " 150000", -1, 15},
        {Dialogue::Seuils, " 12000000", " 950", SeuilsAffichage_Spin2_SpinUp, " 12000000", " 1050", -1, 10},
        {Dialogue::Seuils, " 12000000", " 0", SeuilsAffichage_Spin2_SpinUp, " 12000000", " 100", -1, 1},
        {Dialogue::Seuils, " 12000000", " 30000", SeuilsAffichage_Spin2_SpinUp, " 12000000", " 40000", -1, 4},
        {Dialogue::Seuils, " 12000000", " 11900000", SeuilsAffichage_Spin2_SpinUp, " 12000000", " 11900000"},
        {Dialogue::Seuils, " 12000000", " 11800000", SeuilsAffichage_Spin2_SpinUp, " 12000000", " 11900000", -1, 1190},
        // The masked box's grouping is no part of the number.
        {Dialogue::Seuils, "12 000 000", " 11800000", SeuilsAffichage_Spin2_SpinUp, "12 000 000", " 11900000", -1, 1190},

        {Dialogue::Arcs, "20", "2", AspectVisuelArcs_Spin1_SpinUp, "20", "2"},
        {Dialogue::Arcs, "1", "2", AspectVisuelArcs_Spin1_SpinDown, "1", "2"},
        {Dialogue::Arcs, "25", "2", AspectVisuelArcs_Spin1_SpinDown, " 24", "2"},
        {Dialogue::Arcs, "3", "0", AspectVisuelArcs_Spin2_SpinUp, "3", " 1"},
        {Dialogue::Arcs, "3", "5", AspectVisuelArcs_Spin2_SpinUp, "3", " 6"},
        {Dialogue::Arcs, "3", "2.6", AspectVisuelArcs_Spin2_SpinDown, "3", " 2"},
    };
    ModeleAngles& a = K.Formes.Angles;
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    ModeleAspectVisuelArcs& r = K.Formes.AspectVisuelArcs;
    for (const Cas& c : cas) {
        const QString avant1 = QString::fromUtf8(c.boite1), avant2 = QString::fromUtf8(c.boite2);
        QString apres1, apres2;
        int jauge1 = -1, jauge2 = -1;
        switch (c.dialogue) {
        case Dialogue::Angles:
            a.Texte1 = avant1;
            a.Texte3 = avant2;
            a.Gauge1 = a.Gauge3 = -1;
            a.Option1 = false;
            c.spin();
            apres1 = a.Texte1, apres2 = a.Texte3;
            jauge1 = a.Gauge1, jauge2 = a.Gauge3;
            // Only a written horizontal text ticks "Trie les villes".
            EXPECT_EQ(a.Option1, apres2 != avant2) << c.boite1 << " / " << c.boite2;
            break;
        case Dialogue::Seuils:
            SeuilsAffichage_DefinitTexte1(avant1);
            SeuilsAffichage_DefinitTexte2(avant2);
            s.Gauge1 = s.Gauge2 = -1;
            c.spin();
            apres1 = s.Texte1, apres2 = s.Texte2;
            jauge1 = s.Gauge1, jauge2 = s.Gauge2;
            EXPECT_EQ(s.MaskedEdit1, s.Texte1);
            EXPECT_EQ(s.MaskedEdit2, s.Texte2);
            break;
        case Dialogue::Arcs:
            AspectVisuelArcs_DefinitText1(avant1);
            AspectVisuelArcs_DefinitText2(avant2);
            c.spin();
            apres1 = r.Text1, apres2 = r.Text2;
            jauge1 = c.jauge1, jauge2 = c.jauge2;
            EXPECT_EQ(r.Apercu.size(), 6u) << "the preview is drawn once again";
            break;
        }
        EXPECT_EQ(apres1, QString::fromUtf8(c.attendu1)) << c.boite1 << " / " << c.boite2;
        EXPECT_EQ(apres2, QString::fromUtf8(c.attendu2)) << c.boite1 << " / " << c.boite2;
        EXPECT_EQ(jauge1, c.jauge1) << c.boite1 << " / " << c.boite2;
        EXPECT_EQ(jauge2, c.jauge2) << c.boite1 << " / " << c.boite2;
    }
    // The last arc row left a line of 2 in the model and the preview.
    EXPECT_EQ(K.EpaisseurTraitArcs, 2);
    EXPECT_EQ(r.Apercu[1].Epaisseur, 2);
}

} // namespace
