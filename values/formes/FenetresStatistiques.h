#pragma once
// The statistics window and the attraction arc dialog, one instance each,
// and the registration of the node-value file commands, "&Statistiques...",
// the "z" toggle, "Arcs des attract&ions..." and "E&xploration...".
class QWidget;

namespace kelmo {

class Statistiques;

// Creates the statistics window (hidden), installs the links that show the
// windows and the arc-value relief, and registers the commands.
// parent: the main window.
void InstalleStatistiques(QWidget* parent);
// Destroys the windows (tests, and the end of the run).
void DetruitFenetresStatistiques();
// The statistics window, nullptr before InstalleStatistiques.
Statistiques* FenetreStatistiques();

} // namespace kelmo
