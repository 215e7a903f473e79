#pragma once
// A click on the map while an editor is open.

#include <cstdint>

namespace kelmo {

// (x, y): the click in picture coordinates; bouton 1 left, 2 right. Arc
// editor: the node nearest to the click becomes the origin (left) or the
// destination (right). Node editor: a left click chooses the nearest node,
// a right click proposes a new node "VilleNouvelle" at the click, to be
// created with "Créer". Nearest in picture coordinates; the lower number
// wins a tie.
void PrepareNouveauNoeud(double x, double y, int bouton);

// The node nearest to (x, y) in picture coordinates, 0 when there is none.
int32_t NoeudLePlusProche(double x, double y);

} // namespace kelmo
