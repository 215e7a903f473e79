#pragma once
#include <QString>

namespace kelmo {

// Compares the loaded arcs of one link-type code with the reference arc file
// `NomFichierArcsReference`: 1.0 common, 0.0 only loaded, -1.0 appended from
// the reference file. Returns false (after a message) when the file is
// missing or cannot be read; nothing is changed then.
bool LitFichierArcsReference(double code);

} // namespace kelmo
