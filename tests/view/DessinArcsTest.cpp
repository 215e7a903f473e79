// Tents, arrows, comparison colours and the failures of the arc drawing.
#include "ReseauVue.h"
#include "view/CrochetsDessinCarte.h"
#include "view/DessinArcs.h"

#include <cmath>

using namespace kelmo;
using kelmo::testvue::VueTest;

namespace {

class DessinArcsTest : public VueTest {};

TEST_F(DessinArcsTest, TentApexIsRaisedByTheReliefHeight)
{
    K.AngleVertical = 0.5;
    const double k = std::cos(0.5), s = std::sin(0.5);
    // a vertical arc of 20 map units: half chord 10 once the tilt is undone
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 100, float(100 + 20 * k));
    TypeTrain().Vitesse = 110; // half the reference speed: h = -sqrt(300) s
    arc(1, 2, TypeTrain().Code);
    DessineArcsType(TypeTrain());
    ASSERT_EQ(traits().size(), 2u);
    const double h = -std::sqrt(300.0) * s;
    const QPoint apex(100, int(std::lround(100 + 10 * k - h)));
    EXPECT_EQ(traits()[0].points, (std::vector<QPoint>{QPoint(100, 100), apex}));
    EXPECT_EQ(traits()[1].points.at(0), apex);
    EXPECT_EQ(traits()[0].DrawWidth, TypeTrain().Epaisseur);
    EXPECT_EQ(traits()[0].ForeColor, TypeTrain().CouleurCommun);
}

// The eight cases of the head: base centre 10 units behind the middle, wing
// ends 10 units to either side.
TEST(TeteFleche, AllEightDirections)
{
    struct Cas {
        double x1, y1, x2, y2;
        QPointF P, W1, W2;
    };
    const double c = 10 * std::cos(std::atan(0.5)), s = 10 * std::sin(std::atan(0.5)); // slope 1/2
    const QPointF M(50, 50);
    const Cas cas[] = {
        {30, 40, 70, 60, {50 - c, 50 - s}, {50 - c - s, 50 - s + c}, {50 - c + s, 50 - s - c}},
        {70, 60, 30, 40, {50 + c, 50 + s}, {50 + c + s, 50 + s - c}, {50 + c - s, 50 + s + c}},
        {30, 60, 70, 40, {50 - c, 50 + s}, {50 - c - s, 50 + s - c}, {50 - c + s, 50 + s + c}},
        {70, 40, 30, 60, {50 + c, 50 - s}, {50 + c - s, 50 - s - c}, {50 + c + s, 50 - s + c}},
        {50, 30, 50, 70, {50, 40}, {40, 40}, {60, 40}},
        {50, 70, 50, 30, {50, 60}, {40, 60}, {60, 60}},
        {30, 50, 70, 50, {40, 50}, {40, 40}, {40, 60}},
        {70, 50, 30, 50, {60, 50}, {60, 40}, {60, 60}},
    };
    auto proche = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()) < 1e-9; };
    for (const Cas& k : cas) {
        const auto t = CalculeTeteFleche(k.x1, k.y1, k.x2, k.y2, 10);
        ASSERT_TRUE(t.has_value());
        EXPECT_TRUE(proche(t->M, M));
        EXPECT_TRUE(proche(t->P, k.P)) << k.x1 << "," << k.y1 << " -> " << k.x2 << "," << k.y2;
        EXPECT_TRUE(proche(t->W1, k.W1)) << k.x1 << "," << k.y1 << " -> " << k.x2 << "," << k.y2;
        EXPECT_TRUE(proche(t->W2, k.W2)) << k.x1 << "," << k.y1 << " -> " << k.x2 << "," << k.y2;
        // each stroke is about 14.1 units long
        // Tolerance: double rounding only.
        EXPECT_NEAR(std::hypot(t->W1.x() - 50, t->W1.y() - 50), 10 * std::sqrt(2.0), 1e-9);
    }
    EXPECT_FALSE(CalculeTeteFleche(5, 5, 5, 5, 10).has_value());
    EXPECT_FALSE(CalculeTeteFleche(0, 0, 10, 10, 0).has_value());
}

TEST_F(DessinArcsTest, FlatOneWayRoadArcsGetAnArrowOthersATent)
{
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 200, 100);
    arc(1, 2, TypeRoute70().Code, true);
    K.TraceFleches = 0;
    DessineArcsType(TypeRoute70());
    EXPECT_EQ(traits().size(), 1u); // one straight line, no head

    images->ima.Appels.clear();
    K.TraceFleches = 1;
    DessineArcsType(TypeRoute70());
    ASSERT_EQ(traits().size(), 3u);
    EXPECT_EQ(traits()[1].points, (std::vector<QPoint>{QPoint(150, 100), QPoint(140, 90)}));
    EXPECT_EQ(traits()[2].points, (std::vector<QPoint>{QPoint(150, 100), QPoint(140, 110)}));

    // a one-way rail arc is never an arrow
    images->ima.Appels.clear();
    K.Arcs[1].Mode = TypeTrain().Code;
    DessineArcsType(TypeTrain());
    EXPECT_EQ(traits().size(), 2u);

    // a raised one-way road arc is a tent
    images->ima.Appels.clear();
    K.Arcs[1].Mode = TypeRoute70().Code;
    K.AngleVertical = 0.5;
    DessineArcsType(TypeRoute70());
    ASSERT_EQ(traits().size(), 2u);
    EXPECT_NE(traits()[0].points[1].y(), 100);
}

TEST_F(DessinArcsTest, ArcsWithAnEndOffThePictureOrOutsideTheTableAreSkipped)
{
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 200, 100);
    K.Noeuds[2].Visible = false;
    arc(1, 2, TypeTrain().Code);
    arc(1, 500, TypeTrain().Code);
    arc(-3, 1, TypeTrain().Code);
    arc(0, 1, TypeTrain().Code);
    DessineArcsType(TypeTrain());
    EXPECT_TRUE(traits().empty());
    EXPECT_TRUE(repondeur->messages().empty());
}

TEST_F(DessinArcsTest, ComparisonColoursAndArcsWithoutAComparisonValue)
{
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 200, 100);
    for (int i = 0; i < 4; ++i)
        arc(1, 2, TypeTrain().Code);
    K.ComparaisonArcs = {0, 1.0f, -1.0f, 0.0f}; // nothing for arc 4
    K.Formes.TraceArcs.Check3D1 = true;
    DessineArcsType(TypeTrain());
    ASSERT_EQ(traits().size(), 8u);
    const TypeArc& t = TypeTrain();
    EXPECT_EQ(traits()[0].ForeColor, t.CouleurCommun);
    EXPECT_EQ(traits()[2].ForeColor, t.CouleurMoins);
    EXPECT_EQ(traits()[4].ForeColor, t.CouleurPlus);
    EXPECT_EQ(traits()[6].ForeColor, t.CouleurCommun);

    images->ima.Appels.clear();
    K.Formes.TraceArcs.Check3D1 = false;
    DessineArcsType(TypeTrain());
    for (const AppelZoneImage& a : traits())
        EXPECT_EQ(a.ForeColor, t.CouleurCommun);
}

TEST_F(DessinArcsTest, HeightsThatCannotBeComputedAreDrawnFlatWithOneMessage)
{
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 200, 100);
    K.AngleVertical = 0.5;
    TypeTrain().Vitesse = 0;
    for (int i = 0; i < 5; ++i)
        arc(1, 2, TypeTrain().Code);
    DessineArcsType(TypeTrain());
    ASSERT_EQ(traits().size(), 10u);
    for (const AppelZoneImage& a : traits())
        EXPECT_EQ(a.points[1].y(), 100);
    ASSERT_EQ(repondeur->messages().size(), 1u);
    EXPECT_EQ(repondeur->messages()[0], MessageErreurTrace);

    // one message for a whole group of link types too
    repondeur->efface();
    {
        RegroupeErreursTrace groupe;
        DessineArcsType(TypeTrain());
        DessineArcsType(TypeTrain());
        EXPECT_TRUE(repondeur->messages().empty());
    }
    EXPECT_EQ(repondeur->messages().size(), 1u);
}

TEST_F(DessinArcsTest, NodeColourMenuHandsTheArcsOverAndDrawsNothingItself)
{
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 200, 100);
    arc(1, 2, TypeTrain().Code);
    arc(2, 1, TypeTrain().Code);
    std::vector<int32_t> degrades;
    std::vector<std::pair<int, int>> dxf;
    DessineArcDegrade = [&](int32_t i) { degrades.push_back(i); };
    TraceArcCouleursNoeuds = [&](int o, int d) { dxf.emplace_back(o, d); };
    K.Menu(QStringLiteral("menCouleursNoeuds")).Checked = true;
    vectoriel(true);
    DessineArcsType(TypeTrain());
    EXPECT_EQ(degrades, (std::vector<int32_t>{1, 2}));
    EXPECT_TRUE(traits().empty());
    EXPECT_EQ(kelmo::testvue::LignesEnregistrees(), 0);

    K.Formes.TraceArcs.DXFCouleurNoeuds = 1;
    DessineArcsType(TypeTrain());
    EXPECT_EQ(dxf, (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}}));

    // with nothing installed the arcs are simply not drawn
    DessineArcDegrade = nullptr;
    K.Formes.TraceArcs.DXFCouleurNoeuds = 0;
    DessineArcsType(TypeTrain());
    EXPECT_TRUE(repondeur->messages().empty());
}

TEST_F(DessinArcsTest, VectorModeRecordsTheArrowheadWithItsLine)
{
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 200, 100);
    arc(1, 2, TypeRoute70().Code, true);
    K.TraceFleches = 1;
    vectoriel(true);
    DebutMetaFichier();
    DessineArcsType(TypeRoute70());
    FinMetaFichier();
    // the straight arc as two halves, then the two strokes of its head
    EXPECT_EQ(kelmo::testvue::LignesEnregistrees(), 4);
}

TEST_F(DessinArcsTest, UnsafeLineWidthIsDrawnOnePixelWide)
{
    noeud(QStringLiteral("A"), 0, 100, 100);
    noeud(QStringLiteral("B"), 0, 200, 100);
    arc(1, 2, TypeTrain().Code);
    TypeTrain().Epaisseur = -3;
    DessineArcsType(TypeTrain());
    ASSERT_FALSE(traits().empty());
    EXPECT_EQ(traits()[0].DrawWidth, 1);
}

} // namespace
