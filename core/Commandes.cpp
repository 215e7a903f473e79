#include "core/Commandes.h"
#include "core/Modele.h"

#include <map>

namespace kelmo {
namespace {
std::map<QString, Commande>& commandes()
{
    static std::map<QString, Commande> c;
    return c;
}
} // namespace

void EnregistreCommande(const QString& nomMenu, Commande commande) { commandes()[nomMenu] = std::move(commande); }

bool CommandeEnregistree(const QString& nomMenu)
{
    auto it = commandes().find(nomMenu);
    return it != commandes().end() && it->second;
}

bool ExecuteCommande(const QString& nomMenu)
{
    auto it = commandes().find(nomMenu);
    if (it == commandes().end() || !it->second)
        return false;
    // A copy: the command may register another one under its own name.
    Commande c = it->second;
    c();
    return true;
}

CrochetsClics& ClicsCarte()
{
    static CrochetsClics c;
    return c;
}

namespace {
// The click modes' hooks belong to the windows of later subsystems: emptied
// with the model so that no test inherits another's.
const bool enregistre = (EnregistreReinitialisation([] { ClicsCarte() = {}; }), true);
} // namespace

} // namespace kelmo
