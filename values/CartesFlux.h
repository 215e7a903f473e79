#pragma once
// The flow maps of arc-value file 1: every pair as a line whose width grows
// in steps with its share of the rounded maximum (ValeurMaxArcs1), and the
// map of flows in the colours of the transport modes.
namespace kelmo {

// Width steps of a share in %: each band holds its upper bound. A negative
// share takes the band of its magnitude, a share above 10 000 % the top band.
int PasLargeurFlux(float part);
int PasLargeurFluxNonOrientes(float part);

// Oriented flows: each pair shifted to the right of its direction by half
// its width plus 1.5, in the picture's current pen colour. The rounded
// maximum is recomputed unless "Echelle blin&dée" holds one; a rounded
// maximum of 0 draws nothing. Writes Largeur of every pair.
void AfficheFlux();

// Non-oriented flows: pairs above the display threshold on the line between
// their nodes, in their own colour, with the coarser steps.
void AfficheFluxNonOrientes();

// Flows by mode: each pair in a value class, as wide as its class and in the
// colour of the first network arc joining its two nodes (either way); a
// class coloured white hides its pairs, a pair in no class is skipped.
// Writes Largeur and Couleur of the pairs in a class; a class of width 0
// gets the width 1.
void AfficheFluxNonOrientesModes();

} // namespace kelmo
