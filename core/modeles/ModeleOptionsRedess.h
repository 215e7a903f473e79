#pragma once
// "Options pour redessiner": what the full redraw draws, in the order it
// draws it. The start-up state clears the picture, then draws the road group,
// the node symbols and the names.
#include "core/modeles/Controles.h"

namespace kelmo {

struct ModeleOptionsRedess {
    CaseACocher EffaceImage{true};
    CaseACocher TousModesRoute{true};
    CaseACocher TousModesUrbains;
    CaseACocher TousModesFerroviaires;
    CaseACocher TGVSeulement;
    CaseACocher Autoroute;
    CaseACocher ModesCollectifsUrbains;
    CaseACocher ModesPrésents;
    CaseACocher AfficheNoeuds{true};
    CaseACocher AfficheNomsNoeuds{true};
    bool Visible = false;
};

} // namespace kelmo
