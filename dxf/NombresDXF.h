#pragma once
// The number form of the DXF files: the general form with 7 significant
// digits for single-precision values and 15 for double-precision ones,
// exactly as the C library's "%.7G" and "%.15G" write them in the C locale
// (upper-case exponent of at least two digits, no trailing zeros, integers
// without a point), except that a negative zero is written "0". Several
// million numbers go into one drawing, so the digits are made here with
// integer arithmetic rather than through the library's formatting.
#include <cstdint>
#include <string>

namespace kelmo {

// Longest text the general form can give ("-1.23456789012346E-308").
constexpr int LongueurMaxNombreDXF = 24;

// Writes the general form of v with chiffres significant digits (1 to 17)
// at sortie, which holds at least LongueurMaxNombreDXF characters; returns
// the count written. A value that is not a finite number raises the
// overflow error: a drawing must carry neither "nan" nor a 0 in its place,
// so the export that meets one is refused and no file is written.
int FormeGeneraleDXF(char* sortie, double v, int chiffres);
int FormeEntierDXF(char* sortie, int64_t v);

inline void AjouteSimpleDXF(std::string& s, float v)
{
    char b[LongueurMaxNombreDXF];
    s.append(b, static_cast<std::size_t>(FormeGeneraleDXF(b, v, 7)));
}
inline void AjouteDoubleDXF(std::string& s, double v)
{
    char b[LongueurMaxNombreDXF];
    s.append(b, static_cast<std::size_t>(FormeGeneraleDXF(b, v, 15)));
}
inline void AjouteEntierDXF(std::string& s, int64_t v)
{
    char b[LongueurMaxNombreDXF];
    s.append(b, static_cast<std::size_t>(FormeEntierDXF(b, v)));
}

std::string TexteSimpleDXF(float v);
std::string TexteDoubleDXF(double v);

} // namespace kelmo
