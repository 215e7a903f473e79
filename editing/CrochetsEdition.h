#pragma once
// What the editing windows call of the subsystems that come after them: the
// timetables of a link and of a node, and the hiding of the timetable
// windows when an arc file is appended. Each hook is empty until its
// subsystem installs it, and empty again after ReinitialiseDonnees; the
// window's button stands disabled while its hook is empty, and an empty hook
// does nothing.
#include <functional>

namespace kelmo {

// The timetable button of the arc editor: lists the services of the chosen link.
extern std::function<void()> AfficheHorairesArc;
// The timetable button of the node editor: the services at the chosen node.
extern std::function<void()> AfficheHorairesNoeud;
// After "Ajoute fichier": hides the train and link timetable windows, whose
// lists no longer match the table.
extern std::function<void()> CacheFenetresHoraires;

} // namespace kelmo
