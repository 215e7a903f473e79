#pragma once
// The name display thresholds dialog: the letter-count list, the two
// thresholds as typed and their gauges.
#include "core/modeles/Controles.h"

namespace kelmo {

constexpr int GaugeSeuilsMax = 1400;

struct ModeleSeuilsAffichage {
    Liste ListeModifiable1;
    // The letter-count combo's text; it starts as the current count so that
    // OK before any choice keeps it.
    QString TexteListeModifiable1;
    bool TexteInitialise = false;
    QString Texte1, MaskedEdit1, Texte2, MaskedEdit2;
    int Gauge1 = 0, Gauge2 = 0;
    bool Visible = false;
};

} // namespace kelmo
