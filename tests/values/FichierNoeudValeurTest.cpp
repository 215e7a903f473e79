// Node-value files: the layout chosen from line 1, what each layout reads,
// the time option, file 2 by position or by code, the merge, the table
// limit, and that a failed read changes nothing.
#include "values/FichierNoeudValeur.h"
#include "platform/Erreurs.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace kelmo;
using namespace kelmo::test;
using namespace std::string_literals;

namespace {

using Enregistrements = std::vector<std::pair<int32_t, float>>;

class FichierNoeudValeur : public ::testing::Test {
protected:
    void SetUp() override { ModeleNeuf(); }
    QString fichier(const std::string& contenu, const QString& nom = QStringLiteral("v.dat"))
    {
        return EcritFichier(dir, nom, contenu);
    }
    static Enregistrements lus1()
    {
        Enregistrements r;
        for (int k = 1; k <= K.NbValeursNoeuds; ++k)
            r.emplace_back(K.ValeursFichiersNoeuds[k].Code, K.ValeursFichiersNoeuds[k].Valeur1);
        return r;
    }
    QTemporaryDir dir;
    RepondeurScripte ui;
};

} // namespace

TEST(DispositionNoeudValeur, LineOneDecidesTheLayoutAndTheClockColumn)
{
    struct Cas {
        const char* ligne;
        DispositionNoeudValeur disposition;
        int colonne;
    };
    using D = DispositionNoeudValeur;
    const Cas cas[] = {
        {"751 152.5", D::Simple, 0},
        {"751 152.5 PARIS", D::Libelle, 0},
        {"751 1.5E+03", D::Libelle, 0},      // the exponent's E is a letter
        {"751 [7]", D::Libelle, 0},          // so are the signs between Z and a
        {"       751  25:40", D::Horaire, 13},
        {"751 12:30 13:45", D::Horaire, 11}, // the last colon wins
        {"PARIS 12:30", D::Libelle, 0},      // a colon after a letter is not seen
        {"12:30 PARIS", D::Horaire, 1},
        {"751 \xE9t\xE9", D::Libelle, 0},    // accented letters are not letters, the t is
        {"751 \xE9", D::Simple, 0},
        {"", D::Simple, 0},
    };
    for (const Cas& c : cas) {
        const DetectionNoeudValeur d = DetecteDispositionNoeudValeur(c.ligne);
        EXPECT_EQ(d.disposition, c.disposition) << c.ligne;
        if (c.disposition == D::Horaire) {
            EXPECT_EQ(d.colonneHeure, c.colonne) << c.ligne;
        }
    }
}

TEST_F(FichierNoeudValeur, EachLayoutReadsItsRecordsAndCountsThem)
{
    struct Cas {
        std::string contenu;
        Enregistrements attendu;
    };
    const Cas cas[] = {
        {"751 152.5\r\n752 10\r\n", {{751, 152.5f}, {752, 10}}},
        {"751,12.5\r\n", {{751, 12.5f}}},
        {"751 10\n752 20", {{751, 10}, {752, 20}}},           // LF and no last line end
        {"751 10\r\n752", {{751, 10}}},                       // a record cut short is dropped
        {"751 10 PARIS\r\n752 20 LYON\r\n", {{751, 10}, {752, 20}}},
        {"751 12,5 PARIS\r\n", {{751, 12.5f}}},               // decimal comma taken for a separator
        {"751 12 3 ROUTES\r\n", {{751, 12.3f}}},
        {"751 -0,5 X\r\n", {{751, -0.5f}}},                   // the sign of a value below 1 stays
        {"751 12,5\r\n", {{751, 12}}},                        // no letter: plain, the comma separates
        {"751 1.5E+03\r\n", {{751, 1500}}},
        {"751 10 PARIS, FRANCE\r\n752 3 LYON\r\n", {{751, 10}, {752, 3}}}, // items past the name
        {"751 10 PARIS\r\n752\r\n753 7 NICE\r\n", {{751, 10}, {753, 7}}},  // a code alone has no value
        {"\"751\",\"10\",\"PARIS\"\r\n", {{751, 10}}},
        {"       751  02:35\r\n       752  25:40\r\n", {{751, 155}, {752, 1540}}},
        {"       751  02:35\r\n\r\n       752  00:05\r\n", {{751, 155}, {752, 5}}},
        {"", {}},
        {"\r\n751 10\r\n", {}},                               // an empty line 1 reads as nothing
        {"751 10 PARIS\0\0\0\r\n752 20 \0\0\0\0\r\n"s, {{751, 10}, {752, 20}}}, // names padded with NULs
    };
    for (const Cas& c : cas) {
        ModeleNeuf();
        LitFichierNoeudValeur1(fichier(c.contenu));
        EXPECT_EQ(lus1(), c.attendu) << c.contenu;
    }
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(FichierNoeudValeur, TheDecimalCommaRepairDoesNotDependOnTheRegionalSeparator)
{
    for (char sep : {'.', ','}) {
        ModeleNeuf();
        K.SeparateurDecimal = sep;
        LitFichierNoeudValeur1(fichier("751 12,5 PARIS\r\n752 7,25\r\n"));
        EXPECT_EQ(lus1(), (Enregistrements{{751, 12.5f}, {752, 7.25f}})) << sep;
    }
}

TEST_F(FichierNoeudValeur, TheTimeOptionTurnsHoursDotMinutesIntoExactMinutes)
{
    struct Cas {
        const char* contenu;
        bool hhmm;
        float attendu;
    };
    const Cas cas[] = {
        {"751 2.05\r\n", true, 125.0f}, // not 124.99999: the product is taken on the text's number
        {"751 1.30\r\n", true, 90.0f},
        {"751 1,30 X\r\n", true, 90.0f},
        {"751 2.05\r\n", false, 2.05f},
        {"       751  02:35\r\n", false, 155.0f}, // the clock layout converts whatever the options
    };
    for (const Cas& c : cas) {
        ModeleNeuf();
        K.Formes.Statistiques.ValHoraires = true;
        K.Formes.Statistiques.HoraireHHMM = c.hhmm;
        K.Formes.Statistiques.HoraireMinutes = !c.hhmm;
        LitFichierNoeudValeur1(fichier(c.contenu));
        ASSERT_EQ(K.NbValeursNoeuds, 1) << c.contenu;
        EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, c.attendu) << c.contenu;

        // File 2 applies the same option to its values.
        LitFichierNoeudValeur2(fichier(c.contenu));
        EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur2, c.attendu) << c.contenu;
    }
}

TEST_F(FichierNoeudValeur, AClockFileTicksTheTimeOptionsOfTheStatisticsWindow)
{
    LitFichierNoeudValeur2(fichier("       751  02:35\r\n"));
    EXPECT_TRUE(K.Formes.Statistiques.ValHoraires);
    EXPECT_FALSE(K.Formes.Statistiques.TypeHoraireVisible);

    K.Formes.Statistiques.HoraireHHMM = false;
    K.Formes.Statistiques.HoraireMinutes = true;
    LitFichierNoeudValeur1(fichier("       751  02:35\r\n"));
    EXPECT_TRUE(K.Formes.Statistiques.ValHoraires);
    EXPECT_TRUE(K.Formes.Statistiques.TypeHoraireVisible);
    EXPECT_TRUE(K.Formes.Statistiques.HoraireHHMM);
    EXPECT_FALSE(K.Formes.Statistiques.HoraireMinutes);
}

TEST_F(FichierNoeudValeur, FileTwoPairsByCodeInTheLabelledLayoutAndByLineOtherwise)
{
    LitFichierNoeudValeur1(fichier("751 10 PARIS\r\n752 20 LYON\r\n753 30 NICE\r\n"));
    LitFichierNoeudValeur2(fichier("753 3 NICE\r\n751 1,5 PARIS\r\n999 9 AILLEURS\r\n"));
    EXPECT_EQ(K.NbValeursNoeuds, 3);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur2, 1.5f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[2].Valeur2, 0.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[3].Valeur2, 3.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[3].Code, 753);

    // By line: the codes of file 2 replace those of file 1.
    LitFichierNoeudValeur2(fichier("900 5\r\n901 6\r\n"));
    EXPECT_EQ(K.NbValeursNoeuds, 3);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Code, 900);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur2, 5.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[2].Code, 901);
    EXPECT_EQ(K.ValeursFichiersNoeuds[3].Code, 753);
    EXPECT_EQ(K.ValeursFichiersNoeuds[3].Valeur1, 30.0f);
}

TEST_F(FichierNoeudValeur, TheMergeKeepsTheSmallerValuePositionByPosition)
{
    LitFichierNoeudValeur1(fichier("751 40\r\n752 40\r\n"));
    K.FusionValeurs = true;
    LitFichierNoeudValeur1(fichier("761 35\r\n762 45\r\n"));
    EXPECT_EQ(lus1(), (Enregistrements{{761, 35}, {762, 40}}));
}

TEST_F(FichierNoeudValeur, RecordsPastTheTableAreDroppedWithOneWarning)
{
    std::string contenu;
    for (int k = 1; k <= NbMaxValeursNoeuds + 5; ++k)
        contenu += std::to_string(1000 + k) + " " + std::to_string(k) + "\r\n";
    const QString chemin = fichier(contenu);
    LitFichierNoeudValeur1(chemin);
    EXPECT_EQ(K.NbValeursNoeuds, NbMaxValeursNoeuds);
    EXPECT_EQ(K.ValeursFichiersNoeuds[NbMaxValeursNoeuds].Valeur1, static_cast<float>(NbMaxValeursNoeuds));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].contains(chemin));
    EXPECT_TRUE(ui.messages()[0].contains(QStringLiteral("6000")));

    ui.efface();
    LitFichierNoeudValeur2(chemin);
    EXPECT_EQ(K.ValeursFichiersNoeuds[NbMaxValeursNoeuds].Valeur2, static_cast<float>(NbMaxValeursNoeuds));
    EXPECT_EQ(ui.messages().size(), 1u);
}

TEST_F(FichierNoeudValeur, AFailedReadLeavesTablesCountAndOptionsAsTheyWere)
{
    const std::string mauvais[] = {
        "   75.5   02:35\r\n",        // a clock code that is not a whole number
        "       751  02:35\r\nabc  x  01:00\r\n",
        ":12 5\r\n",                  // the clock column would start before column 1
        "751 12,5abc PARIS\r\n",      // repaired decimals that make no number
        "751 1e39\r\n",               // beyond single precision
        "99999999999 1\r\n",          // beyond a 32-bit code
        "751 1\0\0 PARIS\r\n"s,      // a NUL where the value is read
        "       751  0\0:35\r\n"s,    // a NUL in the clock
        "751\0 10\r\n"s,            // a NUL on the code
        "       751  02:35\r\n       752  03\0" "00\r\n"s, // a NUL in the colon column
        "       751  02:35\r\n       752 \0" "03:00\r\n"s, // between the code and the clock
        "       751  02:35\r\n       752  03:00\0\r\n"s,    // at the line end
    };
    for (const std::string& contenu : mauvais) {
        ModeleNeuf();
        LitFichierNoeudValeur1(fichier("751 40 PARIS\r\n752 50 LYON\r\n"));
        LitFichierNoeudValeur2(fichier("751 4 PARIS\r\n"));
        const std::vector<ValeurNoeud> avant = K.ValeursFichiersNoeuds;
        for (auto lecteur : {LitFichierNoeudValeur1, LitFichierNoeudValeur2}) {
            EXPECT_THROW(lecteur(fichier(contenu)), ErreurExecution) << contenu;
            EXPECT_EQ(K.NbValeursNoeuds, 2) << contenu;
            EXPECT_FALSE(K.Formes.Statistiques.ValHoraires) << contenu;
            for (std::size_t k = 0; k < avant.size(); ++k) {
                EXPECT_EQ(K.ValeursFichiersNoeuds[k].Code, avant[k].Code) << contenu;
                EXPECT_EQ(K.ValeursFichiersNoeuds[k].Valeur1, avant[k].Valeur1) << contenu;
                EXPECT_EQ(K.ValeursFichiersNoeuds[k].Valeur2, avant[k].Valeur2) << contenu;
            }
        }
    }
    EXPECT_THROW(LitFichierNoeudValeur1(dir.path() + QStringLiteral("/absent.dat")), ErreurExecution);
    EXPECT_EQ(K.NbValeursNoeuds, 2);
}
