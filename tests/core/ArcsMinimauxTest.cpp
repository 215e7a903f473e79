// The minimal arcs of the relief, case by case and against a plain
// transcription of the table scans on random networks.
#include "core/ArcsMinimaux.h"
#include "core/TypesArcs.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <random>

using namespace kelmo;
using namespace kelmo::test;

namespace {

void coche(bool tgv, bool autoroute, bool train)
{
    K.Formes.OptionsRelief.TGV = tgv;
    K.Formes.OptionsRelief.Autoroute = autoroute;
    K.Formes.OptionsRelief.Train = train;
}

std::vector<int> minimaux()
{
    std::vector<int> r;
    for (int i = 1; i <= K.NbArcs; ++i)
        r.push_back(K.Arcs[i].Minimal);
    return r;
}

bool memesNoeuds(const Arc& a, const Arc& b)
{
    return (a.CodeOrigine == b.CodeOrigine && a.CodeDestination == b.CodeDestination)
           || (a.CodeOrigine == b.CodeDestination && a.CodeDestination == b.CodeOrigine);
}

// The selection as written: every search scans the arc table from arc 1.
void selectionParBalayage()
{
    auto v = [](int16_t mode) {
        TypeArc t;
        return TypeArcParCode(mode, t) ? t.Vitesse : 0;
    };
    const auto& o = K.Formes.OptionsRelief;
    for (int i = 1; i <= K.NbArcs; ++i)
        K.Arcs[i].Minimal = EstModeRoutierGroupe(K.Arcs[i].Mode) ? 1 : 0;
    if (!(o.TGV || o.Autoroute || o.Train))
        return;
    std::vector<int> modes;
    if (o.TGV) modes.push_back(3);
    if (o.Autoroute) modes.push_back(6);
    if (o.Train) modes.push_back(4);
    auto relief = [&](int m) { return std::find(modes.begin(), modes.end(), m) != modes.end(); };
    for (int passe = 0; passe < 2; ++passe)
        for (int i = 1; i <= K.NbArcs; ++i) {
            if (K.Arcs[i].Minimal != 1)
                continue;
            for (int j = 1; j <= K.NbArcs; ++j) {
                Arc& c = K.Arcs[j];
                if (c.Minimal != 1 && relief(c.Mode) && memesNoeuds(K.Arcs[i], c) && v(c.Mode) > v(K.Arcs[i].Mode)) {
                    c.Minimal = 1;
                    K.Arcs[i].Minimal = 0;
                    break;
                }
            }
        }
    for (int i = 1; i <= K.NbArcs; ++i) {
        Arc& a = K.Arcs[i];
        if (a.Minimal == 0 && ((o.TGV && a.Mode == 3) || (o.Autoroute && !o.TGV && a.Mode == 6)))
            a.Minimal = 2;
    }
    if (o.TGV && o.Autoroute)
        for (int i = 1; i <= K.NbArcs; ++i) {
            Arc& a = K.Arcs[i];
            if (a.Mode != 6 || a.Minimal != 0)
                continue;
            a.Minimal = 2;
            for (int j = 1; j <= K.NbArcs; ++j)
                if (K.Arcs[j].Mode == 3 && memesNoeuds(a, K.Arcs[j])) {
                    a.Minimal = 0;
                    K.Arcs[j].Minimal = 1;
                    break;
                }
        }
}

class Minimaux : public ::testing::Test {
protected:
    void SetUp() override { ModeleNeuf(); }
};

} // namespace

TEST_F(Minimaux, NoBoxTickedKeepsOnlyTheRoads)
{
    Arc_(1, 2, 7);
    Arc_(1, 2, 3);
    Arc_(1, 2, 6);
    coche(false, false, false);
    K.CodeModeRelief1 = 99;
    SelectionneArcsMinimaux();
    EXPECT_EQ(minimaux(), std::vector<int>({1, 0, 0}));
    EXPECT_EQ(K.CodeModeRelief1, 99); // slots untouched
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(Minimaux, AFasterArcOfATickedModeReplacesTheRoadArc)
{
    Arc_(1, 2, 7);
    Arc_(2, 1, 4); // reverse direction joins the same nodes
    Arc_(3, 4, 7);
    Arc_(4, 3, 7);
    Arc_(3, 4, 4); // replaces the first of the two road arcs only
    Arc_(5, 6, 7);
    Arc_(5, 6, 61); // same group, not a relief mode
    coche(false, false, true);
    SelectionneArcsMinimaux();
    EXPECT_EQ(minimaux(), std::vector<int>({0, 1, 0, 1, 1, 1, 1}));
    EXPECT_EQ(K.CodeModeRelief1, 4);
    EXPECT_EQ(K.CodeModeRelief2, 0);
}

TEST_F(Minimaux, TheSecondPassLetsTheFastestModeTakeOver)
{
    Arc_(1, 2, 3);  // TGV, examined before it could replace anything
    Arc_(1, 2, 4);  // train
    Arc_(1, 2, 7);  // road
    coche(true, false, true);
    SelectionneArcsMinimaux();
    EXPECT_EQ(minimaux(), std::vector<int>({1, 0, 0}));
    EXPECT_EQ(K.CodeModeRelief1, 3);
    EXPECT_EQ(K.CodeModeRelief2, 4);
}

TEST_F(Minimaux, SetAsideMarksAndTheTgvMotorwayTieBreak)
{
    Arc_(1, 2, 3); // TGV joining no road: set aside
    Arc_(3, 4, 6); // motorway not retained, a TGV between the same nodes
    Arc_(4, 3, 3);
    Arc_(5, 6, 6); // motorway without TGV: set aside
    coche(true, true, false);
    SelectionneArcsMinimaux();
    EXPECT_EQ(minimaux(), std::vector<int>({2, 0, 1, 2}));

    ModeleNeuf();
    Arc_(1, 2, 6);
    Arc_(1, 2, 7);
    Arc_(3, 4, 6);
    coche(false, true, false);
    SelectionneArcsMinimaux();
    EXPECT_EQ(minimaux(), std::vector<int>({1, 0, 2}));
}

TEST_F(Minimaux, EqualSpeedNeverReplaces)
{
    TypeTrain().Vitesse = 70; // as fast as Route70
    Arc_(1, 2, 7);
    Arc_(1, 2, 4);
    coche(false, false, true);
    SelectionneArcsMinimaux();
    EXPECT_EQ(minimaux(), std::vector<int>({1, 0}));
}

TEST_F(Minimaux, HashedSearchFindsWhatTheTableScanFinds)
{
    std::mt19937 g(99);
    const int16_t modes[] = {3, 4, 6, 7, 71, 61, 8, 0, 999};
    for (int essai = 0; essai < 40; ++essai) {
        ModeleNeuf();
        std::uniform_int_distribution<int> code(1, 4 + essai / 4), mode(0, 8), bit(0, 1);
        for (int i = 0; i < 30 + essai * 5; ++i)
            Arc_(code(g), code(g), modes[mode(g)]);
        coche(bit(g), bit(g), bit(g));
        auto arcs = K.Arcs;
        selectionParBalayage();
        const auto attendu = minimaux();
        K.Arcs = arcs;
        SelectionneArcsMinimaux();
        ASSERT_EQ(minimaux(), attendu) << essai;
    }
}
