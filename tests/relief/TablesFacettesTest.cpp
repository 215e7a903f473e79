// The facet and vertex tables and the painter's order, against the backward
// scan of every vertex and the exchange sort they replace.
#include "core/Couleurs.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "relief/OrdreFacettes.h"
#include "relief/TablesFacettes.h"
#include "relief/Vecteurs3D.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <cmath>
#include <random>

using namespace kelmo;

namespace {

// The shared-vertex search as first written: newest row first, the first
// row within 0.001 in sum wins (without stopping at a row summing to 0).
int32_t sommetParBalayage(const std::vector<std::array<float, 4>>& lignes, int32_t nombre, double x, double y,
                          double z)
{
    for (int32_t k = nombre; k >= 1; --k) {
        const auto& s = lignes[k];
        if (std::fabs(x - s[1]) + std::fabs(y - s[2]) + std::fabs(z - s[3]) < 0.001)
            return k;
    }
    return 0;
}

class TablesFacettesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ModeleNeuf();
        K.NbMaxFacettes = 10000;
        K.NbMaxSommets = 10000;
        PrepareTablesFacettes();
    }
    ImagesDeTest images;
};

TEST_F(TablesFacettesTest, VerticesCloserThanTheToleranceShareARowAndTheNewestWins)
{
    struct Cas {
        const char* regle;
        double x, y, z;
        int32_t ligne;
    } cas[] = {
        {"first vertex", 10, 20, 0, 1},
        {"same point", 10, 20, 0, 1},
        {"0.0009 away in sum", 10.0003, 20.0003, 0.0003, 1},
        {"0.0011 away", 10.0011, 20, 0, 2},
        {"height differs", 10, 20, 5, 3},
        {"near the first and the second: the newer", 10.0006, 20, 0, 2},
        {"a row summing to 0", 0, 0, 0, 4},
        {"another row summing to 0", -1, 1, 0, 5},
        {"the search goes past rows summing to 0", 10, 20, 5, 3},
    };
    for (const Cas& c : cas) {
        int32_t ligne = -1;
        AjouteSommetFacette(c.x, c.y, c.z, ligne);
        EXPECT_EQ(ligne, c.ligne) << c.regle;
    }
    EXPECT_EQ(K.NbSommets, 5);
    EXPECT_EQ(K.SommetsFacettes[2][1], 10.0011f);
}

TEST_F(TablesFacettesTest, RandomVerticesFindTheRowsOfTheBackwardScan)
{
    std::mt19937 alea(3);
    // Points on a coarse lattice, moved by far less or far more than the
    // tolerance: never within 1e-5 of the exact 0.001 boundary.
    std::uniform_int_distribution<int> cellule(0, 40);
    std::uniform_int_distribution<int> decalage(0, 3);
    const double pas[4] = {0, 0.0002, 0.002, 0.0004};
    std::vector<std::array<float, 4>> reference(1);
    int32_t nombre = 0;
    for (int i = 0; i < 4000; ++i) {
        const double x = cellule(alea) * 0.5 + pas[decalage(alea)];
        const double y = cellule(alea) * 0.5 - pas[decalage(alea)];
        const double z = (cellule(alea) % 3) * 0.25;
        int32_t attendu = sommetParBalayage(reference, nombre, x, y, z);
        if (attendu == 0) {
            reference.push_back({0, float(x), float(y), float(z)});
            attendu = ++nombre;
        }
        int32_t ligne = 0;
        AjouteSommetFacette(x, y, z, ligne);
        ASSERT_EQ(ligne, attendu) << i;
    }
    EXPECT_EQ(K.NbSommets, nombre);
}

TEST_F(TablesFacettesTest, TheTablesGrowPastTheirCapacityInsteadOfOverwriting)
{
    for (int i = 1; i <= 10500; ++i)
        AjouteFacette(i, 0, 0, i, 1, 0, i + 0.5, 0.5, 1, 7, 8);
    EXPECT_EQ(K.NbFacettes, 10500);
    EXPECT_GE(K.NbMaxFacettes, 10500);
    EXPECT_GE(static_cast<int32_t>(K.Facettes.size()), 10501);
    // 3 vertices a facet; (i + 1, 0, 0) and (i, 0, 0) are apart, nothing shared
    EXPECT_EQ(K.NbSommets, 3 * 10500);
    const Facette& f = K.Facettes[10000];
    EXPECT_EQ(f.Sommet1, 3 * 9999 + 1);
    EXPECT_EQ(f.CodeMode2, 7);
    EXPECT_EQ(f.CodeMode1, 8);
    EXPECT_EQ(K.SommetsFacettes[f.Sommet3][1], 10000.5f);
    // a second, smaller collection starts from 0 again
    PrepareTablesFacettes();
    AjouteFacette(1, 0, 0, 2, 0, 0, 1, 1, 0, 0, 0);
    EXPECT_EQ(K.NbFacettes, 1);
    EXPECT_EQ(K.NbSommets, 3);
    EXPECT_EQ(K.Facettes[2].Sommet1, 0);
}

TEST_F(TablesFacettesTest, NewVerticesAreMarkedAndFacetsOutlinedOnTheBitmap)
{
    AjouteFacette(10, 10, 0, 20, 10, 4, 10, 20, 0, 0, 0);
    const auto ellipses = images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse);
    // radius 1 for each vertex, radius 3 too for the two at height 0
    ASSERT_EQ(ellipses.size(), 5u);
    EXPECT_EQ(ellipses[0].points[0], QPoint(11, 11));
    EXPECT_EQ(ellipses[1].points[0], QPoint(13, 13));
    EXPECT_EQ(ellipses[2].points[0], QPoint(21, 11)); // raised: one ring only
    for (const auto& e : ellipses)
        EXPECT_EQ(e.ForeColor, 0);
    const auto cotes = images.ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline);
    ASSERT_EQ(cotes.size(), 3u);
    EXPECT_EQ(cotes[0].points, (std::vector<QPoint>{{10, 10}, {20, 10}}));
    EXPECT_EQ(cotes[1].points, (std::vector<QPoint>{{10, 20}, {20, 10}}));
    EXPECT_EQ(cotes[2].points, (std::vector<QPoint>{{10, 10}, {10, 20}}));
    for (const auto& c : cotes)
        EXPECT_EQ(c.ForeColor, QBColor(14));
}

TEST_F(TablesFacettesTest, PaintersOrderIsTheStableExchangeSortOnTheInnerPointHeight)
{
    std::mt19937 alea(5);
    std::uniform_int_distribution<int> v(0, 30);
    for (int i = 0; i < 600; ++i)
        AjouteFacette(v(alea), v(alea), v(alea) % 4, v(alea), v(alea), 0, v(alea), v(alea), v(alea) % 3, i % 7, i % 5);
    // the exchange sort as first written, over copies
    std::vector<Facette> attendu(K.Facettes.begin(), K.Facettes.begin() + K.NbFacettes + 1);
    for (int32_t i = 1; i <= K.NbFacettes; ++i) {
        const auto& a = K.SommetsFacettes[attendu[i].Sommet1];
        const auto& b = K.SommetsFacettes[attendu[i].Sommet2];
        const auto& c = K.SommetsFacettes[attendu[i].Sommet3];
        double x, y, z;
        PointInterieur(a[1], a[2], a[3], b[1], b[2], b[3], c[1], c[2], c[3], x, y, z);
        attendu[i].Profondeur = static_cast<float>(y - z);
    }
    bool echange = false;
    do {
        echange = false;
        for (int32_t i = 1; i <= K.NbFacettes - 1; ++i)
            if (attendu[i].Profondeur > attendu[i + 1].Profondeur) {
                std::swap(attendu[i], attendu[i + 1]);
                echange = true;
            }
    } while (echange);
    OrdonneFacettes();
    for (int32_t i = 1; i <= K.NbFacettes; ++i) {
        EXPECT_EQ(K.Facettes[i].Profondeur, attendu[i].Profondeur) << i;
        EXPECT_EQ(K.Facettes[i].Sommet1, attendu[i].Sommet1) << i;
        EXPECT_EQ(K.Facettes[i].CodeMode1, attendu[i].CodeMode1) << i;
        EXPECT_EQ(K.Facettes[i].CodeMode2, attendu[i].CodeMode2) << i;
    }
}

TEST_F(TablesFacettesTest, RedrawPaintsEachFacetInItsStoredColourWithItsRidges)
{
    AjouteFacette(10, 10, 0, 20, 10, 0, 10, 20, 0, 0, 0);
    AjouteFacette(30, 30, 2, 40, 30, 0, 30, 40, 0, 0, 0);
    K.Facettes[1].Couleur = 0x123456;
    K.Facettes[2].Couleur = 0x654321;
    K.Facettes[2].CodeMode2 = K.TypesArcs[0].Code; // TGV along corners 1-2
    images.ima.Appels.clear();
    RedessineFacettes();
    const auto polygones = images.ima.AppelsDeGenre(AppelZoneImage::Genre::Polygon);
    ASSERT_EQ(polygones.size(), 2u);
    EXPECT_EQ(polygones[0].FillColor, 0x123456);
    EXPECT_EQ(polygones[0].ForeColor, 0x123456);
    EXPECT_EQ(polygones[0].FillStyle, 0);
    EXPECT_EQ(polygones[1].points, (std::vector<QPoint>{{30, 28}, {40, 30}, {30, 40}})); // painted at y - z
    const auto aretes = images.ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline);
    ASSERT_EQ(aretes.size(), 1u);
    EXPECT_EQ(aretes[0].ForeColor, K.TypesArcs[0].CouleurCommun);
    EXPECT_EQ(aretes[0].DrawWidth, K.TypesArcs[0].Epaisseur);
    EXPECT_EQ(aretes[0].points, (std::vector<QPoint>{{30, 28}, {40, 30}}));
}

} // namespace
