#pragma once
// The full redraw of the map by link-type groups, and the commands of the
// arc selection dialog "Arcs" and of "Options pour redessiner". The dialogs'
// windows call these handlers; they work on the control models of
// core/modeles/ModeleOptionsRedess.h and core/modeles/ModeleTraceArcs.h.
#include <functional>

namespace kelmo {

// Runs the steps ticked in OptionsRedess, always in this order: clear,
// road group, urban group, rail types, TGV, motorway, collective urban types,
// the present types, node symbols, node names. In metafile mode every step
// draws inside a recording, so everything drawn is in the saved file. With
// "DXF couleur noeuds" ticked, when the present types were drawn or any
// group collected node-colour pieces, asks once at the end for their file.
void RedessineCarte();

// "&Redessine": hourglass and the redraw, which asks once for the
// node-colour DXF file when "DXF couleur noeuds" is ticked.
void Kelmo_menRedessine_Click();

// "Trace les &arcs...": resets the DXF count, chooses "Modes présents",
// shows the dialog through montreTraceArcs (modal: returns once hidden) and,
// unless cancelled, draws the chosen group over the present picture.
void Kelmo_menTraceTrajets_Click(const std::function<void()>& montreTraceArcs);
// The drawing part of it, for the dialog's current choice.
void TraceArcsChoisis();

// The buttons and boxes of "Arcs".
void TraceArcs_Command3D2_Click(); // "OK"
void TraceArcs_Command3D1_Click(); // "Annuler"
void TraceArcs_DXFCouleurNoeuds_Click(); // asks for the DXF arc width; a refused one unticks the box

// The boxes of "Options pour redessiner".
void OptionsRedess_ModesPrésents_Click(bool coche);
void OptionsRedess_Command3D1_Click(); // "OK"

// Menu check items the arc drawing and the flow maps read.
void Kelmo_menCouleursNoeuds_Click();
void Kelmo_menEchelleBlindéeArcs_Click();

// "Aspect des a&rcs...": selects the first link type when none is, takes the
// chosen type into TypeArcChoisi and shows the dialog through
// montreAspectVisuelArcs (modeless).
void Kelmo_menArcsTrajets_Click(const std::function<void()>& montreAspectVisuelArcs);

} // namespace kelmo
