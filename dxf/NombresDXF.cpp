#include "dxf/NombresDXF.h"
#include "platform/Erreurs.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kelmo {

namespace {

using u128 = unsigned __int128;

constexpr std::array<u128, 39> puissancesDix = [] {
    std::array<u128, 39> t{};
    u128 p = 1;
    for (auto& v : t) {
        v = p;
        p *= 10;
    }
    return t;
}();

// Bits needed to hold 10^k.
constexpr std::array<int, 39> bitsPuissancesDix = [] {
    std::array<int, 39> t{};
    for (std::size_t k = 0; k < t.size(); ++k) {
        u128 v = puissancesDix[k];
        int n = 0;
        while (v) {
            ++n;
            v >>= 1;
        }
        t[k] = n;
    }
    return t;
}();

int bitsDe(u128 v)
{
    const auto haut = static_cast<uint64_t>(v >> 64);
    if (haut)
        return 128 - std::countl_zero(haut);
    return 64 - std::countl_zero(static_cast<uint64_t>(v));
}

// floor(m x 2^e x 10^k) into q, and where the rest lies against one half
// (-1 below, 0 exactly on it, 1 above). False when the exact integers do not
// fit in 128 bits; the caller then takes the library's slower path.
bool echelle(uint64_t m, int e, int k, uint64_t& q, int& demi)
{
    const int bm = 64 - std::countl_zero(m);
    if (k >= 0) {
        if (k > 38 || bm + bitsPuissancesDix[static_cast<std::size_t>(k)] > 127)
            return false;
        u128 n = static_cast<u128>(m) * puissancesDix[static_cast<std::size_t>(k)];
        if (e >= 0) {
            if (bitsDe(n) + e > 127)
                return false;
            n <<= e;
            if (n >> 64)
                return false;
            q = static_cast<uint64_t>(n);
            demi = -1;
            return true;
        }
        const int s = -e;
        if (s > 126)
            return false;
        const u128 r = n & ((static_cast<u128>(1) << s) - 1);
        const u128 moitie = static_cast<u128>(1) << (s - 1);
        const u128 quotient = n >> s;
        if (quotient >> 64)
            return false;
        q = static_cast<uint64_t>(quotient);
        demi = r < moitie ? -1 : (r == moitie ? 0 : 1);
        return true;
    }
    const int j = -k;
    if (j > 38)
        return false;
    const u128 p = puissancesDix[static_cast<std::size_t>(j)];
    u128 num, den;
    if (e >= 0) {
        if (bm + e > 127)
            return false;
        num = static_cast<u128>(m) << e;
        den = p;
    } else {
        if (bitsPuissancesDix[static_cast<std::size_t>(j)] - e > 126)
            return false;
        num = m;
        den = p << (-e);
    }
    u128 quotient, r;
    if (!(num >> 64) && !(den >> 64)) {
        const auto n64 = static_cast<uint64_t>(num), d64 = static_cast<uint64_t>(den);
        quotient = n64 / d64;
        r = n64 % d64;
    } else {
        quotient = num / den;
        r = num % den;
    }
    if (quotient >> 64)
        return false;
    q = static_cast<uint64_t>(quotient);
    const u128 deuxR = r << 1;
    demi = deuxR < den ? -1 : (deuxR == den ? 0 : 1);
    return true;
}

// Two digits at a time.
constexpr char paires[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                          "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                          "8081828384858687888990919293949596979899";

// Writes the n decimal digits of v (leading zeros included) at d.
void chiffresDe(uint64_t v, char* d, int n)
{
    int i = n;
    while (i >= 2) {
        const auto r = static_cast<std::size_t>(v % 100);
        v /= 100;
        d[--i] = paires[2 * r + 1];
        d[--i] = paires[2 * r];
    }
    if (i == 1)
        d[0] = static_cast<char>('0' + v % 10);
}

int nombreChiffres(uint64_t v)
{
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// The library's exact form, for the magnitudes the fast path leaves out
// (below about 1e-20 or above about 1e19).
int parLaBibliotheque(char* sortie, double v, int chiffres)
{
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, chiffres);
    int n = static_cast<int>(r.ptr - tampon);
    for (int i = 0; i < n; ++i)
        if (tampon[i] == 'e')
            tampon[i] = 'E';
    std::memcpy(sortie, tampon, static_cast<std::size_t>(n));
    return n;
}

} // namespace

int FormeGeneraleDXF(char* sortie, double v, int chiffres)
{
    if (!std::isfinite(v))
        LeveErreur(ErrDepassement);
    if (v == 0) {
        sortie[0] = '0';
        return 1;
    }
    if (chiffres < 1)
        chiffres = 1;
    if (chiffres > 17)
        chiffres = 17;
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    const int exposantBrut = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t m = bits & ((uint64_t{1} << 52) - 1);
    if (exposantBrut)
        m |= uint64_t{1} << 52;
    int e = (exposantBrut ? exposantBrut : 1) - 1075;
    const int zeros = std::countr_zero(m);
    m >>= zeros;
    e += zeros;

    // The decimal exponent is that of the leading bit, or one more.
    const int b = 63 - std::countl_zero(m) + e;
    int E = (b * 78913) >> 18; // floor(b x log10(2))
    const uint64_t limite = static_cast<uint64_t>(puissancesDix[static_cast<std::size_t>(chiffres)]);
    uint64_t q;
    int demi;
    if (!echelle(m, e, chiffres - 1 - E, q, demi))
        return parLaBibliotheque(sortie, v, chiffres);
    if (q >= limite) {
        ++E;
        if (!echelle(m, e, chiffres - 1 - E, q, demi))
            return parLaBibliotheque(sortie, v, chiffres);
    }
    // Nearest, ties to even, as the C library rounds the exact binary value.
    if (demi > 0 || (demi == 0 && (q & 1)))
        ++q;
    if (q == limite) {
        q /= 10;
        ++E;
    }

    char chiffresTexte[20];
    chiffresDe(q, chiffresTexte, chiffres);
    int nd = chiffres;
    while (nd > 1 && chiffresTexte[nd - 1] == '0')
        --nd;

    char* p = sortie;
    if (v < 0)
        *p++ = '-';
    if (E < -4 || E >= chiffres) {
        *p++ = chiffresTexte[0];
        if (nd > 1) {
            *p++ = '.';
            std::memcpy(p, chiffresTexte + 1, static_cast<std::size_t>(nd - 1));
            p += nd - 1;
        }
        *p++ = 'E';
        *p++ = E < 0 ? '-' : '+';
        const int a = E < 0 ? -E : E;
        const int na = a < 10 ? 2 : nombreChiffres(static_cast<uint64_t>(a));
        chiffresDe(static_cast<uint64_t>(a), p, na);
        p += na;
    } else if (E >= 0) {
        const int entiers = E + 1;
        if (nd <= entiers) {
            std::memcpy(p, chiffresTexte, static_cast<std::size_t>(nd));
            std::memset(p + nd, '0', static_cast<std::size_t>(entiers - nd));
            p += entiers;
        } else {
            std::memcpy(p, chiffresTexte, static_cast<std::size_t>(entiers));
            p += entiers;
            *p++ = '.';
            std::memcpy(p, chiffresTexte + entiers, static_cast<std::size_t>(nd - entiers));
            p += nd - entiers;
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        std::memset(p, '0', static_cast<std::size_t>(-E - 1));
        p += -E - 1;
        std::memcpy(p, chiffresTexte, static_cast<std::size_t>(nd));
        p += nd;
    }
    return static_cast<int>(p - sortie);
}

int FormeEntierDXF(char* sortie, int64_t v)
{
    char* p = sortie;
    uint64_t a = static_cast<uint64_t>(v);
    if (v < 0) {
        *p++ = '-';
        a = ~a + 1;
    }
    const int n = nombreChiffres(a);
    chiffresDe(a, p, n);
    return static_cast<int>(p - sortie) + n;
}

std::string TexteSimpleDXF(float v)
{
    std::string s;
    AjouteSimpleDXF(s, v);
    return s;
}

std::string TexteDoubleDXF(double v)
{
    std::string s;
    AjouteDoubleDXF(s, v);
    return s;
}

} // namespace kelmo
