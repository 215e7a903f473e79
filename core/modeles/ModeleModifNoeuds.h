#pragma once
// The node editing window: its node list, which the node lists fill.
#include "core/modeles/Controles.h"

namespace kelmo {

struct ModeleModifNoeuds {
    Liste ListeModifiable1;
    bool Visible = false;
};

} // namespace kelmo
