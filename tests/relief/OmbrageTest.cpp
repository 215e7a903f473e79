// Shades, shade classes and palettes of the relief triangles.
#include "core/Defauts.h"
#include "core/Modele.h"
#include "relief/Ombrage.h"

#include <gtest/gtest.h>

using namespace kelmo;

namespace {

class OmbrageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReinitialiseDonnees();
        DefinitValeursParDefaut();
        DefinitDefautsStatistiques();
    }
};

TEST_F(OmbrageTest, AShadeOnASharedLimitFallsInTheLowerClassAfterWideningToDouble)
{
    struct Cas {
        float ombre;
        int classe;
    } cas[] = {
        {-2.0f, 1}, {-2.5f, 4}, {3.5f, 4}, {0.0f, 1},
        // 0.15f widened is just above 0.15: class 2, not 1
        {0.15f, 2}, {0.149f, 1}, {0.2f, 3}, {0.25f, 3}, // 0.25f is exact: on the limit, lower class
        {0.35f, 4}, {0.55f, 6}, {1.5f, 6},               // 0.35f is below 0.35; 1.5f exact
        {1.65f, 7},                                      // 1.65f is below 1.65: class 7
        {1.75f, 8},                                      // exact
        {1.85f, 10},                                     // 1.85f is above 1.85
        {3.0f, 10}, {1.0f, 6},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ClasseOmbre(c.ombre), c.classe) << c.ombre;
    EXPECT_EQ(ClasseOmbre(std::numeric_limits<float>::quiet_NaN()), 4);
}

TEST_F(OmbrageTest, FlatAndRaisedTrianglesTakeTheShadesOfTheLight)
{
    struct Cas {
        const char* regle;
        double p[9];
        float ombre;
        int classe;
    } cas[] = {
        {"flat at height 0", {0, 0, 0, 10, 0, 0, 0, 10, 0}, 0.7925f, 6},
        {"flat, first corner raised", {0, 0, 1, 10, 0, 1, 0, 10, 1}, 0.2925f, 4},
        {"aligned corners: no normal", {0, 0, 0, 1, 1, 0, 2, 2, 0}, 1.0f, 6},
        {"aligned, first corner raised", {0, 0, 2, 1, 1, 2, 2, 2, 2}, 0.5f, 5},
    };
    for (const Cas& c : cas) {
        OmbreFacette(c.p[0], c.p[1], c.p[2], c.p[3], c.p[4], c.p[5], c.p[6], c.p[7], c.p[8]);
        // the light's z component is -30 / 144.22: four digits are enough to tell the classes
        EXPECT_NEAR(DerniereOmbre(), c.ombre, 1e-4) << c.regle;
        EXPECT_EQ(ClasseOmbre(DerniereOmbre()), c.classe) << c.regle;
    }
}

TEST_F(OmbrageTest, PalettesGiveTheirClassColoursAndAnUnknownCoefficientKeepsThePrevious)
{
    K.Formes.Statistiques.PicClasse[10] = 0x0000FF;
    K.Formes.Statistiques.PicClasse[3] = 0x00FF00;
    struct Cas {
        double coefficient;
        float ombre;
        Couleur couleur;
    } cas[] = {
        {1, 0.0f, 0x35774F}, {1, 2.0f, 0x96FFC6}, {2, 0.3f, 0x7EE6A7}, {3, 0.0f, 0x8E28E7},
        {4, 1.7f, 0x7F7F7F}, {4, 1.8f, 0x7F7F7F}, // classes 8 and 9 share their grey
        {4, 2.0f, 0x0000FF},                      // class 10: the tenth box
        {5, 0.22f, 0x00FF00},                     // class 3: the third box
        {5, 2.0f, 0x0000FF},
    };
    for (const Cas& c : cas) {
        Couleur x = 0x111111;
        CouleurOmbre(c.coefficient, c.ombre, x);
        EXPECT_EQ(x, c.couleur) << c.coefficient << " " << c.ombre;
    }
    for (double inconnu : {0.0, 6.0, 2.5, -1.0}) {
        Couleur x = 0x111111;
        CouleurOmbre(inconnu, 1.0f, x);
        EXPECT_EQ(x, 0x111111) << inconnu;
    }
    // a triangle painted with coefficient 0 takes the colour of the one before
    K.CoefEclaircissement = 1;
    const Couleur premiere = OmbreFacette(0, 0, 0, 10, 0, 0, 0, 10, 0);
    EXPECT_EQ(premiere, 0x67E699);
    K.CoefEclaircissement = 0;
    EXPECT_EQ(OmbreFacette(0, 0, 5, 10, 0, 9, 0, 10, 2), premiere);
    ReinitialiseDonnees(); // a new run starts from black
    DefinitValeursParDefaut();
    K.CoefEclaircissement = 0;
    EXPECT_EQ(OmbreFacette(0, 0, 0, 10, 0, 0, 0, 10, 0), 0);
}

} // namespace
