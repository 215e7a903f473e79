#pragma once
// The statistics window: the colour boxes of the ten classes (1 to 10), the
// circle scale box and the node-value file name box.
#include <QString>
#include <vector>

namespace kelmo {

struct ModeleStatistiques {
    std::vector<int> PicClasse = std::vector<int>(11, 0xFFFFFF); // colour values, 0x00BBGGRR
    QString Ech;
    QString Text3;
    bool Visible = false;
};

} // namespace kelmo
