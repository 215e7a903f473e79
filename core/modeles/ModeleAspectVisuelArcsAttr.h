#pragma once
// "Arcs des attractions": the two widths as typed, the colour swatch and the
// preview of the attraction arc's line. The spin buttons and the order
// options are there and do nothing.
#include "core/Couleurs.h"
#include "core/modeles/ModeleAspectVisuelArcs.h"

#include <QString>
#include <vector>

namespace kelmo {

struct ModeleAspectVisuelArcsAttr {
    QString Text1 = QStringLiteral("Texte1"); // underlay width
    QString Text2 = QStringLiteral("Texte2"); // line width
    Couleur Image1 = RGB(255, 0, 0);          // the line colour
    int OrdreAttraction = 1;                  // "1", "2", "3": no effect
    double LargeurApercu = 120, HauteurApercu = 60;
    std::vector<SegmentApercu> Apercu;
    bool Visible = false;
};

} // namespace kelmo
