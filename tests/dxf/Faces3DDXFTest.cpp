// The arcs as folded bands of 3-D faces: the six faces of a straight arc
// and the two flat ones byte for byte, the strip and the walls of a tent,
// the height offsets of the link types, and what is left out.
#include "SupportDXF.h"

#include "core/TypesArcs.h"
#include "dxf/ArcsDXF.h"
#include "dxf/DonneesDXF.h"
#include "dxf/Faces3DDXF.h"
#include "support/Reseau.h"

#include <cmath>
#include <cstdio>

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

// An arc of Route70 (row 6 of the grid: layer 6, colour "Vert" = 3,
// thickness "1.5") from O (0, 0, 0) to D (10, 0, 0).
class Faces3DDXF : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        test::Noeud_(QStringLiteral("O"), 1, 0, 0, 0, 0);
        test::Noeud_(QStringLiteral("D"), 2, 0, 10, 0, 0);
        test::Arc_(1, 2, TypeRoute70().Code);
        K.Arcs[1].IndiceOrigine = 1, K.Arcs[1].IndiceDestination = 2, K.Arcs[1].Minimal = 1;
        K.VitesseReference = TypeRoute70().Vitesse; // at the reference speed: a straight arc, apex height 0
        ModeleSortieDXF& s = K.Formes.SortieDXF;
        s.CocheArcs[0].Value = true;
        s.Objet = ObjetArcsDXF::TroisDFaces;
    }
    std::string faces()
    {
        PrepareArcsDXF();
        TamponDXF t;
        EcritArcs3DFacesDXF(t);
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

std::string g15(double v)
{
    char b[40];
    std::snprintf(b, sizeof b, "%.15G", v);
    return b;
}

using Coin = std::array<std::string, 3>;

std::vector<std::string> face(const char* calque, const char* couleur, std::array<Coin, 4> c)
{
    std::vector<std::string> l = {"0", "3DFACE", "8", calque, "62", couleur};
    const char* codes[4][3] = {{"10", "20", "30"}, {"11", "21", "31"}, {"12", "22", "32"}, {"13", "23", "33"}};
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t k = 0; k < 3; ++k) {
            l.push_back(codes[i][k]);
            l.push_back(c[i][k]);
        }
    return l;
}

void ajoute(std::vector<std::string>& a, const std::vector<std::string>& b) { a.insert(a.end(), b.begin(), b.end()); }

std::string entites(const std::string& octets)
{
    const std::string debut = "0\r\nSECTION\r\n2\r\nENTITIES\r\n";
    const std::size_t p = octets.find(debut);
    const std::size_t f = octets.find("0\r\nENDSEC\r\n0\r\nEOF\r\n");
    if (p == std::string::npos || f == std::string::npos)
        return {};
    return octets.substr(p + debut.size(), f - p - debut.size());
}

TEST_F(Faces3DDXF, AStraightArcIsAHorizontalStripLiftedByItsLinkTypeWithWallsFromItsOwnSlope)
{
    K.AngleVertical = 0.4; // the tilt plays no part and is given back
    // The provisional apex at -100 orients the strip: its half width 0.75
    // lies along -y. The final apex stands at 1 + 3.4; the walls hang as
    // deep as the half width measured along the slope from the origin to
    // that apex: 0.75 x sqrt(26) / 5.
    const double d = double(float(std::sqrt(26.0))) * 0.75 / 5.0;
    const std::string bas = g15(3.4 - d), basSommet = g15((1.0 + 3.4) - d);
    const Coin p1p{"0", "-0.75", "3.4"}, p1m{"0", "0.75", "3.4"}, mp{"5", "-0.75", "4.4"}, mm{"5", "0.75", "4.4"},
        p2p{"10", "-0.75", "3.4"}, p2m{"10", "0.75", "3.4"};
    const Coin p1pb{"0", "-0.75", bas}, p1mb{"0", "0.75", bas}, mpb{"5", "-0.75", basSommet},
        mmb{"5", "0.75", basSommet}, p2pb{"10", "-0.75", bas}, p2mb{"10", "0.75", bas};
    std::vector<std::string> attendu;
    ajoute(attendu, face("6", "3", {p1p, p1m, mm, mp}));
    ajoute(attendu, face("6", "3", {p1p, mp, mpb, p1pb}));
    ajoute(attendu, face("6", "3", {p1m, mm, mmb, p1mb}));
    ajoute(attendu, face("6", "3", {mp, mm, p2m, p2p}));
    ajoute(attendu, face("6", "3", {mp, p2p, p2pb, mpb}));
    ajoute(attendu, face("6", "3", {mm, p2m, p2mb, mmb}));
    const double z = 3.4 - d, zs = 4.4 - d;
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Face("6", 3, {0, -0.75, 3.4}, {0, 0.75, 3.4}, {5, 0.75, 4.4}, {5, -0.75, 4.4})
                                           .Face("6", 3, {0, -0.75, 3.4}, {5, -0.75, 4.4}, {5, -0.75, zs}, {0, -0.75, z})
                                           .Face("6", 3, {0, 0.75, 3.4}, {5, 0.75, 4.4}, {5, 0.75, zs}, {0, 0.75, z})
                                           .Face("6", 3, {5, -0.75, 4.4}, {5, 0.75, 4.4}, {10, 0.75, 3.4}, {10, -0.75, 3.4})
                                           .Face("6", 3, {5, -0.75, 4.4}, {10, -0.75, 3.4}, {10, -0.75, z}, {5, -0.75, zs})
                                           .Face("6", 3, {5, 0.75, 4.4}, {10, 0.75, 3.4}, {10, 0.75, z}, {5, 0.75, zs}));
    EXPECT_EQ(entites(octets), Lignes(attendu));
    EXPECT_EQ(K.AngleVertical, 0.4);
}

TEST_F(Faces3DDXF, AFlatBandIsTwoStripsAllAtTheHeightOfItsLinkType)
{
    K.Formes.SortieDXF.APlat.Value = true;
    const Coin p1p{"0", "-0.75", "3.4"}, p1m{"0", "0.75", "3.4"}, mp{"5", "-0.75", "3.4"}, mm{"5", "0.75", "3.4"},
        p2p{"10", "-0.75", "3.4"}, p2m{"10", "0.75", "3.4"};
    std::vector<std::string> attendu;
    ajoute(attendu, face("6", "3", {p1p, p1m, mm, mp}));
    ajoute(attendu, face("6", "3", {mp, mm, p2m, p2p}));
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Face("6", 3, {0, -0.75, 3.4}, {0, 0.75, 3.4}, {5, 0.75, 3.4}, {5, -0.75, 3.4})
                                           .Face("6", 3, {5, -0.75, 3.4}, {5, 0.75, 3.4}, {10, 0.75, 3.4}, {10, -0.75, 3.4}));
    EXPECT_EQ(entites(octets), Lignes(attendu));
}

TEST_F(Faces3DDXF, ATentBandFollowsItsSlopesAndItsWallsDeepenWithTheSlope)
{
    // Half the reference speed: the apex lies sqrt(10² - 5²) below the
    // middle; the slopes are at 60 degrees, so the walls hang twice the half
    // width.
    K.VitesseReference = 2 * TypeRoute70().Vitesse;
    const double h = -std::sqrt(75.0);
    K.Formes.SortieDXF.epaisseurcad[6] = QStringLiteral("2");
    const std::string s = faces();
    // The half-width vector is divided by its norm in single precision, as
    // the vector helpers give it: y = -86.6... / float(86.6...).
    const std::string y = g15(-10 * std::sqrt(75.0) / double(float(10 * std::sqrt(75.0))));
    const std::string ym = g15(10 * std::sqrt(75.0) / double(float(10 * std::sqrt(75.0))));
    const std::string e = Lignes(face("6", "3", {Coin{"0", y, "3.4"}, Coin{"0", ym, "3.4"},
                                                 Coin{"5", ym, g15(h + 3.4)}, Coin{"5", y, g15(h + 3.4)}}));
    EXPECT_EQ(s.substr(0, e.size()), e);
    // The foot of the first wall under the origin's + edge: the 4th corner
    // of the second face.
    const std::string mur = "13\r\n0\r\n23\r\n" + y + "\r\n33\r\n";
    const std::size_t p = s.find(mur);
    ASSERT_NE(p, std::string::npos);
    const double pied = std::stod(s.substr(p + mur.size()));
    EXPECT_NEAR(pied, 3.4 - 2.0, 1e-6); // the norms are single precision
    EXPECT_EQ(nombreFaces(s), 6);
}

struct CasDecalage {
    TypeArc& (*type)();
    double decalage;
};

class DecalagesTypes : public DXFTest, public ::testing::WithParamInterface<CasDecalage> {};

TEST_P(DecalagesTypes, EachLinkTypeLiesAtItsOwnLevel)
{
    EXPECT_EQ(DecalageTypeDXF(GetParam().type().Code), GetParam().decalage);
}

INSTANTIATE_TEST_SUITE_P(
    TypesDeLien, DecalagesTypes,
    ::testing::Values(CasDecalage{TypeTGV, 6}, CasDecalage{TypeAutoroute, 4}, CasDecalage{TypeVoieExpressInterurb, 4},
                      CasDecalage{TypeVoieRapideUrb65, 4}, CasDecalage{TypeArtereUrbaine, 3.8},
                      CasDecalage{TypeRoute70, 3.4}, CasDecalage{TypeRoute60, 2.6}, CasDecalage{TypeRoute50, 2.4},
                      CasDecalage{TypeBoulevardUrbain, 2.2}, CasDecalage{TypeVoieUrbaine, 2.1},
                      CasDecalage{TypeTER, 2}, CasDecalage{TypeMetro, 2}, CasDecalage{TypeTGVSiteClassique, 2}));

TEST_F(Faces3DDXF, TheArcsOptionKeepsMinimalArcsTheOthersWriteEveryArc)
{
    test::Arc_(2, 1, TypeTER().Code);
    K.Arcs[2].IndiceOrigine = 2, K.Arcs[2].IndiceDestination = 1, K.Arcs[2].Minimal = 0;
    EXPECT_EQ(nombreFaces(faces()), 6);
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValeur;
    EXPECT_EQ(nombreFaces(faces()), 12);
    K.Formes.SortieDXF.APlat.Value = true;
    EXPECT_EQ(nombreFaces(faces()), 4);
}

TEST_F(Faces3DDXF, AnArcOfNoKnownSpeedIsStraightAndWithoutRowHasNoWidth)
{
    K.TypeValuationRelief = QStringLiteral("FichierRelief3D");
    K.Arcs[1].Mode = 999; // no link type: no speed to divide by
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValeur;
    const std::string s = faces();
    EXPECT_EQ(s.find("nan"), std::string::npos);
    EXPECT_EQ(s.find("inf"), std::string::npos);
    // Layer 0, colour 0, width 0, offset 2; the apex at 1 + 2.
    const std::string premiere = Lignes(face("0", "0", {Coin{"0", "0", "2"}, Coin{"0", "0", "2"}, Coin{"5", "0", "3"},
                                                        Coin{"5", "0", "3"}}));
    EXPECT_EQ(s.substr(0, premiere.size()), premiere);
    EXPECT_EQ(nombreFaces(s), 6);
}

TEST_F(Faces3DDXF, AnArcWhoseEndNamesNoNodeIsLeftOut)
{
    K.Arcs[1].IndiceOrigine = 0;
    EXPECT_EQ(nombreFaces(faces()), 0);
}

TEST_F(DXFTest, TheTextOfOneFaceHoldsThirtyLinesWithoutItsRecordEnd)
{
    DXF.ArcsDXF.assign(2, ArcDXF{});
    DXF.ArcsDXF[1].Calque = 9;
    DXF.ArcsDXF[1].Couleur = 5;
    const std::string s = TexteFace3DDXF(1, {1, 2, 3}, {4.5, -5, 6}, {0.1, 1e-7, 123456.789}, {-0.0, 0, 0});
    const std::string attendu = "0\r\n3DFACE\r\n8\r\n9\r\n62\r\n5\r\n10\r\n1\r\n20\r\n2\r\n30\r\n3\r\n"
                                "11\r\n4.5\r\n21\r\n-5\r\n31\r\n6\r\n12\r\n0.1\r\n22\r\n1E-07\r\n32\r\n123456.789\r\n"
                                "13\r\n0\r\n23\r\n0\r\n33\r\n0";
    EXPECT_EQ(s, attendu);
}

} // namespace
