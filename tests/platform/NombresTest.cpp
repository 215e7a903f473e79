// The number rules of the stored files: what a column reads as, how values
// round into integers, and how the writers lay numbers into their columns.
#include "platform/Erreurs.h"
#include "platform/Nombres.h"

#include <gtest/gtest.h>

using namespace kelmo;

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
        EXPECT_EQ(ValeurSeuil(QString::fromUtf16(c.texte)), c.attendu) << QString::fromUtf16(c.texte).toStdString();
}

TEST(NombresDialogues, RegionalNumbersUseTheRegionalSeparatorBothWays)
{
    EXPECT_EQ(TexteRegional(static_cast<float>(0.695), ',', true), QStringLiteral("0,695"));
    EXPECT_EQ(TexteRegional(-35.7821, ','), QStringLiteral("-35,7821"));
    EXPECT_EQ(TexteRegional(1100, '.'), QStringLiteral("1100"));
    EXPECT_EQ(ValeurTeteRegionale(QStringLiteral("12,5 cm"), ','), 12.5);
    EXPECT_EQ(ValeurTeteRegionale(QStringLiteral("12,5"), '.'), 12);

    struct Cas {
        const char* texte;
        char separateur;
        bool nombre;
        double valeur;
    } cas[] = {{"12,5", ',', true, 12.5}, {"12.5", ',', true, 12.5}, {"25,", ',', true, 25},  {" -3 ", '.', true, -3},
               {"abc", '.', false, 0},    {"", '.', false, 0},       {"1,5", '.', false, 0},  {"1e400", '.', false, 0},
               {"2 cm", '.', false, 0},   {"1.5.", '.', true, 1.5}};
    for (const Cas& c : cas) {
        double v = -1;
        EXPECT_EQ(NombreRegional(QString::fromUtf8(c.texte), c.separateur, v), c.nombre) << c.texte;
        if (c.nombre)
            EXPECT_EQ(v, c.valeur) << c.texte;
        else
            EXPECT_EQ(v, -1) << c.texte << ": a refused text leaves the value alone";
    }
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
