// The timetables set the editors' lists through the editors' own setters, so
// the editor refreshes as for a choice of the user.
#include "core/Modele.h"
#include "timetables/LiensHoraires.h"

namespace kelmo {

void ChoisitOrigineEditeur(int noeud) { K.Formes.ModifArcs.ListeModifiable1.Choisit(noeud); }
void ChoisitDestinationEditeur(int noeud) { K.Formes.ModifArcs.ListeModifiable2.Choisit(noeud); }
void MontreEditeurArcs() { K.Formes.ModifArcs.Visible = true; }
void MontreEditeurNoeuds() { K.Formes.ModifNoeuds.Visible = true; }

} // namespace kelmo
