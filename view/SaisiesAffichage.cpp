#include "view/SaisiesAffichage.h"

#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "view/LiensDialogues.h"

namespace kelmo {

void Kelmo_menOptionsRedessine_Click() { MontreForme(FormeDialogue::OptionsRedess, true); }

void MontreTraceArcs() { MontreForme(FormeDialogue::TraceArcs, true); }

void TraceArcs_DXFCouleurNoeuds_Change(int valeur)
{
    if (valeur != 1)
        return;
    const std::optional<QString> r = Ui().Saisie(QStringLiteral("Entrez l'épaisseur des arcs en DXF :"),
                                                 QStringLiteral("Jonction Kelmo - DXF"), QStringLiteral(".5"));
    if (r)
        K.EpaisseurArcsDXF = ValeurNombre(*r);
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
        K.CoefEclaircissement = ValeurNombre(*r);
}

void Kelmo_menOptionsAttractions_Click()
{
    const std::optional<QString> r = Ui().Saisie(
        QStringLiteral("Entrez la valeur du seuil des attractions (en valeurs réelles ou en % suivant le fichier...)"),
        QStringLiteral("Seuil des attractions"), TexteAvecSigne(K.SeuilAttractions));
    if (r)
        K.SeuilAttractions = ValeurNombre(*r);
}

} // namespace kelmo
