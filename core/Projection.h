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

// The node that TourneAutourNoeud turns about: the first one whose first
// four name characters are the whole of nom; 0 when none.
int32_t NoeudCentreRotation(const QString& nom);

// The view's three projection steps, as every pan and centring repeats them.
void ReprojetteVue();

} // namespace kelmo
