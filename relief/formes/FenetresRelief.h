#pragma once
// The relief's windows, one instance each, created on first use and kept
// (hidden) for the run, and the registration of the relief menu commands.
class QWidget;

namespace kelmo {

// Installs the show and hide links of the relief windows and registers
// "menTraceRelief", "menOptionsRelief", "menCoûts" and the valuation group,
// with the anamorphosis window's "menAnamorphose" and "menLectFichFacettes".
// parent: the main window.
void InstalleCommandesRelief(QWidget* parent);

// Destroys the windows (tests, and the end of the run).
void DetruitFenetresRelief();

} // namespace kelmo
