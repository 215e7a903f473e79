#pragma once
// The keyboard stays with the window in use. A box, a chooser, a dialog or a
// window opened from a window (an editor's "Options", the timetable of its
// link, "Coûts kilométriques" from "Coûts") belongs to that window: once it
// is closed, the keyboard comes back to that window and to the box or button
// that had it, at once, however late the window manager answers. What a
// command shows or brings forward keeps the keyboard; a window of the main
// window itself leaves it to the window manager's choice. None of this takes
// the keyboard from another program: it acts only while the program holds
// it. And a window opens every time as it opened the first time, the
// keyboard on its first box.
class QCoreApplication;
class QWidget;

namespace kelmo {

// The window in use, to which a box or a window opened now belongs: the
// active window; the window that a box of the same command has just given
// the keyboard back to, or that the command hid and showed again, when the
// window system has made no window active yet or has given the keyboard to
// the main window meanwhile; principale when that window is hidden, or
// there is none.
QWidget* FenetreEnUsage(QWidget* principale);

// Gives the keyboard back to fenetre, to the box that had it, once something
// opened from it has closed; fenetre stays the window in use for the rest of
// the command (until the program waits for events again).
void RendClavier(QWidget* fenetre);

// The rule for every window that belongs to another, whatever shows it.
void InstalleRetourClavier(QCoreApplication* application);

} // namespace kelmo
