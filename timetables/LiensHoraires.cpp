#include "timetables/LiensHoraires.h"
#include "core/Modele.h"

namespace kelmo {
namespace {

bool& visible(FenetreHoraire f)
{
    switch (f) {
    case FenetreHoraire::HorairesArcs:
        return K.Formes.HorairesArcs.Visible;
    case FenetreHoraire::HorairesNoeuds:
        return K.Formes.HorairesNoeuds.Visible;
    case FenetreHoraire::Trains:
        break;
    }
    return K.Formes.Trains.Visible;
}

} // namespace

LiensHoraires& LiensFenetresHoraires()
{
    static LiensHoraires liens;
    return liens;
}

void MontreFenetreHoraire(FenetreHoraire f)
{
    visible(f) = true;
    if (LiensFenetresHoraires().Montre)
        LiensFenetresHoraires().Montre(f);
}

void ActualiseFenetresHoraires()
{
    if (LiensFenetresHoraires().Actualise)
        LiensFenetresHoraires().Actualise();
}

void CacheFenetreHoraire(FenetreHoraire f)
{
    visible(f) = false;
    if (LiensFenetresHoraires().Cache)
        LiensFenetresHoraires().Cache(f);
}

} // namespace kelmo
