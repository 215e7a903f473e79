// The timetables set the editors' lists through the editors' own setters, so
// the editor refreshes as for a choice of the user.
#include "editing/LiensEdition.h"
#include "editing/ModifArcs.h"
#include "timetables/LiensHoraires.h"

namespace kelmo {

void ChoisitOrigineEditeur(int noeud) { ModifArcs_DefinitListIndex1(noeud); }
void ChoisitDestinationEditeur(int noeud) { ModifArcs_DefinitListIndex2(noeud); }
void MontreEditeurArcs() { MontreFenetreEdition(FenetreEdition::ModifArcs); }
void MontreEditeurNoeuds() { MontreFenetreEdition(FenetreEdition::ModifNoeuds); }

} // namespace kelmo
