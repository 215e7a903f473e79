#include "view/CrochetsDessinCarte.h"

#include "core/Modele.h"

namespace kelmo {

std::function<void(int32_t i)> DessineArcDegrade;
std::function<void()> PrepareArcsDegrades;
std::function<void(int indiceOrigine, int indiceDestination)> TraceArcCouleursNoeuds;
std::function<void()> EcritArcsCouleursNoeudsDXF;

namespace {
const bool enregistre = (EnregistreReinitialisation([] {
                             DessineArcDegrade = nullptr;
                             PrepareArcsDegrades = nullptr;
                             TraceArcCouleursNoeuds = nullptr;
                             EcritArcsCouleursNoeudsDXF = nullptr;
                         }),
                         true);
} // namespace

} // namespace kelmo
