#pragma once
// A window of the program must be reachable whole: wherever the window
// manager or an earlier session of the window put it, and however large it
// was made for a larger screen, it is moved back inside the screen, its title
// bar included.
class QCoreApplication;
class QWidget;

namespace kelmo {

// The window at the top of those that fenetre belongs to (the main window
// for a box over an editor); fenetre's own window when it belongs to none.
QWidget* FenetrePrincipale(const QWidget* fenetre);

// Moves the shown window, frame included, inside the available area of its
// screen (the desktop without its panels); a window larger than that area is
// made smaller when it can be, else set at its top left corner. A window of
// the main window (an editor, a timetable, a dialog, a box over any of them)
// also leaves the main window's menu bar free when the screen has room below
// it. Until the window manager has
// framed the window its frame is not known: the window is placed again once
// it is.
void PlaceDansEcran(QWidget* fenetre);

// Every window that belongs to another (a dialog, a box, an editor) is placed
// so when it is shown, whatever shows it.
void InstallePlacementFenetres(QCoreApplication* application);

// A window that a command opens or brings back takes the keyboard: it becomes
// the active window, with the focus on its first box unless the focus is
// already in it. Only while the program holds the keyboard: it never takes
// the keyboard from another program; a window shown meanwhile is shown all
// the same, and the window manager decides.
void ActiveFenetre(QWidget* fenetre);

// How many times ActiveFenetre has brought a window forward so far: what a
// command brought forward since a given moment, told at once, whenever the
// window manager answers.
unsigned long long ActivationsDemandees();

} // namespace kelmo
