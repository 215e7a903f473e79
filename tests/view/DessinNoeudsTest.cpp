// Node circles, names between the thresholds, mode colours and the vector
// recording of the nodes.
#include "ReseauVue.h"
#include "view/DessinNoeuds.h"

using namespace kelmo;
using kelmo::testvue::VueTest;

namespace {

class DessinNoeudsTest : public VueTest {};

TEST_F(DessinNoeudsTest, NodesAtThePictureLimitAreNotDrawnNorNamed)
{
    struct Cas {
        float x, y;
        bool visible;
    };
    const Cas cas[] = {{31999.6f, 10, true}, {32000, 10, false}, {-32000, 10, false}, {10, -32000, false}, {10, 10, true}};
    for (const Cas& c : cas)
        noeud(QStringLiteral("VILLE"), 50000, c.x, c.y);
    DessineNoeuds(true, true);
    for (std::size_t i = 0; i < std::size(cas); ++i)
        EXPECT_EQ(K.Noeuds[i + 1].Visible, cas[i].visible) << i;
    ASSERT_EQ(cercles().size(), 2u);
    // 31999.6 drawn at 32000: the square of corners 32002 and 31998
    EXPECT_EQ(cercles()[0].points[0], QPoint(32002, 12));
    EXPECT_EQ(cercles()[0].points[1], QPoint(31998, 8));
    EXPECT_EQ(textes().size(), 2u);
}

TEST_F(DessinNoeudsTest, NamesAreWrittenBetweenTheThresholdsBothIncluded)
{
    struct Cas {
        int32_t population;
        bool nomme;
    };
    const Cas cas[] = {{9999, false}, {10000, true}, {500000, true}, {12000000, true}, {12000001, false}};
    for (const Cas& c : cas)
        noeud(QStringLiteral("N%1").arg(c.population), c.population, 100, 100);
    DessineNoeuds(true, true);
    std::vector<QString> ecrits;
    for (const AppelZoneImage& t : textes())
        ecrits.push_back(t.texte.trimmed());
    EXPECT_EQ(ecrits, (std::vector<QString>{"N10000", "N500000", "N12000000"}));

    images->ima.Appels.clear();
    K.SeuilInferieurNoms = 20000000; // above the upper threshold: no name at all
    DessineNoeuds(true, true);
    EXPECT_TRUE(textes().empty());
}

TEST_F(DessinNoeudsTest, NameTextPositionColourAndLetterCount)
{
    noeud(QStringLiteral("AIX-EN-PROVENCE"), 50000, 100, 200);
    K.Formes.AspectVisuelNoeuds.Minuscules = false;
    K.NombreLettresNoms = 0;
    DessineNoeuds(true, true);
    EXPECT_EQ(K.NombreLettresNoms, 20);
    ASSERT_EQ(textes().size(), 1u);
    const AppelZoneImage t = textes()[0];
    EXPECT_EQ(t.texte, QStringLiteral("AIX-EN-PROVENCE     ")); // 20 characters, blanks of the field included
    EXPECT_EQ(t.points.at(0), QPoint(100, 187));
    EXPECT_EQ(t.ForeColor, K.CouleurNoms);

    struct Cas {
        double lettres;
        int ecrites;
    };
    for (const Cas c : {Cas{3, 3}, Cas{80, 50}, Cas{-4, 0}, Cas{2.5, 2}}) {
        images->ima.Appels.clear();
        K.NombreLettresNoms = c.lettres;
        DessineNoeuds(false, true);
        if (c.ecrites == 0) {
            EXPECT_TRUE(textes().empty()) << c.lettres;
        } else {
            ASSERT_EQ(textes().size(), 1u);
            EXPECT_EQ(textes()[0].texte.size(), c.ecrites) << c.lettres;
        }
    }

    images->ima.Appels.clear();
    K.NombreLettresNoms = 20;
    K.Formes.AspectVisuelNoeuds.Minuscules = true;
    DessineNoeuds(false, true);
    ASSERT_EQ(textes().size(), 1u);
    EXPECT_EQ(textes()[0].texte.trimmed(), QStringLiteral("Aix-En-Provence"));
}

TEST_F(DessinNoeudsTest, NomPropre)
{
    EXPECT_EQ(NomPropre(QStringLiteral("SAINT-ETIENNE")), QStringLiteral("Saint-Etienne"));
    EXPECT_EQ(NomPropre(QStringLiteral("LE MANS")), QStringLiteral("Le Mans"));
    EXPECT_EQ(NomPropre(QStringLiteral("paris")), QStringLiteral("paris"));
    EXPECT_EQ(NomPropre(QString()), QString());
}

TEST_F(DessinNoeudsTest, SymbolsOffDrawsRadiusZeroAndUnsafeSettingsAreClamped)
{
    noeud(QStringLiteral("A"), 0, 50, 60);
    DessineNoeuds(false, false);
    ASSERT_EQ(cercles().size(), 1u);
    EXPECT_EQ(cercles()[0].points[0], QPoint(50, 60));
    EXPECT_EQ(cercles()[0].points[1], QPoint(50, 60));

    images->ima.Appels.clear();
    K.RayonNoeuds = -5;
    K.EpaisseurNoeuds = 0;
    DessineNoeuds(true, false);
    ASSERT_EQ(cercles().size(), 1u);
    EXPECT_EQ(cercles()[0].points[0], QPoint(50, 60));
    EXPECT_EQ(cercles()[0].DrawWidth, 1);
}

TEST_F(DessinNoeudsTest, ColoursOfTheTwoNodeColoursOrOfTheModes)
{
    noeud(QStringLiteral("A"), 0, 50, 60);
    K.Noeuds[1].Modes = QStringLiteral("000-FER-ROU-AUT-000");
    K.Formes.AspectVisuelNoeuds.CouleursModes = false;
    DessineNoeuds(true, false);
    ASSERT_EQ(cercles().size(), 1u);
    EXPECT_EQ(cercles()[0].FillColor, QBColor(4));
    EXPECT_EQ(cercles()[0].ForeColor, QBColor(7));
    EXPECT_EQ(cercles()[0].FillStyle, 0);

    images->ima.Appels.clear();
    K.Formes.AspectVisuelNoeuds.CouleursModes = true;
    K.Formes.OptionsRelief.Autoroute = true;
    DessineNoeuds(true, false);
    ASSERT_EQ(cercles().size(), 1u);
    EXPECT_EQ(cercles()[0].FillColor, TypeAutoroute().CouleurCommun);
    EXPECT_EQ(cercles()[0].ForeColor, TypeRoute70().CouleurCommun); // outline keeps the picture's colour
}

TEST_F(DessinNoeudsTest, ModeColoursFollowTheReliefBoxes)
{
    struct Cas {
        const char* modes;
        bool tgv, autoroute, train;
        Couleur (*attendue)();
    };
    auto tgv = [] { return TypeTGV().CouleurCommun; };
    auto aut = [] { return TypeAutoroute().CouleurCommun; };
    auto fer = [] { return TypeTrain().CouleurCommun; };
    auto route = [] { return TypeRoute70().CouleurCommun; };
    auto noir = [] { return Couleur(0); };
    const Cas cas[] = {
        {"TGV-000-ROU-000-000", true, false, false, tgv},   {"TGV-000-ROU-000-BAT", false, true, true, noir},
        {"TGV-000-ROU-AUT-000", false, true, false, aut},   {"TGV-FER-ROU-AUT-BAT", true, true, true, tgv},
        {"TGV-FER-ROU-000-BAT", false, false, true, noir},  {"000-000-ROU-000-000", false, false, false, route},
        {"000-FER-ROU-000-BAT", false, false, true, fer},   {"000-FER-ROU-AUT-000", false, true, true, aut},
        {"000-FER-ROU-AUT-000", false, false, true, fer},   {"000-000-ROU-AUT-BAT", false, false, false, noir},
        {"000-000-000-000-000", false, false, false, route}, {"TGV-000-ROU-000-XXX", true, true, true, route},
    };
    for (const Cas& c : cas) {
        K.Formes.OptionsRelief.TGV = c.tgv;
        K.Formes.OptionsRelief.Autoroute = c.autoroute;
        K.Formes.OptionsRelief.Train = c.train;
        EXPECT_EQ(CouleurModesNoeud(QString::fromLatin1(c.modes)), c.attendue()) << c.modes;
    }
}

TEST_F(DessinNoeudsTest, VectorModeRecordsTheVisibleNodesAndTheirNames)
{
    vectoriel(true);
    noeud(QStringLiteral("A"), 50000, 50, 60);
    noeud(QStringLiteral("B"), 50000, 40000, 60); // off the picture
    noeud(QStringLiteral("C"), 5, 70, 80);        // no name
    DessineNoeuds(true, true);
    ASSERT_TRUE(MetaFichier.has_value());
    EXPECT_EQ(kelmo::testvue::NombreEnregistrements(wmf::META_ELLIPSE), 2);
    EXPECT_EQ(kelmo::testvue::TextesEnregistres(), 1);
    EXPECT_FALSE(EnregistrementOuvert());
}

} // namespace

TEST_F(DessinNoeudsTest, AFreshRunDrawsNamesInProperCaseAndNodesInTheirModesColours)
{
    // Both boxes of the node appearance window are ticked when it is made.
    ReinitialiseDonnees();
    EXPECT_TRUE(K.Formes.AspectVisuelNoeuds.Minuscules);
    EXPECT_TRUE(K.Formes.AspectVisuelNoeuds.CouleursModes);
}
