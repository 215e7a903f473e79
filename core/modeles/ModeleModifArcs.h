#pragma once
// The arc editing window: its node and link-type lists and the list of the
// loaded arc files, which the file readers fill.
#include "core/modeles/Controles.h"

namespace kelmo {

struct ModeleModifArcs {
    Liste ListeModifiable1, ListeModifiable2; // origin and destination nodes
    Liste ListeModifiable3;                   // the 23 link types in display order
    Liste ListeFichArcs;                      // the loaded arc files
    int Height = 2595;                        // twips; 4185 once a file is appended
    bool Visible = false;
};

} // namespace kelmo
