#include "editing/Calage.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "editing/Digitalisation.h"
#include "platform/Dialogues.h"
#include "view/DessinNoeuds.h"

#include <cmath>

namespace kelmo {

std::optional<Calage> CalculeCalage(PointPlan r1, PointPlan r2, PointPlan a, PointPlan b)
{
    const double dRef = std::hypot(r2.x - r1.x, r2.y - r1.y);
    const double dCarte = std::hypot(b.x - a.x, b.y - a.y);
    if (!(dRef > 0) || !(dCarte > 0) || !std::isfinite(dRef) || !std::isfinite(dCarte))
        return std::nullopt;
    Calage c;
    c.Echelle = dCarte / dRef;
    if (!(c.Echelle > 0 && c.Echelle <= 100))
        return std::nullopt;
    c.OrigineX = r1.x - a.x / c.Echelle;
    c.OrigineY = r1.y + a.y / c.Echelle;
    if (!std::isfinite(c.OrigineX) || !std::isfinite(c.OrigineY))
        return std::nullopt;
    return c;
}

bool CaleVueSurVilles(int32_t a, int32_t b)
{
    const EtatDigitalisation& d = Digitalisation();
    const Noeud& na = K.Noeuds[a];
    const Noeud& nb = K.Noeuds[b];
    const std::optional<Calage> c = CalculeCalage({d.XReferenceCalage, d.YReferenceCalage}, {d.XClic, d.YClic},
                                                  {na.X, na.Y}, {nb.X, nb.Y});
    if (!c) {
        Ui().Message(QStringLiteral("Le calage ne fonctionne pas,") + QChar(13)
                         + QStringLiteral("ou la finesse voulue n'est pas obtenue."),
                     Boutons::OK, Icone::Aucune, QString());
        return false;
    }
    K.Echelle = c->Echelle;
    K.OrigineX = c->OrigineX;
    K.OrigineY = c->OrigineY;
    CalculeCoordonneesEcran();
    // The nodes alone, over the scanned map: the arcs come back with the
    // next redraw, once the user is done fitting.
    Ima().Cls();
    DessineNoeuds(true, true);
    Ima().Refresh();
    return true;
}

} // namespace kelmo
