#pragma once
// The commands of the window "Trains" on the services of its selected lines.
#include <QString>

namespace kelmo {

void Trains_Dupliquer_Click();
void Trains_Avancer_Click();
void Trains_Reculer_Click();
void Trains_Supprimer_Click();
// Opens the double-clicked service's link in the arc editor and the link
// timetable, with the service's line chosen.
void Trains_ListeTrains_DblClick(int index);
void Trains_Quitter_Click();
void Trains_Form_Resize();
// The selected lines, each after a line feed, onto the clipboard.
QString TexteSelectionTrains();
void CopieSelectionTrains();

} // namespace kelmo
