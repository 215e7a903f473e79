#pragma once
// The node timetable "Horaires (noeud)": the departures from or the arrivals
// at the node chosen in the node editor, in the arc editor's link type.

namespace kelmo {

void AfficheHorairesNoeud();
void HorairesNoeuds_HDéparts_Click();
void HorairesNoeuds_HArrivées_Click();
// Opens the line's link timetable with its service chosen, and its run.
void HorairesNoeuds_ListeHorairesNoeud_DblClick(int index);
void HorairesNoeuds_Command3D3_Click(); // "Quitter"
void HorairesNoeuds_Form_Resize();

} // namespace kelmo
