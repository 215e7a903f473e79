#pragma once
// "Optimise": removes the nodes that every regional rail ("TER") service
// only passes through, with all their arcs, leaving the direct arcs of the
// development in their place.

namespace kelmo {

// True when node n can go: it has a TER arc, all its arcs are TER, every TER
// arrival there has a TER departure at the same minute and every TER
// departure is fed by a TER arrival at the same minute. Looks at the arcs as
// they stand.
bool NoeudDePassage(int n);

// One sweep over the nodes in table order, asking before each removal when
// the user wants it. The caller re-indexes the arcs.
void OptimiseHoraires();

} // namespace kelmo
