#include "timetables/IndexArcsNoeuds.h"
#include "core/Modele.h"

namespace kelmo {
namespace {

// Counting sort of the arc numbers by one node field: stable, so each node's
// arcs stay in table order.
template <class Champ>
void indexe(Champ champ, std::vector<int32_t>& debuts, std::vector<int32_t>& arcs)
{
    constexpr int32_t decalage = 32768;
    debuts.assign(65536 + 1, 0);
    for (int32_t k = 1; k <= K.NbArcs; ++k)
        ++debuts[static_cast<std::size_t>(champ(K.Arcs[static_cast<std::size_t>(k)]) + decalage + 1)];
    for (std::size_t i = 1; i < debuts.size(); ++i)
        debuts[i] += debuts[i - 1];
    arcs.assign(static_cast<std::size_t>(K.NbArcs), 0);
    std::vector<int32_t> place(debuts.begin(), debuts.end() - 1);
    for (int32_t k = 1; k <= K.NbArcs; ++k)
        arcs[static_cast<std::size_t>(place[static_cast<std::size_t>(champ(K.Arcs[static_cast<std::size_t>(k)]) + decalage)]++)] = k;
}

} // namespace

IndexArcsNoeuds::IndexArcsNoeuds()
{
    indexe([](const Arc& a) { return static_cast<int32_t>(a.IndiceOrigine); }, debutsO_, arcsO_);
    indexe([](const Arc& a) { return static_cast<int32_t>(a.IndiceDestination); }, debutsD_, arcsD_);
}

std::span<const int32_t> IndexArcsNoeuds::tranche(const std::vector<int32_t>& debuts, const std::vector<int32_t>& arcs,
                                                  int32_t noeud)
{
    if (noeud < -Decalage || noeud >= Decalage)
        return {};
    const auto i = static_cast<std::size_t>(noeud + Decalage);
    return {arcs.data() + debuts[i], static_cast<std::size_t>(debuts[i + 1] - debuts[i])};
}

} // namespace kelmo
