#pragma once
// The statistics window's load and tab change, as operations on its model:
// start-up runs the load to set the class defaults whether a window exists
// or not, and the loading of the node values touches the window first.
namespace kelmo {

// The file names, the number of classes (its change handler sets NbClasses
// from it), the node strip and the classes.
void Statistiques_Form_Load();
// Runs the load once, the first time the window is touched.
void ChargeStatistiques();
// Tab 0 "Noeuds", tab 1 "Arcs": the class captions and the thickness
// display follow it.
void Statistiques_SSTab1_Click(int onglet);

} // namespace kelmo
