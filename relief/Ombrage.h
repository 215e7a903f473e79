#pragma once
// The flat colour of a relief triangle: its slope towards the fixed light
// gives a shade between 0 and 2, the shade one of ten classes, and the class a
// colour of the palette chosen by the lightening coefficient.
#include "core/Couleurs.h"

namespace kelmo {

// The colour of the triangle of those three corners (picture x, picture y,
// height). A coefficient of no palette keeps the colour of the previous
// triangle (black for the first one of the run).
Couleur OmbreFacette(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3,
                     double z3);

// The shade class, 1 to 10, of a shade compared as a double with the class
// limits (a shade on a shared limit falls in the lower class); 4 outside
// -2 to 3.
int ClasseOmbre(float ombre);

// couleur := the colour of the shade's class in the palette of that
// coefficient (1 to 5; 5 and the tenth class of 4 read the statistics
// window's class colour boxes); any other coefficient writes nothing.
void CouleurOmbre(double coefficient, float ombre, Couleur& couleur);

// The shade and colour of the last triangle (kept for the run).
float DerniereOmbre();
Couleur DerniereCouleurOmbre();

} // namespace kelmo
