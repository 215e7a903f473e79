#pragma once
// The relief commands of the main window's "Relief" menu, as plain handlers
// over the model: the valuation group, the relief options, the drawing of the
// relief and the cost options. The windows they open are reached through
// FenetresRelief(), which the relief's windows install.
#include <functional>

namespace kelmo {

enum class FenetreRelief { OptionsRelief, Coûts, CoûtsKilométriques };

struct LiensFenetresRelief {
    // Shows a window (modal: returns once it is hidden again) / hides it.
    // Without windows they only set the model's Visible.
    std::function<void(FenetreRelief, bool modal)> Montre;
    std::function<void(FenetreRelief)> Cache;
};
LiensFenetresRelief& FenetresRelief();
// Back to the defaults (the tests start from here; also at every reset).
void RetablitFenetresRelief();

// The reference speed of the arc-value relief, installed by the value maps;
// empty until then, and again after ReinitialiseDonnees.
extern std::function<void()> CrochetVitesseReferenceArcVal;

// The valuation group: each stores its valuation, moves the check mark to
// itself and enables "Options des co&ûts..." for the cost valuation only.
void Kelmo_menValuationTemps_Click();
void Kelmo_menValuationCoût_Click(); // also ticks the four modes and opens the cost dialog
void Kelmo_menValuationODVal_Click();
void Kelmo_menPasDeValuation_Click();

// "&Options du relief...": the modal options, then the kept modes, the
// reference speed and the rescaling, and the redraw of the map.
void Kelmo_menOptionsRelief_Click();
// "Trace le &relief".
void Kelmo_menTraceRelief_Click();
// "Options des co&ûts...": presets the cost dialog from the parameters and
// shows it.
void Kelmo_menCoûts_Click();

// The buttons of "Options du relief".
void OptionsRelief_Command3D1_Click(); // "OK"
void OptionsRelief_Command3D2_Click(); // "Annuler"

// The buttons and the horsepower list of "Coûts". A list whose number lies
// beyond the range of a double, or would make a cost per km that is not
// finite or does not fit a single, is refused with a message naming it, and
// nothing changes.
void Coûts_Command3D1_Click(); // "Quitter": stores the parameters and computes the costs
void Coûts_Annuler_Click();    // "Coûts au km"
void Coûts_Combo2_Change();

} // namespace kelmo
