#pragma once
// Colours are kept as the stored colour values: red in the low byte, then
// green, then blue, in one 32-bit integer.
#include <QColor>
#include <cstdint>

namespace kelmo {

using Couleur = int32_t;

constexpr Couleur RGB(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

// Entry n (0-15) of the standard 16-colour palette.
Couleur QBColor(int n);

inline QColor VersQColor(Couleur c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline Couleur DepuisQColor(const QColor& q) { return RGB(q.red(), q.green(), q.blue()); }

// The colour dialog opened on courante: the colour picked becomes courante
// (where the dialog opens next time) and cible. False, nothing changed, when
// the dialog is cancelled.
bool ChoisitCouleur(Couleur& courante, Couleur& cible);

} // namespace kelmo
