#pragma once
// The commands of the main window's menus, registered by menu name. A window
// of any subsystem registers the command it implements ("menAngles" shows
// the angles dialog); the main window runs it when the item is chosen and
// shows an item without a command disabled.
#include <QString>
#include <functional>

namespace kelmo {

using Commande = std::function<void()>;

// Replaces any command registered before under that name.
void EnregistreCommande(const QString& nomMenu, Commande commande);
bool CommandeEnregistree(const QString& nomMenu);
// Runs the command; false when none is registered.
bool ExecuteCommande(const QString& nomMenu);

// Where a click on the map goes when a click mode is on: the editing windows
// install the first two (PrepareNouveauNoeud, then show their window), the
// digitising the third. A mode whose hook is empty takes the click and does
// nothing with it. ReinitialiseDonnees empties them.
struct CrochetsClics {
    std::function<void(double x, double y, int bouton)> ModifArcs;
    std::function<void(double x, double y, int bouton)> ModifNoeuds;
    std::function<void(double x, double y)> DigitaliseNoeud;
};
CrochetsClics& ClicsCarte();

} // namespace kelmo
