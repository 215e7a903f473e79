#pragma once
// The nodes in the drawing: a TEXT label per node ("Noeuds" ticked) and a
// CIRCLE per node ("Circle" ticked), whose radius is fixed or grows with the
// population or with the node value shown on the map, and whose layer and
// colour may follow the value classes.
#include "dxf/TamponDXF.h"

#include <optional>

namespace kelmo {

void PrepareNoeudsDXF();
void EcritNomsNoeudsDXF(TamponDXF& t);
void PrepareCerclesDXF();
void EcritCerclesNoeudsDXF(TamponDXF& t);

// What the labels need of the dialog's boxes, checked before anything is
// written: the message naming the first box that holds no number.
std::optional<QString> RefusNomsNoeudsDXF();
// The circles by node value need the node values of the map; a radius,
// typed or made by the scale factor, must fit the single it is kept in.
std::optional<QString> RefusCerclesNoeudsDXF();

} // namespace kelmo
