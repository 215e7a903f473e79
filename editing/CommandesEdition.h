#pragma once
// The main window's editing commands and the map clicks they route.

namespace kelmo {

// Registers "menModifieNoeuds", "menModifieOD" and the disconnected-arc
// clean-up "menElimineArcsDéconnectés", and sends the map's clicks
// to the editors while their modes are on: PrepareNouveauNoeud, then the
// editor shown again; the arc editor takes the link type a load chooses.
void InstalleCommandesEdition();

} // namespace kelmo
