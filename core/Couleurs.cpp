#include "core/Couleurs.h"
#include "platform/Dialogues.h"

namespace kelmo {

Couleur QBColor(int n)
{
    static constexpr Couleur palette[16] = {
        RGB(0, 0, 0),     RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
        RGB(128, 0, 0),   RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
        RGB(128, 128, 128), RGB(0, 0, 255), RGB(0, 255, 0),   RGB(0, 255, 255),
        RGB(255, 0, 0),   RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
    };
    return palette[n & 15];
}

bool ChoisitCouleur(Couleur& courante, Couleur& cible)
{
    const std::optional<QColor> c = Ui().Couleur(VersQColor(courante));
    if (!c || !c->isValid())
        return false;
    courante = DepuisQColor(*c);
    cible = courante;
    return true;
}

} // namespace kelmo
