#pragma once
// A direct code-to-link-type table for the loops over every arc: the 23 codes
// are unique and never change after start-up, so the position found here is
// the first match of a scan in display order.
#include "core/Modele.h"

#include <array>

namespace kelmo {

class TableTypes {
public:
    TableTypes()
    {
        indices_.fill(-1);
        for (int i = 22; i >= 0; --i)
            if (!K.TypesArcs[i].Nom.isEmpty())
                indices_[static_cast<uint16_t>(K.TypesArcs[i].Code)] = static_cast<int8_t>(i);
    }
    // Position in K.TypesArcs, -1 for a code of no link type.
    int indice(int16_t code) const { return indices_[static_cast<uint16_t>(code)]; }
    const TypeArc* type(int16_t code) const
    {
        const int i = indice(code);
        return i < 0 ? nullptr : &K.TypesArcs[i];
    }

private:
    std::array<int8_t, 65536> indices_;
};

} // namespace kelmo
