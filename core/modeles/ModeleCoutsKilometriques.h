#pragma once
// The per-km cost table: boxes Texte1 to Texte8 (France motorway, road, TGV,
// train; Allemagne motorway, road; Espagne motorway, road).
#include <QString>
#include <array>

namespace kelmo {

struct ModeleCoutsKilometriques {
    std::array<QString, 9> Texte; // 1 to 8
    bool Visible = false;
};

} // namespace kelmo
