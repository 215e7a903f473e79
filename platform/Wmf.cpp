#include "platform/Wmf.h"

namespace kelmo::wmf {

} // namespace kelmo::wmf
