#pragma once
// The timetable commands of the main window's menu and the timetable
// buttons of the editors.

namespace kelmo {

// "Développement &horaire" and "Op&timisation horaire".
void Kelmo_menDéveloppmentHoraire_Click();
void Kelmo_menOptimisationHoraire_Click();

// Registers the two menu commands and installs the editors' timetable hooks
// (to be done again after ReinitialiseDonnees, which empties the hooks).
void InstalleCommandesHoraires();

} // namespace kelmo
