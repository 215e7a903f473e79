#pragma once
// The node numbers of each code, found by hashing instead of a scan of the
// node table per arc. A code may be held by several nodes (files are not
// checked for that), so every number is kept, in table order.
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace kelmo {

class NoeudsParCode {
public:
    // Reads nodes 1 to NbNoeuds as they stand now.
    NoeudsParCode();

    // The nodes holding that code, in increasing order; empty when none.
    std::span<const int32_t> noeuds(int32_t code) const;
    bool existe(int32_t code) const { return plages_.contains(code); }

    // The two ends of an arc as a scan of the nodes from the first finds
    // them when it stops as soon as both codes were met, each end taking the
    // last node of its code met so far. False when a code is held by no node.
    bool extremites(int32_t codeOrigine, int32_t codeDestination, int32_t& origine, int32_t& destination) const;

private:
    struct Plage {
        int32_t debut = 0, nombre = 0;
    };
    std::vector<int32_t> numeros_; // node numbers grouped by code
    std::unordered_map<int32_t, Plage> plages_;
};

} // namespace kelmo
