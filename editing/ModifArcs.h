#pragma once
// The arc editor "Modification des arcs": its handlers, working on the
// window's model K.Formes.ModifArcs. Setting a list's index or the length box
// from code runs that control's handler, as the window's own controls do; the
// timetable windows go through these setters too.
#include <QString>
#include <cstdint>

namespace kelmo {

// Setters that run the control's handler after the change, every time.
void ModifArcs_DefinitListIndex1(int index);   // origin: the refresh
void ModifArcs_DefinitListIndex2(int index);   // destination: the refresh
void ModifArcs_DefinitListIndex3(int index);   // link type: the mode change
void ModifArcs_DefinitLongueur(const QString& texte); // the length rule

// The refresh: straight-line length, the arc of the chosen link type between
// the two chosen nodes, and the edit buttons.
void ModifArcs_ListeModifiable1_Click();
void ModifArcs_ListeModifiable2_Click();
// The link type chosen; with an arc shown, asks whether that arc changes type.
void ModifArcs_ListeModifiable3_Click();
// The length rule: the duration boxes take the length's time at the link
// type's speed, unless a typed duration is being applied.
void ModifArcs_Longueur_Change();

void ModifArcs_BtnCréer_Click();
void ModifArcs_BtnDétruire_Click();
void ModifArcs_BtnDoubleArc_Click();
// A press on a value box changes that value of the arc shown.
void ModifArcs_Capacité_MouseDown();
void ModifArcs_Débit_MouseDown();
void ModifArcs_Longueur_MouseDown();
void ModifArcs_Heures_MouseDown();
void ModifArcs_Minutes_MouseDown();
void ModifArcs_BtnHoraires_Click();
void ModifArcs_Command3D1_Click(); // "Options"
void ModifArcs_Command3D3_Click(); // "Redessiner"
void ModifArcs_Commande1_Click();  // "Longeur arcs"
void ModifArcs_Command3D5_Click(); // "Quitter"

// The arc the refresh shows: the first arc of the chosen link type between
// the two chosen nodes (one direction only for a one-way arc or a road
// link type); 0 when none or when a list has no node chosen.
int32_t ArcAfficheModifArcs();

// The nodes the lists named are gone (a node deleted): an arc shown is
// shown no more, as after "Détruire", and nothing of it is offered.
void ModifArcs_OublieArcAffiche();

// The link type selected in the list by a network load becomes the
// editor's, without touching the arc table; true when it changed.
bool ModifArcs_SuitListeTypes();

// "&Modifie les arcs...": hides the four edit buttons, shows the window,
// arc editing mode on, the editor's pointer on the map.
void Kelmo_menModifieOD_Click();

// The map pointer when an editor closes: cross under zoom by click or while
// a digitising takes the clicks, else arrow.
void RetablitPointeurCarte();

} // namespace kelmo
