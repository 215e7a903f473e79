#include "relief/ContexteRelief.h"
#include "core/Progression.h"
#include "platform/Dialogues.h"

namespace kelmo {

ContexteRelief::ContexteRelief() : types(std::make_unique<TableTypes>())
{
    parametres = ParametresRelief::Courants(types.get());
}

double ContexteRelief::hauteur(double tempsArc, double corde, int mode, double x1, double y1, double x2, double y2,
                               int32_t numeroArc, int indiceOrigine, int indiceDestination)
{
    double h = 0;
    if (!GeometrieArcRelief(parametres, h, tempsArc, corde, mode, x1, y1, x2, y2, numeroArc, indiceOrigine,
                            indiceDestination)) {
        signaleErreur();
        return 0;
    }
    return h;
}

void ContexteRelief::signaleErreur()
{
    if (erreur)
        return;
    erreur = true;
    AfficheProgression(totalProgression, totalProgression, QStringLiteral("Dessine le relief..."));
    MessageOK(MessageErreurRelief);
}

} // namespace kelmo
