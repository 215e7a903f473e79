#pragma once
// The anamorphosis written as its loops were first written (bubble sort,
// every arc scanned for every arc, every node and every round), with the
// mended rules (arcs that cannot be kept, -1 for "not reached", rounds that
// label nothing end the labelling, no move along a zero length, no class
// below 0), and without redraws or report: the oracle the fast run must
// equal to the last bit.
#include <cstdint>

namespace kelmo::test {

// Runs on K from the given start node; returns the number of steps.
int AnamorphoseLitterale(int32_t depart);

} // namespace kelmo::test
