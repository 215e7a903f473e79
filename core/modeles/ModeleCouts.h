#pragma once
// The cost options window: passengers, fiscal horsepower and trip length.
#include "core/modeles/Controles.h"

namespace kelmo {

struct ModeleCouts {
    Liste Combo1, Combo2, Combo3;
    bool Visible = false;
};

} // namespace kelmo
