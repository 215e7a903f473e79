#pragma once
// The controls of the map's display dialogs that the drawing reads, kept as
// plain values: the windows show and edit these, the drawing and the tests
// use them without any window.
#include <cstdint>

namespace kelmo {

// A check box, with whether it can be changed.
struct CaseACocher {
    bool Value = false;
    bool Enabled = true;
};

// "Options pour redessiner": what the full redraw draws, in the order it
// draws it. The start-up state clears the picture, then draws the road group,
// the node symbols and the names.
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

// The option group of "Arcs" ("Trace les arcs en :"): exactly one is chosen.
// The single link-type buttons after Option3DMode are drawn by no command.
enum class ChoixTraceArcs {
    TousModesRoute,
    TousModesUrbains,
    CollectifsUrbains,
    Option3D6,     // "Modes minimaux"
    ModesPrésents,
    Option3DMode,  // one of the present link types, element Option3DModeChoisi
    VoieU, BldU, RocadeU, TER, TGVSiteClassique, VoieExpress90, Route50, Route60,
    Option3D7, Option3D5, Option3D4, Option3D3, Option3D2, Option3D1,
};

// "Arcs": the choice, the comparison box and the node-colour DXF box. The
// captions of the run-time buttons are K.Formes.TraceArcs.Option3DMode.
struct ModeleTraceArcsChoix {
    ChoixTraceArcs Choix = ChoixTraceArcs::ModesPrésents;
    int Option3DModeChoisi = 0;  // 1 .. NbModesPresents when Choix is Option3DMode
    bool Check3D1 = false;       // "Compare avec " le fichier de référence des arcs
    int DXFCouleurNoeuds = 0;    // plain check box: 1 when ticked
    bool Visible = false;
};

// The node appearance boxes that the node drawing reads.
struct ModeleAspectVisuelNoeuds {
    bool Minuscules = true;      // "Noms en minuscules", ticked when the window is made
    bool CouleursModes = true;   // "Couleur des modes", ticked when the window is made
};

struct FormesVue {
    ModeleOptionsRedess OptionsRedess;
    ModeleTraceArcsChoix TraceArcs;
    ModeleAspectVisuelNoeuds AspectVisuelNoeuds;
};

// Reset with the model by ReinitialiseDonnees.
extern FormesVue Fv;

} // namespace kelmo
