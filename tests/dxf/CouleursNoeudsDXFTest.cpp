// The arcs in node colours: the cut of each arc at the class limits of its
// end values, the pieces drawn on the map and collected, and their file.
#include "SupportDXF.h"

#include "core/TypesArcs.h"
#include "dxf/CouleursNoeudsDXF.h"
#include "dxf/CrochetsDessinCarte.h"
#include "dxf/DonneesDXF.h"
#include "support/Reseau.h"
#include "view/CrochetsDessinCarte.h"
#include "view/Redessin.h"

#include <random>

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

using Pieces = std::vector<PieceCouleurNoeud<PointPlan>>;

// Five contiguous classes of width 10 from 0 to 50, each in its own colour.
void cinqClasses()
{
    K.NbClasses = 5;
    K.Classes.assign(11, Classe{});
    for (int k = 1; k <= 5; ++k)
        K.Classes[static_cast<std::size_t>(k)] = {10.0f * (k - 1), 10.0f * k, static_cast<Couleur>(0x010101 * k), 1};
}

struct Attendue {
    int classe;
    double ax, bx;
};

struct CasDecoupe {
    const char* description;
    float vo, vd;
    std::vector<Attendue> pieces;
};

class DecoupeArc : public DXFTest, public ::testing::WithParamInterface<CasDecoupe> {};

// Along the arc from (0, 0) to (100, 0): the pieces, their classes and
// their ends, in the order they are collected.
TEST_P(DecoupeArc, CutsAtTheClassLimitsBetweenTheEndValues)
{
    cinqClasses();
    const CasDecoupe& c = GetParam();
    const int co = ClasseCouleursNoeuds(c.vo), cd = ClasseCouleursNoeuds(c.vd);
    const Pieces p = DecoupeArcCouleursNoeuds({0, 0}, {100, 0}, c.vo, c.vd, co, cd);
    ASSERT_EQ(p.size(), c.pieces.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].classe, c.pieces[i].classe) << i;
        // cut points interpolated in double from single values
        EXPECT_NEAR(p[i].a.x, c.pieces[i].ax, 1e-9) << i;
        EXPECT_NEAR(p[i].b.x, c.pieces[i].bx, 1e-9) << i;
        EXPECT_EQ(p[i].a.y, 0);
        EXPECT_EQ(p[i].b.y, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EcartsDeClasses, DecoupeArc,
    ::testing::Values(
        CasDecoupe{"meme_classe", 2, 8, {{1, 0, 50}, {1, 100, 50}}},
        // one apart, the middle on the limit: it belongs to the upper class
        CasDecoupe{"un_ecart_milieu_sur_la_limite", 5, 15, {{2, 100, 50}, {2, 50, 50}, {1, 50, 0}}},
        CasDecoupe{"un_ecart_milieu_en_dessous", 2, 12, {{1, 0, 50}, {1, 80, 50}, {2, 100, 80}}},
        CasDecoupe{"un_ecart_origine_superieure_milieu_en_dessous", 15, 2,
                   {{1, 100, 50}, {1, 500.0 / 13, 50}, {2, 0, 500.0 / 13}}},
        CasDecoupe{"un_ecart_origine_superieure_milieu_au_dessus", 19, 8,
                   {{2, 0, 50}, {2, 900.0 / 11, 50}, {1, 900.0 / 11, 100}}},
        CasDecoupe{"deux_ecarts", 5, 25, {{1, 0, 25}, {2, 25, 75}, {3, 75, 100}}},
        CasDecoupe{"trois_ecarts_depuis_la_destination", 45, 15,
                   {{2, 100, 100 - 100.0 / 6}, {3, 100 - 100.0 / 6, 50}, {4, 50, 100.0 / 6}, {5, 100.0 / 6, 0}}},
        // four apart: a cut at every limit between the two classes
        CasDecoupe{"quatre_ecarts", 5, 45, {{1, 0, 12.5}, {2, 12.5, 37.5}, {3, 37.5, 62.5}, {4, 62.5, 87.5}, {5, 87.5, 100}}},
        // an end in no class: cuts only between the two values
        CasDecoupe{"sous_les_classes", -10, 25,
                   {{0, 0, 200.0 / 7}, {1, 200.0 / 7, 400.0 / 7}, {2, 400.0 / 7, 600.0 / 7}, {3, 600.0 / 7, 100}}},
        CasDecoupe{"au_dessus_des_classes", 60, 25,
                   {{0, 0, 200.0 / 7}, {5, 200.0 / 7, 400.0 / 7}, {4, 400.0 / 7, 600.0 / 7}, {3, 600.0 / 7, 100}}},
        CasDecoupe{"deux_bouts_hors_classes", -5, 70, {{0, 0, 50}, {0, 100, 50}}}),
    [](const ::testing::TestParamInfo<CasDecoupe>& i) { return std::string(i.param.description); });

// The cut as it has always been made for classes up to three apart, word
// for word: the oracle of the general cut.
Pieces decoupeLitterale(PointPlan p1, PointPlan p2, float vo, float vd, int co, int cd)
{
    const auto& C = K.Classes;
    PointPlan m{(p1.x + p2.x) / 2, (p1.y + p2.y) / 2};
    Pieces r;
    const int d = std::abs(co - cd);
    if (d == 0) {
        r.push_back({co, p1, m});
        r.push_back({co, p2, m});
    } else if (d == 1) {
        const float vm = (vo + vd) / 2;
        int haute = C[static_cast<std::size_t>(co)].BorneSup == C[static_cast<std::size_t>(cd)].BorneInf ? cd : co;
        const float l = C[static_cast<std::size_t>(haute)].BorneInf;
        const double t = (static_cast<double>(l) - vm) / ((static_cast<double>(vd) - vo) / 2);
        if (haute == cd && vm < l) {
            PointPlan p{m.x + t * (p2.x - m.x), m.y + t * (p2.y - m.y)};
            r = {{co, p1, m}, {co, p, m}, {cd, p2, p}};
        } else if (haute == cd) {
            PointPlan p{m.x + t * (m.x - p1.x), m.y + t * (m.y - p1.y)};
            r = {{cd, p2, m}, {cd, p, m}, {co, p, p1}};
        } else if (vm < l) {
            PointPlan p{m.x + t * (m.x - p1.x), m.y + t * (m.y - p1.y)};
            r = {{cd, p2, m}, {cd, p, m}, {co, p1, p}};
        } else {
            PointPlan p{m.x + t * (p2.x - m.x), m.y + t * (p2.y - m.y)};
            r = {{co, p1, m}, {co, p, m}, {cd, p, p2}};
        }
    } else if (d == 2 || d == 3) {
        const bool o = co < cd;
        const PointPlan plo = o ? p1 : p2, phi = o ? p2 : p1;
        const float vlo = o ? vo : vd, vhi = o ? vd : vo;
        const int lo = std::min(co, cd), hi = std::max(co, cd);
        std::vector<float> b = {C[static_cast<std::size_t>(lo)].BorneSup};
        if (d == 3)
            b.push_back(C[static_cast<std::size_t>(lo + 1)].BorneSup);
        b.push_back(C[static_cast<std::size_t>(hi)].BorneInf);
        std::vector<PointPlan> cp;
        for (float x : b) {
            const double f = (static_cast<double>(x) - vlo) / (static_cast<double>(vhi) - vlo);
            cp.push_back({plo.x + f * (phi.x - plo.x), plo.y + f * (phi.y - plo.y)});
        }
        r.push_back({lo, plo, cp[0]});
        r.push_back({lo + 1, cp[0], cp[1]});
        if (d == 3)
            r.push_back({lo + 2, cp[1], cp[2]});
        r.push_back({hi, cp.back(), phi});
    }
    return r;
}

TEST_F(DXFTest, ForClassesUpToThreeApartTheCutIsTheOneAlwaysMade)
{
    // Classes of uneven widths, in value order.
    const float bornes[] = {-50, -7.5f, 0, 3.25f, 12, 40, 41, 1000};
    K.NbClasses = 7;
    K.Classes.assign(11, Classe{});
    for (int k = 1; k <= 7; ++k)
        K.Classes[static_cast<std::size_t>(k)] = {bornes[k - 1], bornes[k], 0, 1};
    std::mt19937 g(7);
    std::uniform_real_distribution<float> valeur(-49.9f, 999.0f), coord(-1e4f, 1e4f);
    int compares = 0;
    for (int i = 0; i < 20000; ++i) {
        const float vo = i % 3 ? valeur(g) : bornes[1 + i % 6], vd = valeur(g);
        const int co = ClasseCouleursNoeuds(vo), cd = ClasseCouleursNoeuds(vd);
        if (co == 0 || cd == 0 || std::abs(co - cd) > 3)
            continue;
        const PointPlan p1{coord(g), coord(g)}, p2{coord(g), coord(g)};
        const Pieces a = DecoupeArcCouleursNoeuds(p1, p2, vo, vd, co, cd), b = decoupeLitterale(p1, p2, vo, vd, co, cd);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t k = 0; k < a.size(); ++k) {
            ASSERT_EQ(a[k].classe, b[k].classe);
            ASSERT_EQ(a[k].a.x, b[k].a.x);
            ASSERT_EQ(a[k].a.y, b[k].a.y);
            ASSERT_EQ(a[k].b.x, b[k].b.x);
            ASSERT_EQ(a[k].b.y, b[k].b.y);
        }
        ++compares;
    }
    EXPECT_GT(compares, 5000);
}

// Nodes without value records take the value of record 0 (0 here), which
// the classes below put in class 3.
class CouleursNoeudsDXF : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        K.NbClasses = 3;
        K.Classes.assign(11, Classe{});
        K.Classes[3] = {-5, 5, 0x00FF00, 1};
        K.EpaisseurArcsDXF = 0.5;
        InstalleCrochetsDessinCarteDXF();
    }
};

TEST_F(CouleursNoeudsDXF, WithNoPieceTheFileHoldsAnEmptyEntitiesSection)
{
    K.NbSegmentsDXF = 0;
    EXPECT_EQ(ExporteCouleursNoeuds(Manifeste().SansTables()),
              Lignes({"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC", "0", "EOF"}));
    ASSERT_EQ(repondeur->appels().size(), 1u);
    EXPECT_EQ(repondeur->appels()[0].fichier.filtre, QStringLiteral("(*.dxf)|*.dxf"));
}

TEST_F(CouleursNoeudsDXF, AnArcInOneClassGivesTwoPolylinesMeetingInTheMiddleDrawnInTheClassColour)
{
    const int o = test::NoeudAEcran(QStringLiteral("O"), 0, 0, 0);
    const int d = test::NoeudAEcran(QStringLiteral("D"), 0, 10, 4);
    K.NbSegmentsDXF = 0;
    TraceArcCouleursNoeuds(o, d);
    EXPECT_EQ(K.NbSegmentsDXF, 2);
    const auto traits = images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline);
    ASSERT_EQ(traits.size(), 2u);
    for (const AppelZoneImage& a : traits) {
        EXPECT_EQ(a.ForeColor, 0x00FF00);
        EXPECT_EQ(a.DrawWidth, 2);
        EXPECT_EQ(a.DrawMode, 13);
    }
    EXPECT_EQ(traits[0].points, (std::vector<QPoint>{{0, 0}, {5, 2}}));
    EXPECT_EQ(traits[1].points, (std::vector<QPoint>{{10, 4}, {5, 2}}));
    const std::vector<std::string> p1 = {"0", "POLYLINE", "8", "3", "62", "3", "66", "1", "10", "0", "20", "0", "30",
                                         "0", "70", "2", "40", "0.5", "41", "0.5", "0", "VERTEX", "8", "3", "62", "3",
                                         "10", "0", "20", "0", "30", "0", "0", "VERTEX", "8", "3", "62", "3", "10", "5",
                                         "20", "2", "30", "0", "0", "SEQEND", "8", "3"};
    std::vector<std::string> l = {"0", "SECTION", "2", "ENTITIES"};
    l.insert(l.end(), p1.begin(), p1.end());
    std::vector<std::string> p2 = p1;
    p2[27] = "10", p2[29] = "4";
    l.insert(l.end(), p2.begin(), p2.end());
    for (const char* s : {"0", "ENDSEC", "0", "EOF"})
        l.push_back(s);
    EXPECT_EQ(ExporteCouleursNoeuds(Manifeste()
                                        .SansTables()
                                        .Polyligne("3", 3, 0.5, {0, 0, 0}, {5, 2, 0})
                                        .Polyligne("3", 3, 0.5, {10, 4, 0}, {5, 2, 0})),
              Lignes(l));
}

TEST_F(CouleursNoeudsDXF, ACancelledFileChoiceWritesNothing)
{
    DXF.NomFichierDXF = Chemin(QStringLiteral("principal.dxf"));
    test::EcritFichier(dossier, QStringLiteral("principal.dxf"), "dessin principal");
    repondeur->RepondTexte(std::nullopt);
    EcritArcsCouleursNoeudsDXF();
    EXPECT_EQ(test::LitOctets(Chemin(QStringLiteral("principal.dxf"))), "dessin principal");
}

TEST_F(CouleursNoeudsDXF, AnArcWhoseEndNamesNoNodeGivesNoPiece)
{
    test::NoeudAEcran(QStringLiteral("O"), 0, 0, 0);
    K.NbSegmentsDXF = 0;
    TraceArcCouleursNoeuds(1, 0);
    TraceArcCouleursNoeuds(7, 1);
    EXPECT_EQ(K.NbSegmentsDXF, 0);
    EXPECT_TRUE(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline).empty());
}

TEST_F(CouleursNoeudsDXF, ARedrawCollectsThePiecesOfItsArcsAndAsksOnceForTheirFile)
{
    const int o = test::NoeudAEcran(QStringLiteral("O"), 0, 0, 0);
    const int d = test::NoeudAEcran(QStringLiteral("D"), 0, 10, 4);
    for (int16_t mode : {TypeRoute70().Code, TypeTER().Code, TypeTGV().Code}) {
        test::Arc_(K.Noeuds[o].Code, K.Noeuds[d].Code, mode);
        K.Arcs[K.NbArcs].IndiceOrigine = static_cast<int16_t>(o);
        K.Arcs[K.NbArcs].IndiceDestination = static_cast<int16_t>(d);
        TypeArc* t = nullptr;
        for (TypeArc& x : K.TypesArcs)
            if (x.Code == mode)
                t = &x;
        t->Present = true;
    }
    K.NbModesPresents = 3;
    K.Formes.TraceArcs.Option3DMode = {QString(), TypeRoute70().Nom, TypeTER().Nom, TypeTGV().Nom};
    K.Formes.OptionsRedess = ModeleOptionsRedess{};
    K.Formes.OptionsRedess.TousModesRoute.Value = false;
    K.Formes.OptionsRedess.ModesPrésents.Value = true;
    K.Formes.TraceArcs.DXFCouleurNoeuds = 1;
    K.Menu(QStringLiteral("menCouleursNoeuds")).Checked = true;
    K.Echelle = 1;
    K.NbSegmentsDXF = 17; // left by an earlier drawing
    repondeur->RepondTexte(Chemin(QStringLiteral("redessin.dxf")));
    RedessineCarte();
    EXPECT_EQ(K.NbSegmentsDXF, 6);
    int demandes = 0;
    for (const AppelDialogue& a : repondeur->appels())
        demandes += a.genre == AppelDialogue::FichierEnregistrer;
    EXPECT_EQ(demandes, 1);
    Manifeste m = Manifeste().SansTables();
    for (int i = 0; i < 3; ++i)
        m.Polyligne("3", 3, 0.5, {0, 0, 0}, {5, 2, 0}).Polyligne("3", 3, 0.5, {10, 4, 0}, {5, 2, 0});
    ConserveDXF(Chemin(QStringLiteral("redessin.dxf")), m);
    const std::string octets = test::LitOctets(Chemin(QStringLiteral("redessin.dxf")));
    int polylignes = 0;
    for (std::size_t p = octets.find("POLYLINE"); p != std::string::npos; p = octets.find("POLYLINE", p + 1))
        ++polylignes;
    EXPECT_EQ(polylignes, 6);
}

TEST_F(CouleursNoeudsDXF, ARedrawOfTheRoadUrbanOrRailGroupAsksOnceForThePiecesFile)
{
    const int o = test::NoeudAEcran(QStringLiteral("O"), 0, 0, 0);
    const int d = test::NoeudAEcran(QStringLiteral("D"), 0, 10, 4);
    struct Cas {
        const char* groupe;
        CaseACocher ModeleOptionsRedess::*coche;
        int16_t mode;
    };
    const Cas cas[] = {{"route", &ModeleOptionsRedess::TousModesRoute, TypeRoute70().Code},
                       {"urbain", &ModeleOptionsRedess::TousModesUrbains, TypeVoieUrbaine().Code},
                       {"ferroviaire", &ModeleOptionsRedess::TousModesFerroviaires, TypeTrain().Code}};
    K.Formes.TraceArcs.DXFCouleurNoeuds = 1;
    K.Menu(QStringLiteral("menCouleursNoeuds")).Checked = true;
    K.Echelle = 1;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.groupe);
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        test::Arc_(K.Noeuds[o].Code, K.Noeuds[d].Code, c.mode);
        K.Arcs[1].IndiceOrigine = static_cast<int16_t>(o);
        K.Arcs[1].IndiceDestination = static_cast<int16_t>(d);
        K.Formes.OptionsRedess = ModeleOptionsRedess{};
        K.Formes.OptionsRedess.TousModesRoute.Value = false;
        (K.Formes.OptionsRedess.*c.coche).Value = true;
        const QString fichier = Chemin(QStringLiteral("groupe-%1.dxf").arg(QLatin1String(c.groupe)));
        repondeur->efface();
        repondeur->RepondTexte(fichier);
        Kelmo_menRedessine_Click();
        int demandes = 0;
        for (const AppelDialogue& a : repondeur->appels())
            demandes += a.genre == AppelDialogue::FichierEnregistrer;
        EXPECT_EQ(demandes, 1);
        EXPECT_TRUE(repondeur->messages().empty());
        ConserveDXF(fichier, Manifeste()
                                 .SansTables()
                                 .Polyligne("3", 3, 0.5, {0, 0, 0}, {5, 2, 0})
                                 .Polyligne("3", 3, 0.5, {10, 4, 0}, {5, 2, 0}));
        const std::string octets = test::LitOctets(fichier);
        int polylignes = 0;
        for (std::size_t p = octets.find("POLYLINE"); p != std::string::npos; p = octets.find("POLYLINE", p + 1))
            ++polylignes;
        EXPECT_EQ(polylignes, 2) << "the arc's two halves";
    }
}

} // namespace

namespace {

// The scan of the displayed values for the two ends of an arc, word for
// word: the oracle of the indexed lookup.
void valeursLitterales(int io, int id, float& vo, float& vd)
{
    int ro = 0, rd = 0, compte = 0;
    for (int r = 1; r < static_cast<int>(K.ValeursNoeuds.size()); ++r) {
        const ValeurNoeud& v = K.ValeursNoeuds[static_cast<std::size_t>(r)];
        if (v.IndiceNoeud == io) {
            ro = r;
            ++compte;
        }
        if (v.IndiceNoeud == id) {
            rd = r;
            ++compte;
        }
        if (r >= K.NbNoeuds || compte >= 2)
            break;
    }
    vo = K.ValeursNoeuds[static_cast<std::size_t>(ro)].Valeur;
    vd = K.ValeursNoeuds[static_cast<std::size_t>(rd)].Valeur;
}

TEST_F(DXFTest, TheEndValuesAreThoseTheScanOfTheDisplayedValuesFinds)
{
    std::mt19937 g(130);
    for (int essai = 0; essai < 20; ++essai) {
        test::ModeleNeuf();
        const int n = 5 + essai * 3;
        for (int i = 1; i <= n; ++i)
            test::Noeud_(QStringLiteral("N"), i);
        // Records that name a node twice, none, or node 0.
        std::uniform_int_distribution<int> noeud(0, n);
        K.ValeursNoeuds.assign(static_cast<std::size_t>(n) + 1, ValeurNoeud{});
        for (int r = 0; r <= n; ++r) {
            K.ValeursNoeuds[static_cast<std::size_t>(r)].IndiceNoeud = static_cast<int16_t>(r ? noeud(g) : 0);
            K.ValeursNoeuds[static_cast<std::size_t>(r)].Valeur = static_cast<float>(r * 10 + essai);
        }
        ValeursExtremitesDXF index;
        index.Construit();
        for (int o = 0; o <= n; ++o)
            for (int d = 0; d <= n; ++d) {
                float ao = 0, ad = 0, bo = 0, bd = 0;
                index.Valeurs(o, d, ao, ad);
                valeursLitterales(o, d, bo, bd);
                ASSERT_EQ(ao, bo) << essai << " " << o << " " << d;
                ASSERT_EQ(ad, bd) << essai << " " << o << " " << d;
            }
    }
}

TEST_F(DXFTest, AnArcBetweenTwoClassesIsCutWhereItsValuesReachTheLimit)
{
    cinqClasses();
    const int o = test::NoeudAEcran(QStringLiteral("O"), 0, 0, 0);
    const int d = test::NoeudAEcran(QStringLiteral("D"), 0, 100, 40);
    K.ValeursNoeuds.assign(3, ValeurNoeud{});
    K.ValeursNoeuds[1].IndiceNoeud = static_cast<int16_t>(d);
    K.ValeursNoeuds[1].Valeur = 12;
    K.ValeursNoeuds[2].IndiceNoeud = static_cast<int16_t>(o);
    K.ValeursNoeuds[2].Valeur = 2;
    K.EpaisseurArcsDXF = 1.5;
    K.NbSegmentsDXF = 0;
    InstalleCrochetsDessinCarteDXF();
    TraceArcCouleursNoeuds(o, d);
    ASSERT_EQ(K.NbSegmentsDXF, 3);
    // Classes 1 and 2, the middle value 7 below the limit 10: the cut at 80 %.
    const auto traits = images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline);
    ASSERT_EQ(traits.size(), 3u);
    EXPECT_EQ(traits[0].ForeColor, 0x010101);
    EXPECT_EQ(traits[2].ForeColor, 0x020202);
    EXPECT_EQ(traits[1].points, (std::vector<QPoint>{{80, 32}, {50, 20}}));
    const std::string octets = ExporteCouleursNoeuds(Manifeste()
                                                         .SansTables()
                                                         .Polyligne("1", 1, 1.5, {0, 0, 0}, {50, 20, 0})
                                                         .Polyligne("1", 1, 1.5, {80, 32, 0}, {50, 20, 0})
                                                         .Polyligne("2", 2, 1.5, {100, 40, 0}, {80, 32, 0}));
    EXPECT_NE(octets.find("10\r\n80\r\n20\r\n32\r\n30\r\n0\r\n"), std::string::npos);
}

} // namespace
