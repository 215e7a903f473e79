#pragma once
// The number rules of the editing windows' boxes and prompts, read through
// the one reading of a typed number (platform/NombresChamps). A box shows
// its number in the regional format and a prompt offers one with ".": both
// take "." or "," as decimal point.
#include "platform/NombresChamps.h"

#include <QString>

namespace kelmo {

// A value box (length, flow, capacity, a duration box read for its value):
// its leading number, 0 when none, for a single.
constexpr RegleNombre BoiteEdition{Etendue::TeteOuZero, true, GenreChamp::Simple};
// A prompt's answer, or a duration box read for "Créer": the whole text is
// one number, for a single.
constexpr RegleNombre ReponseEdition{Etendue::Texte, true, GenreChamp::Simple};

// A whole number as plain digits ("-3", "12"); "0" for what is not finite.
QString TexteEntier(double valeur);
// Whole minutes split into hours and remaining minutes, the minutes always
// 0 to 59: 542 gives 9 and 2, -30 gives -1 and 30.
void HeuresMinutes(double minutes, double& heures, double& reste);

} // namespace kelmo
