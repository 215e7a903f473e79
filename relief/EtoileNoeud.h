#pragma once
// The star of a node: its kept arcs (Minimal = 1) with the node at the other
// end, in arc-index order, then ordered by the direction in which each
// neighbour lies on the picture so that neighbouring tents are walked in turn.
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kelmo {

struct EtoileArc {
    int32_t NoeudVoisin = 0; // node at the other end
    int32_t NumeroArc = 0;   // index in Arcs
};

// The star tables of the node being drawn, used from position 1.
extern std::vector<EtoileArc> EtoileArcs;
extern std::vector<int32_t> EtoileTriee;  // EtoileTriee[k]: position in EtoileArcs of the k-th in direction order
extern std::vector<double> AnglesEtoile;  // direction key of each position of EtoileArcs

// The kept arcs of every node code and the first kept arc of every pair of
// codes, built once for a whole relief so that neither the stars nor the
// triangles scan the arc table again. Valid until the arcs change.
class IndexArcsRelief {
public:
    IndexArcsRelief(); // from the current arc table
    // Kept arcs touching a node of that code, in index order.
    const int32_t* arcsDuCode(int32_t code, int32_t& nombre) const;
    // The first kept arc joining those two codes in either direction; 0 when
    // none.
    int32_t premierArcEntre(int32_t code1, int32_t code2) const;

private:
    std::unordered_map<int32_t, std::pair<int32_t, int32_t>> plages_; // code -> (start, count) in arcs_
    std::vector<int32_t> arcs_;
    std::unordered_map<uint64_t, int32_t> paires_;
};

// Fills EtoileArcs[1 .. nombre] for the node of index centre: every kept arc
// one of whose end codes is the node's code, with the node at the other end
// (an arc whose two ends carry the code takes its origin). An arc whose other
// end has code 0, or whose other end is no node of the table, is left out.
// With an index, the same result without scanning the arcs.
int32_t EtoileNoeud(int32_t centre, const IndexArcsRelief* index = nullptr);

// Orders the star of the node at (x0, y0) by the neighbour's elevation above
// the node's horizontal, descending; equal keys keep the star's order. A
// neighbour straight above or below is taken 0.1 to the right.
void TrieEtoileParAngle(int32_t nombre, double x0, double y0);

} // namespace kelmo
