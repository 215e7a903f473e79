#pragma once
// The standard palette of DXF colour numbers, for the drawings that carry a
// screen colour into a colour number.
#include "core/Couleurs.h"

#include <array>

namespace kelmo {

// The number (1 to 255) of the palette colour nearest to a screen colour
// (red in the low byte) by distance in red, green and blue; of two equally
// near, the lower number.
int CouleurDXFProche(Couleur couleur);
// Red, green and blue of a palette number; black outside 1 to 255.
std::array<int, 3> RVBCouleurDXF(int numero);

} // namespace kelmo
