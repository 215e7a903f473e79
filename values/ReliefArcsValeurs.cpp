#include "values/ReliefArcsValeurs.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "relief/CommandesRelief.h"
#include "core/IndexCodes.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace kelmo {

void CalculeVitesseReferenceArcVal()
{
    const int32_t n1 = std::max<int32_t>(0, std::min<int32_t>(K.NombreArcs1, static_cast<int32_t>(K.Arcs1.size()) - 1));
    const int32_t nbArcs = std::max<int32_t>(0, std::min<int32_t>(K.NbArcs, static_cast<int32_t>(K.Arcs.size()) - 1));
    const int16_t route = TypeRoute70().Code;

    double m = 10000000;
    int32_t o = 0, d = 0;
    bool trouve = false;
    for (int32_t i = 1; i <= n1; ++i) {
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        if (a.Valeur < m) {
            m = a.Valeur;
            o = a.CodeOrigine;
            d = a.CodeDestination;
            trouve = true;
        }
    }
    if (m == 0)
        m = 1;
    if (trouve) {
        for (int32_t j = 1; j <= nbArcs; ++j) {
            const Arc& a = K.Arcs[static_cast<std::size_t>(j)];
            if (a.Mode == route && a.Longueur != 0
                && ((a.CodeOrigine == o && a.CodeDestination == d) || (a.CodeOrigine == d && a.CodeDestination == o))) {
                K.VitesseReference = m / a.Longueur;
                break;
            }
        }
    }

    // The records of each pair in file order, and how many of them the arcs
    // of that pair have taken.
    struct File {
        std::vector<int32_t> enregistrements;
        std::size_t pris = 0;
    };
    std::unordered_map<uint64_t, File> parPaire;
    parPaire.reserve(static_cast<std::size_t>(n1));
    for (int32_t i = 1; i <= n1; ++i) {
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        parPaire[ClePaireNonOrientee(a.CodeOrigine, a.CodeDestination)].enregistrements.push_back(i);
    }
    K.Arcs1Utilises.assign(std::max<std::size_t>(K.Arcs1.size(), NbMaxArcsValeurs + 1), false);
    for (int32_t j = 1; j <= nbArcs; ++j) {
        Arc& a = K.Arcs[static_cast<std::size_t>(j)];
        if (a.Mode != route)
            continue;
        auto it = parPaire.find(ClePaireNonOrientee(a.CodeOrigine, a.CodeDestination));
        if (it == parPaire.end() || it->second.pris == it->second.enregistrements.size())
            continue;
        const int32_t i = it->second.enregistrements[it->second.pris++];
        a.Duree = K.Arcs1[static_cast<std::size_t>(i)].Valeur;
        K.Arcs1Utilises[static_cast<std::size_t>(i)] = true;
    }
}

void BrancheReliefArcsValeurs() { CrochetVitesseReferenceArcVal = CalculeVitesseReferenceArcVal; }

} // namespace kelmo
