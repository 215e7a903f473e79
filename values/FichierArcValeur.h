#pragma once
// Arc-value files: one number per origin-destination pair of node codes, in
// fixed columns that are measured on line 1 and applied to every line.
#include <QString>
#include <string_view>

namespace kelmo {

// The three windows of a line (first column, width), columns from 1.
struct ColonnesArcValeur {
    int d1 = 1, w1 = 0; // origin code
    int d2 = 1, w2 = 0; // destination code
    int d3 = 1, w3 = 0; // value
};

// Measures line 1 of file no. 1 or no. 2 (their value windows lie three
// columns apart). A first number that ends before column 10 keeps the origin
// window to its own digits and the destination window after them. False when
// a window would begin before column 1 or have a negative width.
bool MesureColonnesArcValeur(std::string_view ligne1, int numeroFichier, ColonnesArcValeur& c);

// Read file no. 1 into Arcs1 and NombreArcs1 (no. 2 into Arcs2 and
// NombreArcs2): lines of value 0 are dropped, at most 18000 pairs are kept
// (a warning names the file when more remain), each stored pair is red with
// the width 0, and the other fields of its position stay. Nothing changes
// unless the whole file reads: a failure raises ErreurExecution.
void LitFichierArcValeur1(const QString& chemin);
void LitFichierArcValeur2(const QString& chemin);

// Node numbers of every pair from its codes: the first node of each code,
// 0 for a code that no node has.
void IndexeArcs1();
void IndexeArcs2();

} // namespace kelmo
