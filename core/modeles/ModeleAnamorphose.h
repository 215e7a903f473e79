#pragma once
// The anamorphosis window (frmAnamorphose): its node list, which the node
// lists fill.
#include "core/modeles/Controles.h"

namespace kelmo {

struct ModeleAnamorphose {
    Liste ListeModifiable1;
    bool Visible = false;
};

} // namespace kelmo
