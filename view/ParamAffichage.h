#pragma once
// "Zoom et taille de l'image...": the scale, origin and picture size, typed or
// taken from a display space. The window of view/formes shows
// K.Formes.ParamAffichage and calls these handlers; the tests call them
// directly. A handler that sets a box's text from code runs that box's change
// handler, as the dialog has always relied on.
#include "core/Espace.h"

#include <QString>

namespace kelmo {

void Kelmo_menParamAffichage_Click();
bool ChercheEspace(const QString& nom, Espace& espace);
void ParamAffichage_ListeDesEspaces_Click();
void ParamAffichage_DefinitListIndex(int index);
void ParamAffichage_Command3D2_Click();       // "Ok"
void ParamAffichage_Command3D1_Click();       // "Annuler", and the close box

} // namespace kelmo
