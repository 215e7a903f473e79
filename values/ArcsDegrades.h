#pragma once
// Arcs graded by the values of their end nodes: the line is cut where the
// value, interpolated along it, crosses a class limit, each piece in the
// colour of its class; ends of one class draw the arc's tent in that colour.
#include <cstdint>

namespace kelmo {

// Reads, once for a run of arcs, where each node's value stands in
// ValeursNoeuds and the view the tents are raised in.
void PrepareArcsDegradesCarte();

// Arc i (1 to NbArcs) graded, 2 pixels wide, recorded piece by piece in
// metafile mode; after every 71st arc counted in NbFormesMetaFichier an open
// recording is closed and started again. An end with no value counts as 0;
// ends four or more classes apart draw nothing. Prepares itself when no run
// was prepared.
void DessineArcDegradeCarte(int32_t i);

// Installs both into the arc drawing's hooks.
void InstalleArcsDegrades();

} // namespace kelmo
