#pragma once
// The arcs whose origin or destination code matches no node, removed from
// the table, and the main window's command that removes them and saves the
// arc file.
#include <cstdint>

namespace kelmo {

// Examines the arcs from the last to the first. At the first arc with an end
// missing asks whether to ask before each deletion: No deletes every such
// arc without a question, Yes asks for each. Reports and returns the count.
int32_t ElimineArcsDeconnectes();

// "Elimine arcs &déconnectés...": the clean-up, the arcs' node numbers, the
// arc file saved without the arcs whose ends are missing, the timetable
// optimisation offered, the arc count in panel 2.
void Kelmo_menElimineArcsDéconnectés_Click();

} // namespace kelmo
