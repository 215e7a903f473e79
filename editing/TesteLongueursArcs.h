#pragma once
// "Longeur arcs": each arc's recorded length against the straight-line
// distance between its end nodes.
#include <cstdint>

namespace kelmo {

// Asks about every arc whose length is far from the straight-line distance
// (Yes keeps it, No asks for a new length, Cancel ends the test) and about
// every arc with an end missing (Yes deletes the arcs of that link between
// its two codes). Every arc is examined once, whatever the deletions move.
// Returns the number of arcs deleted.
int32_t TesteLongueursArcs();

} // namespace kelmo
