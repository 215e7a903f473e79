#pragma once
// The arc editor's two file commands: the arc table written to a new file,
// and a further arc file appended to the loaded one.

namespace kelmo {

// Asks for a new file name, refuses the current arc file (in any letter
// case) and any existing file, then writes every arc; panel 2 then shows
// the count and the path. A cancelled dialog does nothing; a failed write
// is reported once and leaves any file there as it was.
void EcritFichierArcs();
void ModifArcs_Command3D4_Click(); // "Enregistrer fichier arcs"

// "Ajoute fichier": reads an arc file after the arcs loaded, then derives
// the arcs' node numbers, their one-way flags and the served modes as a
// load does. A file that cannot be read leaves the table as it was.
void ModifArcs_SSCommand1_Click();

inline constexpr const char* FiltreFichiersArcs = "Tous fichiers(*.*)|*.*|Data(*.dat, *.txt)|*.dat;*.txt";

} // namespace kelmo
