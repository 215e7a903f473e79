#pragma once
// The DXF export's part of the map drawing: the node-colour arcs that the
// arc drawing hands over, and the file written at the end of a redraw.
namespace kelmo {

// Installs TraceArcCouleursNoeuds and EcritArcsCouleursNoeudsDXF of
// view/CrochetsDessinCarte.h (emptied again by ReinitialiseDonnees).
void InstalleCrochetsDessinCarteDXF();

} // namespace kelmo
