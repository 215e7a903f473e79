#pragma once
// The 3DFACE entity that the tubes, the folded bands and the relief facets
// share. A drawing holds about a million of them, so each corner's numbers
// are formatted once and reused by every face that meets at it.
#include "dxf/NombresDXF.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kelmo {

// A corner's x, y and z as written, each followed by its line end.
class CoinDXF {
public:
    void Simple(float x, float y, float z);
    void Double(double x, double y, double z);
    std::string_view x() const { return {t_, l_[0]}; }
    std::string_view y() const { return {t_ + l_[0], l_[1]}; }
    std::string_view z() const { return {t_ + l_[0] + l_[1], l_[2]}; }

private:
    char t_[3 * (LongueurMaxNombreDXF + 2)];
    std::size_t l_[3] = {0, 0, 0};
};

// "0" / "3DFACE" / "8" / layer / "62" / colour: the start of every face of
// one arc, made once per arc.
std::string EnteteFaceDXF(int16_t calque, std::string_view couleur);

// One face: the start, then the corners under the codes 10/20/30 to 13/23/33.
void AjouteFaceDXF(std::string& sortie, std::string_view entete, const CoinDXF& c1, const CoinDXF& c2,
                   const CoinDXF& c3, const CoinDXF& c4);

} // namespace kelmo
