#pragma once
// The number rules of the editing windows' boxes and prompts.
#include <QString>

namespace kelmo {

// A typed number: the whole text (blanks aside) must be one number, with "."
// or the "," that the boxes show under a French setting as decimal point.
bool NombreSaisi(const QString& texte, double& valeur);
// A box that must start with a number (blanks skipped), read as its leading
// number with "." or "," as decimal point: "12,5 m" gives 12.5; an empty box
// or one starting with a letter is not a number.
bool NombreEnTete(const QString& texte, double& valeur);
// The leading number of a box, "." or "," as decimal point; 0 when none.
double ValeurBoite(const QString& texte);
// A whole number as plain digits ("-3", "12"); "0" for what is not finite.
QString TexteEntier(double valeur);
// Whole minutes split into hours and remaining minutes, the minutes always
// 0 to 59: 542 gives 9 and 2, -30 gives -1 and 30.
void HeuresMinutes(double minutes, double& heures, double& reste);

} // namespace kelmo
