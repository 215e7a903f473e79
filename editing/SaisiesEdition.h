#pragma once
// The number rules of the editing windows' boxes and prompts. Each reading
// tells text that is no number from a number beyond the range of a double
// ("1e999"): the caller refuses the latter naming its box, as it refuses a
// number the field cannot hold, and never lets it become an overflow error.
#include "platform/NombresChamps.h"

#include <QString>
#include <optional>

namespace kelmo {

// What a reading found: a number (in valeur), text that is not a number by
// the rule, or a number beyond the range of a double.
enum class Lu { Nombre, PasNombre, HorsLimites };

// A typed number: the whole text (blanks aside) must be one number, with "."
// or the "," that the boxes show under a French setting as decimal point.
Lu NombreSaisi(const QString& texte, double& valeur);
// A box that must start with a number (blanks skipped), read as its leading
// number with "." or "," as decimal point: "12,5 m" gives 12.5; an empty box
// or one starting with a letter is not a number.
Lu NombreEnTete(const QString& texte, double& valeur);
// The leading number of a box, "." or "," as decimal point; 0 when none;
// nothing when it lies beyond the range of a double.
std::optional<double> ValeurBoite(const QString& texte);

// The same readings for a field of the given kind, with the refusal
// ("Le nombre ... tapé dans « boite » est hors des limites ...") shown under
// titre when the field cannot hold the number: ValeurBoite's rule gives
// nothing then; NombreSaisi's gives HorsLimites.
std::optional<double> ValeurBoitePourChamp(const QString& texte, GenreChamp champ, const QString& boite,
                                           const QString& titre);
Lu NombreSaisiPourChamp(const QString& texte, GenreChamp champ, const QString& boite, const QString& titre,
                        double& valeur);

// A whole number as plain digits ("-3", "12"); "0" for what is not finite.
QString TexteEntier(double valeur);
// Whole minutes split into hours and remaining minutes, the minutes always
// 0 to 59: 542 gives 9 and 2, -30 gives -1 and 30.
void HeuresMinutes(double minutes, double& heures, double& reste);

} // namespace kelmo
