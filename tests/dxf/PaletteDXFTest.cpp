// Screen colours into DXF colour numbers: the nearest colour of the standard
// palette, the lower number on a tie.
#include "dxf/PaletteDXF.h"

#include <gtest/gtest.h>

using namespace kelmo;

namespace {

Couleur rvb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

struct CasProche {
    Couleur couleur;
    int numero;
};

class CouleurProche : public ::testing::TestWithParam<CasProche> {};

TEST_P(CouleurProche, TakesTheNearestPaletteColourAndTheLowerNumberOnATie)
{
    EXPECT_EQ(CouleurDXFProche(GetParam().couleur), GetParam().numero);
}

INSTANTIATE_TEST_SUITE_P(
    CouleursEcran, CouleurProche,
    ::testing::Values(
        // the named colours, each also found again at 10 to 249 or 255
        CasProche{rvb(255, 0, 0), 1}, CasProche{rvb(255, 255, 0), 2}, CasProche{rvb(0, 255, 0), 3},
        CasProche{rvb(0, 255, 255), 4}, CasProche{rvb(0, 0, 255), 5}, CasProche{rvb(255, 0, 255), 6},
        CasProche{rvb(255, 255, 255), 7}, CasProche{rvb(128, 128, 128), 8}, CasProche{rvb(192, 192, 192), 9},
        // half-saturated red, orange, a grey of the last six
        CasProche{rvb(255, 127, 127), 11}, CasProche{rvb(250, 130, 5), 30}, CasProche{rvb(52, 50, 51), 250},
        // black is as near to the darkest red as to the darkest blue: red has the lower number
        CasProche{rvb(0, 0, 0), 18}, CasProche{rvb(165, 0, 0), 12}));

TEST(PaletteDXF, HoldsTheHuesAtFiveBrightnessesFullAndHalfSaturated)
{
    EXPECT_EQ(RVBCouleurDXF(10), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(RVBCouleurDXF(19), (std::array<int, 3>{38, 19, 19}));
    EXPECT_EQ(RVBCouleurDXF(20), (std::array<int, 3>{255, 63, 0}));
    EXPECT_EQ(RVBCouleurDXF(21), (std::array<int, 3>{255, 159, 127}));
    EXPECT_EQ(RVBCouleurDXF(80), (std::array<int, 3>{63, 255, 0}));
    EXPECT_EQ(RVBCouleurDXF(90), (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(RVBCouleurDXF(170), (std::array<int, 3>{0, 0, 255}));
    EXPECT_EQ(RVBCouleurDXF(249), (std::array<int, 3>{38, 19, 23}));
    EXPECT_EQ(RVBCouleurDXF(251), (std::array<int, 3>{91, 91, 91}));
    EXPECT_EQ(RVBCouleurDXF(255), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(RVBCouleurDXF(0), (std::array<int, 3>{0, 0, 0}));
}

} // namespace
