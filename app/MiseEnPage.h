#pragma once
// The layout of the map area: the picture's container (its viewport) and the
// two scroll bars beside it. A bar shows only when the picture is strictly
// larger than the container in its direction, and then takes its room from
// the container, so that the last row and column of the picture can always
// be scrolled into view.
#include <QRect>
#include <QSize>

namespace kelmo {

struct MiseEnPageCarte {
    QRect conteneur;
    QRect barreH, barreV;
    bool barreHVisible = false;
    bool barreVVisible = false;
    int maxH = 0, maxV = 0; // scroll ranges: the excess size, never negative
};

// zone: the room of the map area; image: the picture's size; epaisseur: the
// thickness of a scroll bar. All in one unit (pixels).
MiseEnPageCarte CalculeMiseEnPage(QSize zone, QSize image, int epaisseur);

} // namespace kelmo
