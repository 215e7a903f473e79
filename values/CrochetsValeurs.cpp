#include "values/CrochetsValeurs.h"
#include "core/Modele.h"

namespace kelmo {

std::function<void()> MontreStatistiques;
std::function<void()> RedessineValeurs;

namespace {
const bool enregistre = [] {
    EnregistreReinitialisation([] {
        MontreStatistiques = nullptr;
        RedessineValeurs = nullptr;
    });
    return true;
}();
} // namespace

} // namespace kelmo
