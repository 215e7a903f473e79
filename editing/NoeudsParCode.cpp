#include "editing/NoeudsParCode.h"
#include "core/Modele.h"

#include <algorithm>

namespace kelmo {

NoeudsParCode::NoeudsParCode()
{
    const int32_t n = K.NbNoeuds;
    plages_.reserve(static_cast<std::size_t>(n) * 2);
    // Counting first, then placing each node in its code's range, keeps the
    // numbers of one code in table order without a sort.
    for (int32_t j = 1; j <= n; ++j)
        ++plages_[K.Noeuds[j].Code].nombre;
    int32_t debut = 0;
    for (auto& [code, p] : plages_) {
        p.debut = debut;
        debut += p.nombre;
        p.nombre = 0;
    }
    numeros_.resize(static_cast<std::size_t>(n));
    for (int32_t j = 1; j <= n; ++j) {
        Plage& p = plages_[K.Noeuds[j].Code];
        numeros_[static_cast<std::size_t>(p.debut + p.nombre++)] = j;
    }
}

std::span<const int32_t> NoeudsParCode::noeuds(int32_t code) const
{
    const auto it = plages_.find(code);
    if (it == plages_.end())
        return {};
    return std::span<const int32_t>(numeros_).subspan(static_cast<std::size_t>(it->second.debut),
                                                       static_cast<std::size_t>(it->second.nombre));
}

bool NoeudsParCode::extremites(int32_t codeOrigine, int32_t codeDestination, int32_t& origine,
                               int32_t& destination) const
{
    const std::span<const int32_t> o = noeuds(codeOrigine), d = noeuds(codeDestination);
    if (o.empty() || d.empty())
        return false;
    // The scan stops at the first node of whichever code comes later.
    const int32_t arret = std::max(o.front(), d.front());
    origine = *(std::upper_bound(o.begin(), o.end(), arret) - 1);
    destination = *(std::upper_bound(d.begin(), d.end(), arret) - 1);
    return true;
}

} // namespace kelmo
