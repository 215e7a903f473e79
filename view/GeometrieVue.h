#pragma once
// Network coordinates to picture coordinates: scale and origin, rotation about
// a named node, tilt about the picture's top edge, and the back-to-front
// drawing order. Callers re-project in the order CalculeCoordonneesEcran,
// TourneAutourNoeud, InclineNoeuds, then TrieNoeudsProfondeur where the
// drawing order must change.
#include <QString>
#include <cstdint>

namespace kelmo {

// XEcran = X / Echelle + OrigineX, YEcran = OrigineY - Y / Echelle,
// ZEcran = Z / Echelle; a scale of 0 or beyond +-100 becomes 1 first.
void CalculeCoordonneesEcran();

// Turns XEcran, YEcran of every node by angle (radians; positive is clockwise
// on screen) about the first node whose first four name characters equal nom,
// or about the picture's top left corner when none does.
void TourneAutourNoeud(double angle, const QString& nom);

// YEcran := YEcran cos a - ZEcran sin a; nothing at all for a = 0.
void InclineNoeuds(double angle);

// IndexNoeuds in ascending depth key YEcran - ZEcran sin(AngleVertical);
// equal keys keep ascending node numbers.
void TrieNoeudsProfondeur();

// The view's three projection steps, as every pan and centring repeats them.
void ReprojetteVue();

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
