#pragma once
// The attraction maps of arc-value file 1, whose records come in groups of
// three consecutive attractions (orders 1, 2 and 3) of one origin.
#include <array>
#include <vector>

namespace kelmo {

// Width step (1 to 5) of an attraction's share of the rounded maximum, in %.
int PasLargeurAttraction(float part);

// The attraction lines: each group's third, second then first record in
// blue, green and red, five width steps by share of the rounded maximum
// (ValeurMaxArcs1, set here); then every group's first record again in red
// at its unscaled width. A rounded maximum of 0 draws nothing.
void AfficheAttractions();

// Per record of Arcs1: origin's picture x and y, the value found and the
// position (1 to 3, 0 none) where the origin is found among the
// destinations of the record and the two after it. Kept for the run.
extern std::vector<std::array<float, 5>> AutoAttractions;

// A small circle at each origin that attracts itself, red, green or yellow
// by the position found; on the bitmap only.
void AfficheAutoAttractions();

} // namespace kelmo
