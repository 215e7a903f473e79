#pragma once
// Set-ups shared by the tests of the statistics window's computations.
#include "core/Defauts.h"
#include "support/Reseau.h"
#include "values/Statistiques.h"

#include <initializer_list>

namespace kelmo::test {

// A model after start-up: defaults, the window's load (one class), its
// colour boxes.
inline void StatistiquesDemarrees()
{
    ModeleNeuf();
    DefinitValeursParDefaut();
    Statistiques_Form_Load();
    DefinitDefautsStatistiques();
}

// One node per value, the values shown per node in that order.
inline void ValeursNoeudsDeTest(std::initializer_list<float> valeurs)
{
    K.ValeursNoeuds.assign(1, ValeurNoeud{});
    for (float v : valeurs) {
        Noeud_(QStringLiteral("N"), K.NbNoeuds + 1);
        ValeurNoeud n;
        n.IndiceNoeud = static_cast<int16_t>(K.NbNoeuds);
        n.Valeur = v;
        K.ValeursNoeuds.push_back(n);
    }
}

} // namespace kelmo::test
