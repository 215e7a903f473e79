#pragma once
// The arcs as bent tubes of 3DFACE entities: each arc follows the fold of
// its relief tent, from the origin node up (or down) to the apex and on to
// the destination node; each of the two pieces is a prism of N faces between
// two horizontal rings whose radius is the arc's thickness.
#include "dxf/TamponDXF.h"

namespace kelmo {

// The tube faces of every arc (with "Arcs" chosen, of the minimal arcs
// only), 2N per arc: for each side k the face of the first piece, then that
// of the second. The view tilt is 0 while the apex heights are computed and
// is given back afterwards. A side count below 1 writes no tube.
void EcritArcsTubesDXF(TamponDXF& t);

} // namespace kelmo
