#include "dxf/Face3DDXF.h"

namespace kelmo {

namespace {

std::size_t avecFinDeLigne(char* d, int n)
{
    d[n] = '\r';
    d[n + 1] = '\n';
    return static_cast<std::size_t>(n) + 2;
}

} // namespace

void CoinDXF::Simple(float x, float y, float z)
{
    char* p = t_;
    l_[0] = avecFinDeLigne(p, FormeGeneraleDXF(p, x, 7));
    p += l_[0];
    l_[1] = avecFinDeLigne(p, FormeGeneraleDXF(p, y, 7));
    p += l_[1];
    l_[2] = avecFinDeLigne(p, FormeGeneraleDXF(p, z, 7));
}

void CoinDXF::Double(double x, double y, double z)
{
    char* p = t_;
    l_[0] = avecFinDeLigne(p, FormeGeneraleDXF(p, x, 15));
    p += l_[0];
    l_[1] = avecFinDeLigne(p, FormeGeneraleDXF(p, y, 15));
    p += l_[1];
    l_[2] = avecFinDeLigne(p, FormeGeneraleDXF(p, z, 15));
}

std::string EnteteFaceDXF(int16_t calque, std::string_view couleur)
{
    std::string e = "0\r\n3DFACE\r\n8\r\n";
    AjouteEntierDXF(e, calque);
    e += "\r\n62\r\n";
    e += couleur;
    e += "\r\n";
    return e;
}

void AjouteFaceDXF(std::string& sortie, std::string_view entete, const CoinDXF& c1, const CoinDXF& c2,
                   const CoinDXF& c3, const CoinDXF& c4)
{
    static constexpr std::string_view codes[4][3] = {{"10\r\n", "20\r\n", "30\r\n"},
                                                     {"11\r\n", "21\r\n", "31\r\n"},
                                                     {"12\r\n", "22\r\n", "32\r\n"},
                                                     {"13\r\n", "23\r\n", "33\r\n"}};
    const CoinDXF* coins[4] = {&c1, &c2, &c3, &c4};
    sortie.append(entete);
    for (int i = 0; i < 4; ++i) {
        sortie.append(codes[i][0]);
        sortie.append(coins[i]->x());
        sortie.append(codes[i][1]);
        sortie.append(coins[i]->y());
        sortie.append(codes[i][2]);
        sortie.append(coins[i]->z());
    }
}

} // namespace kelmo
