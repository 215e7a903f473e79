#include "editing/PrepareNouveauNoeud.h"
#include "core/Modele.h"
#include "editing/ModifArcs.h"
#include "editing/ModifNoeuds.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

int32_t NoeudLePlusProche(double x, double y)
{
    double dmin = 100000000;
    int32_t proche = 0;
    const int32_t n = std::min<int32_t>(K.NbNoeuds, static_cast<int32_t>(K.Noeuds.size()) - 1);
    for (int32_t i = 1; i <= n; ++i) {
        const Noeud& p = K.Noeuds[i];
        const double dx = x - p.XEcran, dy = y - p.YEcran;
        const double d = std::sqrt(dx * dx + dy * dy);
        if (d < dmin) {
            dmin = d;
            proche = i;
        }
    }
    return proche;
}

void PrepareNouveauNoeud(double x, double y, int bouton)
{
    Sablier sablier;
    const int32_t proche = NoeudLePlusProche(x, y);
    if (K.ModeModifArcs) {
        if (bouton == 1)
            ModifArcs_DefinitListIndex1(proche);
        else if (bouton == 2)
            ModifArcs_DefinitListIndex2(proche);
        return;
    }
    if (!K.ModeModifNoeuds)
        return;
    if (bouton == 1) {
        ModifNoeuds_DefinitListIndex(proche);
    } else if (bouton == 2) {
        // The plain picture-to-map inverse: rotation and tilt are not undone.
        const double mx = (x - K.OrigineX) * K.Echelle;
        const double my = (K.OrigineY - y) * K.Echelle;
        ModeleModifNoeuds& m = K.Formes.ModifNoeuds;
        m.Texte1 = QStringLiteral("VilleNouvelle");
        m.Texte2 = QStringLiteral("0000000");
        m.Texte3 = QStringLiteral("0");
        m.Texte4 = TexteAvecSigne(mx, true);
        m.Texte5 = TexteAvecSigne(my, true);
        m.Texte6 = QStringLiteral("0");
        m.Texte8 = QStringLiteral("0");
    }
}

} // namespace kelmo
