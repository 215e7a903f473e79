#pragma once
// The display option dialogs as plain values and handlers: the angles, the
// name thresholds, the node and arc appearance and the display spaces. The
// windows of view/formes show these values and call these handlers; the
// tests call the handlers directly. A handler that sets a box's text from
// code runs that box's change handler, as the dialogs have always relied on.
#include "core/Modele.h"
#include "view/LiensDialogues.h"

#include <QString>
#include <vector>

namespace kelmo {

void MontreForme(FormeDialogue f, bool modal);
void CacheForme(FormeDialogue f);

// ---------------------------------------------------------------- number rules
// Whole degrees of an angle in radians, by the program's factor 180 / 3.141593:
// the largest whole number not above, except that a value within 1e-9 of a
// whole number is that number (so 37 degrees stored and read back stay 37).
double DegresEntiers(double radians);
// A threshold typed in the masked box: the grouping characters of thousands
// are removed before the leading number is read.
double ValeurSeuil(const QString& texte);
// The text of a number in the regional format (regional decimal separator,
// no leading blank).
QString TexteRegional(double valeur, bool simplePrecision = false);
// The regional number of a text: the whole text must be a number (the
// regional separator or "." as decimal point, a final separator allowed).
bool NombreRegional(const QString& texte, double& valeur);
// Leading number with the regional separator taken as decimal point too.
double ValeurTeteRegionale(const QString& texte);
// Format "####.##": no leading zeros, two decimals at most, the separator
// always written ("20." for 20).
QString FormatDieses2(double valeur);

// ---------------------------------------------------------------- Angles
void Kelmo_menAngles_Click();
void Angles_Commande1_Click();
void Angles_Commande2_Click();
void Angles_Spin1_SpinDown();
void Angles_Spin1_SpinUp();
void Angles_Spin3_SpinDown();
void Angles_Spin3_SpinUp();
void Angles_Texte3_Change();
// Setting a box from code or by typing; runs its change handler on a change.
void Angles_DefinitTexte1(const QString& texte);
void Angles_DefinitTexte3(const QString& texte);
void Angles_DefinitListIndex(int index);

// ------------------------------------------------------ SeuilsAffichage
void Kelmo_menOptionsAffichageNoms_Click();
void SeuilsAffichage_DefinitTexteListe(const QString& texte);
void SeuilsAffichage_ListeModifiable1_Click(int index);
// Stores the three values; false (nothing stored, a message shown) when the
// lower threshold does not fit a 32-bit integer.
bool SeuilsAffichage_EnregistreValeurs();
void SeuilsAffichage_Command3D1_Click();
void SeuilsAffichage_Command3D2_Click();
void SeuilsAffichage_Command3D3_Click();
void SeuilsAffichage_DefinitTexte1(const QString& texte);
void SeuilsAffichage_DefinitTexte2(const QString& texte);
void SeuilsAffichage_DefinitMaskedEdit1(const QString& texte);
void SeuilsAffichage_DefinitMaskedEdit2(const QString& texte);
void SeuilsAffichage_Spin1_SpinDown();
void SeuilsAffichage_Spin1_SpinUp();
void SeuilsAffichage_Spin2_SpinDown();
void SeuilsAffichage_Spin2_SpinUp();

// ---------------------------------------------------- AspectVisuelNoeuds
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

// ------------------------------------------------------ AspectVisuelArcs
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

// ------------------------------------------------------ ParamAffichage
void Kelmo_menParamAffichage_Click();
bool ChercheEspace(const QString& nom, Espace& espace);
void ParamAffichage_ListeDesEspaces_Click();
void ParamAffichage_DefinitListIndex(int index);
void ParamAffichage_Command3D2_Click();       // "Ok"
void ParamAffichage_Command3D1_Click();       // "Annuler", and the close box

// ------------------------------------------------------ OptionsRedess, TraceArcs
// "&Options pour redessiner...": shows the dialog modal; nothing is redrawn.
void Kelmo_menOptionsRedessine_Click();
// What "Trace les &arcs..." shows (Kelmo_menTraceTrajets_Click hands it
// this): the dialog "Arcs", modal.
void MontreTraceArcs();

// ------------------------------------------------------ other input boxes
// "DXF couleur noeuds" of "Arcs" changed to valeur (1 ticked): the width of
// the DXF arcs is asked when the box becomes ticked; a cancelled box keeps
// the width it had.
void TraceArcs_DXFCouleurNoeuds_Change(int valeur);
// "Eclaircir la &couleur du relief...": a cancelled box keeps the coefficient.
void Kelmo_menCouleur_Click();
// "&Seuil d'affichage des arcs...": the attraction threshold; a cancelled box
// keeps the threshold.
void Kelmo_menOptionsAttractions_Click();

} // namespace kelmo
