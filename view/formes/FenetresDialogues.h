#pragma once
// The windows of the display option dialogs, one instance each, created on
// first use and kept (hidden, never destroyed) for the whole run, and the
// menu commands that open them.
#include "view/LiensDialogues.h"

class QWidget;

namespace kelmo {

class FenetreDialogue;

// Installs the show and hide links of the dialogs and registers the menu
// commands "menAngles", "menOptionsAffichageNoms", "menOptionsAffichageVilles",
// "menArcsTrajets", "menParamAffichage", "menOptionsRedessine",
// "menTraceTrajets", "menCouleur" and "menOptionsAttractions". parent: the
// main window.
void InstalleDialoguesAffichage(QWidget* parent);

// The window of a dialog, created at the first call.
FenetreDialogue* FenetreAffichage(FormeDialogue forme);

// Destroys the windows (tests, and the end of the run).
void DetruitDialoguesAffichage();

} // namespace kelmo
