#include "editing/FichierArcsEdition.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/Modele.h"
#include "editing/CrochetsEdition.h"
#include "editing/LiensEdition.h"
#include "editing/ModifArcs.h"
#include "platform/Chemins.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"

#include <QFileInfo>
#include <exception>

namespace kelmo {
namespace {

DemandeFichier demandeArcs()
{
    DemandeFichier d;
    d.dossierInitial = K.RepertoireArcs;
    d.filtre = QString::fromUtf8(FiltreFichiersArcs);
    d.indexFiltre = 2;
    return d;
}

bool existe(const QString& chemin)
{
    return QFileInfo::exists(CheminLocal(chemin)) || QFileInfo::exists(CheminExistant(chemin));
}

} // namespace

void EcritFichierArcs()
{
    DemandeFichier d = demandeArcs();
    // The refusal of an existing file below is the program's own answer.
    d.confirmeRemplacement = false;
    const std::optional<QString> choix = Ui().FichierEnregistrer(d);
    if (!choix || choix->isEmpty())
        return;
    const QString p = *choix;
    const QChar CR(13);
    if (CheminLocal(p).toUpper() == CheminLocal(K.NomFichierArcs).toUpper()) {
        Ui().Message(QStringLiteral("Ne donnez pas le même nom que le fichier courant s.v.p.") + CR + QStringLiteral("( ")
                         + p + QStringLiteral(" )"),
                     Boutons::OK, Icone::Critique, QString());
        return;
    }
    if (existe(p)) {
        Ui().Message(QStringLiteral("( ") + p + QStringLiteral(" )") + CR
                         + QStringLiteral("Ce fichier existe déjà ; entrez un nom différent."),
                     Boutons::OK, Icone::Exclamation, QString());
        return;
    }
    try {
        Sablier sablier;
        CreeFichierArcs(p);
    } catch (const std::exception& e) {
        // A value too wide for its column has been told by the writer,
        // naming the arc: one failure, one message.
        const auto* x = dynamic_cast<const ErreurExecution*>(&e);
        if (!x || x->numero() != ErrDepassement)
            Ui().Message(QStringLiteral("Erreur lors de l'écriture du fichier des arcs"), Boutons::OK,
                         Icone::Exclamation, QStringLiteral("Erreur"));
        return;
    }
    K.StatusBar.Panneaux[2] = QString::number(K.NbArcs) + QStringLiteral(" arcs (") + p + QStringLiteral(") ");
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
}

void ModifArcs_Command3D4_Click() { EcritFichierArcs(); }

void ModifArcs_SSCommand1_Click()
{
    K.AjoutFichierArcs = true;
    // Off again however the command ends: a later load must start a new table.
    struct Fin {
        ~Fin() { K.AjoutFichierArcs = false; }
    } fin;
    const std::optional<QString> choix = Ui().FichierOuvrir(demandeArcs());
    if (!choix || choix->isEmpty())
        return;
    try {
        Sablier sablier;
        LitFichierArcs(*choix);
    } catch (const std::exception& e) {
        // A file too large for the table comes with the reader's own words.
        const auto* x = dynamic_cast<const ErreurExecution*>(&e);
        MessageErreur(TexteErreurPourCommande(e, QStringLiteral("Le fichier des arcs ") + *choix
                                                     + QStringLiteral(" n'a pas pu être ajouté : ")
                                                     + (x ? x->description() : QString::fromLocal8Bit(e.what()))));
        return;
    }
    {
        Sablier sablier;
        IndexeArcs();
        DefinitOrientationArcs();
        CalculeModesNoeuds();
    }
    K.AjoutFichierArcs = false;
    if (CacheFenetresHoraires)
        CacheFenetresHoraires();
    MontreFenetreEdition(FenetreEdition::ModifArcs);
}

} // namespace kelmo
