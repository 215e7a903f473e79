#pragma once
// "Angles": the tilt and turn of the view, typed or stepped, and the node the
// view turns about. The window of view/formes shows K.Formes.Angles and calls
// these handlers; the tests call them directly. A handler that sets a box's
// text from code runs that box's change handler, as the dialog has always
// relied on.
#include <QString>

namespace kelmo {

void Kelmo_menAngles_Click();
// OK. An angle beyond a double, or whose radians or degrees shown back would
// not be finite (or not fit the single of the data drawings' tilt), is
// refused with a message naming its box: the form stays open, nothing changes.
void Angles_Commande1_Click();
void Angles_Commande2_Click();
void Angles_Spin1_SpinDown();
void Angles_Spin1_SpinUp();
void Angles_Spin3_SpinDown();
void Angles_Spin3_SpinUp();
void Angles_Texte3_Change();
// Setting a box from code or by typing; runs its change handler on a change.
void Angles_DefinitTexte1(const QString& texte);
void Angles_DefinitTexte3(const QString& texte);
void Angles_DefinitListIndex(int index);

} // namespace kelmo
