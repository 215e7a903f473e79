#include "relief/VitesseMaximale.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "platform/Nombres.h"
#include "relief/LiensCarte.h"

#include <cmath>

namespace kelmo {

QString RapportVitesseMaximale(double ancienneVitesse, double nouvelleVitesse, double e0, double e,
                               char separateurDecimal)
{
    const double p = (e - e0) * 100.0 / e0;
    QString texte = QStringLiteral("L'ancienne vitesse maximale :") + TexteAvecSigne(ancienneVitesse)
                    + QStringLiteral(" / ") + QStringLiteral("La nouvelle :") + TexteAvecSigne(nouvelleVitesse)
                    + QStringLiteral(" / ");
    const QString pourcent =
        QString::fromStdString(FormatMotif(std::fabs(p), "0.00", separateurDecimal)) + QStringLiteral(" %");
    if (p > 0)
        texte += QStringLiteral("L'espace va se contracter de ") + pourcent;
    else if (p < 0)
        texte += QStringLiteral("L'espace va se dilater de ") + pourcent;
    else
        texte += QStringLiteral("Pas de contraction de l'espace");
    return texte;
}

void RecalculeVitesseMaximale(double ancienneVitesse)
{
    // The scale in force is the one the projection leaves (it resets a scale
    // of 0 or beyond 100 to 1).
    CalculeCoordonneesEcran();
    const double e0 = K.Echelle;
    const double nouvelle = K.VitesseReference;
    // Picture distances go as 1 / Echelle: multiplying them by old / new
    // speed is multiplying the scale by new / old, exactly.
    if (ancienneVitesse != 0 && nouvelle != 0) {
        const double e = std::fabs(e0 * nouvelle / ancienneVitesse);
        if (std::isfinite(e) && e != 0)
            K.Echelle = e;
    }
    CalculeCoordonneesEcran();
    TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    InclineNoeuds(K.AngleVertical);
    LiensVersCarte().DessineNoeuds(true, false);
    K.StatusBar.Panneaux[5] = RapportVitesseMaximale(ancienneVitesse, nouvelle, e0, K.Echelle, K.SeparateurDecimal);
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
}

} // namespace kelmo
