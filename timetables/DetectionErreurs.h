#pragma once
// "Vérifier": walks the timed services link by link and stops at a service
// whose duration is far from its link's mean travel time.

namespace kelmo {

void DetecteErreursHoraires();

} // namespace kelmo
