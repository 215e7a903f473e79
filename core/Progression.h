#pragma once
// The one progress report of every long computation, and the small shared
// helpers of file checks and hhmm times.
#include <QString>

namespace kelmo {

// Shows the progress panel at 0 % with the message in panel 5 for current 0
// or 1, sets the fill to current / total otherwise, and hides it when current
// reaches total. Only changes the user can see reach the window, so a caller
// may report every item of a long loop.
void AfficheProgression(double total, double current, const QString& message);

// True when path names an existing file (not a folder, not hidden); a path
// ending with a separator is true when that folder holds at least one file.
// Otherwise shows "Ce fichier ou répertoire n'existe pas : " and the path.
bool FichierExiste(const QString& chemin);

double HeureEnMinutes(double hhmm);
double ChaineHeureEnMinutes(const QString& s);
double MinutesEnHeure(double minutes);

} // namespace kelmo
