#pragma once
// "Arcs des attractions": the widths of the attraction arc's underlay and
// line, shared with the arc appearance dialog (EpaisseurBlancArcs,
// EpaisseurTraitArcs), its colour and the preview, as plain handlers over
// K.Formes.AspectVisuelArcsAttr.
#include <QString>

namespace kelmo {

// The widths a pen can take.
constexpr int EpaisseurAttrMax = 32767;

// "Arcs des attract&ions...": shows the dialog, modal, with the current
// widths in its boxes.
void Kelmo_menArcsAttractions_Click();
// The boxes take the current widths and the preview is drawn.
void AspectVisuelArcsAttr_Ouvre();
// Either box edited: both widths are read again (leading number; a width
// outside 0 to 32767 keeps the old one) and the preview redrawn.
void AspectVisuelArcsAttr_Text1_Change(const QString& texte);
void AspectVisuelArcsAttr_Text2_Change(const QString& texte);
// "Changer la couleur": Cancel changes nothing.
void AspectVisuelArcsAttr_Commande2_Click();
// "OK": hides the dialog.
void AspectVisuelArcsAttr_Command1_Click();
// The three segments of the preview (diagonal, vertical, horizontal), each
// a grey underlay and the coloured line over it; no pen thinner than 1.
void DessineApercuArcsAttr();

// The dialog's show, installed by its window (modal: returns once hidden);
// without a window it only sets the model's Visible.
void DefinitMontreAspectVisuelArcsAttr(void (*montre)());

} // namespace kelmo
