#pragma once
// The start of the program: the splash window, the start-up sequence with
// the main window's hooks, then the main window shown and the splash window
// kept as the about box.
namespace kelmo {

class Kelmo;
class Présentation;

// Creates both windows and runs the start-up; the main window is shown at
// the end. Calling it again first closes the windows of the previous call.
Kelmo& DemarreKelmo();
// Closes both windows (the tests start several runs in one process).
void ArreteKelmo();

Présentation* FenetrePresentation();

} // namespace kelmo
