#pragma once

namespace kelmo {

// Refills the five node lists of the editing windows and dialogs: a single
// blank first, then the first 15 characters of each node name, so that
// entry i is node i.
void RemplitListesNoeuds();

} // namespace kelmo
