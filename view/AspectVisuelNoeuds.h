#pragma once
// "Aspect visuel des noeuds": the radius, line width and colours of the node
// symbols, the names' font, and the preview. The window of view/formes shows
// K.Formes.AspectVisuelNoeuds and calls these handlers; the tests call them
// directly. A handler that sets a box's text from code runs that box's change
// handler, as the dialog has always relied on.
#include <QString>

namespace kelmo {

void AspectVisuelNoeuds_Charge();   // the load handler, run once at first use
void Kelmo_menOptionsAffichageVilles_Click();
void DessineApercuNoeud();
void AspectVisuelNoeuds_DefinitTexteCombo1(const QString& texte);   // change handler
void AspectVisuelNoeuds_DefinitTexteCombo2(const QString& texte);
void AspectVisuelNoeuds_Combo1_Click(int index);
void AspectVisuelNoeuds_Combo2_Click(int index);
void AspectVisuelNoeuds_Command3D1_Click();   // "Intérieur"
void AspectVisuelNoeuds_Command3D2_Click();   // "Bord"
void AspectVisuelNoeuds_Police_Click();
void AspectVisuelNoeuds_Seuils_Click();
void AspectVisuelNoeuds_Command3D4_Click();   // "OK "
void AspectVisuelNoeuds_Command3D3_Click();   // "Annuler"

} // namespace kelmo
