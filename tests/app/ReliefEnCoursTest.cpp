// While a relief is drawn the window gives the user its events, but every
// command that would change the network, the view, the pictures or the relief
// settings is greyed and refused, and all of them come back however the
// relief ends.
#include "OutilsApp.h"
#include "app/Kelmo.h"
#include "core/Commandes.h"
#include "platform/RepondeurScripte.h"

#include <QAction>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class ReliefEnCours : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        DefinitDefautsOptionsRelief();
        ReseauEnMemoire();
        for (int32_t i = 1; i <= K.NbArcs; ++i)
            K.Arcs[i].Minimal = 1;
        for (int32_t n = 1; n <= K.NbNoeuds; ++n)
            K.Noeuds[n].Visible = true;
    }
    void TearDown() override { ReinitialiseDonnees(); }
    RepondeurScripte r;
};

TEST_F(ReliefEnCours, CommandsAreGreyedAndRefusedMidReliefThenWorkAgain)
{
    Kelmo k;
    const auto installeParLaFenetre = K.StatusBar.TraiteEvenements;
    ASSERT_TRUE(installeParLaFenetre);
    int pendant = 0;
    K.StatusBar.TraiteEvenements = [&] {
        installeParLaFenetre(); // the window's own: greys and processes events
        ++pendant;
        EXPECT_FALSE(k.ActionMenu("menRedessine")->isEnabled());
        EXPECT_FALSE(k.ActionMenu("menOptionsRelief")->isEnabled());
        EXPECT_FALSE(k.BarreDOutils()->isEnabled());
        EXPECT_TRUE(k.ActionMenu("menAPropos")->isEnabled());
        const double echelle = K.Echelle;
        EXPECT_FALSE(k.ExecuteMenu("menEffaceImage"));
        EXPECT_FALSE(k.ExecuteMenu("menTraceRelief")); // no relief within a relief
        k.Kelmo_BarreDOutils_ButtonClick(1);            // zoom refused
        EXPECT_EQ(K.Echelle, echelle);
    };
    EXPECT_TRUE(k.ExecuteMenu("menTraceRelief"));
    // The relief lets events in at most every so often: once on a fast
    // machine for this small network, more on a slow or busy one.
    EXPECT_GE(pendant, 1);
    EXPECT_TRUE(K.StatusBar.Panneaux[5].startsWith(QStringLiteral("L'espace")));
    EXPECT_TRUE(k.ActionMenu("menRedessine")->isEnabled());
    EXPECT_TRUE(k.BarreDOutils()->isEnabled());
    EXPECT_TRUE(k.ExecuteMenu("menEffaceImage"));
}

TEST_F(ReliefEnCours, ARequestToQuitStopsTheReliefAndThenQuits)
{
    Kelmo k;
    K.StatusBar.TraiteEvenements = [&] { EXPECT_TRUE(k.ExecuteMenu("menSortie")); };
    k.ExecuteMenu("menTraceRelief");
    ASSERT_FALSE(r.appels().empty());
    EXPECT_EQ(r.appels().back().genre, AppelDialogue::Quitte);
}

} // namespace
