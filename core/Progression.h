#pragma once
// The one progress report of every long computation, and the file check
// made before a file is opened.
#include <QString>

namespace kelmo {

// Shows the progress panel at 0 % with the message in panel 5 for current 0
// or 1, sets the fill to current / total otherwise, and hides it when current
// reaches total. Only changes the user can see reach the window, so a caller
// may report every item of a long loop.
void AfficheProgression(double total, double current, const QString& message);

// Hides the progress panel and empties panel 5.
void EffaceProgression();

// Held by a computation that reports progress, for as long as it runs: when
// it ends, after its last item, with no item at all, or by an error, no
// stale report stays in the status bar.
class FinProgression {
public:
    FinProgression() = default;
    FinProgression(const FinProgression&) = delete;
    FinProgression& operator=(const FinProgression&) = delete;
    ~FinProgression() { EffaceProgression(); }
};

// True when path names an existing file (not a folder, not hidden); a path
// ending with a separator is true when that folder holds at least one file.
// Otherwise shows "Ce fichier ou répertoire n'existe pas : " and the path.
bool FichierExiste(const QString& chemin);

} // namespace kelmo
