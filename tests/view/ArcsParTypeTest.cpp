// The arcs gathered by link type in one pass against the scan of the whole
// table for each type.
#include "ReseauVue.h"
#include "view/ArcsParType.h"
#include "view/DessinArcs.h"

#include <random>

using namespace kelmo;
using kelmo::testvue::VueTest;

namespace {

// The scan as the arc drawing first did it, for one type.
std::vector<int32_t> ArcsParParcours(int16_t mode, int32_t nbArcs)
{
    std::vector<int32_t> r;
    for (int32_t i = 1; i <= nbArcs; ++i)
        if (K.Arcs[i].Mode == mode)
            r.push_back(i);
    return r;
}

class ArcsParTypeTest : public VueTest {
protected:
    // A network whose arcs carry the link types at random, with modes that
    // are no link type and the extremes of the Mode column among them.
    void reseauAuHasard(unsigned graine, int nbNoeuds, int nbArcs)
    {
        std::mt19937 alea(graine);
        std::uniform_real_distribution<float> coord(5, 195);
        for (int i = 0; i < nbNoeuds; ++i)
            noeud(QStringLiteral("N%1").arg(i), 100, coord(alea), coord(alea));
        for (int i = 0; i < nbArcs; ++i) {
            int16_t mode = K.TypesArcs[alea() % K.TypesArcs.size()].Code;
            if (i % 50 == 7)
                mode = static_cast<int16_t>(i % 100 == 7 ? -32768 : 32767);
            arc(1 + static_cast<int>(alea() % nbNoeuds), 1 + static_cast<int>(alea() % nbNoeuds), mode, i % 3 == 0);
        }
        for (int i = 1; i <= K.NbNoeuds; ++i)
            K.Noeuds[i].Visible = true;
    }

    static std::vector<int16_t> modesEssayes()
    {
        std::vector<int16_t> modes{-32768, -1, 0, 32767};
        for (const TypeArc& t : K.TypesArcs)
            modes.push_back(t.Code);
        return modes;
    }
};

} // namespace

TEST_F(ArcsParTypeTest, LesListesRassembleesSontCellesDuParcoursPourChaqueType)
{
    reseauAuHasard(5, 40, 3000);
    const RassembleArcsParType rassemblement;
    for (const int32_t nb : {K.NbArcs, K.NbArcs - 100, int32_t{0}}) {
        for (const int16_t mode : modesEssayes())
            ASSERT_EQ(ArcsDuType(mode, nb), ArcsParParcours(mode, nb)) << "mode " << mode << ", " << nb << " arcs";
    }
    // Without a gathering under way the arcs are scanned for the one type.
    for (const int16_t mode : modesEssayes())
        ASSERT_EQ(ArcsDuType(mode, K.NbArcs), ArcsParParcours(mode, K.NbArcs)) << "mode " << mode;
}

TEST_F(ArcsParTypeTest, UnRassemblementNeSertQuePendantQuIlVit)
{
    reseauAuHasard(6, 10, 200);
    const int16_t train = TypeTrain().Code;
    {
        const RassembleArcsParType rassemblement;
        EXPECT_EQ(ArcsDuType(train, K.NbArcs), ArcsParParcours(train, K.NbArcs));
    }
    // The arcs change between two drawings: the next one sees the change.
    for (int32_t i = 1; i <= K.NbArcs; ++i)
        K.Arcs[i].Mode = train;
    const RassembleArcsParType rassemblement;
    EXPECT_EQ(ArcsDuType(train, K.NbArcs).size(), static_cast<std::size_t>(K.NbArcs));
}

TEST_F(ArcsParTypeTest, UnDessinRassembleTraceLesMemesTraitsDansLeMemeOrdre)
{
    reseauAuHasard(7, 30, 1500);
    auto dessineTout = [] {
        for (const TypeArc& t : std::vector<TypeArc>(K.TypesArcs.begin(), K.TypesArcs.end()))
            DessineArcsType(t);
    };
    dessineTout();
    const std::vector<AppelZoneImage> seuls = traits();
    images->ima.Appels.clear();
    {
        const RassembleArcsParType rassemblement;
        dessineTout();
    }
    const std::vector<AppelZoneImage> rassembles = traits();
    ASSERT_EQ(rassembles.size(), seuls.size());
    ASSERT_GT(seuls.size(), 2000u);
    for (std::size_t i = 0; i < seuls.size(); ++i) {
        ASSERT_EQ(rassembles[i].points, seuls[i].points) << "trait " << i;
        ASSERT_EQ(rassembles[i].ForeColor, seuls[i].ForeColor) << "trait " << i;
        ASSERT_EQ(rassembles[i].DrawWidth, seuls[i].DrawWidth) << "trait " << i;
    }
}
