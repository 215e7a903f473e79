// The number rules of the stored files: what a column reads as, how values
// round into integers, and how the writers lay numbers into their columns.
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <gtest/gtest.h>

using namespace kelmo;

namespace {

// The leading-number rule written out plainly, as the oracle of the fast
// reading: blanks anywhere are dropped, then the sign, digits, one decimal
// point and digits, an exponent with digits; what was taken goes through the
// library's correctly rounded conversion. No value when it overflows; 0 with
// its sign when it is too small for a double.
std::optional<double> valeurSelonLaRegle(std::string_view texte, bool virgule)
{
    std::string t;
    for (char c : texte)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            t.push_back(c);
    std::size_t i = 0;
    auto chiffre = [&] { return i < t.size() && t[i] >= '0' && t[i] <= '9'; };
    bool negatif = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negatif = t[i++] == '-';
    std::string n = "0";
    bool chiffres = false;
    while (chiffre()) {
        n.push_back(t[i++]);
        chiffres = true;
    }
    if (i < t.size() && (t[i] == '.' || (virgule && t[i] == ','))) {
        n.push_back('.');
        ++i;
        while (chiffre()) {
            n.push_back(t[i++]);
            chiffres = true;
        }
    }
    if (!chiffres)
        return 0.0;
    if (i < t.size() && std::strchr("EeDd", t[i])) {
        std::size_t j = i + 1;
        std::string e = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            e.push_back(t[j++]);
        const std::size_t premier = j;
        while (j < t.size() && t[j] >= '0' && t[j] <= '9')
            e.push_back(t[j++]);
        if (j > premier)
            n += e;
    }
    double v = 0;
    if (std::from_chars(n.data(), n.data() + n.size(), v).ec == std::errc::result_out_of_range) {
        // Beyond a double: its size told by the wider long double, else by
        // the sign of an exponent that no short mantissa outweighs.
        long double l = 0;
        const bool grand = std::from_chars(n.data(), n.data() + n.size(), l).ec == std::errc::result_out_of_range
                               ? n.find("e-") == std::string::npos
                               : std::fabs(l) >= 1;
        if (grand)
            return std::nullopt;
        v = 0;
    }
    return negatif ? -v : v;
}

std::optional<double> valeurLue(std::string_view texte, bool virgule)
{
    try {
        return ValeurNombre(texte, virgule);
    } catch (const ErreurExecution&) {
        return std::nullopt;
    }
}

// The "####.###" step as stated: a text that is one number comes back
// rounded to three decimals (half away from zero), any other text as its
// leading number.
std::optional<double> reformateeSelonLaRegle(std::string_view texte)
{
    const std::optional<double> v = valeurSelonLaRegle(texte, true);
    if (!v || !TexteEstNombre(texte))
        return v;
    const std::optional<double> r = valeurSelonLaRegle(FormatMotif(std::fabs(*v), "0.000", '.'), false);
    if (!r)
        return r;
    return *v < 0 ? -*r : *r;
}

std::optional<double> reformatee(std::string_view texte)
{
    try {
        return ValeurReformatee3Decimales(texte);
    } catch (const ErreurExecution&) {
        return std::nullopt;
    }
}

bool memesBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Column texts as files hold them, and the odd ones a damaged file may.
std::string texteAleatoire(std::mt19937& g)
{
    static const char alphabet[] = "0123456789012345678901234567890123456789 .,+-EeDdx\t";
    std::uniform_int_distribution<int> longueur(0, 12), lettre(0, sizeof alphabet - 2), genre(0, 3);
    if (genre(g) == 0) {
        // A well-formed column: zero-padded integer part and a few decimals.
        std::uniform_int_distribution<int> entiers(1, 8), decimales(0, 5), chiffre(0, 9);
        std::string t = std::uniform_int_distribution<int>(0, 5)(g) == 0 ? "-" : "";
        for (int k = entiers(g); k > 0; --k)
            t.push_back(static_cast<char>('0' + chiffre(g)));
        if (const int d = decimales(g); d > 0) {
            t.push_back(std::uniform_int_distribution<int>(0, 3)(g) == 0 ? ',' : '.');
            for (int k = d; k > 0; --k)
                t.push_back(static_cast<char>('0' + chiffre(g)));
        }
        return t;
    }
    std::string t;
    for (int k = longueur(g); k > 0; --k)
        t.push_back(alphabet[lettre(g)]);
    return t;
}

} // namespace

TEST(LectureNombre, ColumnTextsReadAsTheLeadingNumber)
{
    struct Cas {
        const char* texte;
        bool virgule;
        double attendu;
    } cas[] = {
        {"0000012345", false, 12345}, {"12 345", false, 12345},  {"12,5", false, 12},      {"12,5", true, 12.5},
        {"  -3.5E2x", false, -350},   {"1D2", false, 100},       {"abc", false, 0},        {"", false, 0},
        {".5", false, 0.5},           {"1E", false, 1},          {"+7", false, 7},         {"0012.500", false, 12.5},
        {"\t4\n2", false, 42},        {"-0012.500", false, -12.5}, {"1.2.3", false, 1.2},  {"-", false, 0},
    };
    for (const Cas& c : cas)
        EXPECT_DOUBLE_EQ(ValeurNombre(std::string_view(c.texte), c.virgule), c.attendu) << c.texte;
}

TEST(LectureNombre, ANumberTooSmallForADoubleReadsAsZeroWithItsSignOneTooLargeOverflows)
{
    struct Cas {
        const char* texte;
        std::optional<double> attendu;
    } cas[] = {{"1e-400", 0.0}, {"-2e-324", -0.0}, {"0,000001e-99999", 0.0}, {"1e400", std::nullopt},
               {"0.01e311", std::nullopt}, {"100000e-330", 0.0}};
    for (const Cas& c : cas) {
        const std::optional<double> lu = valeurLue(c.texte, true);
        ASSERT_EQ(lu.has_value(), c.attendu.has_value()) << c.texte;
        if (c.attendu) {
            EXPECT_TRUE(memesBits(*lu, *c.attendu)) << c.texte << " " << *lu;
        }
    }
    // More digits than any exponent's bound: 1e99999 overflows, 1e-100000 is 0.
    const std::string zeros(200000, '0');
    EXPECT_FALSE(valeurLue("0." + zeros + "1e300000", false));
    EXPECT_EQ(valeurLue("1" + zeros + "e-300000", false), 0.0);
}

TEST(LectureNombre, TheFastReadingGivesWhatTheRuleGivesToTheLastBit)
{
    std::mt19937 g(20240611);
    std::vector<std::string> textes = {"00000000000000000000012.5", "12345678901234567890", "9007199254740993",
                                       "0.1E-22", "1E22", "1E23", "1.7976931348623157E308", "1E309", "1E-400",
                                       "4.9E-324", "0.000000000000000000000000001", "-0", "-0.000", "1 2.5 E 1",
                                       "1E+ 5", "5D", "1E50", "3.4E38", "123456789012.345", "12345678901234567890.",
                                       ".12345678901234567890123", "-0.00000000000000000000000000001D5"};
    for (int k = 0; k < 200000; ++k)
        textes.push_back(texteAleatoire(g));
    for (const std::string& t : textes) {
        for (bool virgule : {false, true}) {
            const std::optional<double> attendu = valeurSelonLaRegle(t, virgule), lu = valeurLue(t, virgule);
            ASSERT_EQ(lu.has_value(), attendu.has_value()) << t;
            if (attendu) {
                ASSERT_TRUE(memesBits(*lu, *attendu)) << t << " " << *lu << " " << *attendu;
            }
        }
        const std::optional<double> attendu = reformateeSelonLaRegle(t), lu = reformatee(t);
        ASSERT_EQ(lu.has_value(), attendu.has_value()) << t;
        if (attendu) {
            ASSERT_TRUE(memesBits(*lu, *attendu)) << t << " " << *lu << " " << *attendu;
        }
    }
}

TEST(LectureNombre, AFrenchLocaleDoesNotChangeTheParse)
{
    // The C locale functions would read "1.5" as 1 under fr_FR.
    std::setlocale(LC_ALL, "fr_FR.UTF-8");
    EXPECT_DOUBLE_EQ(ValeurNombre(std::string_view("1.5")), 1.5);
    EXPECT_EQ(FormatMotif(1.5, "0.00", '.'), "1.50");
    std::setlocale(LC_ALL, "C");
}

TEST(ArrondiEntiers, HalvesGoToTheEvenNeighbourAndOverflowRaises)
{
    struct Cas {
        double v;
        int attendu;
    } cas16[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.49, 0}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const Cas& c : cas16)
        EXPECT_EQ(EnEntier16(c.v), c.attendu) << c.v;
    for (double v : {32767.5, 32768.0, -32769.0, 1e300})
        EXPECT_THROW(EnEntier16(v), ErreurExecution) << v;
    EXPECT_EQ(EnEntier32(2147483647.4), 2147483647);
    EXPECT_EQ(EnEntier32(12.5), 12);
    try {
        EnEntier32(2147483647.5);
        FAIL();
    } catch (const ErreurExecution& e) {
        EXPECT_EQ(e.numero(), 6);
    }
}

TEST(ChampsSimples, AValueBeyondSinglePrecisionIsAnOverflowNeverAnInfinity)
{
    const float max = std::numeric_limits<float>::max();
    for (double v : {0.0, -12.5, 3.4e38, -3.4e38, static_cast<double>(max), 1e-50})
        EXPECT_EQ(EnSimple(v), static_cast<float>(v)) << v;
    for (double v : {1e39, -1e39, 1e50, 3.5e38, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        try {
            EnSimple(v);
            FAIL() << v;
        } catch (const ErreurExecution& e) {
            EXPECT_EQ(e.numero(), ErrDepassement) << v;
        }
    }
}

TEST(MotifsNombres, ValuesAreLaidOutAsTheWritersExpect)
{
    struct Cas {
        double v;
        const char* motif;
        char sep;
        const char* attendu;
    } cas[] = {
        {12.5, "0000.000", '.', "0012.500"},      {12.34567, "0000.00000", '.', "0012.34567"},
        {-12.5, "0000.000", '.', "-0012.500"},    {12345.5, "0000.000", '.', "12345.500"},
        {0.0005, "0.000", '.', "0.001"},          {7, "0000000000", '.', "0000000007"},
        {2.5, "0000", '.', "0003"},               {12.5, "0000.000", ',', "0012,500"},
        {9999.9996, "0000.000", '.', "10000.000"}, {0, "0000.000", '.', "0000.000"},
        {-0.0001, "0000.000", '.', "0000.000"},   {12.345f, "0.00", '.', "12.35"},
        {830, "0000", '.', "0830"},               {1e9, "0000000000", '.', "1000000000"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(FormatMotif(c.v, c.motif, c.sep), c.attendu) << c.v << " " << c.motif;
}

TEST(MotifsNombres, ANegativeValueGivesUpALeadingZeroToKeepItsColumns)
{
    std::string s;
    EXPECT_TRUE(FormatMotifDansColonne(-12.5, "0000.000", '.', s));
    EXPECT_EQ(s, "-012.500");
    EXPECT_TRUE(FormatMotifDansColonne(-999.5, "0000.000", '.', s));
    EXPECT_EQ(s, "-999.500");
    EXPECT_FALSE(FormatMotifDansColonne(-1000, "0000.000", '.', s));
    EXPECT_FALSE(FormatMotifDansColonne(12345.5, "0000.000", '.', s));
    EXPECT_TRUE(FormatMotifDansColonne(9999.9994, "0000.000", '.', s));
    EXPECT_EQ(s, "9999.999");
}

TEST(ReformatageCoordonnees, KeepsThreeDecimalsWhicheverSeparatorWasWritten)
{
    EXPECT_FLOAT_EQ(static_cast<float>(ValeurReformatee3Decimales("0012.34567")), 12.346f);
    EXPECT_FLOAT_EQ(static_cast<float>(ValeurReformatee3Decimales("0012,500")), 12.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(ValeurReformatee3Decimales("-012.500")), -12.5f);
    EXPECT_FLOAT_EQ(static_cast<float>(ValeurReformatee3Decimales("12 345")), 12345.f);
    EXPECT_FLOAT_EQ(static_cast<float>(ValeurReformatee3Decimales("abc")), 0.f);
    EXPECT_FLOAT_EQ(static_cast<float>(ValeurReformatee3Decimales("")), 0.f);
}

TEST(TextesNombres, LeadingBlankAndGeneralFormats)
{
    EXPECT_EQ(TexteAvecSigne(12000000), QStringLiteral(" 12000000"));
    EXPECT_EQ(TexteAvecSigne(-5), QStringLiteral("-5"));
    EXPECT_EQ(TexteAvecSigne(0.5), QStringLiteral(" .5"));
    EXPECT_EQ(TexteAvecSigne(1234), QStringLiteral(" 1234"));
    EXPECT_EQ(TexteAvecSigne(520.0f, true), QStringLiteral(" 520"));
    EXPECT_EQ(TexteAvecSigne(0.1f, true), QStringLiteral(" .1"));
    EXPECT_EQ(TexteGeneral(520.0), QStringLiteral("520"));
    EXPECT_EQ(TexteGeneral(12.5, QLatin1Char(',')), QStringLiteral("12,5"));
    EXPECT_EQ(TexteGeneral(0.25), QStringLiteral("0.25"));
    EXPECT_EQ(TexteGeneral(1e16), QStringLiteral("1E+16"));
}

TEST(NombresDialogues, WholeDegreesFloorExceptWithinABillionthOfAWholeNumber)
{
    struct Cas {
        double radians, degres;
    } cas[] = {{37 * Pi / 180, 37}, {0.5, 28}, {-0.5, -29}, {0, 0}, {Pi, 180}, {-Pi / 2, -90}, {36.9999 * Pi / 180, 36}};
    for (const Cas& c : cas)
        EXPECT_EQ(DegresEntiers(c.radians), c.degres) << c.radians;
}

TEST(NombresDialogues, BoundedWholeNumbersRoundHalvesToEvenAndTakeNaNAsTheMinimum)
{
    struct Cas {
        double v;
        int attendu;
    } cas[] = {{2.5, 2}, {3.5, 4}, {-5, 0}, {0, 0}, {1e300, 180}, {180.4, 180}, {std::nan(""), 0}, {179.5, 180}};
    for (const Cas& c : cas)
        EXPECT_EQ(EntierBorne(c.v, 0, 180), c.attendu) << c.v;
}

TEST(NombresDialogues, ThresholdsDropEveryThousandsGrouping)
{
    struct Cas {
        const char16_t* texte;
        double attendu;
    } cas[] = {{u"1 000 000", 1e6},         {u"1\u202F000\u202F000", 1e6}, {u"1\u00A0250", 1250},
               {u"1,234,567", 1234567},     {u"1.234.567", 1234567},       {u"1.5", 1.5},
               {u"1'000", 1000},            {u"12.345", 12.345},           {u"", 0}};
    for (const Cas& c : cas)
        EXPECT_EQ(ValeurNombre(TexteSansMilliers(QString::fromUtf16(c.texte))), c.attendu) << QString::fromUtf16(c.texte).toStdString();
}

TEST(NombresDialogues, RegionalNumbersUseTheRegionalSeparatorBothWays)
{
    EXPECT_EQ(TexteRegional(static_cast<float>(0.695), ',', true), QStringLiteral("0,695"));
    EXPECT_EQ(TexteRegional(-35.7821, ','), QStringLiteral("-35,7821"));
    EXPECT_EQ(TexteRegional(1100, '.'), QStringLiteral("1100"));
    EXPECT_EQ(*LitNombre(QStringLiteral("12,5 cm"), {Etendue::TeteOuZero, true}), 12.5);
    EXPECT_EQ(*LitNombre(QStringLiteral("12,5"), {Etendue::TeteOuZero, false}), 12);
}

// What a box's rule reads, by the one reading of the boxes: a number, no
// number, or a number beyond its field; a box keeps its value on a refusal.
TEST(NombresDialogues, EachRuleReadsTheNumberItChecksOrRefusesIt)
{
    struct Cas {
        const char* texte;
        Etendue etendue;
        bool virgule;
        Lu lu;
        double valeur;
    } cas[] = {
        {"12,5", Etendue::Texte, true, Lu::Nombre, 12.5},
        {"12.5", Etendue::Texte, true, Lu::Nombre, 12.5},
        {"25,", Etendue::Texte, true, Lu::Nombre, 25},
        {"25.", Etendue::Texte, false, Lu::Nombre, 25},
        {" -3 ", Etendue::Texte, false, Lu::Nombre, -3},
        // Pasted from another program: blanks that are not spaces.
        {"\u00A025", Etendue::Texte, false, Lu::Nombre, 25},
        {"\v7\f", Etendue::Texte, false, Lu::Nombre, 7},
        {"\f1e999", Etendue::Texte, false, Lu::HorsChamp, 0},
        {"abc", Etendue::Texte, false, Lu::PasNombre, 0},
        {"", Etendue::Texte, false, Lu::PasNombre, 0},
        {"1,5", Etendue::Texte, false, Lu::PasNombre, 0},
        {"2 cm", Etendue::Texte, false, Lu::PasNombre, 0},
        {"1..", Etendue::Texte, false, Lu::PasNombre, 0},
        {".5.", Etendue::Texte, false, Lu::PasNombre, 0},
        {"1e5.", Etendue::Texte, false, Lu::PasNombre, 0},
        {"1.5.", Etendue::Texte, false, Lu::PasNombre, 0},
        // Beyond a double: a number, out of range, not "no number".
        {"1e400", Etendue::Texte, false, Lu::HorsChamp, 0},
        {"1e400", Etendue::Tete, false, Lu::HorsChamp, 0},
        // Both leading-number rules find the number where the reading does.
        {"- 5", Etendue::Tete, false, Lu::Nombre, -5},
        {"- 5", Etendue::TeteOuZero, false, Lu::Nombre, -5},
        {"- . 5 km", Etendue::Tete, false, Lu::Nombre, -0.5},
        {"km 5", Etendue::Tete, false, Lu::PasNombre, 0},
        {"km 5", Etendue::TeteOuZero, false, Lu::Nombre, 0},
        // The blanks pasted before a number are set aside by every rule.
        {"\u00A0500", Etendue::TeteOuZero, false, Lu::Nombre, 500},
        {"\f9999", Etendue::Tete, false, Lu::Nombre, 9999},
        {"\v60000 km", Etendue::TeteOuZero, false, Lu::Nombre, 60000},
        // Inside the number, every blank is skipped where a space is.
        {"1\u00A0234\u00A0567", Etendue::Tete, false, Lu::Nombre, 1234567},
        {"12\u202F345,5", Etendue::TeteOuZero, true, Lu::Nombre, 12345.5},
        {"1\u2007000", Etendue::Tete, false, Lu::Nombre, 1000},
        {"-\u00A05", Etendue::TeteOuZero, false, Lu::Nombre, -5},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const NombreLu n = LitNombre(QString::fromUtf8(c.texte), {c.etendue, c.virgule});
        EXPECT_EQ(n.lu, c.lu);
        double garde = -1;
        if (n)
            garde = *n;
        EXPECT_EQ(garde, c.lu == Lu::Nombre ? c.valeur : -1);
    }
}

// The refusals in the program's own words, one of each form.
TEST(NombresDialogues, TheRefusalsOfATypedNumberSayWhereAndWhy)
{
    const std::pair<QString, const char*> cas[] = {
        {MessageHorsChamp(QStringLiteral(" 1e39 "), QStringLiteral("Longueur"), GenreChamp::Simple),
         "Le nombre 1e39 tapé dans « Longueur » est hors des limites (de -3,402823E+38 à 3,402823E+38) : rien n'est "
         "changé."},
        {MessageHorsChamp(QStringLiteral("40000"), QStringLiteral("Plan n° (Noeuds)"), GenreChamp::Entier16),
         "Le nombre 40000 tapé dans « Plan n° (Noeuds) » est hors des limites (de -32768 à 32767) : rien n'est "
         "changé."},
        {MessageHorsChamp(QStringLiteral("3e12"), QStringLiteral("Population"), GenreChamp::Entier32),
         "Le nombre 3e12 tapé dans « Population » est hors des limites (de -2147483648 à 2147483647) : rien n'est "
         "changé."},
        {MessageHorsChamp(QStringLiteral("-1e999"), QStringLiteral("Valeur de R"), GenreChamp::Double),
         "Le nombre -1e999 tapé dans « Valeur de R » est hors des limites (de -1,797693E+308 à 1,797693E+308) : "
         "rien n'est changé."},
        {MessageResultatHorsLimites(QStringLiteral("2e38"), QStringLiteral("Amplitude régulière")),
         "Le nombre 2e38 tapé dans « Amplitude régulière » donnerait un résultat hors des limites des nombres : rien "
         "n'est changé."},
    };
    for (const auto& [message, attendu] : cas)
        EXPECT_EQ(message.toStdString(), attendu);
}

TEST(NombresDialogues, TwoDecimalPlacesFormatDropsZerosAndKeepsTheSeparator)
{
    struct Cas {
        double v;
        char sep;
        const char* attendu;
    } cas[] = {{25, '.', "25."},   {0.5, '.', ".5"},   {19.5, ',', "19,5"}, {-3.456, '.', "-3.46"},
               {0.004, '.', "."},   {99.999, '.', "100."}, {12.05, '.', "12.05"}, {-0.001, '.', "."}};
    for (const Cas& c : cas)
        EXPECT_EQ(FormatDieses2(c.v, c.sep), QString::fromUtf8(c.attendu)) << c.v;
}
