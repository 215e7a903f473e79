#include "dxf/DonneesDXF.h"
#include "core/Modele.h"

namespace kelmo {

DonneesDXF DXF;

namespace {
const bool enregistre = (EnregistreReinitialisation([] { DXF = DonneesDXF{}; }), true);
} // namespace

} // namespace kelmo
