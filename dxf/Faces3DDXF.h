#pragma once
// The arcs as folded bands of 3DFACE entities: each arc is two straight
// strips, origin to apex and apex to destination, as wide as the arc's
// thickness and lying across the plane of its relief tent, with two walls
// hanging below their long edges; "A plat" writes the strips only, all at
// the height of their link type. Every link type is lifted by its own
// offset, so that bands of different types lie at different levels.
#include "dxf/TamponDXF.h"
#include <array>

#include <string>

namespace kelmo {

// Six faces per arc (two with "A plat"); with "Arcs" chosen only the
// minimal arcs. The view tilt is 0 while the apex heights are computed.
void EcritArcs3DFacesDXF(TamponDXF& t);

// The record of one face of arc i (its layer and colour in ArcsDXF), lines
// ended by CR LF but the last.
std::string TexteFace3DDXF(int32_t i, const std::array<double, 3>& p1, const std::array<double, 3>& p2, const std::array<double, 3>& p3,
                           const std::array<double, 3>& p4);

// The height offset of a link type's bands.
double DecalageTypeDXF(int16_t mode);

} // namespace kelmo
