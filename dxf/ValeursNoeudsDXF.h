#pragma once
// What the circles and the node-colour pieces read of the node values shown
// on the map.
#include <array>
#include <cstdint>
#include <vector>

namespace kelmo {

// The i-th displayed value: its node, its value and its mark; not present
// when there is no such entry or it names no node.
struct ValeurNoeudDXF {
    bool present = false;
    int IndiceNoeud = 0;
    float Valeur = 0;
    int16_t Marque = 0;
};
ValeurNoeudDXF ValeurNoeudAffichee(int32_t i);
// The symbol size of the i-th displayed value, 0 beyond the table.
float TailleSymboleDXF(int32_t i);
// True when node values have been loaded for the map.
bool ValeursNoeudsChargees();

// The values of an arc's two ends as a scan of the displayed values in
// order finds them: each record naming an end is that end's (a later one
// replaces an earlier one), the scan stopping once two matches were counted
// or the node count is reached; an end without a record takes record 0.
// Built once for a whole drawing, it answers each arc in constant time.
class ValeursExtremitesDXF {
public:
    ValeursExtremitesDXF() = default;
    // Reads the displayed values as they stand now.
    void Construit();
    void Valeurs(int origine, int destination, float& vo, float& vd) const;

private:
    float valeur0_ = 0;
    std::vector<float> valeurs_;             // by record
    std::vector<std::array<int32_t, 2>> positions_; // first two records of each node, 0 for none
};

} // namespace kelmo
