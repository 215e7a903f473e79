#pragma once
// What the value computations hand to the windows and maps that come after
// them: the statistics window shows itself, the value map redraws for the
// preview. Each hook is empty until its owner installs it, and empty again
// after ReinitialiseDonnees; an empty hook does nothing.
#include <functional>

namespace kelmo {

// Shows the statistics window, not modal, over its model.
extern std::function<void()> MontreStatistiques;
// Clears the map and, in the "Noeuds" tab, redraws the node circles.
extern std::function<void()> RedessineValeurs;

} // namespace kelmo
