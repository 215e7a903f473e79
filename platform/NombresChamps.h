#pragma once
// A typed number meets the field that will keep it. Every box and prompt
// reads its number through these, so that a number the field cannot hold
// ("1e308" in a single, "1e999" anywhere, 40000 in a 16-bit integer) is
// refused with one message naming the box, instead of becoming an infinity
// that the files would later write as 0, or an overflow error.
#include <QString>
#include <optional>

namespace kelmo {

// What keeps the number: a single-precision field, a 16- or 32-bit integer
// (stored rounded, halves to the even neighbour), or a double.
enum class GenreChamp { Simple, Entier16, Entier32, Double };

// True when the field holds valeur: finite and within its range.
bool TientDansChamp(double valeur, GenreChamp champ);

// The typed text by the leading-number rule (blanks skipped, "." and, with
// virguleDecimale, "," as decimal point; text that is not a number gives 0):
// nothing when it is a number the field cannot hold.
std::optional<double> NombrePourChamp(const QString& texte, GenreChamp champ, bool virguleDecimale = false);

// NombrePourChamp with the refusal below shown under titre when the field
// cannot hold the number: what every box and prompt calls.
std::optional<double> NombreAccepte(const QString& texte, GenreChamp champ, const QString& boite,
                                    const QString& titre, bool virguleDecimale = false);

// The range of a field as the message quotes it ("de -32768 à 32767").
QString LimitesChamp(GenreChamp champ);

// The refusal: "Le nombre 1e308 tapé dans « Longueur » est hors des limites
// (de -3,402823E+38 à 3,402823E+38) : rien n'est changé."
QString MessageHorsChamp(const QString& texte, const QString& boite, GenreChamp champ);
void RefuseHorsChamp(const QString& texte, const QString& boite, GenreChamp champ, const QString& titre);

// The refusal of a number that fits its field but would make a result that
// is not a finite number (a cost per km, a bound).
QString MessageResultatHorsLimites(const QString& texte, const QString& boite);
void RefuseResultatHorsLimites(const QString& texte, const QString& boite, const QString& titre);

} // namespace kelmo
