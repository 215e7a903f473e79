#pragma once
// The three ways the statistics window sets the class bounds from the
// distribution of the values: equal ranges, equal counts of nodes, or a
// range the user types. Each bound goes through its box (regional format)
// and the box's change handler, as if typed. The bounds are singles: a
// minimum, maximum or range that would make one beyond a single is refused
// with a message naming its box, and no bound changes.
namespace kelmo {

// "Iso-amplitude": NbClasses equal ranges between the minimum and maximum
// shown, widened by 1 at both ends.
void Statistiques_SSCommand1_Click();
// "Iso-effectifs": about NbNoeuds / NbClasses nodes per class, by rank in
// the node values sorted by decreasing value; nothing changes without node
// values or with fewer nodes than classes.
void Statistiques_SSCommand2_Click();
// "Intervalles réguliers...": classes of the typed range from the minimum
// less 1; Cancel or a text that is not a number changes nothing.
void Statistiques_SSCommand3_Click();

} // namespace kelmo
