#include "view/SaisiesAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "view/LiensDialogues.h"

namespace kelmo {

void Kelmo_menOptionsRedessine_Click() { MontreForme(FormeDialogue::OptionsRedess, true); }

void MontreTraceArcs() { MontreForme(FormeDialogue::TraceArcs, true); }

std::optional<double> NombreSaisiAffichage(const QString& texte, const QString& boite)
{
    return NombreAccepte(texte, GenreChamp::Double, boite, boite);
}

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
    if (const std::optional<double> v = NombreSaisiAffichage(*r, titre))
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
    if (r && CommenceParNombre(*r))
        if (const std::optional<double> v = NombreSaisiAffichage(*r, QStringLiteral("Eclaircissement de la couleur")))
            K.CoefEclaircissement = *v;
}

void Kelmo_menOptionsAttractions_Click()
{
    const std::optional<QString> r = Ui().Saisie(
        QStringLiteral("Entrez la valeur du seuil des attractions (en valeurs réelles ou en % suivant le fichier...)"),
        QStringLiteral("Seuil des attractions"), TexteAvecSigne(K.SeuilAttractions));
    if (r)
        if (const std::optional<double> v = NombreSaisiAffichage(*r, QStringLiteral("Seuil des attractions")))
            K.SeuilAttractions = *v;
}

} // namespace kelmo
