// The relief facets as 3-D faces: one triangle byte for byte on the grid's
// "3DFacettes" row, the row's odd cells, and the facets of a relief drawn
// for the 3-D file written as the relief stored them.
#include "SupportDXF.h"

#include "core/Defauts.h"
#include "core/TypesArcs.h"
#include "dxf/DonneesDXF.h"
#include "dxf/FacettesDXF.h"
#include "dxf/SortieDXF.h"
#include "relief/DessinRelief.h"
#include "support/Reseau.h"

#include <cmath>

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

class FacettesDXF : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        K.Formes.SortieDXF.Coche3DFace.Value = true;
    }
    // The facet (0, 0, 0), (10, 0, 5), (0, 10, 5), alone in the tables.
    void uneFacette()
    {
        K.SommetsFacettes = {{}, {0, 0, 0, 0}, {0, 10, 0, 5}, {0, 0, 10, 5}};
        K.NbSommets = 3;
        K.Facettes.assign(2, Facette{});
        K.Facettes[1].Sommet1 = 1, K.Facettes[1].Sommet2 = 2, K.Facettes[1].Sommet3 = 3;
        K.NbFacettes = 1;
    }
};

std::vector<std::string> fichierAvecFacette(const char* calque, const char* couleur)
{
    std::vector<std::string> l = EnteteEtTablesInitiales();
    for (const char* s : {"0", "SECTION", "2", "ENTITIES", "0", "3DFACE", "8", calque, "62", couleur, "10", "0", "20",
                          "0", "30", "0", "11", "10", "21", "0", "31", "5", "12", "0", "22", "10", "32", "5", "13", "0",
                          "23", "0", "33", "0", "0", "ENDSEC", "0", "EOF"})
        l.push_back(s);
    return l;
}

TEST_F(FacettesDXF, ATriangleIsAFaceWhoseFourthCornerRepeatsTheFirstOnTheFacetRow)
{
    uneFacette();
    const std::string octets = Exporte(Manifeste().CalquesInitiaux().Face("3", 7, {0, 0, 0}, {10, 0, 5}, {0, 10, 5}, {0, 0, 0}));
    EXPECT_EQ(octets, Lignes(fichierAvecFacette("3", "7")));
}

// The facet row's cells: a plane number rounded halves to even, a colour
// name outside the table (colour 0 on the faces, 7 in the layer table).
struct CasLigneFacettes {
    const char* plan;
    const char* couleur;
    const char* calqueEcrit;
    const char* couleurEcrite;
};

class LigneFacettes : public FacettesDXF, public ::testing::WithParamInterface<CasLigneFacettes> {};

TEST_P(LigneFacettes, TheFacetsTakeTheLayerAndColourOfTheirRow)
{
    uneFacette();
    const CasLigneFacettes& c = GetParam();
    K.Formes.SortieDXF.plancad[3] = QString::fromUtf8(c.plan);
    K.Formes.SortieDXF.couleurcad[3] = QString::fromUtf8(c.couleur);
    const std::string octets = Exporte(Manifeste().Compte("3DFACE", 1));
    const std::string attendu = Lignes({"0", "3DFACE", "8", c.calqueEcrit, "62", c.couleurEcrite, "10", "0"});
    EXPECT_NE(octets.find(attendu), std::string::npos) << octets.substr(octets.find("ENTITIES"));
}

INSTANTIATE_TEST_SUITE_P(Cellules, LigneFacettes,
                         ::testing::Values(CasLigneFacettes{"3", "Blanc", "3", "7"},
                                           CasLigneFacettes{"7.5", "rouge", "8", "1"},
                                           CasLigneFacettes{"6,5", "Noir", "6", "249"},
                                           CasLigneFacettes{"12", "ROUGE", "12", "0"},
                                           CasLigneFacettes{"abc", "", "0", "0"}));

TEST_F(FacettesDXF, AfterAReliefForTheThreeDFileTheBoxStaysTickedAndEveryFacetIsWritten)
{
    DefinitValeursParDefaut();
    DefinitDefautsStatistiques();
    K.NbMaxFacettes = 10000;
    K.NbMaxSommets = 10000;
    // A, B, C and the three arcs between them, at half the reference speed:
    // tents whose apices lie well below their ends.
    const int32_t a = test::NoeudAEcran(QStringLiteral("A"), 0, 100, 900, 3);
    const int32_t b = test::NoeudAEcran(QStringLiteral("B"), 0, 200, 900, 0);
    const int32_t c = test::NoeudAEcran(QStringLiteral("C"), 0, 150, 950, 1);
    const std::pair<int32_t, int32_t> arcs[] = {{a, b}, {b, c}, {c, a}};
    for (const auto& [o, d] : arcs) {
        test::Arc_(K.Noeuds[o].Code, K.Noeuds[d].Code, TypeRoute70().Code);
        K.Arcs.back().IndiceOrigine = static_cast<int16_t>(o);
        K.Arcs.back().IndiceDestination = static_cast<int16_t>(d);
        K.Arcs.back().Minimal = 1;
    }
    K.TypeValuationRelief = QStringLiteral("FichierRelief3D"); // "Prépare le fichier relief 3d"
    K.VitesseReference = 2 * TypeRoute70().Vitesse;
    DessineRelief(1, K.NbNoeuds);
    ASSERT_GT(K.NbFacettes, 0);
    Kelmo_menCréeFichDXF_Click();
    SortieDXF_Coche3DFace_Click();
    EXPECT_TRUE(K.Formes.SortieDXF.Coche3DFace.Value);
    EXPECT_TRUE(repondeur->appels().empty());

    // The faces are the facets as the relief stored them: its vertex rows
    // in network coordinates, the heights of the tents.
    Manifeste m;
    m.CalquesInitiaux().Compte("3DFACE", K.NbFacettes).Tolerance(1e-6, 1e-4);
    bool tente = false;
    for (int32_t k = 1; k <= K.NbFacettes; ++k) {
        const Facette& f = K.Facettes[static_cast<std::size_t>(k)];
        const auto coin = [](int32_t r) {
            const auto& s = K.SommetsFacettes[static_cast<std::size_t>(r)];
            return Point{s[1], s[2], s[3]};
        };
        for (int32_t r : {f.Sommet1, f.Sommet2, f.Sommet3})
            tente = tente || std::fabs(coin(r)[2]) > 5;
        m.Face("3", 7, coin(f.Sommet1), coin(f.Sommet2), coin(f.Sommet3), coin(f.Sommet1));
    }
    EXPECT_TRUE(tente); // some corner is an apex far from the nodes
    const std::string octets = Exporte(m);
    int faces = 0;
    for (std::size_t p = octets.find("3DFACE"); p != std::string::npos; p = octets.find("3DFACE", p + 1))
        ++faces;
    EXPECT_EQ(faces, K.NbFacettes);
    // Writing them leaves the relief's tables as they were.
    EXPECT_EQ(K.NbFacettes, static_cast<int32_t>(DXF.FacettesDXF.size()) - 1);
}

TEST_F(FacettesDXF, AFacetNamingNoStoredVertexIsLeftOut)
{
    uneFacette();
    K.Facettes.resize(3);
    K.Facettes[2].Sommet1 = 1, K.Facettes[2].Sommet2 = 2, K.Facettes[2].Sommet3 = 99;
    K.NbFacettes = 2;
    EXPECT_EQ(Exporte(Manifeste().CalquesInitiaux().Face("3", 7, {0, 0, 0}, {10, 0, 5}, {0, 10, 5}, {0, 0, 0})),
              Lignes(fichierAvecFacette("3", "7")));
}

} // namespace
