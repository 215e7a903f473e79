// The anamorphosis: small networks worked by hand, the mended rules, the
// redraws while it unfolds, and the fast run against the plain loops on
// many random networks.
#include "AnamorphoseLitterale.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "relief/Anamorphose.h"
#include "relief/LiensCarte.h"
#include "relief/RapportAnamorphose.h"
#include "support/Reseau.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <random>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class Anamorphose : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        ASSERT_TRUE(dir.isValid());
        K.VitesseReference = TypeTGV().Vitesse;
        K.Echelle = 1;
        K.RacineDonnees = dir.path();
        LiensVersCarte().RedessineCarte = [this] { ++redessins; };
        LiensVersCarte().RepeintFenetre = [this] { ++repeints; };
        LiensVersCarte().DessineNoeuds = [this](bool symboles, bool noms) {
            dessinsNoeuds.push_back({symboles, noms});
        };
        HorlogeAnamorphose = [this] { return horloge += pasHorloge; };
    }
    void TearDown() override { ReinitialiseDonnees(); }

    // Node i has code 10 i.
    int32_t noeud(const QString& nom, float x, float y)
    {
        Noeud_(nom, (K.NbNoeuds + 1) * 10, 0, x, y);
        return K.NbNoeuds;
    }
    void arc(int32_t o, int32_t d, const TypeArc& type) { Arc_(o * 10, d * 10, type.Code); }
    // The run from that list index (0 is the blank item, -1 no choice).
    void lance(int index)
    {
        IndexeArcs();
        K.Formes.frmAnamorphose.ListeModifiable1.ListIndex = index;
        CalculeAnamorphose();
    }
    std::vector<std::string> rapport() const
    {
        std::vector<std::string> r;
        const std::string t = LitOctets(dir.filePath(NomRapportAnamorphose));
        for (std::size_t debut = 0, fin; (fin = t.find("\r\n", debut)) != std::string::npos; debut = fin + 2)
            r.push_back(t.substr(debut, fin - debut));
        return r;
    }
    std::pair<int32_t, int32_t> codes(int j) const { return {K.Arcs[j].CodeOrigine, K.Arcs[j].CodeDestination}; }

    QTemporaryDir dir;
    RepondeurScripte r;
    int redessins = 0, repeints = 0;
    std::vector<std::pair<bool, bool>> dessinsNoeuds;
    double horloge = 0, pasHorloge = 0;
};

} // namespace

TEST_F(Anamorphose, TheWorkedExampleUnfoldsTwoStepsAndStretchesTheSlowArc)
{
    const int32_t a = noeud("A", 0, 0), b = noeud("B", 10, 0), c = noeud("C", 10, 10), d = noeud("D", 0, 10);
    arc(a, b, TypeAutoroute());
    arc(b, c, TypeRoute70());
    arc(a, d, TypeAutoroute());
    lance(a);

    EXPECT_EQ(codes(1), std::make_pair(10, 20));
    EXPECT_EQ(codes(2), std::make_pair(10, 40));
    EXPECT_EQ(codes(3), std::make_pair(20, 30));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(K.Arcs[j].Minimal, 1);
        EXPECT_EQ(K.Arcs[j].Longueur, 10.0f);
    }
    EXPECT_EQ((std::array{K.Arcs[1].Niveau, K.Arcs[2].Niveau, K.Arcs[3].Niveau}), (std::array<int16_t, 3>{1, 1, 2}));
    EXPECT_EQ((std::array{K.Noeuds[a].Niveau, K.Noeuds[b].Niveau, K.Noeuds[c].Niveau, K.Noeuds[d].Niveau}),
              (std::array<int16_t, 4>{0, 1, 2, 1}));
    EXPECT_EQ(K.VitesseMinimale, 70);
    struct Attendu {
        int32_t i;
        double x, y;
    };
    for (const Attendu e : {Attendu{a, 0, 0}, Attendu{b, 10, 0}, Attendu{c, 10, 10.0 * 110 / 70}, Attendu{d, 0, 10}}) {
        EXPECT_NEAR(K.Noeuds[e.i].X, e.x, 1e-4) << "single precision, node " << e.i;
        EXPECT_NEAR(K.Noeuds[e.i].Y, e.y, 1e-4) << "single precision, node " << e.i;
        EXPECT_EQ(K.Noeuds[e.i].XEcran, K.Noeuds[e.i].X) << "scale 1, origin 0";
        EXPECT_EQ(K.Noeuds[e.i].YEcran, -K.Noeuds[e.i].Y) << "scale 1, origin 0";
    }
    const std::vector<std::string> l = rapport();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1], "A                    B                    006     0010.000     0010.000     0000.000     000.000"
                    "  0000000001  0000000002");
    EXPECT_EQ(l[2].substr(76, 8), "0000.000");
    EXPECT_EQ(l[3], "B                    C                    007     0015.714     0015.714     0000.000     000.000"
                    "  0000000002  0000000003");
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].arguments, QStringList{dir.filePath("nAAnam000.dat")});
    EXPECT_EQ(K.StatusBar.Panneaux[5], "Anamorphose en 2 pas à partir de A         ");
    EXPECT_EQ(dessinsNoeuds, (std::vector<std::pair<bool, bool>>{{true, false}}));
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(Anamorphose, RedrawsAreThrottledButEachClassEndsWithOne)
{
    const int32_t a = noeud("A", 0, 0), b = noeud("B", 10, 0), c = noeud("C", 10, 10), d = noeud("D", 0, 10);
    arc(a, b, TypeAutoroute());
    arc(b, c, TypeRoute70());
    arc(a, d, TypeAutoroute());
    const std::vector<Noeud> noeuds = K.Noeuds;
    const std::vector<Arc> arcs = K.Arcs;
    struct Cas {
        double pas; // seconds between two readings of the clock
        int redessins, repeints;
    };
    // Frozen clock: the first repaint, then only the redraw ending each of
    // the two classes. A slow clock: the 3 placements and the 2 x 3 steps too.
    for (const Cas cas : {Cas{0, 2, 3}, Cas{1, 8, 11}}) {
        K.Noeuds = noeuds;
        K.Arcs = arcs;
        redessins = repeints = 0;
        horloge = 0;
        pasHorloge = cas.pas;
        lance(a);
        EXPECT_EQ(redessins, cas.redessins) << cas.pas;
        EXPECT_EQ(repeints, cas.repeints) << cas.pas;
        EXPECT_NEAR(K.Noeuds[c].Y, 10.0 * 110 / 70, 1e-4) << "single precision";
    }
}

TEST_F(Anamorphose, OfTwoArcsSettlingANodeInOneStepTheLastInTableOrderWins)
{
    // S joins P and Q by TGV; R is reached from both by motorway, at 110
    // km/h under a greatest speed of 220: wanted 20 km from each, which no
    // point of the map's square gives. The arc later in the table decides.
    struct Cas {
        const char* quoi;
        bool qrDabord;   // Q-R before P-R in the table
        bool paralleles; // plus slower arcs beside the kept ones
        double x, y;     // worked by hand
    };
    const Cas cas[] = {
        {"P-R then Q-R: 20 km from Q", false, false, 19.711971193069775, 13.382039574515256},
        {"Q-R then P-R: 20 km from P", true, false, 13.382039574515256, 19.711971193069775},
        {"slower parallel arcs change nothing", true, true, 13.382039574515256, 19.711971193069775},
    };
    for (const Cas& c : cas) {
        ModeleNeuf();
        K.VitesseReference = 220;
        K.Echelle = 1;
        K.RacineDonnees = dir.path();
        const int32_t s = noeud("S", 0, 0), p = noeud("P", 10, 0), q = noeud("Q", 0, 10), rr = noeud("R", 10, 10);
        if (c.paralleles)
            arc(rr, q, TypeRoute70());
        arc(s, p, TypeTGV());
        if (c.qrDabord)
            arc(q, rr, TypeAutoroute());
        arc(p, rr, TypeAutoroute());
        if (!c.qrDabord)
            arc(q, rr, TypeAutoroute());
        if (c.paralleles)
            arc(p, s, TypeTrain());
        arc(s, q, TypeTGV());
        lance(s);
        EXPECT_NEAR(K.Noeuds[rr].X, c.x, 1e-4) << c.quoi << ": single precision";
        EXPECT_NEAR(K.Noeuds[rr].Y, c.y, 1e-4) << c.quoi << ": single precision";
        EXPECT_TRUE(K.Noeuds[rr].Traite) << c.quoi;
        EXPECT_NEAR(K.Noeuds[p].X, 10, 1e-5) << c.quoi << ": ratio 1, single precision";
        EXPECT_NEAR(K.Noeuds[q].Y, 10, 1e-5) << c.quoi << ": ratio 1, single precision";
        int gardes = 0;
        for (int j = 1; j <= K.NbArcs; ++j)
            gardes += K.Arcs[j].Minimal;
        EXPECT_EQ(gardes, 4) << c.quoi;
    }
}

TEST_F(Anamorphose, ANodeSettledByAFastClassKeepsItsPlaceInTheSlowerOnes)
{
    // S-P at 70 km/h, S-Q and the two arcs to R by motorway: R is settled by
    // the 110 class before the 70 class moves P away.
    const int32_t s = noeud("S", 0, 0), p = noeud("P", 10, 0), q = noeud("Q", 0, 10), rr = noeud("R", 10, 10);
    arc(s, p, TypeRoute70());
    arc(s, q, TypeAutoroute());
    arc(p, rr, TypeAutoroute());
    arc(q, rr, TypeAutoroute());
    lance(s);
    EXPECT_NEAR(K.Noeuds[p].X, 10.0 * 110 / 70, 1e-4) << "single precision";
    EXPECT_NEAR(K.Noeuds[p].Y, 0, 1e-4) << "single precision";
    EXPECT_NEAR(K.Noeuds[rr].X, 10, 1e-4) << "single precision";
    EXPECT_NEAR(K.Noeuds[rr].Y, 10, 1e-4) << "single precision";
    EXPECT_EQ(K.VitesseMinimale, 70);
}

TEST_F(Anamorphose, ASingleLinkTypeMovesNothing)
{
    const int32_t a = noeud("A", 3.5f, -2), b = noeud("B", 17, 4.25f), c = noeud("C", -8, 30), d = noeud("D", 12, 12);
    arc(a, b, TypeTrain());
    arc(b, c, TypeTrain());
    arc(c, d, TypeTrain());
    arc(d, a, TypeTrain());
    arc(b, d, TypeTrain());
    const std::vector<Noeud> avant = K.Noeuds;
    lance(b);
    for (int32_t i : {a, b, c, d}) {
        EXPECT_NEAR(K.Noeuds[i].X, avant[i].X, 1e-4) << "single precision, node " << i;
        EXPECT_NEAR(K.Noeuds[i].Y, avant[i].Y, 1e-4) << "single precision, node " << i;
    }
    EXPECT_EQ(K.VitesseMinimale, 120);
    // A, C, D are one arc from B; C-D and D-A join two nodes of that step.
    EXPECT_EQ(K.StatusBar.Panneaux[5], "Anamorphose en 1 pas à partir de B         ");
}

TEST_F(Anamorphose, AnotherPartOfTheNetworkIsNeitherReachedNorMoved)
{
    const int32_t a = noeud("A", 0, 0), b = noeud("B", 10, 0);
    const int32_t c = noeud("C", 50, 50), d = noeud("D", 60, 50), e = noeud("E", 60, 70);
    arc(a, b, TypeTGV());
    arc(c, d, TypeRoute70());
    arc(d, e, TypeAutoroute());
    lance(a);
    for (int32_t i : {c, d, e}) {
        EXPECT_EQ(K.Noeuds[i].Niveau, -1) << i;
        EXPECT_FALSE(K.Noeuds[i].Traite) << i;
    }
    EXPECT_EQ(K.Noeuds[c].X, 50);
    EXPECT_EQ(K.Noeuds[d].X, 60);
    EXPECT_EQ(K.Noeuds[e].Y, 70);
    EXPECT_EQ(K.Noeuds[b].X, 10);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(K.Arcs[j].Niveau, K.Arcs[j].Mode == TypeTGV().Code ? 1 : -1) << j;
    EXPECT_EQ(K.StatusBar.Panneaux[5], "Anamorphose en 1 pas à partir de A         ");
    // Unreached kept arcs still have their line, against their map length.
    EXPECT_EQ(rapport().size(), 4u);
}

TEST_F(Anamorphose, EndsOnOnePointGiveNoDirectionAndTheNodeStaysWhereItWasPlaced)
{
    // Q, reached from S by motorway, is placed 20 km out, right on P (reached
    // by TGV); the settling along P-Q would divide by zero.
    const int32_t s = noeud("S", 0, 0), p = noeud("P", 20, 0), q = noeud("Q", 10, 0);
    arc(s, p, TypeTGV());
    arc(s, q, TypeAutoroute());
    arc(p, q, TypeAutoroute());
    lance(s);
    EXPECT_EQ(K.Arcs[3].Niveau, 1);
    EXPECT_EQ(K.Noeuds[q].X, 20);
    EXPECT_EQ(K.Noeuds[q].Y, 0);
    EXPECT_TRUE(K.Noeuds[q].Traite);
    for (int32_t i : {s, p, q})
        EXPECT_TRUE(std::isfinite(K.Noeuds[i].X) && std::isfinite(K.Noeuds[i].Y)) << i;
    const std::vector<std::string> l = rapport();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[3].substr(0, 84), "P                    Q                    006     0000.000     0020.000     0020.000");
}

TEST_F(Anamorphose, TheStartNodeIsTheChosenOneElseNode2)
{
    struct Cas {
        const char* quoi;
        int nbNoeuds, index;
        int32_t depart; // 0: nothing happens
    };
    const Cas cas[] = {
        {"the chosen node", 3, 3, 3},      {"the first node", 3, 1, 1}, {"the blank item", 3, 0, 2},
        {"no choice", 3, -1, 2},           {"an index past the list", 3, 4, 2}, {"a one-node network", 1, -1, 1},
        {"no node at all", 0, -1, 0},
    };
    for (const Cas& c : cas) {
        ModeleNeuf();
        K.VitesseReference = 220;
        K.RacineDonnees = dir.path();
        r.efface();
        for (int i = 1; i <= c.nbNoeuds; ++i)
            noeud(QStringLiteral("N%1").arg(i), static_cast<float>(i), 0);
        for (int i = 1; i < c.nbNoeuds; ++i)
            arc(i, i + 1, TypeAutoroute());
        IndexeArcs();
        K.StatusBar.Panneaux[5] = "avant";
        K.Formes.frmAnamorphose.ListeModifiable1.ListIndex = c.index;
        CalculeAnamorphose();
        EXPECT_EQ(NoeudDepartAnamorphose(), c.depart) << c.quoi;
        if (c.depart == 0) {
            EXPECT_EQ(K.StatusBar.Panneaux[5], "avant") << c.quoi;
            EXPECT_TRUE(r.appels().empty()) << c.quoi;
            continue;
        }
        EXPECT_EQ(K.Noeuds[c.depart].Niveau, 0) << c.quoi;
        EXPECT_TRUE(K.StatusBar.Panneaux[5].endsWith(QStringLiteral(" à partir de N%1        ").arg(c.depart)))
            << c.quoi;
    }
}

TEST_F(Anamorphose, WithoutAnyKeptArcNothingMovesAndTheReportIsItsHeader)
{
    // Arcs that cannot be kept: no link type, a type of speed 0, an end
    // without a node, the same node at both ends.
    TypeAvion().Vitesse = 0;
    const int32_t a = noeud("Alpha", 1, 1), b = noeud("Beta", 2, 2);
    arc(a, b, TypeArc{}); // code 0: no link type
    arc(a, b, TypeAvion());
    Arc_(10, 999, TypeTGV().Code);
    arc(b, b, TypeTGV());
    lance(a);
    for (int j = 1; j <= K.NbArcs; ++j)
        EXPECT_EQ(K.Arcs[j].Minimal, 0) << j;
    EXPECT_EQ(K.Noeuds[b].X, 2);
    EXPECT_EQ(K.Noeuds[b].Niveau, -1);
    EXPECT_EQ(rapport(), std::vector<std::string>{EnTeteRapportAnamorphose});
    EXPECT_EQ(K.StatusBar.Panneaux[5], "Anamorphose en  pas à partir de Alpha     ");
    EXPECT_EQ(K.VitesseMinimale, 220);
}

TEST_F(Anamorphose, TheFastestArcOfEachPairOfCodesIsKeptAndTheSortKeepsEqualSpeedsInOrder)
{
    const int32_t a = noeud("A", 0, 0), b = noeud("B", 1, 0), c = noeud("C", 2, 0);
    arc(b, a, TypeRoute70());      // 1: slower than the motorway back
    arc(a, b, TypeAutoroute());    // 2: kept
    arc(b, c, TypeRoute50());      // 3: 50 km/h
    arc(c, b, TypeArtereUrbaine()); // 4: 50 km/h too, later: kept
    arc(a, c, TypeArtereUrbaine()); // 5
    arc(c, a, TypeRoute50());       // 6: equally fast and later: kept
    K.ComparaisonArcs = {0, 1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f};
    TrieArcsParType();
    // Motorway, then 70, then the four at 50 in their order.
    const std::vector<float> ordre(K.ComparaisonArcs.begin() + 1, K.ComparaisonArcs.end());
    EXPECT_EQ(ordre, (std::vector<float>{2, 1, 3, 4, 5, 6}));
    EXPECT_EQ(K.Arcs[1].Mode, TypeAutoroute().Code);
    EXPECT_EQ(K.Arcs[6].Mode, TypeRoute50().Code);
    IndexeArcs();
    SelectionneArcsMinimauxAnam();
    std::vector<int> minimal;
    for (int j = 1; j <= 6; ++j)
        minimal.push_back(K.Arcs[j].Minimal);
    EXPECT_EQ(minimal, (std::vector<int>{1, 0, 0, 1, 0, 1}));
}

TEST_F(Anamorphose, AChainOfEveryArcKeepsAStepForEachArc)
{
    // Every arc kept, one chain from its start: the last step equals the arc
    // count, which no longer stands for "not reached".
    for (int i = 1; i <= 6; ++i)
        noeud(QStringLiteral("N%1").arg(i), static_cast<float>(i), 0);
    for (int i = 1; i < 6; ++i)
        arc(i, i + 1, TypeTGV());
    IndexeArcs();
    SelectionneArcsMinimauxAnam();
    const NiveauxAnamorphose n = NiveauxDepuisDepart(1);
    EXPECT_EQ(n.nbPas, 5);
    EXPECT_EQ(n.arcs, (std::vector<int>{-1, 1, 2, 3, 4, 5}));
    EXPECT_EQ(n.noeuds, (std::vector<int>{-1, 0, 1, 2, 3, 4, 5}));
}

namespace {

// A random network: coincident nodes, shared codes, unresolved ends, loops,
// duplicates both ways, unknown and zero-speed link types.
void reseauAleatoire(std::mt19937& g, int nbNoeuds, int nbArcs, bool grille)
{
    ModeleNeuf();
    TypeAvion().Vitesse = 0;
    const std::vector<int16_t> modes = {TypeTGV().Code,   TypeAutoroute().Code,     TypeTrain().Code,
                                        TypeRoute70().Code, TypeRoute50().Code,     TypeArtereUrbaine().Code,
                                        TypeMetro().Code, TypeAvion().Code,         9999};
    std::uniform_real_distribution<float> xy(-500, 500);
    std::uniform_int_distribution<int> cellule(0, 6);
    for (int i = 1; i <= nbNoeuds; ++i) {
        const int32_t code = (g() % 20 == 0 && i > 1) ? (i - 1) * 10 : i * 10;
        const float x = grille ? static_cast<float>(cellule(g) * 10) : xy(g);
        const float y = grille ? static_cast<float>(cellule(g) * 10) : xy(g);
        Noeud_(QStringLiteral("V%1").arg(i), code, 0, x, y);
    }
    for (int j = 0; j < nbArcs; ++j) {
        const int o = 1 + static_cast<int>(g() % static_cast<unsigned>(nbNoeuds));
        // Mostly near neighbours in the table, so that the levels go deep.
        int d = o + static_cast<int>(g() % 7) - 3;
        if (g() % 10 == 0)
            d = 1 + static_cast<int>(g() % static_cast<unsigned>(nbNoeuds));
        d = std::clamp(d, 1, nbNoeuds);
        const int32_t codeD = g() % 50 == 0 ? 77777 : d * 10;
        Arc_(o * 10, codeD, modes[g() % modes.size()]);
        K.ComparaisonArcs[K.NbArcs] = static_cast<float>(j);
    }
    IndexeArcs();
    const double references[] = {220, 110, 90, 50, 0, -10};
    K.VitesseReference = references[g() % 6];
    K.Formes.frmAnamorphose.ListeModifiable1.ListIndex = static_cast<int>(g() % static_cast<unsigned>(nbNoeuds + 3)) - 1;
}

bool memesOctets(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Runs the anamorphosis on K, then the plain loops on the model as it was,
// and compares every field either writes, bit for bit. Leaves the plain
// loops' result in K.
void compareAuxBouclesLitterales(const std::string& trace)
{
    const DonneesKelmo avant = K;
    CalculeAnamorphose();
    const DonneesKelmo rapide = K;
    K = avant;
    const int32_t depart = NoeudDepartAnamorphose();
    const int nbPas = AnamorphoseLitterale(depart);
    ASSERT_EQ(rapide.StatusBar.Panneaux[5], TexteEtatAnamorphose(nbPas, depart)) << trace;
    ASSERT_EQ(rapide.VitesseMinimale, K.VitesseMinimale) << trace;
    ASSERT_EQ(rapide.ComparaisonArcs, K.ComparaisonArcs) << trace;
    for (int32_t j = 1; j <= K.NbArcs; ++j) {
        const Arc &x = rapide.Arcs[j], &y = K.Arcs[j];
        ASSERT_EQ(x.CodeOrigine, y.CodeOrigine) << trace << " arc " << j;
        ASSERT_EQ(x.CodeDestination, y.CodeDestination) << trace << " arc " << j;
        ASSERT_EQ(x.Minimal, y.Minimal) << trace << " arc " << j;
        ASSERT_EQ(x.Niveau, y.Niveau) << trace << " arc " << j;
        ASSERT_TRUE(memesOctets(x.Longueur, y.Longueur)) << trace << " arc " << j;
    }
    for (int32_t i = 1; i <= K.NbNoeuds; ++i) {
        const Noeud &x = rapide.Noeuds[i], &y = K.Noeuds[i];
        ASSERT_EQ(x.Niveau, y.Niveau) << trace << " node " << i;
        ASSERT_EQ(x.Traite, y.Traite) << trace << " node " << i;
        ASSERT_TRUE(memesOctets(x.X, y.X) && memesOctets(x.Y, y.Y)) << trace << " node " << i;
        ASSERT_TRUE(std::isfinite(x.X) && std::isfinite(x.Y)) << trace << " node " << i;
    }
}

} // namespace

namespace {

struct TailleReseau {
    int noeuds, arcs, fois;
    bool grille;
};

// Random networks of each size compared with the plain loops; returns how many were compared.
int compareReseauxAleatoires(const QString& racine, std::mt19937& g, std::initializer_list<TailleReseau> tailles)
{
    int comparaisons = 0;
    for (const TailleReseau t : tailles) {
        for (int f = 0; f < t.fois; ++f) {
            reseauAleatoire(g, t.noeuds, t.arcs, t.grille);
            K.RacineDonnees = racine;
            compareAuxBouclesLitterales(QStringLiteral("%1 nodes, run %2").arg(t.noeuds).arg(f).toStdString());
            if (::testing::Test::HasFatalFailure())
                return comparaisons;
            ++comparaisons;
        }
    }
    return comparaisons;
}

} // namespace

// Each size on its own test, so each keeps its own time-out: every run writes
// its report, and the file writes are slow on a busy machine.
TEST_F(Anamorphose, TheFastRunEqualsThePlainLoopsToTheLastBit)
{
    std::mt19937 g(20240611);
    EXPECT_EQ(compareReseauxAleatoires(dir.path(), g, {{1, 2, 10, false}, {5, 8, 60, true}}), 70);
}

TEST_F(Anamorphose, TheFastRunEqualsThePlainLoopsOnGrids)
{
    std::mt19937 g(20240612);
    EXPECT_EQ(compareReseauxAleatoires(dir.path(), g, {{20, 40, 60, true}}), 60);
}

TEST_F(Anamorphose, TheFastRunEqualsThePlainLoopsOnDenseNetworks)
{
    std::mt19937 g(20240613);
    EXPECT_EQ(compareReseauxAleatoires(dir.path(), g, {{40, 120, 60, false}}), 60);
}

TEST_F(Anamorphose, TheFastRunEqualsThePlainLoopsOnLargerNetworks)
{
    std::mt19937 g(20240614);
    EXPECT_EQ(compareReseauxAleatoires(dir.path(), g, {{300, 900, 6, false}}), 6);
}

TEST_F(Anamorphose, TheSampleNetworkFromSeveralStartsEqualsThePlainLoops)
{
    const QString donnees = QStringLiteral(KELMO_SOURCE_DIR "/data/");
    LitFichierNoeuds(donnees + "noeuds/n157eu.dat");
    LitFichierArcs(donnees + "arcs/a157eu01.dat");
    IndexeArcs();
    ASSERT_GT(K.NbArcs, 100);
    const DonneesKelmo charge = K;
    for (const int index : {-1, 1, 40, 157}) {
        K = charge;
        K.Formes.frmAnamorphose.ListeModifiable1.ListIndex = index;
        compareAuxBouclesLitterales("start item " + std::to_string(index));
        if (HasFatalFailure())
            return;
        int atteints = 0;
        for (int32_t i = 1; i <= K.NbNoeuds; ++i)
            atteints += K.Noeuds[i].Niveau >= 0;
        EXPECT_GT(atteints, K.NbNoeuds / 2) << "the sample network is mostly one piece; start item " << index;
    }
}

TEST_F(Anamorphose, TownsFurtherApartThanASingleHoldsAreRefusedAndNothingChanges)
{
    const int32_t a = noeud("A", -3e38f, 0), b = noeud("B", 3e38f, 0), c = noeud("C", 0, 10);
    arc(b, c, TypeRoute70());
    arc(a, b, TypeAutoroute());
    EcritFichier(dir, NomRapportAnamorphose, "ancien rapport");
    const std::vector<Arc> arcs = K.Arcs;
    lance(a);
    ASSERT_EQ(r.messages().size(), 1u);
    EXPECT_EQ(r.appels()[0].texte.toStdString(),
              "Les noeuds A et B sont à 6.00000001099551E+38 l'un de l'autre sur la carte, au-delà de ce que tient "
              "une longueur d'arc (de -3,402823E+38 à 3,402823E+38) : l'anamorphose n'est pas faite.");
    EXPECT_EQ(r.appels()[0].titre, "Anamorphose");
    ASSERT_EQ(K.NbArcs, 2);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_EQ(codes(j), std::make_pair(arcs[j].CodeOrigine, arcs[j].CodeDestination));
        EXPECT_EQ(K.Arcs[j].Longueur, arcs[j].Longueur);
        EXPECT_EQ(K.Arcs[j].Minimal, arcs[j].Minimal);
    }
    EXPECT_EQ(K.Noeuds[a].X, -3e38f);
    EXPECT_EQ(redessins, 0);
    EXPECT_EQ(LitOctets(dir.filePath(NomRapportAnamorphose)), "ancien rapport");
}

// Towns a single holds, but a length the run would ask for that none does:
// refused before anything changes, as the distance check is.
TEST_F(Anamorphose, AWantedLengthOrAStressSumNoSingleHoldsIsRefusedAndNothingChanges)
{
    struct Cas {
        const char* nom;
        float xB;
        bool lent; // A-B on foot beside a TGV arc A-C, else A-B alone by TGV
        const char* debut;
    };
    const Cas cas[] = {
        {"a slow arc", 1e38f, true, "L'arc de A à B (Marche 3) devrait mesurer "},
        {"the sum of the squares", 1e20f, false, "Les longueurs voulues des arcs sont trop grandes pour le stress"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ModeleNeuf();
        K.RacineDonnees = dir.path();
        r.efface();
        redessins = 0;
        const int32_t a = noeud("A", 0, 0), b = noeud("B", c.xB, 0), cc = noeud("C", 0, 10);
        arc(a, b, c.lent ? TypeMarche3() : TypeTGV());
        if (c.lent)
            arc(a, cc, TypeTGV());
        EcritFichier(dir, NomRapportAnamorphose, "ancien rapport");
        IndexeArcs();
        const std::vector<Arc> arcs = K.Arcs;
        lance(a);
        ASSERT_EQ(r.messages().size(), 1u);
        EXPECT_TRUE(r.appels()[0].texte.startsWith(QString::fromUtf8(c.debut))) << r.appels()[0].texte.toStdString();
        EXPECT_TRUE(r.appels()[0].texte.endsWith(QStringLiteral("l'anamorphose n'est pas faite."), Qt::CaseInsensitive));
        EXPECT_EQ(r.appels()[0].titre, "Anamorphose");
        ASSERT_EQ(K.NbArcs, static_cast<int32_t>(arcs.size()) - 1);
        for (int j = 1; j <= K.NbArcs; ++j) {
            EXPECT_EQ(codes(j), std::make_pair(arcs[j].CodeOrigine, arcs[j].CodeDestination));
            EXPECT_EQ(K.Arcs[j].Longueur, arcs[j].Longueur);
            EXPECT_EQ(K.Arcs[j].Minimal, arcs[j].Minimal);
        }
        EXPECT_EQ(K.Noeuds[b].X, c.xB);
        EXPECT_EQ(redessins, 0);
        EXPECT_EQ(LitOctets(dir.filePath(NomRapportAnamorphose)), "ancien rapport");
    }
}
