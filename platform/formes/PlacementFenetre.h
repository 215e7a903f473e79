#pragma once
// A window of its own (an editor, a timetable) shown beside the map must be
// reachable whole: wherever the window manager or an earlier session of the
// window put it, it is moved back inside the screen.
class QWidget;

namespace kelmo {

// Moves the shown window, frame included, inside the available area of its
// screen (the desktop without its panels); a window larger than that area is
// made smaller when it can be, else set at its top left corner.
void PlaceDansEcran(QWidget* fenetre);

} // namespace kelmo
