#include "view/ArcsParType.h"
#include "core/Modele.h"

#include <vector>

namespace kelmo {

namespace {

constexpr int NbModes = 65536; // every int16_t value

struct Rassemblement {
    int profondeur = 0;
    bool pret = false;
    const Arc* table = nullptr; // the table and the count it was gathered from
    int32_t nbArcs = 0;
    std::vector<int32_t> debuts;  // by mode + 32768: where its arcs start in `indices`, one more at the end
    std::vector<int32_t> indices; // arc numbers grouped by mode, rising within a mode
};
Rassemblement rassemblement_;

std::size_t Case(int16_t mode) { return static_cast<std::size_t>(static_cast<int32_t>(mode) + 32768); }

void Rassemble(int32_t nbArcs)
{
    Rassemblement& r = rassemblement_;
    r.debuts.assign(NbModes + 1, 0);
    for (int32_t i = 1; i <= nbArcs; ++i)
        ++r.debuts[Case(K.Arcs[static_cast<std::size_t>(i)].Mode) + 1];
    for (std::size_t m = 1; m < r.debuts.size(); ++m)
        r.debuts[m] += r.debuts[m - 1];
    r.indices.resize(static_cast<std::size_t>(nbArcs));
    std::vector<int32_t> suivant(r.debuts.begin(), r.debuts.end() - 1);
    for (int32_t i = 1; i <= nbArcs; ++i)
        r.indices[static_cast<std::size_t>(suivant[Case(K.Arcs[static_cast<std::size_t>(i)].Mode)]++)] = i;
    r.table = K.Arcs.data();
    r.nbArcs = nbArcs;
    r.pret = true;
}

} // namespace

RassembleArcsParType::RassembleArcsParType() { ++rassemblement_.profondeur; }

RassembleArcsParType::~RassembleArcsParType()
{
    if (--rassemblement_.profondeur == 0)
        rassemblement_ = Rassemblement{};
}

std::vector<int32_t> ArcsDuType(int16_t mode, int32_t nbArcs)
{
    Rassemblement& r = rassemblement_;
    if (r.profondeur > 0) {
        if (!r.pret || r.table != K.Arcs.data() || r.nbArcs != nbArcs)
            Rassemble(nbArcs);
        const auto debut = static_cast<std::size_t>(r.debuts[Case(mode)]);
        const auto fin = static_cast<std::size_t>(r.debuts[Case(mode) + 1]);
        return std::vector<int32_t>(r.indices.begin() + static_cast<std::ptrdiff_t>(debut),
                                    r.indices.begin() + static_cast<std::ptrdiff_t>(fin));
    }
    std::vector<int32_t> arcs;
    for (int32_t i = 1; i <= nbArcs; ++i)
        if (K.Arcs[static_cast<std::size_t>(i)].Mode == mode)
            arcs.push_back(i);
    return arcs;
}

} // namespace kelmo

namespace kelmo {

void PrechargeArcs(const std::vector<int32_t>& arcs, std::size_t j)
{
    constexpr std::size_t AvanceArc = 16, AvanceNoeuds = 8;
    const std::size_t nbTable = K.Arcs.size();
    if (j + AvanceArc < arcs.size() && static_cast<std::size_t>(arcs[j + AvanceArc]) < nbTable)
        __builtin_prefetch(K.Arcs.data() + arcs[j + AvanceArc]);
    if (j + AvanceNoeuds < arcs.size() && static_cast<std::size_t>(arcs[j + AvanceNoeuds]) < nbTable) {
        const Arc& a = K.Arcs[static_cast<std::size_t>(arcs[j + AvanceNoeuds])];
        const std::size_t nbNoeuds = K.Noeuds.size();
        for (const int16_t n : {a.IndiceOrigine, a.IndiceDestination})
            if (n >= 0 && static_cast<std::size_t>(n) < nbNoeuds)
                __builtin_prefetch(K.Noeuds.data() + n);
    }
}

} // namespace kelmo
