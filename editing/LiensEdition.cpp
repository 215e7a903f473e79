#include "editing/LiensEdition.h"
#include "core/Modele.h"

namespace kelmo {
namespace {

bool& visible(FenetreEdition f)
{
    return f == FenetreEdition::ModifArcs ? K.Formes.ModifArcs.Visible : K.Formes.ModifNoeuds.Visible;
}

} // namespace

LiensEdition& LiensFenetresEdition()
{
    static LiensEdition l;
    return l;
}

void MontreFenetreEdition(FenetreEdition f)
{
    visible(f) = true;
    if (LiensFenetresEdition().Montre)
        LiensFenetresEdition().Montre(f);
}

void CacheFenetreEdition(FenetreEdition f)
{
    visible(f) = false;
    if (LiensFenetresEdition().Cache)
        LiensFenetresEdition().Cache(f);
}

} // namespace kelmo
