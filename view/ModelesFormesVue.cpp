#include "view/ModelesFormesVue.h"
#include "core/Modele.h"

namespace kelmo {

FormesVue Fv;

namespace {
const bool enregistre = [] {
    EnregistreReinitialisation([] { Fv = FormesVue{}; });
    return true;
}();
} // namespace

} // namespace kelmo
