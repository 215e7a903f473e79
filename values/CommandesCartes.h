#pragma once
// The main window's commands of the value maps: the node symbol maps of
// "Affic&he sur les noeuds", the maps of the pairs of "Affic&he sur les
// arcs..." and the two arc-value file commands of the "&Fichier" menu.
// Each draws over the picture as it stands, under the hourglass.
namespace kelmo {

void Kelmo_menAfficheValeur1_Click();
void Kelmo_menAfficheValeur2_Click();
void Kelmo_menMultiplication_Click();
void Kelmo_menAfficheDiffAbsolues_Click();
void Kelmo_menAfficheDiffRelatives_Click();
void Kelmo_menAffichePopulations_Click();

void Kelmo_menAfficheAttractions_Click();
void Kelmo_menAfficheProbabilités_Click();
void Kelmo_menAfficheFlux_Click();
void Kelmo_menAfficheFluxNonOrientes_Click();
void Kelmo_menAfficheSurfacesFlux_Click();
void Kelmo_menClassesArcs_Click();
void Kelmo_menFluxNonOrientésEtModes_Click();
void Kelmo_menAfficheAutoAttractions_Click();

// "Numéro &1 (état final)..." and "Numéro &2 (état initial)..." of "Fichier
// du type &arc-valeur ": the file dialog, then the reading and the node
// numbers. A cancelled dialog changes nothing; a file that cannot be read
// is reported and the table keeps what it had.
void Kelmo_menFichierODVal1_Click();
void Kelmo_menFichierODVal2_Click();

// Registers every command above, the graded arcs into the arc drawing and
// the value map's redraw for the statistics window. The main window calls
// it once.
void InstalleCommandesCartes();

} // namespace kelmo
