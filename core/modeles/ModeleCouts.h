#pragma once
// The cost options window: passengers, fiscal horsepower and trip length
// (lists with their typed texts), and the option groups of income
// (Option3D1-5), rail class (6 "1ére", 7 "2ème"), cost type (8 direct, 9
// generalised, 10 professional) and nationality (11 "Français", 12
// "Allemand").
#include "core/modeles/Controles.h"

#include <array>

namespace kelmo {

struct ModeleCouts {
    Liste Combo1, Combo2, Combo3;
    QString TexteCombo1, TexteCombo2, TexteCombo3;
    std::array<bool, 13> Option3D{}; // 1 to 12
    bool Visible = false;
    ModeleCouts() { Option3D[11] = true; } // the window opens on "Français"
};

} // namespace kelmo
