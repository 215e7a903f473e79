#pragma once
// The node editor "Modifie les noeuds": its handlers, working on the window's
// model K.Formes.ModifNoeuds.

#include <cstdint>

namespace kelmo {

// Sets the node list's index and runs its handler, as a choice in the list does.
void ModifNoeuds_DefinitListIndex(int index);

// A node chosen: its fields into the boxes (entry 0 shows node 1).
void ModifNoeuds_ListeModifiable1_Click();
void ModifNoeuds_Command3D2_Click(); // "Créer"
void ModifNoeuds_Command3D5_Click(); // "Modifier"
void ModifNoeuds_Command3D1_Click(); // "Supprimer"
void ModifNoeuds_Command3D4_Click(); // "Enregistrer le fichier"
void ModifNoeuds_Command3D3_Click(); // "Quitter"
void ModifNoeuds_Command3D6_Click(); // "Options"
void ModifNoeuds_BtnHoraires_Click();

// "Mo&difie les noeuds...": shows the window, node editing mode on, the
// cross on the map.
void Kelmo_menModifieNoeuds_Click();

// A code typed for a new node: one that no node holds yet (two nodes of one
// code would send their arcs to whichever comes first). Otherwise the
// refusal is shown.
bool CodeNoeudLibre(int32_t code);

// The view rebuilt after the node table changed: picture positions,
// rotation, tilt, drawing order, then (nodes added, removed or renumbered)
// the arcs' node numbers and the served modes.
void ReconstruitVue(bool reindexe);

} // namespace kelmo
