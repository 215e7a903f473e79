#pragma once
// The nodes of the map: a filled circle each, coloured by the two node
// colours or by the modes serving the node, and the names of the nodes whose
// population lies between the two display thresholds. Drawn on Ima in the
// back-to-front order of IndexNoeuds and, in metafile mode, recorded too.
#include "core/Couleurs.h"

#include <QString>

namespace kelmo {

// Draws every node; symbols false draws circles of radius 0, names false
// writes no name. Sets each node's Visible: false beyond +-32000 picture
// units, where nothing of the node is drawn or recorded.
void DessineNoeuds(bool symboles, bool noms);

// The colour of a node served by those modes ("TGV-FER-ROU-AUT-BAT"), given
// the relief option boxes TGV, Autoroute and Train.
Couleur CouleurModesNoeud(const QString& modes);

// SAINT-ETIENNE -> Saint-Etienne: a character after a blank or a hyphen (or
// the first one) keeps its case, every other one goes to lower case.
QString NomPropre(const QString& texte);

// The number of name characters written: 0 is first replaced by 20 (the
// setting itself changes), then the count is kept within 0 to 50.
int LettresNomsEcrites();

} // namespace kelmo
