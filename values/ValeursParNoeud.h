#pragma once
// The quantity shown per node (a value of file 1 or 2, their product, their
// absolute or relative difference, the population), its order by decreasing
// magnitude and the proportional symbol sizes, against a reference kept per
// kind of display so that successive maps stay comparable.
#include <QString>

namespace kelmo {

// r(a, b) = (a - b) x 100 / b, 0 when b is 0.
double DifferenceRelative(double a, double b);

// Fills ValeursNoeuds (1 to NbNoeuds) for "Valeur1", "Valeur2",
// "Multiplication", "Différences absolues", "Différences relatives" or
// "Populations"; any other name leaves the table cleared. A file record
// goes to the first node of its code; a later record of the same code wins.
void CalculeValeursNoeuds(const QString& nom);
// Sorts ValeursNoeuds by decreasing absolute value, records of equal
// magnitude keeping their order, and TailleSymboles with it.
void TrieValeursNoeuds();
// Chooses RefRonds for the display and fills TailleSymboles; a size beyond
// single precision shows "Erreur dans le dimensionnement des ronds" and
// leaves the sizes computed so far.
void DimensionneRonds(const QString& nom);

// TailleSymboles from the values in place and the current RefRonds (the
// last step of DimensionneRonds, which leaves RefRonds as it is, a
// reference of 0 becoming 1).
void TailleSymbolesSelonRefRonds();

// The chain of every node-value display: values, sort, sizes.
void PrepareValeursNoeuds(const QString& nom);

} // namespace kelmo
