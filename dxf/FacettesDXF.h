#pragma once
// The triangles of the last relief drawn, as 3DFACE entities whose fourth
// corner repeats the first, all on the layer and in the colour of the grid's
// "3DFacettes" row.
#include "dxf/TamponDXF.h"

namespace kelmo {

// The facets the last collecting relief left (0 while there are none).
int NbFacettesDXF();

void PrepareFacettesDXF();
void EcritFacettesDXF(TamponDXF& t);

} // namespace kelmo
