#pragma once
// "Aspect visuel des noeuds": the radius and line width lists, the boxes the
// node drawing reads, and the preview circle.
#include "core/Couleurs.h"
#include "core/modeles/Controles.h"

namespace kelmo {

struct ApercuNoeud {
    double X = 0, Y = 0, Rayon = 0;
    int Epaisseur = 1;
    Couleur Bord = 0, Interieur = 0;
    bool Dessine = false;
};

struct ModeleAspectVisuelNoeuds {
    bool Minuscules = true;            // "Noms en minuscules", ticked when the window is made
    bool CouleursModes = true;         // "Couleur des modes", ticked when the window is made
    bool Charge = false;
    Liste Combo1, Combo2;              // "1" .. "60"
    QString TexteCombo1, TexteCombo2;  // radius, line width
    Couleur CouleurDialogue = 0;       // the colour dialog opens on the colour last picked in it
    double LargeurApercu = 60, HauteurApercu = 60;
    ApercuNoeud Apercu;
    bool Visible = false;
};

} // namespace kelmo
