#pragma once
// What the relief and the anamorphosis call of the map drawing, which comes
// after them in the library order and so cannot be called directly. The map
// drawing installs the real functions as the defaults at start, and every
// ReinitialiseDonnees puts the defaults back; tests may replace them with
// recorders. Without the map drawing linked in, the defaults do nothing.
#include <functional>

namespace kelmo {

struct TypeArc;

struct LiensCarte {
    // Clears the pictures and redraws the map by the redraw options.
    std::function<void()> RedessineCarte;
    // Draws every node on the active picture (symbols: circles of the node
    // radius, else radius 0; names: those within the display thresholds).
    std::function<void(bool symboles, bool noms)> DessineNoeuds;
    // Draws every arc of that link type whose two ends are visible.
    std::function<void(const TypeArc& type)> DessineArcsType;

    // Installed by the main window itself, and emptied by a reset like the
    // status bar's repaint:
    // shows the main window and paints its pictures at once, without handing
    // it any other event (the anamorphosis shows its steps as it goes);
    std::function<void()> RepeintFenetre;
    // the pointer over the map picture: the cross, else the arrow.
    std::function<void(bool croix)> CurseurIma;
};

// The links in use.
LiensCarte& LiensVersCarte();

// Sets what a reset puts back (the map drawing calls it once at start); an
// empty member stands for "do nothing". Also installs them now.
void DefinitLiensCarteParDefaut(const LiensCarte& liens);

} // namespace kelmo
