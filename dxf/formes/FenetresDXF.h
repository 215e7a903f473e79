#pragma once
// The windows of the DXF export, each made on first use and kept for the
// run, the menu command that opens the export dialog, and the node-colour
// hooks of the map drawing.
class QWidget;

namespace kelmo {

class SortieDXF;
class CouleursDXF;

// Registers "menCréeFichDXF", installs the show and hide links of the two
// windows and the map drawing's node-colour DXF hooks. parent: the main
// window.
void InstalleSortieDXF(QWidget* parent);

SortieDXF* FenetreSortieDXF();
CouleursDXF* FenetreCouleursDXF();

// Destroys the windows (tests, and the end of the run).
void DetruitFenetresDXF();

} // namespace kelmo
