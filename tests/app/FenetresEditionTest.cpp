// The editing windows from the main window: the two menu commands, the map
// pointer, the routing of map clicks, and each window driven through its
// widgets.
#include "OutilsApp.h"
#include "OutilsFenetres.h"
#include "app/Kelmo.h"
#include "core/Commandes.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "core/Projection.h"
#include "editing/CrochetsEdition.h"
#include "editing/formes/FenetresEdition.h"
#include "editing/formes/ModifArcs.h"
#include "editing/formes/ModifNoeuds.h"
#include "platform/RepondeurScripte.h"
#include "platform/formes/DialoguesQt.h"
#include "timetables/formes/FenetresHoraires.h"
#include "timetables/formes/HorairesArcs.h"
#include "timetables/formes/Trains.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class FenetresEdition : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        ReseauEnMemoire(); // PARIS, LYON, TOURS; two Train arcs from PARIS
        K.Echelle = 1;
        IndexeArcs();
        RemplitListesNoeuds();
        ReprojetteVue();
        TrieNoeudsProfondeur();
    }
    void TearDown() override
    {
        ClicsCarte() = {};
        ReinitialiseDonnees();
    }
    RepondeurScripte r;
};

} // namespace

TEST_F(FenetresEdition, TheMenuCommandsOpenTheEditorsWithTheirPointers)
{
    Kelmo k;
    ASSERT_TRUE(k.ExecuteMenu(QStringLiteral("menModifieOD")));
    ModifArcs* a = FenetreModifArcs();
    EXPECT_TRUE(K.ModeModifArcs);
    EXPECT_TRUE(a->isVisible());
    EXPECT_EQ(a->windowTitle(), QStringLiteral("Modification des arcs"));
    EXPECT_EQ(k.Ima()->cursor().shape(), Qt::BitmapCursor);
    for (QWidget* b : {static_cast<QWidget*>(a->BtnCréer), static_cast<QWidget*>(a->BtnDétruire),
                       static_cast<QWidget*>(a->BtnDoubleArc), static_cast<QWidget*>(a->BtnHoraires)})
        EXPECT_TRUE(b->isHidden()) << b->objectName().toStdString();

    a->Command3D5->click(); // "Quitter"
    EXPECT_FALSE(K.ModeModifArcs);
    EXPECT_FALSE(a->isVisible());
    EXPECT_EQ(k.Ima()->cursor().shape(), Qt::ArrowCursor);

    k.ExecuteMenu(QStringLiteral("menZoomSouris"));
    ASSERT_TRUE(k.ExecuteMenu(QStringLiteral("menModifieNoeuds")));
    ModifNoeuds* n = FenetreModifNoeuds();
    EXPECT_TRUE(K.ModeModifNoeuds);
    EXPECT_TRUE(n->isVisible());
    EXPECT_EQ(n->windowTitle(), QStringLiteral("Modifie les noeuds"));
    EXPECT_EQ(k.Ima()->cursor().shape(), Qt::CrossCursor);
    // Closing the window quits node editing too; under zoom by click the
    // map keeps the cross.
    n->close();
    EXPECT_FALSE(K.ModeModifNoeuds);
    EXPECT_EQ(k.Ima()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(FenetresEdition, AMapClickGoesToTheArcEditorFirst)
{
    Kelmo k;
    k.ExecuteMenu(QStringLiteral("menZoomSouris"));
    k.ExecuteMenu(QStringLiteral("menModifieNoeuds"));
    k.ExecuteMenu(QStringLiteral("menModifieOD"));
    const double echelle = K.Echelle;
    const Noeud& lyon = K.Noeuds[2];
    k.Kelmo_Ima_MouseDown(1, 0, lyon.XEcran + 1, lyon.YEcran);
    k.Kelmo_Ima_MouseUp(1, 0, lyon.XEcran + 1, lyon.YEcran);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, 2);
    EXPECT_EQ(FenetreModifArcs()->ListeModifiable1->currentIndex(), 2);
    EXPECT_EQ(K.Formes.ModifNoeuds.ListeModifiable1.ListIndex, -1);
    EXPECT_EQ(K.Echelle, echelle);
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(FenetresEdition, ClosingTheMainWindowEndsTheProgramWithTheArcEditorAndItsTimetableOpen)
{
    Kelmo k;
    k.show();
    ModifArcs* w = EditeurParisLyon(k);
    w->BtnHoraires->click();
    HorairesArcs* h = FenetreHorairesArcs();
    ASSERT_TRUE(w->isVisible());
    ASSERT_TRUE(h->isVisible());
    r.efface();
    k.close();
    // As "&Quitter": the run ends, once.
    int fins = 0;
    for (const AppelDialogue& a : r.appels())
        fins += a.genre == AppelDialogue::Quitte;
    EXPECT_EQ(fins, 1);
}

// The real way out, the program's own, with the event loop running: no open
// window may keep the program alive, neither a timetable whose close box is
// its own "Quitter" nor the train run above it.
TEST_F(FenetresEdition, QuitterAndTheCloseBoxEndTheEventLoopWhateverWindowsAreOpen)
{
    for (const bool trains : {false, true})
        for (const bool caseFermeture : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "trains " << trains << ", close box " << caseFermeture);
            Kelmo k;
            k.show();
            EditeurParisLyon(k)->BtnHoraires->click();
            HorairesArcs* h = FenetreHorairesArcs();
            ASSERT_TRUE(h->isVisible());
            if (trains) {
                emit h->ListeHoraires->itemClicked(h->ListeHoraires->item(0));
                h->AfficheTrain->click();
                ASSERT_TRUE(FenetreTrains()->isVisible());
            }
            DialoguesQt programme(&k);
            DefinitUi(&programme);
            QTimer::singleShot(0, &k, [&] {
                if (caseFermeture)
                    k.close();
                else
                    k.ExecuteMenu(QStringLiteral("menSortie"));
            });
            // A loop still running after this has been kept alive by a window.
            QTimer garde;
            garde.setSingleShot(true);
            QObject::connect(&garde, &QTimer::timeout, [] { QCoreApplication::exit(99); });
            garde.start(5000);
            EXPECT_EQ(QCoreApplication::exec(), 0);
            DefinitUi(&r);
            // The way out leaves its hourglass: the program has ended.
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
        }
}

TEST_F(FenetresEdition, TheArcEditorDrivenThroughItsWidgets)
{
    Kelmo k;
    k.ExecuteMenu(QStringLiteral("menModifieOD"));
    ModifArcs* w = FenetreModifArcs();
    EXPECT_EQ(w->ListeModifiable1->count(), 4);
    emit w->ListeModifiable3->activated(w->ListeModifiable3->findText(QStringLiteral("Train")));
    emit w->ListeModifiable1->activated(1);
    emit w->ListeModifiable2->activated(2);
    // PARIS - LYON by Train is stored: shown with its timetable button,
    // which the timetables installed with the main window.
    EXPECT_EQ(w->Longueur->text(), QStringLiteral(" 460"));
    EXPECT_FALSE(w->BtnDétruire->isHidden());
    EXPECT_FALSE(w->BtnHoraires->isHidden());
    EXPECT_TRUE(w->BtnHoraires->isEnabled());
    // "Longeur arcs" is always there.
    EXPECT_TRUE(w->Commande1->isEnabled());
    EXPECT_EQ(w->BtnDétruire->geometry().left(), 200);
    EXPECT_EQ(w->BtnDétruire->width(), 65);
    AfficheHorairesArc = [] {};
    w->Rafraichit();
    EXPECT_TRUE(w->BtnHoraires->isEnabled());

    // A press on the capacity box asks for the new capacity.
    r.RepondTexte(QStringLiteral("480"));
    PresseSouris(w->Capacité);
    EXPECT_EQ(K.Arcs[1].Capacite, 480.0f);
    EXPECT_EQ(w->Capacité->text(), QStringLiteral(" 480"));

    // PARIS - TOURS by Métro does not exist: created from the boxes.
    emit w->ListeModifiable3->activated(w->ListeModifiable3->findText(QStringLiteral("Métro")));
    r.efface();
    emit w->ListeModifiable2->activated(3);
    EXPECT_FALSE(w->BtnCréer->isHidden());
    w->Heures->setText(QStringLiteral("2"));
    emit w->Heures->textEdited(QStringLiteral("2"));
    w->BtnCréer->click();
    ASSERT_EQ(K.NbArcs, 3);
    EXPECT_EQ(K.Arcs[3].Mode, 8);
    EXPECT_TRUE(w->BtnCréer->isHidden());
    EXPECT_EQ(w->height(), 2595 / 15);
    K.Formes.ModifArcs.Height = 4185;
    w->Rafraichit();
    EXPECT_EQ(w->height(), 4185 / 15);
}

TEST_F(FenetresEdition, TheNodeEditorDrivenThroughItsWidgets)
{
    Kelmo k;
    k.ExecuteMenu(QStringLiteral("menModifieNoeuds"));
    ModifNoeuds* w = FenetreModifNoeuds();
    emit w->ListeModifiable1->activated(3);
    EXPECT_EQ(w->Texte1->text().trimmed(), QStringLiteral("TOURS"));
    EXPECT_EQ(w->Texte2->text(), QStringLiteral("37261"));
    // No node values loaded: the value box shows 0 (a same-named function of
    // another subsystem once answered here).
    EXPECT_EQ(w->Texte8->text(), QStringLiteral("0"));
    emit w->Texte1->textEdited(QStringLiteral("TOURS-CENTRE"));
    w->Command3D5->click(); // "Modifier"
    EXPECT_EQ(K.Noeuds[3].Nom.sansBlancsFinaux(), QStringLiteral("TOURS-CENTRE"));
    EXPECT_EQ(w->ListeModifiable1->itemText(3), QStringLiteral("TOURS-CENTRE   "));
    EXPECT_EQ(w->ListeModifiable1->currentIndex(), 3);
    EXPECT_TRUE(r.appels().empty());
    EXPECT_TRUE(w->BtnHoraires->isEnabled());
}

// A node deleted in the node editor takes the arc shown off the arc editor
// window at once, without the user coming back to it.
TEST_F(FenetresEdition, ANodeDeletedInTheNodeEditorLeavesTheArcEditorWindowWithoutItsArc)
{
    Kelmo k;
    k.ExecuteMenu(QStringLiteral("menModifieOD"));
    ModifArcs* a = FenetreModifArcs();
    emit a->ListeModifiable3->activated(a->ListeModifiable3->findText(QStringLiteral("Train")));
    emit a->ListeModifiable1->activated(1);
    emit a->ListeModifiable2->activated(2);
    ASSERT_FALSE(a->BtnDétruire->isHidden());
    k.ExecuteMenu(QStringLiteral("menModifieNoeuds"));
    ModifNoeuds* n = FenetreModifNoeuds();
    emit n->ListeModifiable1->activated(1); // PARIS
    r.Repond(Reponse::OK);
    r.Repond(Reponse::OK);
    n->Command3D1->click(); // "Supprimer", then its report
    ASSERT_EQ(K.NbNoeuds, 2);
    EXPECT_TRUE(a->BtnDétruire->isHidden());
    EXPECT_TRUE(a->BtnHoraires->isHidden());
    EXPECT_FALSE(a->BtnCréer->isHidden());
    EXPECT_EQ(a->ListeModifiable1->count(), 3);
}
