#pragma once
// Data derived from the node and arc tables after either changed.
#include <functional>

namespace kelmo {

// Resolves each arc's end codes into node numbers (0 at both ends when
// either code matches no node).
void IndexeArcs();
// One-way flags: road-like link types and timetabled runs are one-way,
// except a road arc without times paired with its reverse arc of the same
// link type, itself without times.
void DefinitOrientationArcs();
// The served-modes string "TGV-FER-ROU-AUT-BAT" of every node.
void CalculeModesNoeuds();
// Presence counts of the link types, the option buttons of the arc
// selection dialog and the most frequent link type of the arc editor, whose
// choice runs ListeTypesArcsChoisie.
void RemplitListesTypes();
// Offered to the arc editor: its link type follows the one a load chose in
// its list, as it follows a choice of the user, so that what it shows and
// creates is always of the link type its list shows.
extern std::function<void()> ListeTypesArcsChoisie;

} // namespace kelmo
