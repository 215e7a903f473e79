#pragma once
// The display commands that only show a box: the redraw options and arc
// selection dialogs (their handlers are view/Redessin.h), and the input
// boxes of the DXF arc width, the relief lightening and the attraction
// threshold.
#include <QString>

namespace kelmo {

// "&Options pour redessiner...": shows the dialog modal; nothing is redrawn.
void Kelmo_menOptionsRedessine_Click();
// What "Trace les &arcs..." shows (Kelmo_menTraceTrajets_Click hands it
// this): the dialog "Arcs", modal.
void MontreTraceArcs();

// "DXF couleur noeuds" of "Arcs" changed to valeur (1 ticked): the width of
// the DXF arcs is asked when the box becomes ticked; a cancelled box keeps
// the width it had, a refused width unticks the box again.
void TraceArcs_DXFCouleurNoeuds_Change(int valeur);
// "Eclaircir la &couleur du relief...": a cancelled box keeps the coefficient.
void Kelmo_menCouleur_Click();
// "&Seuil d'affichage des arcs...": the attraction threshold; a cancelled box
// keeps the threshold.
void Kelmo_menOptionsAttractions_Click();

} // namespace kelmo
