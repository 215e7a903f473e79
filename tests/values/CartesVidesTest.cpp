// Maps over empty tables: nothing to draw is drawn, and nothing is said.
#include "CartesDeTest.h"
#include "values/ArcsDegrades.h"
#include "values/Attractions.h"
#include "values/CartesFlux.h"
#include "values/CartesNoeuds.h"
#include "values/ClassesArcs.h"
#include "values/Probabilites.h"
#include "values/SurfacesFlux.h"

using namespace kelmo;
using namespace kelmo::testcartes;

namespace {

class CartesVides : public CarteTest {};

const struct {
    const char* nom;
    void (*carte)();
} Cartes[] = {
    {"circles", [] { AfficheRondsCarres(QStringLiteral("Valeur1")); }},
    {"labels", AfficheValeursNoeuds},
    {"inflows", AfficheAffluxNoeuds},
    {"sort", TrieArcs1},
    {"classes", AfficheClassesArcs},
    {"attractions", AfficheAttractions},
    {"flows", AfficheFlux},
    {"non-oriented flows", AfficheFluxNonOrientes},
    {"flows by mode", AfficheFluxNonOrientesModes},
    {"surfaces",
     [] {
         AffecteSurfacesFlux();
         TrieSurfacesFlux();
         AfficheSurfacesFlux();
     }},
    {"probabilities", AfficheProbabilites},
    {"auto-attractions", AfficheAutoAttractions},
};

} // namespace

TEST_F(CartesVides, MapsOfNoNodesNoPairsAndNoClassesDrawNothingAndSayNothing)
{
    vectoriel(true);
    K.NbClasses = 0;
    K.Classes.assign(1, Classe{});
    K.ValeursNoeuds.assign(1, ValeurNoeud{});
    for (const auto& k : Cartes) {
        k.carte();
        EXPECT_TRUE(traits().empty() && cercles().empty() && textes().empty() && polygones().empty()) << k.nom;
        EXPECT_TRUE(repondeur->messages().empty()) << k.nom;
        EXPECT_FALSE(EnregistrementOuvert()) << k.nom;
        EXPECT_FALSE(K.StatusBar.ProgressionVisible) << k.nom;
    }
}

TEST_F(CartesVides, PairsWhoseNodesAreGoneDrawNothing)
{
    // Pairs of a file indexed on a network that has since been replaced by
    // one of two nodes.
    noeud(10, 10);
    noeud(20, 20);
    for (int i = 0; i < 6; ++i)
        paire(0, 0, 50).IndiceOrigine = static_cast<int16_t>(100 + i);
    K.Arcs1[1].IndiceDestination = 300;
    for (const auto& k : Cartes) {
        if (std::string(k.nom) == "inflows")
            continue; // circles at every node by design
        images->ima.Appels.clear();
        k.carte();
        EXPECT_TRUE(traits().empty() && polygones().empty()) << k.nom;
        EXPECT_TRUE(repondeur->messages().empty()) << k.nom;
    }
}
