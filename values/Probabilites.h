#pragma once
// The probability map: how each origin's total of arc-value file 1 is shared
// among its destinations, as segments from the rim of a fixed circle whose
// areas are the shares of the circle's area. On the bitmap only.
namespace kelmo {

// The segment width: the smallest whole n >= 2 with n x disponible >= aire,
// checked in single precision; beyond 32000, 3000.
int LargeurSegmentProbabilite(float aire, float disponible);

// Origins whose total is 0 and pairs whose ends lie within the circle's
// radius of each other get no segment; a pair with an end not placed
// (ExtremitesPlacees) draws nothing, and an origin not placed no circle.
void AfficheProbabilites();

} // namespace kelmo
