#pragma once
// The arcs as polylines whose width, and in two cases colour, come from the
// arc-value file no. 1 and the value classes: the network arcs with the
// class width of their pair ("Arc-Valeur avec Couleur-Modes", "Couleur des
// noeuds"), or the value records themselves ("Arc-Valeur (ArcVal1)").
#include "dxf/TamponDXF.h"

namespace kelmo {

void PrepareArcsValeurModesDXF();
void PrepareArcsValeurNoeudsDXF();
void EcritArcsPolylignesModesDXF(TamponDXF& t);
void PrepareArcsValeurDXF();
void EcritArcsValeurPolylignesDXF(TamponDXF& t);

} // namespace kelmo
