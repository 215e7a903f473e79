#pragma once
// Deleting a node with every arc that starts or ends at its code.
#include <cstdint>
#include <vector>

namespace kelmo {

// Deletes every arc with that code at one end, then the first node of that
// code, refills the node lists and, unless DemandeAccord is set, reports the
// node's name ("<noeud non trouvé>" when no node has the code) and the count.
// The drawing order, the arcs' node numbers and the node values follow the
// renumbering of the later nodes. Returns the number of arcs deleted.
int32_t ElimineNoeud(double code);

// The same for node i (1 to NbNoeuds): its arcs go by its code, and it goes
// itself even when an earlier node has the same code.
int32_t ElimineNoeudNumero(int32_t i);

// The nodes marked (retire[i] for node i) with every arc at their codes, in
// one pass over each table, without a report. Returns the arcs deleted.
int32_t ElimineNoeudsNumeros(const std::vector<char>& retire);

} // namespace kelmo
