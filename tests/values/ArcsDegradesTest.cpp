// Arcs graded by the classes of their end nodes' values.
#include "CartesDeTest.h"
#include "relief/GeometrieArcRelief.h"
#include "values/ArcsDegrades.h"
#include "view/CrochetsDessinCarte.h"
#include "view/DessinArcs.h"

using namespace kelmo;
using namespace kelmo::testcartes;

namespace {

constexpr Couleur C0 = RGB(0, 0, 7), C1 = RGB(1, 0, 0), C2 = RGB(2, 0, 0), C3 = RGB(3, 0, 0), C4 = RGB(4, 0, 0);

class ArcsDegrades : public CarteTest {
protected:
    void SetUp() override
    {
        CarteTest::SetUp();
        K.TypeValuationRelief = QStringLiteral("PasDeValuation");
        classes({{0, 10, C1, 5}, {10, 20, C2, 5}, {20, 30, C3, 5}, {30, 40, C4, 5}, {40, 50, RGB(5, 0, 0), 5}});
        K.Classes[0].Couleur = C0;
        o = noeud(100, 100);
        d = noeud(300, 100);
        arc = ajouteArc(o, d);
    }
    int32_t ajouteArc(int32_t io, int32_t id)
    {
        test::Arc_(K.Noeuds[io].Code, K.Noeuds[id].Code, TypeRoute70().Code);
        K.Arcs.back().IndiceOrigine = static_cast<int16_t>(io);
        K.Arcs.back().IndiceDestination = static_cast<int16_t>(id);
        return K.NbArcs;
    }
    // The values shown, sorted so that the destination's entry comes first.
    void valeurs(float vO, float vD)
    {
        K.ValeursNoeuds.assign(3, ValeurNoeud{});
        K.ValeursNoeuds[1].IndiceNoeud = static_cast<int16_t>(d);
        K.ValeursNoeuds[1].Valeur = vD;
        K.ValeursNoeuds[2].IndiceNoeud = static_cast<int16_t>(o);
        K.ValeursNoeuds[2].Valeur = vO;
    }
    struct Piece {
        int x1, x2;
        Couleur c;
        bool operator==(const Piece&) const = default;
    };
    std::vector<Piece> pieces() const
    {
        std::vector<Piece> p;
        for (const auto& t : traits()) {
            EXPECT_EQ(t.DrawWidth, 2);
            EXPECT_EQ(t.points.at(0).y(), 100);
            p.push_back({t.points.at(0).x(), t.points.at(1).x(), t.ForeColor});
        }
        return p;
    }
    int32_t o = 0, d = 0, arc = 0;
};

} // namespace

TEST_F(ArcsDegrades, EndsOneClassApartAreCutOnceWhereTheValueCrossesTheLimit)
{
    const struct {
        float vO, vD;
        std::vector<Piece> attendues;
    } cas[] = {
        // up, M >= B: cut at the middle
        {5, 15, {{300, 200, C2}, {200, 200, C2}, {200, 100, C1}}},
        // up, M < B
        {5, 13, {{100, 200, C1}, {225, 200, C1}, {300, 225, C2}}},
        // down, M >= B
        {15, 7, {{100, 200, C2}, {225, 200, C2}, {225, 300, C1}}},
        // down, M < B
        {13, 5, {{300, 200, C1}, {175, 200, C1}, {100, 175, C2}}},
    };
    for (const auto& k : cas) {
        images->ima.Appels.clear();
        valeurs(k.vO, k.vD);
        PrepareArcsDegradesCarte();
        DessineArcDegradeCarte(arc);
        EXPECT_EQ(pieces(), k.attendues) << k.vO << " -> " << k.vD;
    }
}

TEST_F(ArcsDegrades, EndsTwoOrThreeClassesApartRunFromTheLowerClassEnd)
{
    const struct {
        float vO, vD;
        std::vector<Piece> attendues;
    } cas[] = {
        {5, 25, {{100, 150, C1}, {150, 250, C2}, {250, 300, C3}}},
        {25, 5, {{300, 250, C1}, {250, 150, C2}, {150, 100, C3}}},
        {5, 35, {{100, 133, C1}, {133, 200, C2}, {200, 267, C3}, {267, 300, C4}}},
        {35, 5, {{300, 267, C1}, {267, 200, C2}, {200, 133, C3}, {133, 100, C4}}},
        {5, 45, {}},
        // An end in no class is one class below class 1: the cut takes the
        // bounds of entry 0 (down, since its upper bound is not class 1's lower).
        {-5, 5, {{100, 200, C0}, {200, 200, C0}, {200, 300, C1}}},
    };
    for (const auto& k : cas) {
        images->ima.Appels.clear();
        valeurs(k.vO, k.vD);
        K.Classes[0].BorneSup = -10; // entry 0 is no real class; its bounds come from nowhere
        PrepareArcsDegradesCarte();
        DessineArcDegradeCarte(arc);
        EXPECT_EQ(pieces(), k.attendues) << k.vO << " -> " << k.vD;
    }
}

TEST_F(ArcsDegrades, EndsOfOneClassDrawTheArcsTentInThatColour)
{
    K.TypeValuationRelief = QStringLiteral("Temps");
    K.AngleVertical = 0.6;
    valeurs(3, 7);
    PrepareArcsDegradesCarte();
    DessineArcDegradeCarte(arc);
    double h = 0, corde = 10;
    ASSERT_TRUE(GeometrieArcRelief(h, 10, corde, TypeRoute70().Code, 100, 100, 300, 100, arc, o, d));
    ASSERT_GT(std::fabs(h), 1.0);
    const auto t = traits();
    ASSERT_EQ(t.size(), 2u);
    const QPoint sommet(200, static_cast<int>(std::nearbyint(100 - h)));
    EXPECT_EQ(t[0].points, (std::vector<QPoint>{{100, 100}, sommet}));
    EXPECT_EQ(t[1].points, (std::vector<QPoint>{{300, 100}, sommet}));
    EXPECT_EQ(t[0].ForeColor, C1);
    EXPECT_EQ(t[1].ForeColor, C1);
}

TEST_F(ArcsDegrades, OverlappingClassesTakeTheHigherOneAndAnEndOfNoValueReadsAsZero)
{
    classes({{0, 10, C1, 1}, {5, 15, C2, 1}});
    valeurs(7, 8);
    K.ValeursNoeuds.resize(2); // the origin has no entry
    PrepareArcsDegradesCarte();
    DessineArcDegradeCarte(arc);
    // 0 in class 1, 8 in class 2 of the overlap; the bounds do not meet, so
    // the cut is at the origin's lower bound 0: the origin itself.
    EXPECT_EQ(pieces(), (std::vector<Piece>{{100, 200, C1}, {100, 200, C1}, {100, 300, C2}}));
}

TEST_F(ArcsDegrades, ACutBeyondTheArcOfClassesThatDoNotMeetIsHeldAtItsEnd)
{
    classes({{0, 10, C1, 1}, {20, 30, C2, 1}});
    valeurs(5, 25);
    PrepareArcsDegradesCarte();
    DessineArcDegradeCarte(arc);
    // Down from the origin's lower bound 0: 1.5 half-arcs from the middle,
    // past the origin, which holds the cut.
    EXPECT_EQ(pieces(), (std::vector<Piece>{{100, 200, C1}, {100, 200, C1}, {100, 300, C2}}));
}

TEST_F(ArcsDegrades, TheMapsArcDrawingHandsEveryArcToTheGradingWithoutAnErrorWhenNoValuesExist)
{
    InstalleArcsDegrades();
    K.Menu(QStringLiteral("menCouleursNoeuds")).Checked = true;
    K.ValeursNoeuds.assign(1, ValeurNoeud{});
    ajouteArc(d, o);
    DessineArcsType(TypeRoute70());
    EXPECT_TRUE(repondeur->messages().empty());
    EXPECT_EQ(pieces(), (std::vector<Piece>{{100, 200, C1}, {300, 200, C1}, {300, 200, C1}, {100, 200, C1}}));
}

TEST_F(ArcsDegrades, TheRecordingRestartsAfterThe71stGradedArcAndOnlyWhileOneIsOpen)
{
    vectoriel(true);
    valeurs(5, 15);
    PrepareArcsDegradesCarte();
    DebutMetaFichier();
    NbFormesMetaFichier = 0;
    const auto joues = [&] { return images->imaVec.AppelsDeGenre(AppelZoneImage::Genre::Peinture).size(); };
    for (int i = 0; i < 70; ++i)
        DessineArcDegradeCarte(arc);
    EXPECT_EQ(NbFormesMetaFichier, 70);
    EXPECT_EQ(joues(), 0u);
    DessineArcDegradeCarte(arc);
    EXPECT_EQ(NbFormesMetaFichier, 0);
    EXPECT_EQ(joues(), 1u) << "closed once, and shown";
    EXPECT_TRUE(EnregistrementOuvert());
    FinMetaFichier();
    EXPECT_EQ(LignesEnregistrees(), 3 * 71);

    // No recording open: nothing recorded so far is lost at the 71st.
    EffaceMetaFichier();
    NbFormesMetaFichier = 0;
    for (int i = 0; i < 75; ++i)
        DessineArcDegradeCarte(arc);
    EXPECT_FALSE(EnregistrementOuvert());
    EXPECT_EQ(LignesEnregistrees(), 3 * 75);
    EXPECT_EQ(NbFormesMetaFichier, 4);

    // Bitmap mode counts nothing.
    vectoriel(false);
    DessineArcDegradeCarte(arc);
    EXPECT_EQ(NbFormesMetaFichier, 4);
}
