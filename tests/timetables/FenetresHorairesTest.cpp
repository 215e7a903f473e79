// The timetable windows and menu commands, headless.
#include "OutilsHoraires.h"
#include "core/Commandes.h"
#include "editing/CrochetsEdition.h"
#include "timetables/LiensHoraires.h"
#include "timetables/formes/FenetresHoraires.h"
#include "timetables/formes/HorairesArcs.h"
#include "timetables/formes/ListeAffichee.h"
#include "timetables/formes/Trains.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class FenetresHoraires : public HorairesTest {
protected:
    void SetUp() override
    {
        HorairesTest::SetUp();
        InstalleFenetresHoraires(nullptr);
        a = noeud("Arles");
        b = noeud("Beaucaire");
        service(a, b, 600, 620, -1, 20, 3);
        service(a, b, 500, 520, -1, 20, 3);
        IndexeArcs();
        liaison(a, b);
    }
    void TearDown() override
    {
        DetruitFenetresHoraires();
        HorairesTest::TearDown();
    }
    int a = 0, b = 0;
};

TEST_F(FenetresHoraires, ArcEditorButtonShowsTheLinkTimetableWithKeysOnItsLines)
{
    ASSERT_TRUE(AfficheHorairesArc);
    AfficheHorairesArc();
    HorairesArcs* w = FenetreHorairesArcs();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Horaires (arcs)"));
    ASSERT_EQ(w->ListeHoraires->count(), 2);
    EXPECT_TRUE(w->ListeHoraires->item(0)->text().startsWith(QStringLiteral("08:20")));
    EXPECT_EQ(CleDeLigne(w->ListeHoraires, 0).HeureDepart, 500);
    EXPECT_FALSE(w->Optimise->isVisible());
    EXPECT_FALSE(w->Command3D1->isEnabled());
    EXPECT_EQ(w->DévHor->toolTip(),
              QStringLiteral("Reconstruit tous les arcs horaires directs possibles (graphe maximum) "));
    // A click chooses the line and enables the buttons that need one.
    emit w->ListeHoraires->itemClicked(w->ListeHoraires->item(1));
    EXPECT_EQ(K.Formes.HorairesArcs.CleChoisie.HeureDepart, 600);
    EXPECT_TRUE(w->Modifier->isEnabled());
    w->AfficheTrain->click();
    Trains* t = FenetreTrains();
    EXPECT_TRUE(t->isVisible());
    EXPECT_EQ(t->ListeTrains->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(t->ListeTrains->count(), 1);
}

TEST_F(FenetresHoraires, DevelopmentMenuCommandShowsOptimiseAndTheArcCount)
{
    EXPECT_TRUE(CommandeEnregistree(QStringLiteral("menDéveloppmentHoraire")));
    EXPECT_TRUE(CommandeEnregistree(QStringLiteral("menOptimisationHoraire")));
    K.Menu(QStringLiteral("menOptimisationHoraire")).Enabled = false;
    ExecuteCommande(QStringLiteral("menDéveloppmentHoraire"));
    EXPECT_TRUE(K.Formes.HorairesArcs.Optimise.Visible);
    EXPECT_TRUE(K.Menu(QStringLiteral("menOptimisationHoraire")).Enabled);
    EXPECT_EQ(K.StatusBar.Panneaux[2], QStringLiteral("2 arcs "));
    // The window made afterwards shows the button.
    AfficheHorairesArc();
    EXPECT_TRUE(FenetreHorairesArcs()->Optimise->isVisible());
    ui.Repond(Reponse::Non);
    ExecuteCommande(QStringLiteral("menOptimisationHoraire"));
    EXPECT_TRUE(K.Formes.HorairesArcs.Optimise.Visible);
}

TEST_F(FenetresHoraires, CopyOfSelectedTrainLinesGoesToTheClipboard)
{
    LiensFenetresHoraires().CopieTexte(QStringLiteral("\n07:05  07:25"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("\n07:05  07:25"));
}

TEST_F(FenetresHoraires, QuitHidesTheLinkAndTrainWindows)
{
    AfficheHorairesArc();
    FenetreHorairesArcs()->Command3D3->click();
    EXPECT_FALSE(FenetreHorairesArcs()->isVisible());
    EXPECT_FALSE(K.CompareHoraires);
}

} // namespace
