#pragma once
// The one reading of a typed number. Boxes and prompts differ only in how
// much of their text must be a number, whether "," is a decimal point, the
// field that keeps the number, and whether a number the field cannot hold
// ("1e308" in a single, "1e999" anywhere, 40000 in a 16-bit integer) is
// refused with the message naming the box; each box states its rule and
// reads through LitNombre, so that such a number never becomes an infinity
// that the files would later write as 0, nor an overflow error.
#include <QString>

#include <functional>

namespace kelmo {

// What keeps the number: a single-precision field, a 16- or 32-bit integer
// (stored rounded, halves to the even neighbour), or a double.
enum class GenreChamp { Simple, Entier16, Entier32, Double };

// True when the field holds valeur: finite and within its range. The one
// test of a field, typed or computed.
bool TientDansChamp(double valeur, GenreChamp champ);

// How much of the text makes the number.
enum class Etendue {
    Texte,      // the whole text, blanks of any kind around it aside ("12,5", "-1e3", "25."); anything else is no number
    Tete,       // the number the text starts with, blanks of any kind before and inside it skipped ("12,5 m" gives 12.5,
                // "1 234" with a no-break space 1234); no number without one
    TeteOuZero, // the same, but a text that starts with no number (an empty box, a cancelled prompt) gives 0
};

// A box's rule: how much of its text, "," as a decimal point besides "."
// or not, and the field that keeps the number.
struct RegleNombre {
    Etendue etendue = Etendue::TeteOuZero;
    bool virgule = false;
    GenreChamp champ = GenreChamp::Double;
};

// What a reading found: a number (in valeur), text that is no number by
// the rule, or a number the field cannot hold (beyond a double included).
enum class Lu { Nombre, PasNombre, HorsChamp };

struct NombreLu {
    Lu lu = Lu::PasNombre;
    double valeur = 0;
    explicit operator bool() const { return lu == Lu::Nombre; }
    double operator*() const { return valeur; }
};

// The reading alone: nothing is shown.
NombreLu LitNombre(const QString& texte, const RegleNombre& regle);
// The reading with its refusal: a number the field cannot hold shows
// MessageHorsChamp naming boite, under titre.
NombreLu LitNombre(const QString& texte, const RegleNombre& regle, const QString& boite, const QString& titre);

// A single as a box shows it: ecrit(valeur, true), its seven-digit form,
// when that reads back (with "," as a decimal point when virgule) as the
// same single, else ecrit(valeur, false), its full form; so that what the
// box gives back is that single (12345674 is not "1.234567E+7").
QString TexteSimpleRelu(float valeur, const std::function<QString(double, bool)>& ecrit, bool virgule);

// The range of a field as the message quotes it ("de -32768 à 32767").
QString LimitesChamp(GenreChamp champ);

// The refusal of a number its field cannot hold: "Le nombre 1e308 tapé dans
// « Longueur » est hors des limites (de -3,402823E+38 à 3,402823E+38) : rien
// n'est changé."
QString MessageHorsChamp(const QString& texte, const QString& boite, GenreChamp champ);
void RefuseHorsChamp(const QString& texte, const QString& boite, GenreChamp champ, const QString& titre);

// The refusal of a number that fits its field but would make a result that
// is not a finite number (a cost per km, a bound).
QString MessageResultatHorsLimites(const QString& texte, const QString& boite);
void RefuseResultatHorsLimites(const QString& texte, const QString& boite, const QString& titre);

} // namespace kelmo
