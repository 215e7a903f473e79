#pragma once
// The arcs of one link type, in the order of the arc table. A redraw draws
// twenty-odd link types one after the other; scanning the whole table for
// each costs more than drawing their arcs, so while a RassembleArcsParType
// lives the arcs of every type are gathered in one pass when first asked
// for, and each type then reads its own list.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelmo {

// Gathers the arcs by type while it lives (the outermost one counts). The
// arc table must not change meanwhile.
class RassembleArcsParType {
public:
    RassembleArcsParType();
    ~RassembleArcsParType();
    RassembleArcsParType(const RassembleArcsParType&) = delete;
    RassembleArcsParType& operator=(const RassembleArcsParType&) = delete;
};

// The numbers i (1 to nbArcs, rising) of the arcs K.Arcs[i] whose Mode is
// `mode`.
std::vector<int32_t> ArcsDuType(int16_t mode, int32_t nbArcs);

// The arcs of one type lie far apart in the table, and reading them and
// their end nodes one after the other waits on memory more than it draws:
// called at arc `j` of the list, asks the processor for the arc 16 further
// on and for the end nodes of the arc 8 further on. Only a hint: it changes
// no result.
void PrechargeArcs(const std::vector<int32_t>& arcs, std::size_t j);

} // namespace kelmo
