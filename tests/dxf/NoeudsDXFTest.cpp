// The nodes in the drawing: one TEXT per node with the chosen content, one
// CIRCLE per node by the radius option.
#include "SupportDXF.h"

#include "support/Reseau.h"

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

std::vector<std::string> avecEntites(const std::vector<std::string>& entites)
{
    std::vector<std::string> l = EnteteEtTablesInitiales();
    for (const char* s : {"0", "SECTION", "2", "ENTITIES"})
        l.push_back(s);
    l.insert(l.end(), entites.begin(), entites.end());
    for (const char* s : {"0", "ENDSEC", "0", "EOF"})
        l.push_back(s);
    return l;
}

const std::string nom50 = "Abb\xE9ville" + std::string(41, ' ');
const std::string nom50Utf8 = "Abbéville" + std::string(41, ' ');
const std::string tout = nom50 + " 80100 25000";
const std::string toutUtf8 = nom50Utf8 + " 80100 25000";

struct CasEtiquette {
    bool nom, code, population;
    const char* texte;     // as written, in Windows-1252
    const char* texteUtf8; // as the reader gives it back
};

class EtiquettesNoeuds : public DXFTest, public ::testing::WithParamInterface<CasEtiquette> {};

TEST_P(EtiquettesNoeuds, TheLabelHoldsTheTickedContentsOneBlankApart)
{
    const CasEtiquette& c = GetParam();
    test::Noeud_(QStringLiteral("Abbéville"), 80100, 25000, 512.5f, 300, 0);
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    s.CocheNoeud[0].Value = true;
    s.CocheNoeud[1].Value = c.nom;
    s.CocheNoeud[2].Value = c.code;
    s.CocheNoeud[3].Value = c.population;
    const std::string octets = Exporte(Manifeste().CalquesInitiaux().Texte("1", {515.5, 300, 0}, 5, c.texteUtf8, 0, "Standard"));
    EXPECT_EQ(octets, Lignes(avecEntites({"0", "TEXT", "8", "1", "10", "515.5", "20", "300", "30", "0", "40", "5", "1",
                                          c.texte, "50", " 0", "7", "Standard"})));
}

INSTANTIATE_TEST_SUITE_P(
    CasesDeContenu, EtiquettesNoeuds,
    ::testing::Values(CasEtiquette{true, false, false, nom50.c_str(), nom50Utf8.c_str()},
                      CasEtiquette{false, true, false, " 80100", " 80100"},
                      CasEtiquette{false, false, true, " 25000", " 25000"},
                      CasEtiquette{true, true, true, tout.c_str(), toutUtf8.c_str()},
                      CasEtiquette{false, false, false, "", ""}));

// The boxes as typed: the offset and the rotation read with "." or ",",
// the height written as typed with the point DXF needs, an empty style.
TEST_F(DXFTest, LabelBoxesAreReadWithEitherDecimalPointAndTheRotationCarriesItsBlank)
{
    test::Noeud_(QStringLiteral("A"), 1, 0, -10.25f, 4.5f, 2);
    test::Noeud_(QStringLiteral("B"), 2, 0, 1e7f, -0.001f, -3);
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    s.CocheNoeud[0].Value = true;
    s.CocheNoeud[1].Value = false;
    s.CocheNoeud[2].Value = true;
    s.cadcircle[2] = QStringLiteral("2,5");
    s.NomVilleDxf[3] = QStringLiteral(" 2,5 ");
    s.NomVilleDxf[2] = QStringLiteral("-30");
    s.NomVilleDxf[0].clear();
    s.plancad[1] = QStringLiteral("7.5"); // halves to even
    const std::string octets =
        Exporte(Manifeste()
                    .Calque("7.5", 7)
                    .Texte("8", {-7.75, 4.5, 2}, 2.5, " 1", -30, "Standard")
                    .Texte("8", {10000002.5, -0.001, -3}, 2.5, " 2", -30, "Standard"),
                QStringLiteral("boites.dxf"));
    std::vector<std::string> attendu = avecEntites(
        {"0", "TEXT", "8", "8", "10", "-7.75", "20", "4.5", "30", "2", "40", "2.5", "1", " 1", "50", "-30", "7", "Standard",
         "0", "TEXT", "8", "8", "10", "10000002.5", "20", "-0.001", "30", "-3", "40", "2.5", "1", " 2", "50", "-30", "7",
         "Standard"});
    attendu[42 + 3] = "7.5";
    EXPECT_EQ(octets, Lignes(attendu));
}

struct CasCercle {
    const char* description;
    RayonCerclesDXF rayon;
    const char* valeurR;
    const char* facteur;
    int32_t population;
    const char* rayonEcrit;
    double rayonLu;
};

class CerclesNoeuds : public DXFTest, public ::testing::WithParamInterface<CasCercle> {};

TEST_P(CerclesNoeuds, TheCircleLiesAboveItsNodeWithTheRadiusOfItsOption)
{
    const CasCercle& c = GetParam();
    test::Noeud_(QStringLiteral("A"), 1, c.population, 100, 200, 1.5f);
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    s.cochecircle.Value = true;
    s.Rayon = c.rayon;
    s.cadcircle[2] = QString::fromUtf8(c.valeurR);
    s.cadcircle[1] = QString::fromUtf8(c.facteur);
    const std::string octets = Exporte(Manifeste().CalquesInitiaux().Cercle("0", 0, {100, 200, 7.7}, c.rayonLu));
    EXPECT_EQ(octets, Lignes(avecEntites({"0", "CIRCLE", "8", "0", "62", "0", "10", "100", "20", "200", "30", "7.7",
                                          "40", c.rayonEcrit})));
}

INSTANTIATE_TEST_SUITE_P(
    OptionsDeRayon, CerclesNoeuds,
    ::testing::Values(CasCercle{"fixe", RayonCerclesDXF::RayonFixe, "3", "1", 0, "3", 3},
                      CasCercle{"fixe_virgule", RayonCerclesDXF::RayonFixe, "2,25", "1", 0, "2.25", 2.25},
                      CasCercle{"fixe_texte", RayonCerclesDXF::RayonFixe, "grand", "1", 0, "0", 0},
                      CasCercle{"population", RayonCerclesDXF::FonctionPopulation, "3", "1", 10000, "100", 100},
                      CasCercle{"population_facteur", RayonCerclesDXF::FonctionPopulation, "3", "0,5", 10000, "50", 50},
                      CasCercle{"population_2", RayonCerclesDXF::FonctionPopulation, "3", "1", 2, "1.414214", 1.414214},
                      CasCercle{"population_negative", RayonCerclesDXF::FonctionPopulation, "3", "1", -400, "0", 0}),
    [](const ::testing::TestParamInfo<CasCercle>& i) { return std::string(i.param.description); });

TEST_F(DXFTest, LabelsComeBeforeCirclesAndEachNodeHasOneOfEach)
{
    test::Noeud_(QStringLiteral("A"), 1, 0, 1, 2, 0);
    test::Noeud_(QStringLiteral("B"), 2, 0, 3, 4, 0);
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    s.CocheNoeud[0].Value = true;
    s.CocheNoeud[1].Value = false;
    s.cochecircle.Value = true;
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Texte("1", {4, 2, 0}, 5, "", 0, "Standard")
                                           .Texte("1", {6, 4, 0}, 5, "", 0, "Standard")
                                           .Cercle("0", 0, {1, 2, 6.2}, 3)
                                           .Cercle("0", 0, {3, 4, 6.2}, 3));
    EXPECT_EQ(octets,
              Lignes(avecEntites({"0", "TEXT", "8", "1", "10", "4", "20", "2", "30", "0", "40", "5", "1", "", "50", " 0",
                                  "7", "Standard", "0", "TEXT", "8", "1", "10", "6", "20", "4", "30", "0", "40", "5", "1",
                                  "", "50", " 0", "7", "Standard", "0", "CIRCLE", "8", "0", "62", "0", "10", "1", "20",
                                  "2", "30", "6.2", "40", "3", "0", "CIRCLE", "8", "0", "62", "0", "10", "3", "20", "4",
                                  "30", "6.2", "40", "3"})));
}

} // namespace

namespace {

// Three nodes and their values in display order (not node order): node 3
// first, then nodes 1 and 2; ten classes [0, 10), [10, 20), ... [90, 100).
class CerclesParValeur : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        test::Noeud_(QStringLiteral("N1"), 1, 0, 100, 0, 0);
        test::Noeud_(QStringLiteral("N2"), 2, 0, 200, 0, 1);
        test::Noeud_(QStringLiteral("N3"), 3, 0, 300, 0, 2);
        K.NbClasses = 10;
        K.Classes.assign(11, Classe{});
        for (int k = 1; k <= 10; ++k)
            K.Classes[static_cast<std::size_t>(k)] = {10.0f * (k - 1), 10.0f * k, 0, 1};
        K.ValeursNoeuds.assign(4, ValeurNoeud{});
        valeur(1, 3, 75, 1);
        valeur(2, 1, 85, 2);
        valeur(3, 2, 95, 3);
        K.TailleSymboles[1] = 16;
        K.TailleSymboles[2] = -9;
        K.TailleSymboles[3] = 4;
        K.NbValeursNoeuds = 3;
        K.Formes.SortieDXF.cochecircle.Value = true;
    }
    static void valeur(int i, int noeud, float v, int16_t marque)
    {
        ValeurNoeud& e = K.ValeursNoeuds[static_cast<std::size_t>(i)];
        e.IndiceNoeud = static_cast<int16_t>(noeud);
        e.Valeur = v;
        e.Marque = marque;
    }
    static std::vector<std::string> cercle(const char* calque, const char* couleur, const char* x, const char* z,
                                           const char* rayon)
    {
        return {"0", "CIRCLE", "8", calque, "62", couleur, "10", x, "20", "0", "30", z, "40", rayon};
    }
    static std::vector<std::string> entites(std::initializer_list<std::vector<std::string>> c)
    {
        std::vector<std::string> l;
        for (const auto& e : c)
            l.insert(l.end(), e.begin(), e.end());
        return avecEntites(l);
    }
};

TEST_F(CerclesParValeur, ByNodeValueTheCircleStandsAtTheValuesNodeSizedBySymbolAndColouredByClass)
{
    K.Formes.SortieDXF.Rayon = RayonCerclesDXF::FonctionNoeudVal;
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Cercle("38", 1, {300, 0, 12}, 4)
                                           .Cercle("39", 2, {100, 0, 10}, 3)
                                           .Cercle("40", 10, {200, 0, 11}, 2));
    EXPECT_EQ(octets, Lignes(entites({cercle("38", "1", "300", "12", "4"), cercle("39", "2", "100", "10", "3"),
                                      cercle("40", "10", "200", "11", "2")})));
}

TEST_F(CerclesParValeur, AFixedRadiusWithClassColoursTakesTheClassNumberAsColour)
{
    K.Formes.SortieDXF.CouleursClasses.Value = true;
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Cercle("38", 8, {300, 0, 12}, 3)
                                           .Cercle("39", 9, {100, 0, 10}, 3)
                                           .Cercle("40", 10, {200, 0, 11}, 3));
    EXPECT_EQ(octets, Lignes(entites({cercle("38", "8", "300", "12", "3"), cercle("39", "9", "100", "10", "3"),
                                      cercle("40", "10", "200", "11", "3")})));
}

TEST_F(CerclesParValeur, TheSecondValueColoursFollowTheSignAndTheMark)
{
    valeur(1, 3, -3, 1);
    valeur(2, 1, 0, 2);
    valeur(3, 2, 5, 7);
    K.Formes.SortieDXF.Rayon = RayonCerclesDXF::FonctionNoeudVal;
    K.Formes.SortieDXF.CoulNVal2.Value = true;
    K.Formes.SortieDXF.cadcircle[1] = QStringLiteral("0,5");
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Cercle("31", 1, {300, 0, 12}, 2)
                                           .Cercle("35", 5, {100, 0, 10}, 1.5)
                                           .Cercle("37", 7, {200, 0, 11}, 1));
    EXPECT_EQ(octets, Lignes(entites({cercle("31", "1", "300", "12", "2"), cercle("35", "5", "100", "10", "1.5"),
                                      cercle("37", "7", "200", "11", "1")})));
}

TEST_F(CerclesParValeur, AValueNamingNoNodeGetsNoCircleAndAValueInNoClassKeepsLayerZero)
{
    valeur(2, 0, 85, 2);
    valeur(3, 2, 500, 3);
    K.Formes.SortieDXF.Rayon = RayonCerclesDXF::FonctionNoeudVal;
    const std::string octets =
        Exporte(Manifeste().CalquesInitiaux().Cercle("38", 1, {300, 0, 12}, 4).Cercle("0", 0, {200, 0, 11}, 2));
    EXPECT_EQ(octets, Lignes(entites({cercle("38", "1", "300", "12", "4"), cercle("0", "0", "200", "11", "2")})));
}

} // namespace
