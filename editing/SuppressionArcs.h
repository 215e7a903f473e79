#pragma once
// Removing many arcs at once. Deleting arcs one by one shifts the whole rest
// of the table for each of them; this keeps the survivors in their order in
// one pass, with the same result and the same positions reported.
#include "core/Modele.h"

#include <cstdint>
#include <vector>

namespace kelmo {

struct BilanSuppression {
    int32_t nombre = 0;
    // Where the last arc removed stood at the moment it went, counting the
    // ones removed before it (0 when none went): the position a removal one
    // by one would report.
    int32_t dernierePosition = 0;
};

// Removes every arc k (1 to NbArcs) for which supprime(arc) is true; the
// comparison classes go with their arcs. progression(k) is called for each
// arc examined.
template <class Predicat, class Progression>
BilanSuppression SupprimeArcsSi(Predicat&& supprime, Progression&& progression)
{
    BilanSuppression b;
    const int32_t n = K.NbArcs;
    std::vector<Arc>& arcs = K.Arcs;
    std::vector<float>& comparaison = K.ComparaisonArcs;
    const auto nbComparaison = static_cast<int32_t>(comparaison.size());
    int32_t garde = 0;
    // The comparison table may be shorter than the arcs: only its own
    // entries move.
    int32_t gardeComparaison = 0;
    for (int32_t k = 1; k <= n; ++k) {
        progression(k);
        if (supprime(static_cast<const Arc&>(arcs[k]))) {
            ++b.nombre;
            b.dernierePosition = garde + 1;
            continue;
        }
        ++garde;
        if (garde != k)
            arcs[garde] = arcs[k];
        if (k < nbComparaison) {
            ++gardeComparaison;
            if (gardeComparaison != k)
                comparaison[gardeComparaison] = comparaison[k];
        }
    }
    if (b.nombre == 0)
        return b;
    K.NbArcs = garde;
    arcs.resize(static_cast<std::size_t>(garde) + 1);
    if (nbComparaison > 0) {
        // Entries beyond the arcs (none in practice) stay after the kept ones.
        for (int32_t k = n + 1; k < nbComparaison; ++k)
            comparaison[++gardeComparaison] = comparaison[k];
        comparaison.resize(static_cast<std::size_t>(gardeComparaison) + 1);
    }
    return b;
}

// Removes every arc k whose mark marques[k] is set (marques holds NbArcs + 1
// entries): for the clean-ups, which decide first and remove once.
inline BilanSuppression SupprimeArcsMarques(const std::vector<char>& marques)
{
    int32_t courant = 0;
    return SupprimeArcsSi([&](const Arc&) { return marques[static_cast<std::size_t>(courant)] != 0; },
                          [&](int32_t k) { courant = k; });
}

} // namespace kelmo
