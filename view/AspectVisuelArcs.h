#pragma once
// "Aspect visuel des arcs": the widths, colours and arrows of each link type's
// arcs, and the preview. The window of view/formes shows
// K.Formes.AspectVisuelArcs and calls these handlers; the tests call them
// directly. A handler that sets a box's text from code runs that box's change
// handler, as the dialog has always relied on.
#include <QString>
#include <cstdint>

namespace kelmo {

void AspectVisuelArcs_Charge();
// What "Aspect des a&rcs..." shows (Kelmo_menArcsTrajets_Click hands it
// this): the link type chosen in the list is shown when the dialog has shown
// none yet, then the dialog opens modeless.
void MontreAspectVisuelArcs();
void AfficheAspectArcCourant();
void ValideAspectArc();
void EnregistreAspectMode(int16_t code, const QString& genre);
void DessineApercuArc(double x1, double y1, double x2, double y2);
void DessineFigureApercuArcs();
void AspectVisuelArcs_DefinitListIndex(int index);   // runs the list's click handler
void AspectVisuelArcs_ListeDesModes_Click();
void AspectVisuelArcs_DefinitText1(const QString& texte);
void AspectVisuelArcs_DefinitText2(const QString& texte);
void AspectVisuelArcs_DefinitText3(const QString& texte);
void AspectVisuelArcs_Spin1_SpinDown();
void AspectVisuelArcs_Spin1_SpinUp();
void AspectVisuelArcs_Spin2_SpinDown();
void AspectVisuelArcs_Spin2_SpinUp();
void AspectVisuelArcs_Commande2_Click();      // "Changer la couleur"
void AspectVisuelArcs_Flèches_Click(bool coche);
void AspectVisuelArcs_Combo1_Change(const QString& texte);
void AspectVisuelArcs_Command1_Click();       // "OK"
void AspectVisuelArcs_Commande1_Click();      // "Annuler"

} // namespace kelmo
