#pragma once
// Flow surfaces: each pair of arc-value file 1 as a band standing on the line
// between its nodes, as high as its value scaled by the tilt of the data,
// drawn back to front on the bitmap.
#include <array>
#include <cstdint>
#include <vector>

namespace kelmo {

// Row i belongs to record i of Arcs1: columns 1 and 2 the origin's picture
// x and y, 3 and 4 the destination's, 5 the value (column 0 unused); a row
// of a pair whose node is not found is all 0. Rows 0 to 100000, kept for the
// run.
extern std::vector<std::array<float, 6>> SurfacesFlux;
// The drawing order: row numbers, positions 1 to NombreArcs1.
extern std::vector<int32_t> OrdreSurfacesFlux;

void AffecteSurfacesFlux();
// Orders the rows by increasing mean picture ordinate (farthest up first),
// with the diminishing-gap exchange sort; equal keys are not exchanged.
void TrieSurfacesFlux();
void AfficheSurfacesFlux();

} // namespace kelmo
