#include "view/MetaFichier.h"

namespace kelmo {

} // namespace kelmo
