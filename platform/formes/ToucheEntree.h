#pragma once
// Enter typed in a box of a dialog applies that box. Qt would have it press
// the dialog's first button when none is the default (a file chooser opened,
// a file written, the window closed): in a window without a default button
// no button answers Enter; a window's own default (its "OK") still does.
class QWidget;

namespace kelmo {

void EntreeSansBoutonImplicite(QWidget* fenetre);

} // namespace kelmo
