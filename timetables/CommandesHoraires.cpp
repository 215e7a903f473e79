#include "timetables/CommandesHoraires.h"
#include "core/Commandes.h"
#include "core/DonneesDerivees.h"
#include "core/Modele.h"
#include "editing/CrochetsEdition.h"
#include "platform/Dialogues.h"
#include "timetables/Developpement.h"
#include "timetables/LiensHoraires.h"
#include "timetables/Optimisation.h"

namespace kelmo {

// The timetable procedures bear the names of the editors' hooks, so this
// file reaches them through these.
void OuvreHorairesArc();
void OuvreHorairesNoeud();

void Kelmo_menDéveloppmentHoraire_Click()
{
    const Sablier sablier;
    if (DeveloppeHorairesArcs())
        IndexeArcs();
    K.Formes.HorairesArcs.Optimise.Visible = true;
    K.Menu(QStringLiteral("menOptimisationHoraire")).Enabled = true;
    K.StatusBar.Panneaux[2] = QString::number(K.NbArcs) + QStringLiteral(" arcs ");
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
    ActualiseFenetresHoraires();
}

void Kelmo_menOptimisationHoraire_Click()
{
    const Sablier sablier;
    OptimiseHoraires();
    IndexeArcs();
    K.Formes.HorairesArcs.Optimise.Visible = true;
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
    ActualiseFenetresHoraires();
}

void InstalleCommandesHoraires()
{
    EnregistreCommande(QStringLiteral("menDéveloppmentHoraire"), [] { Kelmo_menDéveloppmentHoraire_Click(); });
    EnregistreCommande(QStringLiteral("menOptimisationHoraire"), [] { Kelmo_menOptimisationHoraire_Click(); });
    AfficheHorairesArc = [] {
        OuvreHorairesArc();
        ActualiseFenetresHoraires();
    };
    AfficheHorairesNoeud = [] {
        OuvreHorairesNoeud();
        ActualiseFenetresHoraires();
    };
    CacheFenetresHoraires = [] {
        CacheFenetreHoraire(FenetreHoraire::Trains);
        CacheFenetreHoraire(FenetreHoraire::HorairesArcs);
    };
}

} // namespace kelmo
