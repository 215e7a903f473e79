#include "core/Modele.h"

namespace kelmo {

DonneesKelmo K;

namespace {
std::vector<std::function<void()>>& reinitialisations()
{
    static std::vector<std::function<void()>> r;
    return r;
}
} // namespace

void ReinitialiseDonnees()
{
    K = DonneesKelmo{};
    for (auto& r : reinitialisations())
        r();
}

void EnregistreReinitialisation(std::function<void()> reinitialise) { reinitialisations().push_back(std::move(reinitialise)); }

} // namespace kelmo
