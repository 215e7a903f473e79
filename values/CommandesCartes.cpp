#include "values/CommandesCartes.h"

#include "core/Commandes.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "values/ArcsDegrades.h"
#include "values/Attractions.h"
#include "values/CartesFlux.h"
#include "values/CartesNoeuds.h"
#include "values/ClassesArcs.h"
#include "values/CrochetsValeurs.h"
#include "values/FichierArcValeur.h"
#include "values/Probabilites.h"
#include "values/SurfacesFlux.h"
#include "values/ValeursParNoeud.h"

#include <QFileInfo>

namespace kelmo {
namespace {

void afficheValeursNoeuds(const QString& nom, const QString& mode)
{
    K.NomValeurAffichee = nom;
    CalculeValeursNoeuds(nom);
    TrieValeursNoeuds();
    DimensionneRonds(nom);
    AfficheRondsCarres(mode);
}

void chargeFichierArcValeur(int numero)
{
    const bool premier = numero == 1;
    QString& fichier = premier ? K.FichierArcValeur1 : K.FichierArcValeur2;
    std::optional<QString> choix;
    try {
        // The check reports a missing or empty folder; the dialog then opens
        // on the data root.
        const bool dossier = FichierExiste(Joint(K.RepertoireValeursArcs, QStringLiteral("\\")));
        DemandeFichier d;
        d.dossierInitial = dossier ? K.RepertoireValeursArcs : K.RacineDonnees;
        d.titre = QStringLiteral("Fichier arc-valeur %1...").arg(numero);
        d.filtre = FiltreFichiersDonnees;
        d.indexFiltre = 2;
        d.nomFichier = fichier;
        choix = Ui().FichierOuvrir(d);
    } catch (const std::exception& e) {
        MessageErreur(TexteErreurPourCommande(
            e, QStringLiteral("Erreur dans le nom du fichier Code-code-valeur numéro %1").arg(numero)));
        return;
    }
    if (!choix || choix->isEmpty())
        return;
    K.RepertoireValeursArcs = QFileInfo(CheminLocal(*choix)).absolutePath();
    fichier = *choix;

    Sablier sablier;
    K.Menu(QStringLiteral("menAfficheAutoAttractions")).Enabled = true;
    K.Menu(QStringLiteral("menValuationODVal")).Enabled = true;
    const QString message = QStringLiteral("Erreur dans la lecture du fichier code-code-valeur numéro %1").arg(numero);
    // A failed reading is told, and the pairs kept are indexed all the same.
    try {
        (premier ? LitFichierArcValeur1 : LitFichierArcValeur2)(fichier);
    } catch (const std::exception& e) {
        MessageErreur(TexteErreurPourCommande(e, message));
    }
    try {
        (premier ? IndexeArcs1 : IndexeArcs2)();
    } catch (const std::exception& e) {
        MessageErreur(TexteErreurPourCommande(e, message));
    }
}

} // namespace

void Kelmo_menAfficheValeur1_Click()
{
    Sablier sablier;
    K.Menu(QStringLiteral("menAfficheValeur2")).Enabled = true;
    afficheValeursNoeuds(QStringLiteral("Valeur1"), QStringLiteral("Valeur1"));
}

void Kelmo_menAfficheValeur2_Click()
{
    Sablier sablier;
    afficheValeursNoeuds(QStringLiteral("Valeur2"), QStringLiteral("Valeur2"));
}

void Kelmo_menMultiplication_Click()
{
    Sablier sablier;
    afficheValeursNoeuds(QStringLiteral("Multiplication"), QStringLiteral("Multiplication"));
}

void Kelmo_menAfficheDiffAbsolues_Click()
{
    Sablier sablier;
    afficheValeursNoeuds(QStringLiteral("Différences absolues"), QStringLiteral("Différences absolues"));
}

void Kelmo_menAfficheDiffRelatives_Click()
{
    Sablier sablier;
    // Relative differences are drawn the way absolute ones are.
    afficheValeursNoeuds(QStringLiteral("Différences relatives"), QStringLiteral("Différences absolues"));
}

void Kelmo_menAffichePopulations_Click()
{
    Sablier sablier;
    afficheValeursNoeuds(QStringLiteral("Populations"), QStringLiteral("Valeur1"));
}

void Kelmo_menAfficheAttractions_Click()
{
    Sablier sablier;
    AfficheAttractions();
}

void Kelmo_menAfficheProbabilités_Click()
{
    Sablier sablier;
    AfficheProbabilites();
}

void Kelmo_menAfficheFlux_Click()
{
    Sablier sablier;
    AfficheFlux();
    AfficheAffluxNoeuds();
    K.NomValeurAffichee = QStringLiteral("Flux");
}

void Kelmo_menAfficheFluxNonOrientes_Click()
{
    Sablier sablier;
    AfficheFluxNonOrientes();
}

void Kelmo_menAfficheSurfacesFlux_Click()
{
    Sablier sablier;
    AffecteSurfacesFlux();
    TrieSurfacesFlux();
    AfficheSurfacesFlux();
}

void Kelmo_menClassesArcs_Click()
{
    Sablier sablier;
    TrieArcs1();
    AfficheClassesArcs();
}

void Kelmo_menFluxNonOrientésEtModes_Click()
{
    Sablier sablier;
    TrieArcs1();
    AfficheFluxNonOrientesModes();
}

void Kelmo_menAfficheAutoAttractions_Click()
{
    Sablier sablier;
    AfficheAutoAttractions();
}

void Kelmo_menFichierODVal1_Click() { chargeFichierArcValeur(1); }
void Kelmo_menFichierODVal2_Click() { chargeFichierArcValeur(2); }

void InstalleCommandesCartes()
{
    const auto commande = [](const char* nom, void (*c)()) { EnregistreCommande(QString::fromUtf8(nom), c); };
    commande("menAfficheValeur1", Kelmo_menAfficheValeur1_Click);
    commande("menAfficheValeur2", Kelmo_menAfficheValeur2_Click);
    commande("menMultiplication", Kelmo_menMultiplication_Click);
    commande("menAfficheDiffAbsolues", Kelmo_menAfficheDiffAbsolues_Click);
    commande("menAfficheDiffRelatives", Kelmo_menAfficheDiffRelatives_Click);
    commande("menAffichePopulations", Kelmo_menAffichePopulations_Click);
    commande("menAfficheAttractions", Kelmo_menAfficheAttractions_Click);
    commande("menAfficheProbabilités", Kelmo_menAfficheProbabilités_Click);
    commande("menAfficheFlux", Kelmo_menAfficheFlux_Click);
    commande("menAfficheFluxNonOrientes", Kelmo_menAfficheFluxNonOrientes_Click);
    commande("menAfficheSurfacesFlux", Kelmo_menAfficheSurfacesFlux_Click);
    commande("menClassesArcs", Kelmo_menClassesArcs_Click);
    commande("menFluxNonOrientésEtModes", Kelmo_menFluxNonOrientésEtModes_Click);
    commande("menAfficheAutoAttractions", Kelmo_menAfficheAutoAttractions_Click);
    commande("menFichierODVal1", Kelmo_menFichierODVal1_Click);
    commande("menFichierODVal2", Kelmo_menFichierODVal2_Click);
    InstalleArcsDegrades();
    RedessineValeurs = [] { RedessineCarteValeurs(); };
}

} // namespace kelmo
