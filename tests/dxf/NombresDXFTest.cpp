// The general number form of the drawings: the same digits as the C
// library's "%.7G" and "%.15G" in the C locale, whatever the program's
// locale, with "-0" written "0".
#include "dxf/NombresDXF.h"
#include "platform/Erreurs.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <locale.h>
#include <random>

using namespace kelmo;

namespace {

// The C library's form in the C locale, whatever locale the process is in.
class FormeC {
public:
    FormeC() : c_(newlocale(LC_ALL_MASK, "C", nullptr)) {}
    ~FormeC() { freelocale(c_); }
    std::string operator()(double v, int chiffres) const
    {
        const locale_t ancienne = uselocale(c_);
        char b[64];
        std::snprintf(b, sizeof b, "%.*G", chiffres, v);
        uselocale(ancienne);
        return b;
    }

private:
    locale_t c_;
};

struct CasNombre {
    double valeur;
    bool simple;
    const char* texte;
};

class FormeGenerale : public ::testing::TestWithParam<CasNombre> {};

TEST_P(FormeGenerale, WritesTheGeneralFormOfItsPrecision)
{
    const CasNombre& c = GetParam();
    const auto ecrit = [&c] {
        return c.simple ? TexteSimpleDXF(static_cast<float>(c.valeur)) : TexteDoubleDXF(c.valeur);
    };
    if (!c.texte) {
        EXPECT_THROW(ecrit(), ErreurExecution); // refused, neither "nan" nor a 0 in its place
        return;
    }
    EXPECT_EQ(ecrit(), c.texte);
}

INSTANTIATE_TEST_SUITE_P(
    LignesAuxLimites, FormeGenerale,
    ::testing::Values(
        CasNombre{0, true, "0"}, CasNombre{-0.0, true, "0"}, CasNombre{-0.0, false, "0"},
        CasNombre{1, true, "1"}, CasNombre{-1, false, "-1"}, CasNombre{515.5, false, "515.5"},
        CasNombre{512.5, true, "512.5"}, CasNombre{300, true, "300"}, CasNombre{0.1, true, "0.1"},
        CasNombre{0.1, false, "0.1"}, CasNombre{3.4, true, "3.4"}, CasNombre{3.4, false, "3.4"},
        CasNombre{1.5, false, "1.5"}, CasNombre{0.0001, true, "0.0001"}, CasNombre{0.00001, true, "1E-05"},
        CasNombre{0.000012345678, true, "1.234568E-05"}, CasNombre{1234567, true, "1234567"},
        CasNombre{12345678, true, "1.234568E+07"}, CasNombre{10000000, true, "1E+07"},
        CasNombre{9999999.5, false, "9999999.5"}, CasNombre{99999999, true, "1E+08"},
        CasNombre{0.9999999999999999, false, "1"},
        // exact ties in binary go to the even digit
        CasNombre{1234567.5, true, "1234568"}, CasNombre{1234568.5, true, "1234568"},
        CasNombre{0.5, true, "0.5"}, CasNombre{-1.732051e-07, true, "-1.732051E-07"},
        CasNombre{123456789012345.0, false, "123456789012345"},
        CasNombre{1234567890123456.0, false, "1.23456789012346E+15"},
        CasNombre{1e100, false, "1E+100"}, CasNombre{1e-300, false, "1E-300"},
        CasNombre{std::numeric_limits<double>::denorm_min(), false, "4.94065645841247E-324"},
        CasNombre{std::numeric_limits<float>::denorm_min(), true, "1.401298E-45"},
        CasNombre{std::numeric_limits<float>::max(), true, "3.402823E+38"},
        CasNombre{std::numeric_limits<double>::max(), false, "1.79769313486232E+308"},
        // a drawing never carries these
        CasNombre{std::numeric_limits<double>::quiet_NaN(), false, nullptr},
        CasNombre{std::numeric_limits<double>::infinity(), false, nullptr},
        CasNombre{-std::numeric_limits<float>::infinity(), true, nullptr}));

TEST(FormeGeneraleEntier, WritesIntegersWithoutPoint)
{
    for (auto [v, t] : std::initializer_list<std::pair<int64_t, const char*>>{
             {0, "0"}, {7, "7"}, {-32768, "-32768"}, {249, "249"}, {INT64_MIN, "-9223372036854775808"}}) {
        std::string s;
        AjouteEntierDXF(s, v);
        EXPECT_EQ(s, t);
    }
}

// Random bit patterns cover every exponent; values made like map
// coordinates (a few decimals, ties at the last digit) cover the common ones.
TEST(FormeGeneraleOracle, EqualsTheCLibraryOnMillionsOfSingles)
{
    const FormeC c;
    std::mt19937_64 g(20240601);
    std::uniform_int_distribution<uint32_t> bits;
    std::uniform_int_distribution<int> centiemes(-100000000, 100000000);
    int ecarts = 0;
    for (int i = 0; i < 2000000 && ecarts < 10; ++i) {
        float v;
        if (i % 2) {
            v = std::bit_cast<float>(bits(g));
            if (!std::isfinite(v) || v == 0)
                continue;
        } else {
            v = static_cast<float>(centiemes(g) / (i % 4 ? 100.0 : 8.0));
            if (v == 0)
                continue;
        }
        const std::string attendu = c(v, 7);
        const std::string obtenu = TexteSimpleDXF(v);
        if (obtenu != attendu) {
            ADD_FAILURE() << std::bit_cast<uint32_t>(v) << ": " << obtenu << " instead of " << attendu;
            ++ecarts;
        }
    }
}

TEST(FormeGeneraleOracle, EqualsTheCLibraryOnMillionsOfDoubles)
{
    const FormeC c;
    std::mt19937_64 g(19840229);
    std::uniform_int_distribution<uint64_t> bits;
    std::uniform_real_distribution<double> coordonnee(-1e6, 1e6);
    int ecarts = 0;
    for (int i = 0; i < 2000000 && ecarts < 10; ++i) {
        double v;
        switch (i % 3) {
        case 0:
            v = std::bit_cast<double>(bits(g));
            break;
        case 1:
            v = coordonnee(g);
            break;
        default:
            // a single plus a double offset, as a label's position is made
            v = static_cast<double>(static_cast<float>(coordonnee(g))) + 3.0;
        }
        if (!std::isfinite(v) || v == 0)
            continue;
        const std::string attendu = c(v, 15);
        const std::string obtenu = TexteDoubleDXF(v);
        if (obtenu != attendu) {
            ADD_FAILURE() << std::bit_cast<uint64_t>(v) << ": " << obtenu << " instead of " << attendu;
            ++ecarts;
        }
    }
}

} // namespace
