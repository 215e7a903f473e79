// The arc and node files never take a value without digits: the save is
// refused naming the value, and the folder stays as it was.
#include "OutilsEdition.h"
#include "editing/FichierArcsEdition.h"
#include "editing/ModifNoeuds.h"

#include <QDir>
#include <cmath>
#include <utility>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

TEST_F(FichiersEdition, AValueWithoutDigitsRefusesTheSaveAndLeavesTheFolderAsItWas)
{
    const struct { float* champ; float valeur; void (*commande)(); const char* nom; QString refus; } cas[] = {
        {&K.Arcs[1].Longueur, INFINITY, EcritFichierArcs, "copie.dat", "L'arc n° 1 (80021 - 60057) a une valeur trop "
         "large pour sa colonne (longueur = infini)"},
        {&K.Arcs[2].Duree, -INFINITY, EcritFichierArcs, "copie.dat", "L'arc n° 2 (60057 - 80021) a une valeur trop "
         "large pour sa colonne (durée = -infini)"},
        {&K.Noeuds[1].X, INFINITY, ModifNoeuds_Command3D4_Click, "villes.dat", "Le noeud n° 1 (AMIENS) a une valeur trop "
         "large pour sa colonne (X = infini)"},
        {&K.Noeuds[2].Z, NAN, ModifNoeuds_Command3D4_Click, "villes.dat", "Le noeud n° 2 (BEAUVAIS) a une valeur trop "
         "large pour sa colonne (Z = non numérique)"},
    };
    EcritFichier(dir, "reseau.dat", "ancien\r\n");
    EcritFichier(dir, "villes.dat", "ancien\r\n");
    for (const auto& c : cas) {
        const float avant = std::exchange(*c.champ, c.valeur);
        const QString p = dir.filePath(c.nom);
        repondeur->efface();
        repondeur->RepondTexte(p);
        c.commande();
        *c.champ = avant;
        ASSERT_FALSE(repondeur->messages().empty());
        EXPECT_EQ(repondeur->messages()[0], c.refus + " : le fichier " + p + QStringLiteral(" n'a pas été écrit."));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"reseau.dat", "villes.dat"}));
        EXPECT_EQ(LitOctets(dir.filePath("reseau.dat")) + LitOctets(dir.filePath("villes.dat")), "ancien\r\nancien\r\n");
    }
}
