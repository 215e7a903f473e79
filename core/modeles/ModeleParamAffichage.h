#pragma once
// "Zoom et taille de l'image...": the display space list, the boxes of the
// scale, origin and picture size, and the display space last looked up.
#include "core/Espace.h"
#include "core/modeles/Controles.h"

namespace kelmo {

struct ModeleParamAffichage {
    Liste ListeDesEspaces;   // the ten names, 25 characters each
    QString TexteListeDesEspaces = QStringLiteral("Espace");
    QString CoefficientZoom, xZoom, yZoom, HauteurImage, LargeurImage;
    bool PasDeRecalcul = false;
    Espace EspaceTrouve;   // the last display space found by ChercheEspace
    bool Visible = false;
};

} // namespace kelmo
