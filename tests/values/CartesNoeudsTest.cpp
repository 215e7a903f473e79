// The value map of the nodes: circles, labels, the statistics window's redraw
// and the inflow circles of the oriented flows.
#include "CartesDeTest.h"
#include "values/CartesNoeuds.h"

#include <cmath>
#include <random>

using namespace kelmo;
using namespace kelmo::testcartes;

namespace {

class CartesNoeuds : public CarteTest {
protected:
    // One record per node, in this order, with its value and symbol size.
    struct Rond {
        float x, y, valeur, taille, secondaire = 0;
    };
    void valeurs(std::initializer_list<Rond> ronds)
    {
        K.ValeursNoeuds.assign(1, ValeurNoeud{});
        for (const Rond& r : ronds) {
            const int32_t n = noeud(r.x, r.y);
            ValeurNoeud v;
            v.IndiceNoeud = static_cast<int16_t>(n);
            v.Valeur = r.valeur;
            v.ValeurSecondaire = r.secondaire;
            K.ValeursNoeuds.push_back(v);
            K.TailleSymboles[static_cast<std::size_t>(n)] = r.taille;
        }
    }
};

// The square an ellipse call was given, as (x + r, y + r, x - r, y - r).
std::vector<int> Carre(const AppelZoneImage& a)
{
    return {a.points.at(0).x(), a.points.at(0).y(), a.points.at(1).x(), a.points.at(1).y()};
}

} // namespace

TEST_F(CartesNoeuds, ACircleTakesTheClassOfItsValueAndOneOutsideEveryClassKeepsThePreviousFill)
{
    classes({{0, 10, RGB(1, 1, 1), 1}, {10, 20, RGB(2, 2, 2), 1}});
    K.EpaisseurNoeuds = 2.5;
    valeurs({{100.5f, 201.5f, 15, 100}, {50, 50, 5, 25}, {300, 40, 50, 400}, {10, 10, 10, 4}});
    AfficheRondsCarres(QStringLiteral("Valeur1"));
    const auto c = cercles();
    ASSERT_EQ(c.size(), 4u);
    // Positions rounded half to even before the square is taken.
    EXPECT_EQ(Carre(c[0]), (std::vector<int>{110, 212, 90, 192}));
    EXPECT_EQ(c[0].FillColor, RGB(2, 2, 2));
    EXPECT_EQ(c[1].FillColor, RGB(1, 1, 1));
    EXPECT_EQ(c[2].FillColor, RGB(1, 1, 1)) << "a value in no class keeps the fill of the circle before";
    EXPECT_EQ(c[3].FillColor, RGB(2, 2, 2)) << "a value on a class's upper bound takes the next class";
    for (const auto& a : c) {
        EXPECT_EQ(a.FillStyle, 0);
        EXPECT_EQ(a.ForeColor, K.CouleurBordNoeuds);
        EXPECT_EQ(a.DrawWidth, 2) << "the border width 2.5 rounds half to even";
        EXPECT_EQ(a.DrawMode, 13);
    }
}

TEST_F(CartesNoeuds, TheRadiusFollowsTheSymbolSizeOrIsFixedWithoutProportionalCircles)
{
    struct Cas {
        bool proportionnels;
        float valeur, taille;
        double echelle;
        int rayon; // -1: no circle
    };
    const Cas cas[] = {
        {true, 8, 64, 1, 8},   {true, -8, -64, 1, 8},  {true, 8, 64, 2, 16},  {false, 8, 64, 1, 12},
        {false, 8, 64, 0.5, 6}, {false, 0, 64, 1, -1}, {true, 0, 0, 1, -1},   {true, 8, 64, 0, -1},
    };
    for (const Cas& k : cas) {
        images->ima.Appels.clear();
        K.NbNoeuds = 0;
        K.Noeuds.resize(1);
        K.Formes.Statistiques.Check3D1 = k.proportionnels;
        K.EchelleRonds = k.echelle;
        valeurs({{200, 100, k.valeur, k.taille}});
        AfficheRondsCarres(QStringLiteral("Valeur1"));
        const auto c = cercles();
        if (k.rayon < 0) {
            EXPECT_TRUE(c.empty()) << "a circle of no size is not drawn";
            continue;
        }
        ASSERT_EQ(c.size(), 1u);
        EXPECT_EQ(Carre(c[0]), (std::vector<int>{200 + k.rayon, 100 + k.rayon, 200 - k.rayon, 100 - k.rayon}));
    }
}

TEST_F(CartesNoeuds, TheDifferenceClassesColourTheCirclesOfTheValueAndAbsoluteDifferenceModesOnly)
{
    classes({{0, 10, RGB(1, 1, 1), 1}, {-100, 0, RGB(9, 9, 9), 1}});
    K.Formes.Statistiques.ClassesDifférences = true;
    const struct {
        const char16_t* mode;
        Couleur attendue;
    } cas[] = {{u"Valeur1", RGB(9, 9, 9)},        {u"Valeur2", RGB(9, 9, 9)},
               {u"Différences absolues", RGB(9, 9, 9)}, {u"Multiplication", RGB(1, 1, 1)},
               {u"Comme d'hab", RGB(1, 1, 1)}};
    for (const auto& k : cas) {
        images->ima.Appels.clear();
        K.NbNoeuds = 0;
        K.Noeuds.resize(1);
        valeurs({{50, 50, 5, 25, -3}});
        AfficheRondsCarres(QString::fromUtf16(k.mode));
        ASSERT_EQ(cercles().size(), 1u);
        EXPECT_EQ(cercles()[0].FillColor, k.attendue) << QString::fromUtf16(k.mode).toStdString();
    }
}

TEST_F(CartesNoeuds, ARadiusBeyond2500StopsTheMapWithItsMessageAndNoLabels)
{
    K.Formes.Statistiques.AffValNum = true;
    K.EchelleRonds = 250;
    valeurs({{10, 10, 100, 100}, {20, 20, 5, 100.0001f}, {30, 30, 4, 1}});
    AfficheRondsCarres(QStringLiteral("Valeur1"));
    EXPECT_EQ(cercles().size(), 1u) << "a radius of exactly 2500 is drawn, the next one stops the map";
    EXPECT_EQ(repondeur->messages(), (std::vector<QString>{QStringLiteral("Réduisez l'échelle des ronds SVP...")}));
    EXPECT_EQ(repondeur->appels().back().icone, Icone::Aucune);
    EXPECT_TRUE(textes().empty());
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(CartesNoeuds, AnyOtherDrawingErrorIsToldOnceAndTheCirclesStillCome)
{
    K.EpaisseurNoeuds = 1e6; // beyond a 16-bit pen width
    valeurs({{10, 10, 4, 16}, {20, 20, 4, 16}});
    AfficheRondsCarres(QStringLiteral("Valeur1"));
    EXPECT_EQ(repondeur->messages(), (std::vector<QString>{QStringLiteral("Erreur lors du traçage des ronds...")}));
    EXPECT_EQ(repondeur->appels().back().icone, Icone::Exclamation);
    EXPECT_EQ(cercles().size(), 2u);
}

TEST_F(CartesNoeuds, RecordsOfNoNodeDrawNeitherCircleNorLabel)
{
    K.Formes.Statistiques.AffValNum = true;
    valeurs({{40, 60, 9, 81}});
    K.ValeursNoeuds.push_back(ValeurNoeud{}); // a node that received no value
    K.NbNoeuds = 2;
    K.Noeuds.push_back(Noeud{});
    K.TailleSymboles[2] = 16;
    AfficheRondsCarres(QStringLiteral("Valeur1"));
    ASSERT_EQ(cercles().size(), 1u);
    ASSERT_EQ(textes().size(), 1u);
    EXPECT_EQ(textes()[0].texte, QStringLiteral(" 9"));
}

TEST(TexteValeurNoeud, ValuesAreWrittenWithASignPlaceAndDurationsInHoursAndMinutes)
{
    const struct {
        float valeur;
        bool horaire;
        const char* texte;
    } cas[] = {{12.5f, false, " 12.5"}, {0.5f, false, " .5"},   {-8, false, "-8"},   {0, false, " 0"},
               {90, true, " 1:30"},     {65, true, " 1:05"},    {30, true, " :30"},  {120, true, " 2"},
               {615, true, " 10:15"},   {-90, true, "-1:30"},   {1, true, " :01"}};
    for (const auto& k : cas)
        EXPECT_EQ(TexteValeurNoeud(k.valeur, k.horaire), QString::fromLatin1(k.texte)) << k.valeur;
}

TEST_F(CartesNoeuds, LabelsAreWrittenInBlackAtTheRoundedNodePositionAfterTheCircles)
{
    K.Formes.Statistiques.AffValNum = true;
    valeurs({{10.5f, 20.5f, 7, 49}, {30, 40, 2.5f, 1}});
    AfficheRondsCarres(QStringLiteral("Valeur1"));
    const auto& appels = images->ima.Appels;
    ASSERT_EQ(appels.size(), 4u);
    EXPECT_EQ(appels[2].genre, AppelZoneImage::Genre::Texte);
    EXPECT_EQ(appels[2].points.at(0), QPoint(10, 20));
    EXPECT_EQ(appels[2].texte, QStringLiteral(" 7"));
    EXPECT_EQ(appels[2].ForeColor, 0);
    EXPECT_EQ(appels[3].texte, QStringLiteral(" 2.5"));
}

TEST_F(CartesNoeuds, TheStatisticsRedrawClearsThenDrawsTheCirclesOfTheNodesTabOnly)
{
    int focus = 0;
    ActiveStatistiques = [&] { ++focus; };
    for (int onglet : {0, 1}) {
        images->ima.Appels.clear();
        K.Formes.Statistiques.SSTab1 = onglet;
        K.NbNoeuds = 0;
        K.Noeuds.resize(1);
        valeurs({{10, 10, 4, 16}});
        RedessineCarteValeurs();
        ASSERT_FALSE(images->ima.Appels.empty());
        EXPECT_EQ(images->ima.Appels.front().genre, AppelZoneImage::Genre::Efface);
        EXPECT_FALSE(images->imaVec.AppelsDeGenre(AppelZoneImage::Genre::Efface).empty());
        EXPECT_EQ(cercles().size(), onglet == 0 ? 1u : 0u);
    }
    EXPECT_EQ(focus, 2);
}

// The sums as a scan of the records per node makes them.
std::pair<float, float> SommesLitterales(int32_t code)
{
    float entrant = 0, sortant = 0;
    for (int32_t r = 1; r <= K.NombreArcs1; ++r) {
        if (K.Arcs1[r].CodeDestination == code)
            entrant = entrant + K.Arcs1[r].Valeur;
        if (K.Arcs1[r].CodeOrigine == code)
            sortant = sortant + K.Arcs1[r].Valeur;
    }
    return {entrant, sortant};
}

TEST_F(CartesNoeuds, InflowCirclesGiveTheSameRadiiAsTheSumsPerNodeInRecordOrder)
{
    std::mt19937 g(12);
    for (int i = 0; i < 40; ++i)
        noeud(static_cast<float>(g() % 700) + 0.5f, static_cast<float>(g() % 500));
    for (int r = 0; r < 2000; ++r)
        paire(static_cast<int32_t>(g() % 40 + 1), static_cast<int32_t>(g() % 40 + 1),
              static_cast<float>(g() % 100000) / 7.0f);
    K.EchelleRonds = 1.5;
    AfficheAffluxNoeuds();
    const auto c = cercles();
    ASSERT_EQ(c.size(), 80u);
    for (int32_t n = 1; n <= 40; ++n) {
        const auto [entrant, sortant] = SommesLitterales(K.Noeuds[n].Code);
        const double x = std::nearbyint(K.Noeuds[n].XEcran), y = K.Noeuds[n].YEcran;
        const double re = 1 + std::sqrt(entrant) * 1.5 / 15, rs = 1 + std::sqrt(sortant) * 1.5 / 15;
        EXPECT_EQ(Carre(c[2 * (n - 1)]), (std::vector<int>{int(std::floor(x + re)), int(std::floor(y + re)),
                                                            int(std::floor(x - re)), int(std::floor(y - re))}));
        EXPECT_EQ(Carre(c[2 * n - 1]), (std::vector<int>{int(std::floor(x + rs)), int(std::floor(y + rs)),
                                                          int(std::floor(x - rs)), int(std::floor(y - rs))}));
        EXPECT_EQ(c[2 * (n - 1)].FillColor, QBColor(2));
        EXPECT_EQ(c[2 * n - 1].FillColor, QBColor(12));
        EXPECT_EQ(c[2 * n - 1].ForeColor, RGB(255, 255, 255));
    }
}

TEST_F(CartesNoeuds, InflowCirclesOfANegativeSumAreSizedByItsMagnitudeAndAnEmptyFileGivesRadiusOne)
{
    const int32_t a = noeud(100, 100);
    const int32_t b = noeud(300, 100);
    paire(a, b, -225);
    AfficheAffluxNoeuds();
    auto c = cercles();
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(Carre(c[1]), (std::vector<int>{102, 102, 98, 98})) << "outflow of a: 1 + 15 / 15";
    EXPECT_EQ(Carre(c[2]), (std::vector<int>{302, 102, 298, 98})) << "inflow of b";
    images->ima.Appels.clear();
    K.NombreArcs1 = 0;
    AfficheAffluxNoeuds();
    c = cercles();
    ASSERT_EQ(c.size(), 4u);
    for (const auto& e : c)
        EXPECT_EQ(e.points.at(0).x() - e.points.at(1).x(), 2);
    EXPECT_EQ(LignesEnregistrees() + CerclesEnregistres(), 0);
}
