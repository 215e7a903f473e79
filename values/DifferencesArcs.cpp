#include "values/DifferencesArcs.h"
#include "core/Modele.h"
#include "core/IndexCodes.h"
#include "values/LimitesTables.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace kelmo {
namespace {

struct Combinaison {
    float (*apparie)(float a, float b);
    float (*seul1)(float a);
    float (*seul2)(float b);
};

void difference(const Combinaison& c)
{
    std::vector<ArcValeur>& a1 = K.Arcs1;
    std::vector<ArcValeur>& a2 = K.Arcs2;
    const int32_t n1 = std::min<int32_t>(K.NombreArcs1, static_cast<int32_t>(a1.size()) - 1);
    const int32_t n2 = std::min<int32_t>(K.NombreArcs2, static_cast<int32_t>(a2.size()) - 1);
    for (int32_t i = 1; i <= n1; ++i)
        a1[static_cast<std::size_t>(i)].Apparie = false;
    for (int32_t j = 1; j <= n2; ++j)
        a2[static_cast<std::size_t>(j)].Apparie = false;

    // The records of file 2 of each unordered pair, in file order. The first
    // record of file 1 of a pair takes them all, one after the other (the
    // reverse pair of file 2 compounds with the first result); the next
    // records of file 1 of that pair find none left.
    std::unordered_map<uint64_t, std::vector<int32_t>> candidats;
    candidats.reserve(static_cast<std::size_t>(n2));
    for (int32_t j = 1; j <= n2; ++j) {
        const ArcValeur& b = a2[static_cast<std::size_t>(j)];
        candidats[ClePaireNonOrientee(b.CodeOrigine, b.CodeDestination)].push_back(j);
    }
    for (int32_t i = 1; i <= n1; ++i) {
        ArcValeur& a = a1[static_cast<std::size_t>(i)];
        auto it = candidats.find(ClePaireNonOrientee(a.CodeOrigine, a.CodeDestination));
        if (it == candidats.end())
            continue;
        for (int32_t j : it->second) {
            ArcValeur& b = a2[static_cast<std::size_t>(j)];
            a.Valeur = c.apparie(a.Valeur, b.Valeur);
            a.Apparie = true;
            b.Apparie = true;
        }
        candidats.erase(it);
    }

    for (int32_t i = 1; i <= n1; ++i) {
        ArcValeur& a = a1[static_cast<std::size_t>(i)];
        if (!a.Apparie)
            a.Valeur = c.seul1(a.Valeur);
    }
    int32_t n = n1;
    bool plein = false;
    for (int32_t j = 1; j <= n2; ++j) {
        const ArcValeur& b = a2[static_cast<std::size_t>(j)];
        if (b.Apparie)
            continue;
        if (n >= NbMaxArcsValeurs) {
            plein = true;
            break;
        }
        if (static_cast<std::size_t>(n) + 1 >= a1.size())
            a1.resize(static_cast<std::size_t>(n) + 2);
        ArcValeur& a = a1[static_cast<std::size_t>(++n)];
        a.CodeOrigine = b.CodeOrigine;
        a.IndiceOrigine = b.IndiceOrigine;
        a.CodeDestination = b.CodeDestination;
        a.IndiceDestination = b.IndiceDestination;
        a.Valeur = c.seul2(b.Valeur);
    }
    K.NombreArcs1 = n;
    if (plein)
        AvertitLimiteTable(K.FichierArcValeur2, NbMaxArcsValeurs);
}

float absolue(float a, float b) { return BorneSimple(static_cast<double>(b) - a); }
float relative(float a, float b)
{
    if (a == 0)
        return b > 0 ? 100.0f : (b < 0 ? -100.0f : 0.0f);
    return BorneSimple((static_cast<double>(b) - a) / a * 100.0);
}

} // namespace

void DifferenceAbsolueArcs()
{
    difference({absolue, [](float a) { return -a; }, [](float b) { return b; }});
}

void DifferenceRelativeArcs()
{
    difference({relative, [](float) { return -100.0f; }, [](float) { return 100.0f; }});
}

} // namespace kelmo
