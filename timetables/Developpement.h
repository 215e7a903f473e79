#pragma once
// "Dév. hor.": the direct timed arcs between every two stops of each
// regional rail ("TER") run that are not consecutive.

namespace kelmo {

// Runs the pass by line number when rail arcs carry line numbers, else the
// chaining pass. Refuses the whole development, with a message, when the
// table would pass its limit; false then. The caller re-indexes the arcs.
bool DeveloppeHorairesArcs();
bool DeveloppeHorairesArcs2(); // the pass by line number
bool DeveloppeHorairesArcsChaines(); // the chaining pass

} // namespace kelmo
