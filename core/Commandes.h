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

} // namespace kelmo
