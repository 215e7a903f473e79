#pragma once
// What the display option dialogs call of the map, the main window and the
// pictures, gathered in one place: the dialogs' handlers call these links,
// the main window installs its own, and the tests replace them to record
// what a handler redraws. Each link starts as the plain default noted.
#include "platform/Dialogues.h"

#include <QString>
#include <functional>

namespace kelmo {

enum class FormeDialogue { Angles, SeuilsAffichage, AspectVisuelNoeuds, AspectVisuelArcs, ParamAffichage, OptionsRedess, TraceArcs };

// Height and width of the map pictures, in millimetres.
struct TailleImages {
    double Hauteur = 250;
    double Largeur = 350;
};

struct LiensDialogues {
    // Projection of the view (nothing by default).
    std::function<void()> CalculeCoordonneesEcran;
    std::function<void(double angle, const QString& ville)> TourneAutourNoeud;
    std::function<void(double angle)> InclineNoeuds;
    std::function<void()> TrieNoeudsProfondeur;
    // Clears the bitmap picture `Kelmo.Ima`.
    std::function<void()> EffaceIma;
    std::function<void(bool symboles, bool noms)> DessineNoeuds;
    // Font of `Kelmo.Ima`; the setter applies to `Kelmo.Ima` then `Kelmo.ImaVec`.
    // Kept here by default.
    std::function<Police()> PoliceIma;
    std::function<void(const Police&)> DefinitPoliceImages;
    // Size of `Kelmo.Ima`; the setter sizes `Kelmo.Ima` then `Kelmo.ImaVec`.
    // Kept here by default.
    std::function<TailleImages()> TailleIma;
    std::function<void(const TailleImages&)> DefinitTailleImages;
    std::function<void()> Kelmo_Form_Resize;
    // Shows a dialog's window (modal: returns once it is hidden) and hides it.
    // The windows of view/formes install these; without windows they do nothing.
    std::function<void(FormeDialogue, bool modal)> Montre;
    std::function<void(FormeDialogue)> Cache;
};

LiensDialogues& Liens();

// Shows or hides a dialog through the links, keeping its model's Visible.
void MontreForme(FormeDialogue f, bool modal);
void CacheForme(FormeDialogue f);
// Every link back to its default (the tests start from here).
void RetablitLiensDialogues();

} // namespace kelmo
