#pragma once
// The change between the two states of an origin-destination table: the
// values of Arcs1 become their absolute or relative change from Arcs2, pair
// by pair, the pairs matched on their two codes in either direction; pairs
// only in file 2 are appended to Arcs1 (up to its 18000 positions, with one
// warning naming file 2 when some do not fit).
namespace kelmo {

void DifferenceAbsolueArcs();
void DifferenceRelativeArcs();

} // namespace kelmo
