#pragma once
// What the map's arc drawing hands to the value maps: the arcs graded by the
// values of their end nodes. Empty until the value maps install their
// drawing; an empty hook draws nothing.
#include <cstdint>
#include <functional>

namespace kelmo {

// Draws arc i (1 to NbArcs) as a line graded by the value classes of its two
// end nodes, recording its own shapes in metafile mode.
inline std::function<void(int32_t i)> DessineArcDegrade;

} // namespace kelmo
