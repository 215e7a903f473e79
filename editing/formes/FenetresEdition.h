#pragma once
// The two editing windows, one instance each, created on first use and
// kept for the whole run, and the main window's editing commands.
#include <functional>

class QWidget;

namespace kelmo {

class ModifArcs;
class ModifNoeuds;

// Installs the show and hide links of the editors, registers
// "menModifieNoeuds" and "menModifieOD" and routes the map's clicks to the
// editors. parent: the main window; apresCommande: how the main window
// shows its own state again after an editor's handler (menus, pointer,
// pictures).
void InstalleFenetresEdition(QWidget* parent, std::function<void()> apresCommande);

// The windows, created at the first call.
ModifArcs* FenetreModifArcs();
ModifNoeuds* FenetreModifNoeuds();

// Destroys the windows (tests, and the end of the run).
void DetruitFenetresEdition();

} // namespace kelmo
