#pragma once
// The one deletion of the arcs of one link type between two nodes.
#include <cstdint>

namespace kelmo {

struct Arc;

// True when ElimineArcsEntre called with these arguments deletes that arc:
// its ends are the two codes in either order, its mode is the one given,
// and, while horaires, its departure and arrival are the two times.
bool ArcEntre(const Arc& a, double codeOrigine, double codeDestination, double mode, double heureDepart,
              double heureArrivee, bool horaires);

// Deletes every arc of that mode joining the two codes, in either direction;
// while CompareHoraires is set, only those whose departure and arrival are
// the two times given. Reports the count and the last position deleted while
// AfficheMessagesElimination is set. Neither re-indexes nor redraws. Returns
// the number of arcs deleted.
int32_t ElimineArcsEntre(double codeOrigine, double codeDestination, double mode, double heureDepart,
                         double heureArrivee);

} // namespace kelmo
