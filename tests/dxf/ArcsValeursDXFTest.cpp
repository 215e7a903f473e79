// Arcs written with the widths, and in two options the colours, of the
// arc-value file no. 1 and its value classes.
#include "SupportDXF.h"

#include "core/TypesArcs.h"
#include "dxf/ArcsValeursDXF.h"
#include "dxf/DonneesDXF.h"
#include "support/Reseau.h"

#include <random>

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

std::vector<std::string> polyligne(const char* calque, const char* couleur, const char* largeur,
                                   std::array<const char*, 3> p1, std::array<const char*, 3> p2)
{
    return {"0",  "POLYLINE", "8",  calque, "62", couleur, "66", "1",     "10", "0",      "20", "0",
            "30", "0",        "70", "2",    "40", largeur, "41", largeur, "0",  "VERTEX", "8",  calque,
            "62", couleur,    "10", p1[0],  "20", p1[1],   "30", p1[2],   "0",  "VERTEX", "8",  calque,
            "62", couleur,    "10", p2[0],  "20", p2[1],   "30", p2[2],   "0",  "SEQEND", "8",  calque};
}

std::vector<std::string> dansEntites(std::initializer_list<std::vector<std::string>> entites)
{
    std::vector<std::string> l = EnteteEtTablesInitiales();
    for (const char* s : {"0", "SECTION", "2", "ENTITIES"})
        l.push_back(s);
    for (const auto& e : entites)
        l.insert(l.end(), e.begin(), e.end());
    for (const char* s : {"0", "ENDSEC", "0", "EOF"})
        l.push_back(s);
    return l;
}

ArcValeur enregistrement(int32_t o, int32_t d, float valeur, float largeur, Couleur couleur)
{
    ArcValeur v;
    v.CodeOrigine = o;
    v.CodeDestination = d;
    v.IndiceOrigine = static_cast<int16_t>(o / 10);
    v.IndiceDestination = static_cast<int16_t>(d / 10);
    v.Valeur = valeur;
    v.Largeur = largeur;
    v.Couleur = couleur;
    return v;
}

// Nodes A, B, C (codes 10, 20, 30); two classes [0, 100) of width 1 and
// [100, 1000) of width 3; records of B-A (first), A-B, B-C (in no class)
// and A-C; arcs of a road type with a grid row, of types without one, and
// one whose pair has no record.
class ArcsValeursDXF : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        test::Noeud_(QStringLiteral("A"), 10, 0, 0, 0, 0);
        test::Noeud_(QStringLiteral("B"), 20, 0, 100, 50, 1);
        test::Noeud_(QStringLiteral("C"), 30, 0, -20, 80, 2);
        const std::pair<std::pair<int, int>, int16_t> arcs[] = {{{10, 20}, TypeRoute70().Code},
                                                                {{20, 30}, TypeTER().Code},
                                                                {{10, 30}, TypeMetro().Code},
                                                                {{20, 10}, TypeRoute60().Code},
                                                                {{10, 40}, TypeAutoroute().Code}};
        for (const auto& [od, mode] : arcs) {
            test::Arc_(od.first, od.second, mode);
            K.Arcs[K.NbArcs].IndiceOrigine = static_cast<int16_t>(od.first / 10);
            K.Arcs[K.NbArcs].IndiceDestination = od.second <= 30 ? static_cast<int16_t>(od.second / 10) : 0;
        }
        K.NbClasses = 2;
        K.Classes.assign(11, Classe{});
        K.Classes[1] = {0, 100, 0, 1};
        K.Classes[2] = {100, 1000, 0, 3};
        K.Arcs1[1] = enregistrement(20, 10, 150, 0, RGB(255, 0, 0));
        K.Arcs1[2] = enregistrement(10, 20, 50, 0, RGB(0, 0, 255));
        K.Arcs1[3] = enregistrement(20, 30, -20, 0.75f, RGB(255, 0, 0));
        K.Arcs1[4] = enregistrement(10, 30, 0, 0, RGB(255, 0, 0));
        K.NombreArcs1 = 4;
        ModeleSortieDXF& s = K.Formes.SortieDXF;
        s.CocheArcs[0].Value = true;
        s.Objet = ObjetArcsDXF::PolyLignes;
    }
};

TEST_F(ArcsValeursDXF, ValuesWithModeColoursGiveEachArcItsPairsClassWidthOnItsTypesLayer)
{
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValCouleurModes;
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Polyligne("6", 3, 3, {0, 0, 0}, {100, 50, 1})
                                           .Polyligne("0", 0, 0.75, {100, 50, 1}, {-20, 80, 2})
                                           .Polyligne("0", 0, 1, {0, 0, 0}, {-20, 80, 2})
                                           .Polyligne("7", 2, 3, {100, 50, 1}, {0, 0, 0}));
    EXPECT_EQ(octets, Lignes(dansEntites({polyligne("6", "3", "3", {"0", "0", "0"}, {"100", "50", "1"}),
                                          polyligne("0", "0", "0.75", {"100", "50", "1"}, {"-20", "80", "2"}),
                                          polyligne("0", "0", "1", {"0", "0", "0"}, {"-20", "80", "2"}),
                                          polyligne("7", "2", "3", {"100", "50", "1"}, {"0", "0", "0"})})));
    // The class widths stay in the records; a value in no class keeps its own.
    EXPECT_EQ(K.Arcs1[1].Largeur, 3);
    EXPECT_EQ(K.Arcs1[2].Largeur, 1);
    EXPECT_EQ(K.Arcs1[3].Largeur, 0.75f);
    EXPECT_EQ(K.Arcs1[4].Largeur, 1);
    EXPECT_EQ(K.Arcs1[1].Valeur, 150);
}

TEST_F(ArcsValeursDXF, NodeColoursColourEachArcBySignOfItsPairsValue)
{
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValeurBiColor;
    K.Formes.SortieDXF.couleurcad[6] = QStringLiteral("magenta"); // not read by this option
    const std::string octets = Exporte(Manifeste()
                                           .Calque("1", 7).Calque("2", 7).Calque("3", 7).Calque("4", 4).Calque("5", 1)
                                           .Calque("6", 6).Calque("7", 2).Calque("8", 6).Calque("9", 5).Calque("10", 4)
                                           .Calque("11", 249)
                                           .Polyligne("6", 5, 3, {0, 0, 0}, {100, 50, 1})
                                           .Polyligne("0", 1, 0.75, {100, 50, 1}, {-20, 80, 2})
                                           .Polyligne("0", 3, 1, {0, 0, 0}, {-20, 80, 2})
                                           .Polyligne("7", 5, 3, {100, 50, 1}, {0, 0, 0}));
    std::vector<std::string> attendu = dansEntites({polyligne("6", "5", "3", {"0", "0", "0"}, {"100", "50", "1"}),
                                                    polyligne("0", "1", "0.75", {"100", "50", "1"}, {"-20", "80", "2"}),
                                                    polyligne("0", "3", "1", {"0", "0", "0"}, {"-20", "80", "2"}),
                                                    polyligne("7", "5", "3", {"100", "50", "1"}, {"0", "0", "0"})});
    attendu[42 + 5 * 10 + 7] = "6";
    EXPECT_EQ(octets, Lignes(attendu));
}

TEST_F(ArcsValeursDXF, ArcValueRecordsAreDrawnOnLayerElevenAboveTheThresholdInTheirNearestColour)
{
    K.Formes.SortieDXF.Valeur = ValeurArcsDXF::ArcValeur;
    K.Arcs1[1].Largeur = 2.5f;
    K.Arcs1[2].Largeur = 1.25f;
    K.Arcs1[2].Couleur = RGB(10, 10, 250);
    K.Arcs1[4].Largeur = 4; // value 0: under the threshold
    K.Arcs1[3].Largeur = 4; // |value| equal to the threshold: left out
    K.SeuilAttractions = 20;
    K.TypeValuationRelief = QStringLiteral("Temps");
    const std::string octets = Exporte(Manifeste()
                                           .CalquesInitiaux()
                                           .Polyligne("11", 1, 2.5, {100, 50, 1}, {0, 0, 0})
                                           .Polyligne("11", 5, 1.25, {0, 0, 0}, {100, 50, 1}));
    EXPECT_EQ(octets, Lignes(dansEntites({polyligne("11", "1", "2.5", {"100", "50", "1"}, {"0", "0", "0"}),
                                          polyligne("11", "5", "1.25", {"0", "0", "0"}, {"100", "50", "1"})})));
    EXPECT_EQ(K.TypeValuationRelief, QStringLiteral("Temps"));
}

// With nothing else ticked there is nothing to draw, and said so: no file;
// the nodes ticked are written without the arcs, and the user told why.
TEST_F(ArcsValeursDXF, WithoutValueRecordsNoArcIsWritten)
{
    K.Formes.SortieDXF.CocheNoeud[0].Value = true;
    K.Formes.SortieDXF.CocheArcs[0].Value = false;
    const Manifeste troisNoms = Manifeste().CalquesInitiaux().Compte("TEXT", 3);
    const std::string noeuds = Exporte(troisNoms, QStringLiteral("noeuds.dxf"));
    K.Formes.SortieDXF.CocheArcs[0].Value = true;
    K.NombreArcs1 = 0;
    const std::pair<ValeurArcsDXF, const char*> cas[] = {{ValeurArcsDXF::ArcValCouleurModes, "Arc-Valeur avec Couleur-Modes"},
                                                         {ValeurArcsDXF::ArcValeurBiColor, "Couleur des noeuds"},
                                                         {ValeurArcsDXF::ArcValeur, "Arc-Valeur (ArcVal1)"}};
    for (const auto& [valeur, option] : cas) {
        SCOPED_TRACE(option);
        K.Formes.SortieDXF.Valeur = valeur;
        K.Formes.SortieDXF.CocheNoeud[0].Value = false;
        EXPECT_EQ(Exporte(Manifeste().CalquesInitiaux(), QStringLiteral("vide.dxf")), std::string());
        repondeur->efface();
        K.Formes.SortieDXF.CocheNoeud[0].Value = true;
        EXPECT_EQ(Exporte(troisNoms, QStringLiteral("sans-arcs.dxf")), noeuds);
        EXPECT_EQ(repondeur->messages(),
                  std::vector<QString>{QStringLiteral("Le fichier DXF est écrit sans les arcs : les arcs en « %1 » prennent "
                                                      "leur largeur du fichier arc-valeur numéro 1, et aucun arc-valeur "
                                                      "n'est chargé.")
                                           .arg(QString::fromUtf8(option))});
        repondeur->efface();
    }
}

// The first record of the arc's pair in either direction, searched record
// after record for every arc, as it always was: the oracle of the indexed
// search.
std::vector<double> largeursLitterales()
{
    std::vector<double> r(static_cast<std::size_t>(K.NbArcs) + 1, 0);
    for (int32_t i = 1; i <= K.NbArcs; ++i) {
        const Arc& a = K.Arcs[static_cast<std::size_t>(i)];
        for (int32_t m = 1; m <= K.NombreArcs1; ++m) {
            const ArcValeur& v = K.Arcs1[static_cast<std::size_t>(m)];
            if ((a.CodeOrigine == v.CodeOrigine && a.CodeDestination == v.CodeDestination)
                || (a.CodeOrigine == v.CodeDestination && a.CodeDestination == v.CodeOrigine)) {
                r[static_cast<std::size_t>(i)] = v.Largeur;
                break;
            }
        }
    }
    return r;
}

TEST_F(DXFTest, TheIndexedPairSearchFindsTheRecordTheLinearSearchFinds)
{
    std::mt19937 g(121);
    std::uniform_int_distribution<int> code(1, 40), type(0, 22);
    std::uniform_real_distribution<float> largeur(0.1f, 9);
    for (int i = 0; i < 3000; ++i) {
        test::Arc_(code(g), code(g), K.TypesArcs[static_cast<std::size_t>(type(g))].Code);
    }
    K.NombreArcs1 = 500;
    for (int m = 1; m <= 500; ++m)
        K.Arcs1[static_cast<std::size_t>(m)] = enregistrement(code(g), code(g), 1, largeur(g), 0);
    const std::vector<double> attendues = largeursLitterales();
    PrepareArcsValeurModesDXF();
    for (int32_t i = 1; i <= K.NbArcs; ++i)
        ASSERT_EQ(DXF.ArcsDXF[static_cast<std::size_t>(i)].Epaisseur, attendues[static_cast<std::size_t>(i)]) << i;
}

} // namespace
