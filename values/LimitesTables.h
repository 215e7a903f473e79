#pragma once
// The value tables have fixed sizes; what does not fit is dropped and the
// user is told once which file overflowed and what the limit is. Computed
// values stay within single precision.
#include <QString>

namespace kelmo {

void AvertitLimiteTable(const QString& chemin, int limite);

// A value computed from two singles (a product, a quotient) may leave their
// range: it is held at the largest single rather than stored as an infinity.
float BorneSimple(double valeur);

} // namespace kelmo
