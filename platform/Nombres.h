#pragma once
// Number rules of the stored files and of the text boxes. None of this uses
// the C locale functions: under a French system locale they would turn "1.5"
// into 1 and every coordinate read back would lose its decimals.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelmo {

// Leading-number parse: blanks, tabs and line feeds anywhere are skipped; an
// optional sign, digits, an optional "." and digits, an optional exponent
// ("E" or "D") are taken; reading stops at the first other character; no
// digits give 0. With virguleDecimale a "," is taken as the decimal point too
// (files written under a French regional setting).
double ValeurNombre(std::string_view texte, bool virguleDecimale = false);
double ValeurNombre(const QString& texte, bool virguleDecimale = false);
// True when the leading-number rule of ValeurNombre finds digits in the
// text: after blanks, a sign, a decimal point, with blanks between them too.
// With virguleDecimale a "," is a decimal point too.
bool CommenceParNombre(const QString& texte, bool virguleDecimale = false);

// Storing into 16- and 32-bit integers: nearest integer, halves to the even
// neighbour; a value outside the range (TientDansChamp) raises error 6
// (overflow).
int16_t EnEntier16(double valeur);
int32_t EnEntier32(double valeur);
// Storing into a single-precision field: a value beyond its range (or not
// a number) raises error 6 too, rather than becoming an infinity.
float EnSimple(double valeur);
// Halves to even, without range check.
double ArrondiBanquier(double valeur);

// Formats valeur by a pattern made of "0" digit places and one optional "."
// ("0000.000", "0000000000"): leading zeros kept, rounded to the pattern's
// decimals (halves away from zero), "." replaced by separateur. A negative
// value gets a leading "-"; a value with more integer digits keeps them all.
std::string FormatMotif(double valeur, std::string_view motif, char separateur);

// The same, but never wider than the pattern when the value can be made to
// fit by dropping leading zeros ("-012.500" for -12.5 in "0000.000"). Returns
// false when even that does not fit, and for a value that is not finite.
bool FormatMotifDansColonne(double valeur, std::string_view motif, char separateur, std::string& sortie);

// True when the whole text (blanks aside) reads as one number, with "." or,
// with virguleDecimale, "," as the decimal point.
bool TexteEstNombre(std::string_view texte, bool virguleDecimale = true);

// The "####.###" re-formatting of coordinates: a number is rounded to at most
// three decimals; any other text gives its leading number unchanged.
double ValeurReformatee3Decimales(std::string_view texte);

// Number written with a leading blank in place of the plus sign, "." as
// decimal point, shortest form that reads back to the same single or double.
QString TexteAvecSigne(double valeur, bool simplePrecision = false);
// General format: no leading blank, given decimal separator.
QString TexteGeneral(double valeur, QChar separateur = QLatin1Char('.'), bool simplePrecision = false);

// The program's pi: angles typed in degrees and the relief's half-turn have
// always been converted with this factor, so a stored angle reads back as the
// same whole degrees. Only code that needs exact pi uses std::numbers::pi.
constexpr double Pi = 3.141593;

// Whole degrees of an angle in radians, by the factor 180 / Pi: the largest
// whole number not above, except that a value within 1e-9 of a whole number
// is that number (so 37 degrees stored and read back stay 37).
double DegresEntiers(double radians);

// The nearest whole number (halves to even) within [minimum, maximum]; a
// value that is not a number gives minimum.
int EntierBorne(double valeur, int minimum, int maximum);

// A threshold typed in a masked box without the grouping characters of
// thousands that the box may show, ready for its number to be read.
QString TexteSansMilliers(const QString& texte);

// The text of a number in the regional format (regional decimal separator,
// no leading blank).
QString TexteRegional(double valeur, char separateur, bool simplePrecision = false);
// Format "####": a whole number with no leading zeros, halves away from
// zero, nothing at all for 0.
QString FormatDieses(double valeur);
// Format "####.##": no leading zeros, two decimals at most, the separator
// always written ("20." for 20).
QString FormatDieses2(double valeur, char separateur);

} // namespace kelmo
