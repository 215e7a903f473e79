#pragma once
// What the editing handlers ask of their windows: show one modeless and
// brought to the front (mirroring its model), or hide it. The windows of
// editing/formes install these; without windows only the models' Visible
// changes.
#include <functional>

namespace kelmo {

enum class FenetreEdition { ModifArcs, ModifNoeuds };

struct LiensEdition {
    std::function<void(FenetreEdition)> Montre;
    std::function<void(FenetreEdition)> Cache;
};

LiensEdition& LiensFenetresEdition();

// Visible in the model, then the window shown or hidden.
void MontreFenetreEdition(FenetreEdition f);
void CacheFenetreEdition(FenetreEdition f);

} // namespace kelmo
