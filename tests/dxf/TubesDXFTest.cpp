// The arcs as tubes: rings of N sides around the two ends and the apex of
// the arc's relief tent, 2N faces per arc.
#include "SupportDXF.h"

#include "core/TypesArcs.h"
#include "dxf/ArcsDXF.h"
#include "dxf/DonneesDXF.h"
#include "dxf/TubesDXF.h"
#include "support/Reseau.h"

#include <cmath>

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

// A Route70 arc of chord 10 at half the reference speed: its apex lies
// sqrt(10² - 5²) = 8.660254 below the middle of its ends.
class TubesDXF : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        test::Noeud_(QStringLiteral("O"), 1, 0, 0, 0, 0);
        test::Noeud_(QStringLiteral("D"), 2, 0, 10, 0, 0);
        test::Arc_(1, 2, TypeRoute70().Code);
        K.Arcs[1].IndiceOrigine = 1, K.Arcs[1].IndiceDestination = 2, K.Arcs[1].Minimal = 1;
        K.TypeValuationRelief = QStringLiteral("FichierRelief3D");
        K.VitesseReference = 140;
        ModeleSortieDXF& s = K.Formes.SortieDXF;
        s.CocheArcs[0].Value = true;
        s.Objet = ObjetArcsDXF::TroisDTubes;
        s.epaisseurcad[6] = QStringLiteral("1");
        s.Tube[1] = QStringLiteral("4");
    }
    std::string faces()
    {
        PrepareArcsDXF();
        TamponDXF t;
        EcritArcsTubesDXF(t);
        return t.octets;
    }
    static int nombreFaces(const std::string& s)
    {
        int n = 0;
        for (std::size_t p = s.find("3DFACE"); p != std::string::npos; p = s.find("3DFACE", p + 1))
            ++n;
        return n;
    }
};

std::vector<std::string> face(std::array<std::array<const char*, 3>, 4> c)
{
    std::vector<std::string> l = {"0", "3DFACE", "8", "6", "62", "3"};
    const char* codes[4][3] = {{"10", "20", "30"}, {"11", "21", "31"}, {"12", "22", "32"}, {"13", "23", "33"}};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 3; ++k) {
            l.push_back(codes[i][k]);
            l.push_back(c[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]);
        }
    return l;
}

TEST_F(TubesDXF, TheFirstFacesJoinTheRingsOfTheOriginTheApexAndTheDestination)
{
    K.AngleVertical = 0.3; // the view tilt plays no part and is given back
    const double h = -std::sqrt(75.0);
    // The angle pi / 2 is made with 3.141593, so its cosine is -1.732051E-07.
    const double c1 = std::cos(2 * 3.141593 / 4);
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Face("6", 3, {1, 0, 0}, {c1, 1, 0}, {5 + c1, 1, h}, {6, 0, h})
                                           .Face("6", 3, {5 + c1, 1, h}, {6, 0, h}, {11, 0, 0}, {10 + c1, 1, 0})
                                           .SeulementLesPremieres()
                                           .Compte("3DFACE", 8)
                                           .Tolerance(1e-6, 1e-5));
    std::vector<std::string> attendu = face({{{"1", "0", "0"}, {"-1.732051E-07", "1", "0"}, {"5", "1", "-8.660254"}, {"6", "0", "-8.660254"}}});
    const std::vector<std::string> seconde =
        face({{{"5", "1", "-8.660254"}, {"6", "0", "-8.660254"}, {"11", "0", "0"}, {"10", "1", "0"}}});
    attendu.insert(attendu.end(), seconde.begin(), seconde.end());
    const std::string debut = "0\r\nSECTION\r\n2\r\nENTITIES\r\n";
    const std::size_t p = octets.find(debut);
    ASSERT_NE(p, std::string::npos);
    EXPECT_EQ(octets.substr(p + debut.size(), Lignes(attendu).size()), Lignes(attendu));
    EXPECT_EQ(nombreFaces(octets), 8);
    EXPECT_EQ(K.AngleVertical, 0.3);
}

// The export folds the arcs as the 3-D file does, whatever valuation the
// user's relief is drawn with, and leaves that valuation as it was.
TEST_F(TubesDXF, TheTubesFollowTheThreeDFileTentsWhateverTheReliefValuation)
{
    const std::string attendu = faces();
    ASSERT_NE(attendu.find("-8.660254"), std::string::npos);
    for (const char* valuation : {"Temps", "Coût", "PasDeValuation"}) {
        K.TypeValuationRelief = QString::fromUtf8(valuation);
        EXPECT_EQ(faces(), attendu) << valuation;
        EXPECT_EQ(K.TypeValuationRelief, QString::fromUtf8(valuation));
    }
}

TEST_F(TubesDXF, RingPointsLieOnTheRadiusAroundTheirCentre)
{
    K.Formes.SortieDXF.Tube[1] = QStringLiteral("6");
    K.Formes.SortieDXF.epaisseurcad[6] = QStringLiteral("2,5");
    PrepareArcsDXF();
    TamponDXF t;
    EcritArcsTubesDXF(t);
    // The table holds the last side written: its second-piece face.
    ASSERT_EQ(DXF.FacesTube.size(), 7u);
    const FaceTube& f = DXF.FacesTube[6];
    const double h = -std::sqrt(75.0);
    const std::array<double, 3> centres[4] = {{5, 0, h}, {5, 0, h}, {10, 0, 0}, {10, 0, 0}};
    for (int i = 0; i < 4; ++i) {
        const auto& c = f[static_cast<std::size_t>(i)];
        const auto& m = centres[i];
        // single-precision points a few units from the origin
        EXPECT_NEAR(std::hypot(c[0] - m[0], c[1] - m[1]), 2.5, 1e-5) << i;
        EXPECT_NEAR(c[2], m[2], 1e-5) << i;
    }
    // Side 6 runs from 5 pi / 3 to 2 pi (with 3.141593): its corner 1 on the
    // apex ring is at angle 2 pi.
    EXPECT_NEAR(f[0][0], 5 + 2.5 * std::cos(2 * 3.141593), 1e-5);
    EXPECT_NEAR(f[0][1], 2.5 * std::sin(2 * 3.141593), 1e-5);
}

struct CasCotes {
    const char* texte;
    int faces;
};

class NombreDeCotes : public TubesDXF, public ::testing::WithParamInterface<CasCotes> {};

TEST_P(NombreDeCotes, TheSidesRunOverTheWholeNumbersUpToTheCount)
{
    K.Formes.SortieDXF.Tube[1] = QString::fromUtf8(GetParam().texte);
    EXPECT_EQ(nombreFaces(faces()), GetParam().faces);
}

INSTANTIATE_TEST_SUITE_P(TextesDuNombre, NombreDeCotes,
                         ::testing::Values(CasCotes{"6", 12}, CasCotes{"2.5", 4}, CasCotes{"2,5", 4},
                                           CasCotes{"1", 2}, CasCotes{"0.7", 0}, CasCotes{"0", 0},
                                           CasCotes{"-3", 0}, CasCotes{"", 0}, CasCotes{"abc", 0}));

TEST_F(TubesDXF, TheArcsOptionKeepsMinimalArcsTheOthersWriteEveryArc)
{
    test::Arc_(2, 1, TypeTER().Code);
    K.Arcs[2].IndiceOrigine = 2, K.Arcs[2].IndiceDestination = 1, K.Arcs[2].Minimal = 0;
    EXPECT_EQ(nombreFaces(faces()), 8);
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValeurBiColor;
    EXPECT_EQ(nombreFaces(faces()), 16);
}

TEST_F(TubesDXF, AnArcWithoutATentHeightHasItsApexAtZero)
{
    // A link-type code of no link type has no speed to divide by.
    K.Arcs[1].Mode = 999;
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValeur;
    const std::string s = faces();
    EXPECT_EQ(s.find("nan"), std::string::npos);
    EXPECT_EQ(s.find("inf"), std::string::npos);
    // No grid row: radius 0, layer 0, colour 0; the apex ring at height 0.
    const std::string premiere = Lignes({"0", "3DFACE", "8", "0", "62", "0", "10", "0", "20", "0", "30", "0", "11", "0",
                                         "21", "0", "31", "0", "12", "5", "22", "0", "32", "0", "13", "5", "23", "0",
                                         "33", "0"});
    EXPECT_EQ(s.substr(0, premiere.size()), premiere);
}

TEST_F(TubesDXF, AnArcWhoseEndNamesNoNodeIsLeftOut)
{
    K.Arcs[1].IndiceDestination = 0;
    EXPECT_EQ(nombreFaces(faces()), 0);
}

} // namespace
