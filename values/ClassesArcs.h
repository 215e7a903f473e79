#pragma once
// The pairs of arc-value file 1 by value class, and the order they are drawn
// (and exported) in.
namespace kelmo {

// Sorts Arcs1 by increasing absolute value with the diminishing-gap exchange
// sort the stored drawings were made with: equal magnitudes are not
// exchanged but the sort is not stable, and the DXF export follows its order.
void TrieArcs1();

// Every pair above the display threshold as a line between its nodes, in the
// colour and width of its class (the first that holds its signed value); a
// pair in no class keeps the pen of the line before and its own width and
// colour. Writes Couleur and Largeur of the pairs drawn with a class.
void AfficheClassesArcs();

} // namespace kelmo
