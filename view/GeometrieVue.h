#pragma once
// The view moves that redraw the nodes: zoom on the node nearest a click and
// centring on a node. The projection itself is core/Projection.h.
#include <cstdint>

namespace kelmo {

// Zooms by the factor of the button and shift state (1 Shift, 2 Ctrl, 4 Alt)
// and centres the view on the node nearest to (x, y), then draws the nodes.
// Nothing happens when there is no node.
void ZoomSurNoeudProche(double x, double y, int bouton, int shift);

// Moves the origin so that the first node of that code sits at the picture
// centre (within 5 units), then draws the nodes. An unknown code, or an empty
// table, changes nothing.
void CentreVueSurNoeud(int32_t code);

// The zoom factor of a click: button 1 shows the map smaller.
double FacteurZoom(int bouton, int shift);

} // namespace kelmo
