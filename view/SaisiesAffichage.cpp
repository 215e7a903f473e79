#include "view/SaisiesAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "view/LiensDialogues.h"

namespace kelmo {

void Kelmo_menOptionsRedessine_Click() { MontreForme(FormeDialogue::OptionsRedess, true); }

void MontreTraceArcs() { MontreForme(FormeDialogue::TraceArcs, true); }

void TraceArcs_DXFCouleurNoeuds_Change(int valeur)
{
    if (valeur != 1)
        return;
    const QString titre = QStringLiteral("Jonction Kelmo - DXF");
    const std::optional<QString> r =
        Ui().Saisie(QStringLiteral("Entrez l'épaisseur des arcs en DXF :"), titre, QStringLiteral(".5"));
    if (!r)
        return;
    // A width refused leaves the box as it was before the click.
    if (const NombreLu v = LitNombre(*r, RegleNombre{}, titre, titre))
        K.EpaisseurArcsDXF = *v;
    else
        K.Formes.TraceArcs.DXFCouleurNoeuds = 0;
}

void Kelmo_menCouleur_Click()
{
    const QString invite = QStringLiteral(
        "Entrez la valeur du coefficient d'éclaircissement de la couleur du relief :\r"
        "     1 = vert foncé\r"
        "     2 = vert clair\r"
        "     3 = vert trés clair\r"
        "     4 = gris foncé \r"
        "     5 = gris clair modifiable (stat.)\r");
    const std::optional<QString> r =
        Ui().Saisie(invite, QStringLiteral("Eclaircissement de la couleur"), TexteAvecSigne(K.CoefEclaircissement));
    // An empty answer or one without a number keeps the palette, as a cancel.
    const QString boite = QStringLiteral("Eclaircissement de la couleur");
    if (r)
        if (const NombreLu v = LitNombre(*r, {Etendue::Tete, false, GenreChamp::Double}, boite, boite))
            K.CoefEclaircissement = *v;
}

void Kelmo_menOptionsAttractions_Click()
{
    const std::optional<QString> r = Ui().Saisie(
        QStringLiteral("Entrez la valeur du seuil des attractions (en valeurs réelles ou en % suivant le fichier...)"),
        QStringLiteral("Seuil des attractions"), TexteAvecSigne(K.SeuilAttractions));
    const QString boite = QStringLiteral("Seuil des attractions");
    if (r)
        if (const NombreLu v = LitNombre(*r, RegleNombre{}, boite, boite))
            K.SeuilAttractions = *v;
}

} // namespace kelmo
