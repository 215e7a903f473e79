#pragma once
// The arcs that leave and reach each node, in table order, built once for a
// whole command so that finding the services at a stop costs the stop's arcs
// and not a scan of the table.
#include <cstdint>
#include <span>
#include <vector>

namespace kelmo {

class IndexArcsNoeuds {
public:
    // Indexes arcs 1 to NbArcs by their node numbers as they stand.
    IndexArcsNoeuds();
    // Arc numbers, ascending, whose IndiceOrigine (IndiceDestination) is noeud.
    std::span<const int32_t> Partants(int32_t noeud) const { return tranche(debutsO_, arcsO_, noeud); }
    std::span<const int32_t> Arrivants(int32_t noeud) const { return tranche(debutsD_, arcsD_, noeud); }

private:
    static constexpr int32_t Decalage = 32768; // node numbers are 16-bit, possibly 0 or negative
    static std::span<const int32_t> tranche(const std::vector<int32_t>& debuts, const std::vector<int32_t>& arcs,
                                            int32_t noeud);
    std::vector<int32_t> debutsO_, arcsO_, debutsD_, arcsD_;
};

} // namespace kelmo
