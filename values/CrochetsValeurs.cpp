#include "values/CrochetsValeurs.h"
#include "core/Modele.h"

namespace kelmo {

std::function<void()> MontreStatistiques;
std::function<void()> RedessineValeurs;
std::function<void(const QString&)> LienAfficheRondsCarres;

namespace {
const bool enregistre = [] {
    EnregistreReinitialisation([] {
        MontreStatistiques = nullptr;
        RedessineValeurs = nullptr;
        LienAfficheRondsCarres = nullptr;
    });
    return true;
}();
} // namespace

} // namespace kelmo
