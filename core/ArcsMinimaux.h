#pragma once

namespace kelmo {

// Marks in `Minimal` the arcs the relief uses (1), the TGV and motorway arcs
// set aside (2) and the others (0), from the relief modes ticked in the
// relief options.
void SelectionneArcsMinimaux();

} // namespace kelmo
