#pragma once
// The values every run starts from: nothing is stored between runs, so the
// start-up writes all of them (see InitialiseKelmo).

namespace kelmo {

// The bitmap picture's start size, in millimetres.
constexpr int HauteurImaDefaut = 250;
constexpr int LargeurImaDefaut = 350;

// Scalar defaults of the view, node and arc appearance, relief and costs,
// values and classes, and editing.
void DefinitValeursParDefaut();

// The option dialogs' start contents: relief modes, cost lists, name
// thresholds and the statistics colours (after the statistics window's own
// load, which may have set the class count).
void DefinitDefautsOptionsRelief();
void DefinitDefautsCouts();
void DefinitDefautsSeuilsAffichage();
void DefinitDefautsStatistiques();

// The ten display spaces and the list of the display spaces dialog. Rows
// without a size of their own take the bitmap picture's current size.
void DefinitEspaces(double hauteurIma, double largeurIma);

} // namespace kelmo
