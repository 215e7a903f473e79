#pragma once
// The generalised cost per kilometre of road, motorway, train and TGV, for the
// three parameter sets (France, Allemagne, Espagne), from the traveller's
// parameters of the cost dialog. The "Coût" relief folds each arc by its
// mode's cost against the cheapest mode ticked in the relief options.
#include <cstdint>

namespace kelmo {

// The France set (road, motorway, train, TGV) and CoutKmMinimal3; lowers
// CoutKmMinimal. Runs first: the other sets take its rail costs.
void CalculeCoutGeneralise();
// The Allemagne set and CoutKmMinimal1; lowers CoutKmMinimal.
void CalculeCoutsAllemagne();
// The Espagne set and CoutKmMinimal2; lowers CoutKmMinimal.
void CalculeCoutsEspagne();
// CoutKmMinimal := 500000, then the three sets in order: what closing the
// cost dialog and the end of start-up run.
void CalculeTousLesCouts();

// End of start-up: the value of time of the nationality the cost dialog
// starts on ("Français"), then CalculeTousLesCouts.
void InitialiseCouts();

// The four CoutKmModeCourant values of the set of a node's zone, which is
// the whole quotient of its code by 10000 (49: Allemagne, 34 and 351:
// Espagne, any other: France).
void ChoisitCoutsZone(int32_t code);
// The mean of the two ends' values, for an arc.
void CalculeCoutsEntreZones(int32_t codeOrigine, int32_t codeDestination);

} // namespace kelmo
