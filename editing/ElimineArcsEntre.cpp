#include "editing/ElimineArcsEntre.h"
#include "core/Modele.h"
#include "editing/SuppressionArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

namespace kelmo {

bool ArcEntre(const Arc& a, double codeOrigine, double codeDestination, double mode, double heureDepart,
              double heureArrivee, bool horaires)
{
    const bool extremites = (a.CodeOrigine == codeOrigine && a.CodeDestination == codeDestination)
                            || (a.CodeOrigine == codeDestination && a.CodeDestination == codeOrigine);
    if (!extremites || a.Mode != mode)
        return false;
    return !horaires || (a.HeureDepart == heureDepart && a.HeureArrivee == heureArrivee);
}

int32_t ElimineArcsEntre(double codeOrigine, double codeDestination, double mode, double heureDepart,
                         double heureArrivee)
{
    const bool horaires = K.CompareHoraires;
    const BilanSuppression b = SupprimeArcsSi(
        [&](const Arc& a) {
            return ArcEntre(a, codeOrigine, codeDestination, mode, heureDepart, heureArrivee, horaires);
        },
        [](int32_t) {});
    if (K.AfficheMessagesElimination) {
        const QChar CR(13);
        const QString texte =
            b.nombre < 2 ? TexteAvecSigne(b.nombre) + QStringLiteral(" arc a été éliminé.") + CR
                               + QStringLiteral("Numéro de ligne : ") + TexteAvecSigne(b.dernierePosition)
                         : TexteAvecSigne(b.nombre) + QStringLiteral(" arcs ont été éliminés.") + CR
                               + QStringLiteral("Dernier numéro de ligne : ") + TexteAvecSigne(b.dernierePosition);
        Ui().Message(texte, Boutons::OK, Icone::Information, QStringLiteral("Elimination des arcs"));
    }
    return b.nombre;
}

} // namespace kelmo
