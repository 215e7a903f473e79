#pragma once
// What the map's arc drawing and its redraw hand to the subsystems that come
// after it: the value maps grade arcs by their end nodes' classes, the DXF
// export draws and collects arcs in node colours. Each hook is empty until
// its subsystem installs it, and empty again after ReinitialiseDonnees; an
// empty hook does nothing.
#include <cstdint>
#include <functional>

namespace kelmo {

// Value maps: draws arc i (1 to NbArcs) as a line graded by the value classes
// of its two end nodes, recording its own shapes in metafile mode.
extern std::function<void(int32_t i)> DessineArcDegrade;
// Value maps: called once before the arcs of a link type are handed to
// DessineArcDegrade, so that it reads the node values and the view once.
extern std::function<void()> PrepareArcsDegrades;

// DXF export: draws the arc between those two node numbers in node-colour
// segments and collects them (NbSegmentsDXF, width EpaisseurArcsDXF).
extern std::function<void(int indiceOrigine, int indiceDestination)> TraceArcCouleursNoeuds;
// DXF export: asks for a ".dxf" file and writes the collected segments.
extern std::function<void()> EcritArcsCouleursNoeudsDXF;

} // namespace kelmo
