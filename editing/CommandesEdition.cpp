#include "editing/CommandesEdition.h"
#include "core/Commandes.h"
#include "core/DonneesDerivees.h"
#include "editing/Digitalisation.h"
#include "editing/ElimineArcsDeconnectes.h"
#include "editing/LiensEdition.h"
#include "editing/ModifArcs.h"
#include "editing/ModifNoeuds.h"
#include "editing/PrepareNouveauNoeud.h"

namespace kelmo {

void InstalleCommandesEdition()
{
    EnregistreCommande(QStringLiteral("menModifieNoeuds"), [] { Kelmo_menModifieNoeuds_Click(); });
    EnregistreCommande(QStringLiteral("menModifieOD"), [] { Kelmo_menModifieOD_Click(); });
    EnregistreCommande(QStringLiteral("menElimineArcsDéconnectés"), [] { Kelmo_menElimineArcsDéconnectés_Click(); });
    CrochetsClics& c = ClicsCarte();
    // Picture coordinates come as single precision, as the map gives them.
    c.ModifArcs = [](double x, double y, int bouton) {
        PrepareNouveauNoeud(static_cast<float>(x), static_cast<float>(y), bouton);
        MontreFenetreEdition(FenetreEdition::ModifArcs);
    };
    c.ModifNoeuds = [](double x, double y, int bouton) {
        PrepareNouveauNoeud(static_cast<float>(x), static_cast<float>(y), bouton);
        MontreFenetreEdition(FenetreEdition::ModifNoeuds);
    };
    c.DigitaliseNoeud = [](double x, double y) { DigitaliseNoeud(x, y); };
    ListeTypesArcsChoisie = [] {
        if (ModifArcs_SuitListeTypes())
            ModifArcs_ListeModifiable1_Click();
    };
}

} // namespace kelmo
