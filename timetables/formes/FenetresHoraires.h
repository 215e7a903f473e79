#pragma once
// The three timetable windows, each made on first use and kept for the run,
// the timetable menu commands and the editors' timetable buttons.
class QWidget;

namespace kelmo {

class HorairesArcs;
class HorairesNoeuds;
class Trains;

// parent: the main window.
void InstalleFenetresHoraires(QWidget* parent);

HorairesArcs* FenetreHorairesArcs();
HorairesNoeuds* FenetreHorairesNoeuds();
Trains* FenetreTrains();

// Destroys the windows (tests, and the end of the run).
void DetruitFenetresHoraires();

} // namespace kelmo
