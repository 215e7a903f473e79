#include "editing/CrochetsEdition.h"
#include "core/Modele.h"

namespace kelmo {

std::function<void()> AfficheHorairesArc;
std::function<void()> AfficheHorairesNoeud;
std::function<void()> CacheFenetresHoraires;

namespace {
const bool enregistre = (EnregistreReinitialisation([] {
                             AfficheHorairesArc = nullptr;
                             AfficheHorairesNoeud = nullptr;
                             CacheFenetresHoraires = nullptr;
                         }),
                         true);
} // namespace

} // namespace kelmo
