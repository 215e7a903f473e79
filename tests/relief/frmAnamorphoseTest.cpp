// The window "Anamorphose" headless: the command that shows it, the list it
// shows from its model, "&OK" running from the chosen node, "&Annuler"
// changing nothing but the map's pointer, and the two menu commands.
#include "core/Commandes.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "core/Menus.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "relief/DessinRelief.h"
#include "relief/LiensCarte.h"
#include "relief/formes/frmAnamorphose.h"
#include "support/Reseau.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class FenetreAnamorphose_ : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        InitialiseEtatsMenus();
        ASSERT_TRUE(dir.isValid());
        K.VitesseReference = 220;
        K.Echelle = 1;
        K.RacineDonnees = dir.path();
        Noeud_("AMIENS", 10, 0, 0, 0);
        Noeud_("BEAUVAIS-LES-DEUX-RIVIERES", 20, 0, 10, 0);
        Noeud_("CREIL", 30, 0, 10, 10);
        Arc_(10, 20, TypeAutoroute().Code);
        Arc_(20, 30, TypeRoute70().Code);
        IndexeArcs();
        RemplitListesNoeuds();
        LiensVersCarte().CurseurIma = [this](bool croix) { curseurs.push_back(croix); };
        InstalleFenetresAnamorphose(nullptr);
    }
    void TearDown() override
    {
        DetruitFenetresAnamorphose();
        ReinitialiseDonnees();
    }
    QTemporaryDir dir;
    RepondeurScripte r;
    std::vector<bool> curseurs;
};

} // namespace

TEST_F(FenetreAnamorphose_, TheCommandShowsTheNodeListAndTheWindowKeepsTheChoice)
{
    ASSERT_TRUE(ExecuteCommande("menAnamorphose"));
    frmAnamorphose* f = FenetreAnamorphose();
    ASSERT_TRUE(f->isVisible());
    EXPECT_FALSE(f->isModal());
    EXPECT_EQ(f->windowTitle(), "Anamorphose");
    EXPECT_EQ(f->EtiquetteAnam->text(), "Choix du noeud de départ de l'anamorphose");
    EXPECT_EQ(f->Etiquette4->text(), "Noeuds existants :");
    EXPECT_EQ(f->cmdOK->text(), "&OK");
    EXPECT_EQ(f->cmdAnnuler->text(), "&Annuler");
    QStringList entrees;
    for (int i = 0; i < f->ListeModifiable1->count(); ++i)
        entrees << f->ListeModifiable1->itemText(i);
    EXPECT_EQ(entrees, (QStringList{" ", "AMIENS         ", "BEAUVAIS-LES-DE", "CREIL          "}));
    EXPECT_EQ(f->ListeModifiable1->currentIndex(), -1);
    EXPECT_EQ(r.nombreSablier(), 1);
    EXPECT_FALSE(r.sablierActif());

    f->ListeModifiable1->setCurrentIndex(3);
    EXPECT_EQ(K.Formes.frmAnamorphose.ListeModifiable1.ListIndex, 3);
    f->cmdAnnuler->click();
    EXPECT_FALSE(f->isVisible());
    // Shown again, the choice is still there; and still the one "&OK" runs from.
    ExecuteCommande("menAnamorphose");
    EXPECT_EQ(f->ListeModifiable1->currentIndex(), 3);
    f->cmdOK->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_FALSE(K.Formes.frmAnamorphose.Visible);
    EXPECT_EQ(K.StatusBar.Panneaux[5], "Anamorphose en 2 pas à partir de CREIL     ");
    EXPECT_EQ(K.Noeuds[3].Niveau, 0);
    EXPECT_NEAR(K.Noeuds[2].Y, 10 - 10.0 * 110 / 70, 1e-4) << "single precision";
    EXPECT_EQ(K.Noeuds[1].X, 0) << "settled by the motorway class first";
    EXPECT_FALSE(r.sablierActif());
    EXPECT_EQ(r.appels().back().genre, AppelDialogue::Lancement);
}

TEST_F(FenetreAnamorphose_, AnnulerAndTheCloseBoxChangeNothingButThePointer)
{
    const std::vector<Noeud> noeuds = K.Noeuds;
    const QString etat = K.StatusBar.Panneaux[5];
    struct Cas {
        bool zoomSouris;
        bool fermeture; // the close box or Escape rather than the button
    };
    for (const Cas c : {Cas{false, false}, Cas{true, false}, Cas{true, true}}) {
        K.Menu("menZoomSouris").Checked = c.zoomSouris;
        curseurs.clear();
        Kelmo_menAnamorphose_Click();
        frmAnamorphose* f = FenetreAnamorphose();
        f->ListeModifiable1->setCurrentIndex(2);
        if (c.fermeture)
            f->reject();
        else
            f->cmdAnnuler->click();
        EXPECT_FALSE(f->isVisible());
        EXPECT_EQ(curseurs, std::vector<bool>{c.zoomSouris}) << "cross while the mouse zoom is on";
    }
    EXPECT_EQ(K.Arcs[1].Mode, TypeAutoroute().Code) << "arcs not sorted";
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(K.Noeuds[i].X, noeuds[i].X);
        EXPECT_EQ(K.Noeuds[i].Y, noeuds[i].Y);
    }
    EXPECT_EQ(K.StatusBar.Panneaux[5], etat);
    EXPECT_TRUE(r.appels().empty());
}

TEST_F(FenetreAnamorphose_, OKIsRefusedWhileAReliefIsBeingDrawn)
{
    Kelmo_menAnamorphose_Click();
    frmAnamorphose* f = FenetreAnamorphose();
    f->ListeModifiable1->setCurrentIndex(1);
    const std::vector<Arc> arcs = K.Arcs;
    const std::vector<Noeud> noeuds = K.Noeuds;
    int pendant = 0;
    // The relief hands the user's events over between its nodes.
    K.StatusBar.TraiteEvenements = [&] {
        ++pendant;
        f->cmdOK->click();
        EXPECT_TRUE(f->isVisible()) << "the window waits for the relief to end";
        for (int32_t j = 1; j <= K.NbArcs; ++j)
            EXPECT_EQ(K.Arcs[j].CodeOrigine, arcs[j].CodeOrigine) << "arc table untouched under the relief";
        for (int32_t i = 1; i <= K.NbNoeuds; ++i)
            EXPECT_EQ(K.Noeuds[i].X, noeuds[i].X) << i;
    };
    DessineRelief(1, K.NbNoeuds);
    ASSERT_EQ(pendant, 1);
    K.StatusBar.TraiteEvenements = nullptr;
    f->cmdOK->click();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(K.StatusBar.Panneaux[5].startsWith(QStringLiteral("Anamorphose en "))) << "once the relief is over";
}

TEST_F(FenetreAnamorphose_, TheFacetsCommandIsRegisteredWithTheWindow)
{
    ASSERT_TRUE(CommandeEnregistree("menLectFichFacettes"));
    r.RepondTexte(std::nullopt);
    ExecuteCommande("menLectFichFacettes");
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].genre, AppelDialogue::FichierOuvrir);
    EXPECT_EQ(r.appels()[0].titre, "Fichier des facettes...");
}
