#pragma once
// "Arcs" ("Trace les arcs en :"): the option group, the run-time option
// buttons of the present link types, the comparison box and the node-colour
// DXF box.
#include <QString>
#include <vector>

namespace kelmo {

// The option group: exactly one is chosen. The single link-type buttons
// after Option3DMode are drawn by no command.
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

struct ModeleTraceArcs {
    // The run-time option buttons, one per link type present; element 0 is
    // the designed one.
    std::vector<QString> Option3DMode = std::vector<QString>(1);
    std::vector<int> TopOption3DMode = std::vector<int>(1, 0);
    int Height = 0;
    ChoixTraceArcs Choix = ChoixTraceArcs::ModesPrésents;
    int Option3DModeChoisi = 0;  // 1 .. NbModesPresents when Choix is Option3DMode
    bool Check3D1 = false;       // "Compare avec " le fichier de référence des arcs
    int DXFCouleurNoeuds = 0;    // plain check box: 1 when ticked
    bool Visible = false;
};

} // namespace kelmo
