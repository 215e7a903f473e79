#pragma once
// What the map's arc drawing hands to the DXF export: the arcs drawn in
// segments of their end nodes' colours and collected for the node-colour
// DXF file. Empty until the DXF export installs its functions; an empty hook
// does nothing.
#include <functional>

namespace kelmo {

// Draws the arc between those two node numbers in node-colour segments and
// collects them (NbSegmentsDXF, width EpaisseurArcsDXF).
inline std::function<void(int indiceOrigine, int indiceDestination)> TraceArcCouleursNoeuds;
// Asks for a ".dxf" file and writes the collected segments.
inline std::function<void()> EcritArcsCouleursNoeudsDXF;

} // namespace kelmo
