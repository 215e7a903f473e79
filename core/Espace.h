#pragma once
// A predefined display space: a named scale, origin and picture size.
#include "platform/TexteFixe.h"

#include <cstdint>

namespace kelmo {

struct Espace {
    TexteFixe<25> Nom;
    float CoefficientZoom = 0;
    float XZoom = 0;
    float YZoom = 0;
    int16_t HauteurImage = 0; // millimetres
    int16_t LargeurImage = 0;
};

} // namespace kelmo
