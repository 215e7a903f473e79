#pragma once
// Enter typed in a box of a dialog applies that box. Qt would have it press
// the dialog's first button when none is the default (a file chooser opened,
// a file written, the window closed): in a window without a default button
// no button answers Enter in a box; a window's own default (its "OK") still
// does. Enter on a button that has the keyboard presses that button, in
// every window, as Space does. Escape closes a plain window as a dialog's
// Escape does.
class QCoreApplication;
class QWidget;

namespace kelmo {

void EntreeSansBoutonImplicite(QWidget* fenetre);

// The application-wide rule of Enter on a focused button.
void InstalleEntreeSurBouton(QCoreApplication* application);

// Escape that reaches the window itself, taken by nothing inside it (an open
// list closes first), does what its close box does (its "Quitter").
void EchapFermeFenetre(QWidget* fenetre);

} // namespace kelmo
