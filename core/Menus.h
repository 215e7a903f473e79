#pragma once
// The menu bar of the main window as one table: every item's name, parent,
// caption, accelerator and design-time state. The window builds its menus
// from it and the model's menu states (`K.Menu`) start from it, so the
// computations and the tests see the same tree the user does.
#include <QString>
#include <vector>

namespace kelmo {

struct DefinitionMenu {
    const char* nom;       // "menFichiersGraphe"
    const char* parent;    // "" for the top level
    const char* caption;   // "&" marks the mnemonic; "-" is a separator
    const char* raccourci; // key sequence text ("F12", "Del"), "" for none
    bool cochable;         // a check item
    bool coche;            // ticked at start
    bool actif;            // enabled at start
};

// Top-level menus first, then each item after its parent, in display order.
const std::vector<DefinitionMenu>& TableMenus();
const DefinitionMenu* DefinitionMenuParNom(const QString& nom);
// True when the item has items below it.
bool EstSousMenu(const QString& nom);

// Puts every menu state of the model back to its design-time value.
void InitialiseEtatsMenus();

} // namespace kelmo
