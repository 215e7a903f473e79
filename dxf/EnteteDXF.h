#pragma once
// The HEADER and TABLES sections of the drawing: the polyline line-type
// generation flag, the one line type, and a layer for each of the first
// eleven grid rows.
#include "dxf/TamponDXF.h"

namespace kelmo {

void EcritEnteteDXF(TamponDXF& t);
void EcritTablesDXF(TamponDXF& t);

// The colour a LAYER entry gets for a grid colour name: its DXF colour, or
// white (7) for a name outside the table, as a layer must carry a colour.
int CouleurCalqueDXF(const QString& nom);

} // namespace kelmo
