#pragma once
// The value of a node that the node editor's "Valeur" box shows.
#include <QString>
#include <cstdint>

namespace kelmo {

// The value shown on the map for node i, formatted "Standard"; "0" while no
// node values are loaded or when node i has none.
QString TexteValeurNoeud(int32_t i);

// The "Standard" number format: two decimals and thousands grouped, in the
// regional style ("1 234,57" under a "," separator, "1,234.57" under ".").
QString FormatStandard(double valeur);

} // namespace kelmo
