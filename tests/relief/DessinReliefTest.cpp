// Whole reliefs of small networks worked out by hand: the triangles painted
// with their corners and ridges, the facets and vertices collected, the
// painter's order, in bitmap, metafile and 3-D file modes, and the report.
#include "core/Couleurs.h"
#include "core/Defauts.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "relief/DessinRelief.h"
#include "relief/GeometrieArcRelief.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

using namespace kelmo;

namespace {

using Points = std::vector<QPoint>;

// The polygons of a recorded metafile, in record order.
std::vector<Points> polygonesMeta()
{
    std::vector<Points> r;
    if (!MetaFichier)
        return r;
    const std::vector<uint16_t>& m = MetaFichier->Mots();
    for (std::size_t i = 0; i + 3 <= m.size();) {
        const uint32_t taille = m[i] | (uint32_t(m[i + 1]) << 16);
        if (taille < 3)
            break;
        if (m[i + 2] == 0x0324) {
            Points p;
            for (int k = 0; k < m[i + 3]; ++k)
                p.emplace_back(int16_t(m[i + 4 + 2 * k]), int16_t(m[i + 5 + 2 * k]));
            r.push_back(p);
        }
        i += taille;
    }
    return r;
}

class DessinReliefTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ModeleNeuf();
        DefinitValeursParDefaut();
        DefinitDefautsStatistiques();
        K.TypeValuationRelief = QStringLiteral("PasDeValuation");
        K.VitesseReference = 220;
        K.NbMaxFacettes = 10000;
        K.NbMaxSommets = 10000;
        route = TypeRoute70().Code;
    }
    int32_t noeud(float x, float y) { return test::NoeudAEcran(QStringLiteral("N"), 0, x, y); }
    void arc(int32_t o, int32_t d, int16_t mode = 0)
    {
        test::Arc_(K.Noeuds[o].Code, K.Noeuds[d].Code, mode ? mode : route);
        K.Arcs.back().IndiceOrigine = static_cast<int16_t>(o);
        K.Arcs.back().IndiceDestination = static_cast<int16_t>(d);
        K.Arcs.back().Minimal = 1;
    }
    // A, B, C of the three-node network.
    void troisNoeuds()
    {
        noeud(100, 100);
        noeud(200, 100);
        noeud(150, 50);
        arc(1, 2);
        arc(2, 3);
        arc(3, 1);
    }
    // O and its four neighbours, the two upper ones joined; only O visible.
    void etoileQuatreArcs()
    {
        noeud(100, 100);
        noeud(150, 50);  // NE
        noeud(150, 150); // SE
        noeud(50, 50);   // NW
        noeud(50, 150);  // SW
        for (int32_t m = 2; m <= 5; ++m) {
            arc(1, m);
            K.Noeuds[m].Visible = false;
        }
        arc(2, 4); // NE - NW
    }
    std::vector<AppelZoneImage> polygones() const { return images.ima.AppelsDeGenre(AppelZoneImage::Genre::Polygon); }
    std::vector<AppelZoneImage> aretes() const { return images.ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline); }

    ImagesDeTest images;
    RepondeurScripte ui;
    int16_t route = 0;
};

TEST_F(DessinReliefTest, ThreeNodesGiveOneFillTriangleAndThreeRidgeTrianglesDrawnOnce)
{
    troisNoeuds();
    DessineRelief(1, K.NbNoeuds);
    const auto p = polygones();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].points, (Points{{175, 75}, {150, 100}, {125, 75}}));  // between A's tents, under arc B-C
    EXPECT_EQ(p[1].points, (Points{{100, 100}, {150, 100}, {125, 75}})); // A's ridge triangle
    EXPECT_EQ(p[2].points, (Points{{200, 100}, {150, 100}, {175, 75}})); // B's: its fill was drawn from A
    EXPECT_EQ(p[3].points, (Points{{150, 50}, {125, 75}, {175, 75}}));   // C's: tie of keys, arc order
    // flat: normal straight up, shade 0.79, class 6 of the statistics boxes
    for (const auto& t : p) {
        EXPECT_EQ(t.FillColor, K.Formes.Statistiques.PicClasse[6]);
        EXPECT_EQ(t.FillStyle, 0);
    }
    const auto r = aretes();
    ASSERT_EQ(r.size(), 6u); // two ridges on each ridge triangle, none on the fill
    EXPECT_EQ(r[0].points, (Points{{100, 100}, {150, 100}}));
    EXPECT_EQ(r[1].points, (Points{{100, 100}, {125, 75}}));
    for (const auto& a : r) {
        EXPECT_EQ(a.ForeColor, TypeRoute70().CouleurCommun);
        EXPECT_EQ(a.DrawWidth, TypeRoute70().Epaisseur);
    }
    EXPECT_EQ(K.StatusBar.Panneaux[5],
              QStringLiteral("L'espace s'est contracté de 100.00 % / Nouvelle surface totale du relief : 2500.00"));
    EXPECT_TRUE(ui.messages().empty());
    // the same relief again: no change of surface
    DessineRelief(1, K.NbNoeuds);
    EXPECT_EQ(K.StatusBar.Panneaux[5],
              QStringLiteral("Pas de contraction de l'espace. / Nouvelle surface totale du relief : 2500.00"));
}

TEST_F(DessinReliefTest, AFourArcStarIsClosedBetweenItsRightAndLeftChains)
{
    etoileQuatreArcs();
    DessineRelief(1, K.NbNoeuds);
    const auto p = polygones();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].points, (Points{{100, 50}, {75, 75}, {125, 75}}));    // under NE - NW
    EXPECT_EQ(p[1].points, (Points{{100, 100}, {75, 75}, {125, 75}}));   // NW after NE, left chain
    EXPECT_EQ(p[2].points, (Points{{100, 100}, {125, 125}, {125, 75}})); // SE after NE, right chain
    EXPECT_EQ(p[3].points, (Points{{100, 100}, {75, 125}, {75, 75}}));   // SW after NW
    EXPECT_EQ(p[4].points, (Points{{100, 100}, {125, 125}, {75, 125}})); // closing: right end, left end
    EXPECT_EQ(aretes().size(), 8u);
}

TEST_F(DessinReliefTest, TheDualFillsEachSectorThroughTheCentroid)
{
    etoileQuatreArcs();
    K.Formes.OptionsRelief.Dual = true;
    DessineRelief(1, K.NbNoeuds);
    const auto p = polygones();
    ASSERT_EQ(p.size(), 8u);
    EXPECT_EQ(p[0].points, (Points{{100, 100}, {75, 75}, {100, 66}})); // centroid of O, NE, NW
    EXPECT_EQ(p[1].points, (Points{{100, 100}, {100, 66}, {125, 75}}));
    EXPECT_EQ(p[2].points, (Points{{100, 100}, {125, 125}, {133, 100}}));
    EXPECT_EQ(p[6].points, (Points{{100, 100}, {125, 125}, {100, 133}})); // closing through O, SW, SE
    EXPECT_EQ(p[7].points, (Points{{100, 100}, {100, 133}, {75, 125}}));
    // one ridge per triangle: the side along its arc
    EXPECT_EQ(aretes().size(), 8u);
}

TEST_F(DessinReliefTest, TimeHeightsRaiseTheApexesOfSlowArcs)
{
    troisNoeuds();
    K.TypeValuationRelief = QStringLiteral("Temps");
    K.AngleVertical = std::numbers::pi / 3;
    DessineRelief(1, 1); // node A only
    double h = 0, corde = 0;
    ASSERT_TRUE(GeometrieArcRelief(h, 10, corde, route, 100, 100, 200, 100, 1, 1, 2));
    ASSERT_GT(std::fabs(h), 1); // Route70 under a 220 reference folds
    const auto p = polygones();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1].points[1], QPoint(150, static_cast<int>(std::floor(100 - h))));
}

TEST_F(DessinReliefTest, MetafileModeCollectsFacetsAndRepaintsThemBackToFront)
{
    troisNoeuds();
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    DessineRelief(1, K.NbNoeuds);
    ASSERT_EQ(K.NbFacettes, 4);
    ASSERT_EQ(K.NbSommets, 6);
    const std::array<float, 4> attendus[7] = {{}, {0, 175, 75, 0}, {0, 150, 100, 0}, {0, 125, 75, 0},
                                              {0, 100, 100, 0}, {0, 200, 100, 0}, {0, 150, 50, 0}};
    for (int v = 1; v <= 6; ++v)
        EXPECT_EQ(K.SommetsFacettes[v], attendus[v]) << v;
    // ascending depth of the inner points: C's, the fill, A's, B's (tie kept)
    const int32_t sommets[5][3] = {{}, {6, 3, 1}, {1, 2, 3}, {4, 2, 3}, {5, 2, 1}};
    const float profondeurs[5] = {0, 68.75f, 81.25f, 87.5f, 87.5f};
    for (int f = 1; f <= 4; ++f) {
        const Facette& x = K.Facettes[f];
        EXPECT_EQ(x.Sommet1, sommets[f][0]) << f;
        EXPECT_EQ(x.Sommet2, sommets[f][1]) << f;
        EXPECT_EQ(x.Sommet3, sommets[f][2]) << f;
        EXPECT_EQ(x.Profondeur, profondeurs[f]) << f;
        EXPECT_EQ(x.Couleur, K.Formes.Statistiques.PicClasse[6]);
    }
    EXPECT_EQ(K.Facettes[2].CodeMode1, 0); // the fill has no ridge
    EXPECT_EQ(K.Facettes[3].CodeMode1, route);
    EXPECT_EQ(K.Facettes[3].CodeMode2, route);
    // the recorded picture holds only the facets, in painter's order
    const auto meta = polygonesMeta();
    ASSERT_EQ(meta.size(), 4u);
    EXPECT_EQ(meta[0], (Points{{150, 50}, {125, 75}, {175, 75}}));
    EXPECT_EQ(meta[3], (Points{{200, 100}, {150, 100}, {175, 75}}));
    EXPECT_FALSE(EnregistrementOuvert());
}

TEST_F(DessinReliefTest, TheThreeDFileModeCollectsFacetsInNetworkCoordinatesWithoutPainting)
{
    troisNoeuds();
    for (int n = 1; n <= 3; ++n)
        K.Noeuds[n].Y = 1000 - K.Noeuds[n].Y; // map y grows upwards
    K.TypeValuationRelief = QStringLiteral("FichierRelief3D");
    K.VitesseReference = TypeRoute70().Vitesse; // flat tents
    DessineRelief(1, K.NbNoeuds);
    EXPECT_TRUE(polygones().empty());
    for (const auto& a : aretes())
        EXPECT_EQ(a.ForeColor, QBColor(14)); // the facets' outlines only, no ridge
    EXPECT_EQ(K.NbFacettes, 4);
    EXPECT_EQ(K.Noeuds[1].YEcran, 900); // overwritten by the network coordinates, and kept
    EXPECT_EQ(K.Facettes[1].CodeMode1, 0);
    EXPECT_EQ(K.Facettes[1].CodeMode2, 0);
}

TEST_F(DessinReliefTest, HeightsThatCannotBeComputedAreFlatAndReportedOncePerRelief)
{
    troisNoeuds();
    for (int a = 1; a <= 3; ++a)
        K.Arcs[a].Mode = 12345; // no link type
    K.TypeValuationRelief = QStringLiteral("Temps");
    K.AngleVertical = 1;
    DessineRelief(1, K.NbNoeuds);
    EXPECT_EQ(ui.messages(), std::vector<QString>{QStringLiteral("Erreur dans le traçage du relief !!")});
    const auto p = polygones();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[1].points, (Points{{100, 100}, {150, 100}, {125, 75}})); // flat tents
    EXPECT_FALSE(K.StatusBar.Panneaux[5].isEmpty());
    DessineRelief(1, K.NbNoeuds);
    EXPECT_EQ(ui.messages().size(), 2u); // once more for the next relief
}

TEST_F(DessinReliefTest, NodesWithoutKeptArcsDrawNothingButTheReportIsWritten)
{
    troisNoeuds();
    for (int a = 1; a <= 3; ++a)
        K.Arcs[a].Minimal = 0;
    K.SeparateurDecimal = ',';
    DessineRelief(1, K.NbNoeuds);
    EXPECT_TRUE(polygones().empty());
    EXPECT_EQ(K.StatusBar.Panneaux[5],
              QStringLiteral("L'espace s'est contracté de 100,00 % / Nouvelle surface totale du relief : 0,00"));
}

TEST_F(DessinReliefTest, TheYieldRunsAtTheFirstNodeAndACloseRequestStopsAfterTheCurrentNode)
{
    troisNoeuds();
    int appels = 0;
    K.StatusBar.TraiteEvenements = [&] {
        ++appels;
        EXPECT_TRUE(ReliefEnCours());
        DemandeArretRelief();
    };
    DessineRelief(1, K.NbNoeuds);
    EXPECT_EQ(appels, 1);
    EXPECT_TRUE(polygones().empty()); // stopped before the first node was drawn
    EXPECT_FALSE(ReliefEnCours());
    K.StatusBar.TraiteEvenements = nullptr;
    DessineRelief(1, K.NbNoeuds);
    EXPECT_EQ(polygones().size(), 4u); // the request does not outlive its relief
}

TEST_F(DessinReliefTest, CornersBeyondThePicturesIntegersAreNotPainted)
{
    troisNoeuds();
    K.Noeuds[3].XEcran = 3e10f;
    DessineRelief(1, K.NbNoeuds);
    for (const auto& t : polygones())
        for (const QPoint& q : t.points)
            EXPECT_LT(std::abs(q.x()), 100000);
}

} // namespace
