#pragma once
// The relief triangles kept as facets over shared vertices, for the painter's
// order of the vector picture and for the 3-D export. The tables are K's
// (core/Modele.h); they start at their capacities NbMaxSommets and
// NbMaxFacettes and grow past them.
#include <cstdint>

namespace kelmo {

// Empties both tables at their capacities (all slots free, both counts 0):
// the start of every relief that collects facets.
void PrepareTablesFacettes();

// Stores the vertex, or reuses the newest stored one whose coordinates differ
// from it by less than 0.001 in sum; indice receives its row. A new vertex is
// marked on the bitmap picture: a black dot, ringed when at height 0.
void AjouteSommetFacette(double x, double y, double z, int32_t& indice);

// Stores the triangle of those corners (picture x, picture y, height) in the
// next slot, with the link types of the arcs along its sides 1-2 and 1-3 and
// its shade, and outlines it in yellow on the bitmap picture.
void AjouteFacette(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3, double z3,
                   int modeCote12, int modeCote13);

} // namespace kelmo
