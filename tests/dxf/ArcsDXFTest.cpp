// The arcs' layers, colours and thicknesses from the grid row of their link
// type, and the arcs written as two-vertex polylines.
#include "SupportDXF.h"

#include "core/TypesArcs.h"
#include "dxf/ArcsDXF.h"
#include "support/Reseau.h"

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

struct CasType {
    TypeArc& (*type)();
    int16_t calque;
    double couleur;
    double epaisseur;
};

class LigneDuType : public DXFTest, public ::testing::WithParamInterface<CasType> {};

TEST_P(LigneDuType, EachLinkTypeTakesTheRowOfItsCodeOrNothing)
{
    const CasType& c = GetParam();
    test::Noeud_(QStringLiteral("A"), 1);
    test::Noeud_(QStringLiteral("B"), 2);
    test::Arc_(1, 2, c.type().Code);
    PrepareArcsDXF();
    ASSERT_EQ(DXF.ArcsDXF.size(), 2u);
    EXPECT_EQ(DXF.ArcsDXF[1].Calque, c.calque) << c.type().Nom.toStdString();
    EXPECT_EQ(DXF.ArcsDXF[1].Couleur, c.couleur) << c.type().Nom.toStdString();
    EXPECT_EQ(DXF.ArcsDXF[1].Epaisseur, c.epaisseur) << c.type().Nom.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    GrilleInitiale, LigneDuType,
    ::testing::Values(CasType{TypeTrain, 4, 4, 1.5}, CasType{TypeVoieExpressInterurb, 5, 1, 2},
                      CasType{TypeVoieRapideUrb65, 5, 1, 2}, CasType{TypeRoute70, 6, 3, 1.5},
                      CasType{TypeRoute60, 7, 2, 1.5}, CasType{TypeRoute50, 8, 6, 1.5},
                      CasType{TypeAutoroute, 9, 5, 3}, CasType{TypeFerry, 10, 4, 1}, CasType{TypeTGV, 11, 249, 4},
                      CasType{TypeBoulevardUrbain, 12, 3, 1.5}, CasType{TypeVoieUrbaine, 13, 249, 1.5},
                      CasType{TypeArtereUrbaine, 14, 4, 1.5}, CasType{TypeTER, 0, 0, 0},
                      CasType{TypeTGVSiteClassique, 0, 0, 0}, CasType{TypeMetro, 0, 0, 0}, CasType{TypeBus8, 0, 0, 0},
                      CasType{TypeBus15, 0, 0, 0}, CasType{TypeBus25, 0, 0, 0}, CasType{TypeTramway18, 0, 0, 0},
                      CasType{TypeTramSubUrbain, 0, 0, 0}, CasType{TypeMarche3, 0, 0, 0},
                      CasType{TypeMarche5, 0, 0, 0}, CasType{TypeAvion, 0, 0, 0}));

struct CasCellule {
    const char* plan;
    const char* couleur;
    const char* epaisseur;
    int16_t calque;
    double couleurLue;
    double epaisseurLue;
};

class CellulesDeLigne : public DXFTest, public ::testing::WithParamInterface<CasCellule> {};

TEST_P(CellulesDeLigne, PlanesRoundHalfToEvenThicknessesTakeEitherPointUnknownColoursGiveZero)
{
    const CasCellule& c = GetParam();
    test::Noeud_(QStringLiteral("A"), 1);
    test::Noeud_(QStringLiteral("B"), 2);
    test::Arc_(1, 2, TypeRoute60().Code);
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    s.plancad[7] = QString::fromUtf8(c.plan);
    s.couleurcad[7] = QString::fromUtf8(c.couleur);
    s.epaisseurcad[7] = QString::fromUtf8(c.epaisseur);
    PrepareArcsDXF();
    EXPECT_EQ(DXF.ArcsDXF[1].Calque, c.calque);
    EXPECT_EQ(DXF.ArcsDXF[1].Couleur, c.couleurLue);
    EXPECT_EQ(DXF.ArcsDXF[1].Epaisseur, c.epaisseurLue);
}

INSTANTIATE_TEST_SUITE_P(
    CellulesTapees, CellulesDeLigne,
    ::testing::Values(CasCellule{"7.6", "jaune", "1.5", 8, 2, 1.5}, CasCellule{"6.5", "Jaune", "2,5", 6, 2, 2.5},
                      CasCellule{"7,5", "ROUGE", "X", 8, 0, 0}, CasCellule{"abc", "", "", 0, 0, 0},
                      CasCellule{"-3", "Noir", "0.25mm", -3, 249, 0.25}));

TEST_F(DXFTest, TheGridIsReadAgainAtEachExport)
{
    test::Noeud_(QStringLiteral("A"), 1);
    test::Noeud_(QStringLiteral("B"), 2);
    test::Arc_(1, 2, TypeTGV().Code);
    PrepareArcsDXF();
    EXPECT_EQ(DXF.ArcsDXF[1].Couleur, 249);
    K.Formes.SortieDXF.couleurcad[11] = QStringLiteral("bleu");
    PrepareArcsDXF();
    EXPECT_EQ(DXF.ArcsDXF[1].Couleur, 5);
}

std::vector<std::string> dansEntites(const std::vector<std::string>& entites)
{
    std::vector<std::string> l = EnteteEtTablesInitiales();
    for (const char* s : {"0", "SECTION", "2", "ENTITIES"})
        l.push_back(s);
    l.insert(l.end(), entites.begin(), entites.end());
    for (const char* s : {"0", "ENDSEC", "0", "EOF"})
        l.push_back(s);
    return l;
}

std::vector<std::string> polyligne(const char* calque, const char* couleur, const char* largeur,
                                   std::array<const char*, 3> p1, std::array<const char*, 3> p2)
{
    return {"0",    "POLYLINE", "8",  calque,   "62",  couleur, "66",     "1",    "10",   "0",    "20",     "0",
            "30",   "0",        "70", "2",      "40",  largeur, "41",     largeur, "0",   "VERTEX", "8",    calque,
            "62",   couleur,    "10", p1[0],    "20",  p1[1],   "30",     p1[2],  "0",    "VERTEX", "8",   calque,
            "62",   couleur,    "10", p2[0],    "20",  p2[1],   "30",     p2[2],  "0",    "SEQEND", "8",   calque};
}

// A network where only some arcs are minimal, one arc of a type without a
// row, one arc whose destination names no node.
class PolylignesDXF : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        test::Noeud_(QStringLiteral("A"), 1, 0, 1, 2, 3);
        test::Noeud_(QStringLiteral("B"), 2, 0, 4.5f, -5, 0.25f);
        test::Arc_(1, 2, TypeRoute70().Code);
        test::Arc_(2, 1, TypeTER().Code);
        test::Arc_(1, 2, TypeTGV().Code);
        test::Arc_(1, 99, TypeRoute50().Code);
        K.Arcs[1].IndiceOrigine = 1, K.Arcs[1].IndiceDestination = 2, K.Arcs[1].Minimal = 1;
        K.Arcs[2].IndiceOrigine = 2, K.Arcs[2].IndiceDestination = 1, K.Arcs[2].Minimal = 1;
        K.Arcs[3].IndiceOrigine = 1, K.Arcs[3].IndiceDestination = 2, K.Arcs[3].Minimal = 2;
        K.Arcs[4].IndiceOrigine = 1, K.Arcs[4].IndiceDestination = 0, K.Arcs[4].Minimal = 1;
        K.Formes.SortieDXF.CocheArcs[0].Value = true;
    }
};

TEST_F(PolylignesDXF, WithArcsChosenOnlyArcsOfMinimalOneAreWrittenFromOriginToDestination)
{
    K.TypeValuationRelief = QStringLiteral("Temps");
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Polyligne("6", 3, 1.5, {1, 2, 3}, {4.5, -5, 0.25})
                                           .Polyligne("0", 0, 0, {4.5, -5, 0.25}, {1, 2, 3}));
    std::vector<std::string> e = polyligne("6", "3", "1.5", {"1", "2", "3"}, {"4.5", "-5", "0.25"});
    const std::vector<std::string> ter = polyligne("0", "0", "0", {"4.5", "-5", "0.25"}, {"1", "2", "3"});
    e.insert(e.end(), ter.begin(), ter.end());
    EXPECT_EQ(octets, Lignes(dansEntites(e)));
    // The relief drawn next keeps the user's valuation.
    EXPECT_EQ(K.TypeValuationRelief, QStringLiteral("Temps"));
}

TEST_F(PolylignesDXF, WithoutTheMinimalFilterEveryArcWithTwoKnownEndsIsWritten)
{
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValeur;
    PrepareArcsDXF();
    TamponDXF t;
    EcritArcsPolylignesDXF(t);
    std::vector<std::string> e = polyligne("6", "3", "1.5", {"1", "2", "3"}, {"4.5", "-5", "0.25"});
    for (const auto& p : {polyligne("0", "0", "0", {"4.5", "-5", "0.25"}, {"1", "2", "3"}),
                          polyligne("11", "249", "4", {"1", "2", "3"}, {"4.5", "-5", "0.25"})})
        e.insert(e.end(), p.begin(), p.end());
    EXPECT_EQ(t.octets, Lignes(e));
}

TEST_F(PolylignesDXF, AnEmptyArcTableWritesNoArc)
{
    K.NbArcs = 0;
    EXPECT_EQ(Exporte(Manifeste().CalquesInitiaux()), Lignes(dansEntites({})));
}

} // namespace
