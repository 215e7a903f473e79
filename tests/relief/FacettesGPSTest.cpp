// The facets file: what each line gives, what is refused with the table
// left as it was, the corners tied to the nodes, and the file command.
#include "core/Demarrage.h"
#include "core/Modele.h"
#include "platform/Chemins.h"
#include "platform/RepondeurScripte.h"
#include "relief/FacettesGPS.h"
#include "support/Reseau.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

struct Codes {
    int32_t c1, c2, c3;
    bool operator==(const Codes&) const = default;
};

// Three codes in their columns: 1-10, 12-21, 23-32.
std::string ligne(const char* a, const char* b, const char* c)
{
    return QStringLiteral("%1 %2 %3").arg(a, 10).arg(b, 10).arg(c, 10).toStdString();
}

std::vector<Codes> lues()
{
    std::vector<Codes> r;
    for (int32_t i = 1; i <= K.NbFacettesGPS; ++i)
        r.push_back({K.FacettesGPS[i].Code1, K.FacettesGPS[i].Code2, K.FacettesGPS[i].Code3});
    return r;
}

class FacettesGPS : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { ReinitialiseDonnees(); }
    // A table of two triangles already loaded.
    void tableExistante()
    {
        K.FacettesGPS = {FacetteGPS{}, FacetteGPS{1, 2, 3, 10, 20, 30}, FacetteGPS{4, 5, 6, 40, 50, 60}};
        K.NbFacettesGPS = 2;
    }
    QTemporaryDir dir;
    RepondeurScripte r;
};

} // namespace

TEST_F(FacettesGPS, EveryLineOfCodesIsATriangleReadByColumnAsValReadsNumbers)
{
    struct Cas {
        const char* quoi;
        std::string contenu;
        std::vector<Codes> attendu;
    };
    const std::string crlf = "\r\n";
    const Cas cas[] = {
        {"three lines, three triangles (the last one too)",
         ligne("1", "2", "3") + crlf + ligne("2", "3", "4") + crlf + ligne("3", "4", "5") + crlf,
         {{1, 2, 3}, {2, 3, 4}, {3, 4, 5}}},
        {"lines ending in LF alone, the last one without an end",
         ligne("7", "8", "9") + "\n" + ligne("10", "11", "12"), {{7, 8, 9}, {10, 11, 12}}},
        {"decimal codes go to the nearest, halves to even",
         ligne("12.5", "13.5", "-2.5") + crlf + ligne("0.5", "1.5", "7.49"), {{12, 14, -2}, {0, 2, 7}}},
        {"blanks before and inside the digits are skipped", ligne("  1 2 3", "45", " 6 7") + crlf, {{123, 45, 67}}},
        {"a short line reads its missing fields as 0", "42" + crlf + ligne("1", "2", "") + crlf,
         {{42, 0, 0}, {1, 2, 0}}},
        {"a field that is no number reads 0; reading stops at what cannot continue it",
         ligne("abc", "12,7", "9x1") + crlf, {{0, 12, 9}}},
        {"text beyond column 32 is not read", ligne("1", "2", "3") + "99 commentaire" + crlf, {{1, 2, 3}}},
        {"blank lines are not triangles", crlf + ligne("1", "2", "3") + crlf + "   " + crlf + crlf
                                              + ligne("4", "5", "6") + crlf + crlf,
         {{1, 2, 3}, {4, 5, 6}}},
        {"a last line of three zeros is the end mark", ligne("1", "2", "3") + crlf + ligne("0", "0", "0") + crlf + crlf,
         {{1, 2, 3}}},
        {"three zeros before the last line are a triangle",
         ligne("0", "0", "0") + crlf + ligne("1", "2", "3") + crlf, {{0, 0, 0}, {1, 2, 3}}},
        {"codes up to the 32-bit limits", ligne("2147483647", "-2147483E3", "1E3") + crlf,
         {{2147483647, -2147483000, 1000}}},
        {"an empty file has no triangle", "", {}},
    };
    for (const Cas& c : cas) {
        const QString chemin = EcritFichier(dir, "f.dat", c.contenu);
        EXPECT_TRUE(LitFichierFacettesGPS(chemin)) << c.quoi;
        EXPECT_EQ(lues(), c.attendu) << c.quoi;
        EXPECT_EQ(K.FacettesGPS.size(), c.attendu.size() + 1) << c.quoi;
        for (int32_t i = 1; i <= K.NbFacettesGPS; ++i)
            EXPECT_EQ(K.FacettesGPS[i].Indice1 + K.FacettesGPS[i].Indice2 + K.FacettesGPS[i].Indice3, 0) << c.quoi;
    }
    EXPECT_TRUE(r.messages().empty());
    EXPECT_EQ(r.nombreSablier(), static_cast<int>(std::size(cas)));
    EXPECT_FALSE(r.sablierActif());
}

TEST_F(FacettesGPS, AFileThatCannotBeTakenIsReportedAndThePreviousTableKept)
{
    struct Cas {
        const char* quoi;
        std::string contenu; // empty: no file at all
        QString message;     // its beginning
    };
    const std::string crlf = "\r\n";
    const QString chemin = dir.filePath("f.dat");
    const Cas cas[] = {
        {"a code beyond the 32-bit range, named by its line",
         ligne("1", "2", "3") + crlf + crlf + ligne("1", "2147483648", "3") + crlf,
         "La ligne 3 du fichier " + chemin + " donne un code de noeud hors des limites d'un entier sur 32 bits"},
        {"a binary file", std::string("\x01\x02\0\x03 12 ", 8) + crlf,
         "Le fichier " + chemin + " n'est pas un fichier texte de facettes"},
        {"no file", "", "Erreur dans la lecture du fichier des facettes " + chemin},
    };
    for (const Cas& c : cas) {
        QFile::remove(chemin);
        if (!c.contenu.empty())
            EcritFichier(dir, "f.dat", c.contenu);
        tableExistante();
        r.efface();
        EXPECT_FALSE(LitFichierFacettesGPS(chemin)) << c.quoi;
        ASSERT_EQ(r.messages().size(), 1u) << c.quoi;
        EXPECT_TRUE(r.messages()[0].startsWith(c.message)) << c.quoi << " / " << r.messages()[0].toStdString();
        EXPECT_EQ(r.appels()[0].titre, "Erreur");
        EXPECT_EQ(lues(), (std::vector<Codes>{{10, 20, 30}, {40, 50, 60}})) << c.quoi;
        EXPECT_EQ(K.FacettesGPS[2].Indice3, 6) << c.quoi;
        EXPECT_FALSE(r.sablierActif());
    }
}

TEST_F(FacettesGPS, ALongFileKeepsItsFirst30000TrianglesWithAWarning)
{
    std::string contenu;
    for (int i = 1; i <= NbMaxFacettesGPS; ++i)
        contenu += ligne(std::to_string(i).c_str(), "1", "2") + "\r\n";
    // Exactly full, with its end mark: nothing left out.
    const QString plein = EcritFichier(dir, "plein.dat", contenu + ligne("0", "0", "0") + "\r\n");
    ASSERT_TRUE(LitFichierFacettesGPS(plein));
    EXPECT_EQ(K.NbFacettesGPS, NbMaxFacettesGPS);
    EXPECT_TRUE(r.messages().empty());

    const QString long_ = EcritFichier(dir, "long.dat", contenu + ligne("30001", "1", "2") + "\r\n" + ligne("7", "8", "9"));
    ASSERT_TRUE(LitFichierFacettesGPS(long_));
    EXPECT_EQ(K.NbFacettesGPS, NbMaxFacettesGPS);
    EXPECT_EQ(K.FacettesGPS[NbMaxFacettesGPS].Code1, NbMaxFacettesGPS);
    ASSERT_EQ(r.messages().size(), 1u);
    EXPECT_EQ(r.messages()[0], "Le fichier " + long_ + " compte plus de 30000 facettes : seules les 30000 premières ont "
                                                      "été lues.");
}

TEST_F(FacettesGPS, CornersTakeTheFirstNodeOfTheirCodeAndAMissingCodeKeeps0)
{
    Noeud_("A", 100);
    Noeud_("B", 200);
    Noeud_("B bis", 200); // the same code: the first node wins
    Noeud_("C", -5);
    K.FacettesGPS = {FacetteGPS{}, FacetteGPS{0, 0, 0, 100, 200, -5}, FacetteGPS{0, 0, 0, 200, 999, 100},
                     FacetteGPS{0, 0, 0, 0, 0, 0}};
    K.NbFacettesGPS = 3;
    int repeints = 0;
    K.StatusBar.Repeint = [&] { ++repeints; };
    IndexeFacettesGPS();
    const auto& f = K.FacettesGPS;
    EXPECT_EQ((std::array{f[1].Indice1, f[1].Indice2, f[1].Indice3}), (std::array<int16_t, 3>{1, 2, 4}));
    EXPECT_EQ((std::array{f[2].Indice1, f[2].Indice2, f[2].Indice3}), (std::array<int16_t, 3>{2, 0, 1}));
    EXPECT_EQ((std::array{f[3].Indice1, f[3].Indice2, f[3].Indice3}), (std::array<int16_t, 3>{0, 0, 0}));
    // The progress report showed and went away.
    EXPECT_GT(repeints, 0);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
    EXPECT_TRUE(K.StatusBar.Panneaux[5].isEmpty());

    // No triangle: the progress panel never shows.
    K.NbFacettesGPS = 0;
    K.FacettesGPS.resize(1);
    repeints = 0;
    IndexeFacettesGPS();
    EXPECT_EQ(repeints, 0);
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(FacettesGPS, TheCommandAsksInTheFacetsFolderThenReadsAndIndexesTheChosenFile)
{
    Noeud_("A", 1);
    Noeud_("B", 2);
    Noeud_("C", 3);
    K.RacineDonnees = dir.path();
    InitCheminFacettesGPS();
    EXPECT_EQ(K.RepertoireFacettes, Joint(dir.path(), "\\data\\facettes"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("data/facettes")));

    QDir().mkpath(dir.filePath("autres"));
    const QString chemin = dir.filePath("autres/t.dat");
    EcritFichier(dir, "autres/t.dat", ligne("1", "2", "3") + "\r\n" + ligne("3", "2", "9") + "\r\n");
    r.RepondTexte(chemin);
    Kelmo_menLectFichFacettes_Click();
    ASSERT_EQ(r.appels().size(), 1u);
    const AppelDialogue& a = r.appels()[0];
    EXPECT_EQ(a.genre, AppelDialogue::FichierOuvrir);
    EXPECT_EQ(a.fichier.titre, "Fichier des facettes...");
    EXPECT_EQ(a.fichier.filtre, "Data(*.dat)|*.dat|Tous fichiers(*.*)|*.*");
    EXPECT_EQ(a.fichier.indexFiltre, 1);
    EXPECT_EQ(a.fichier.dossierInitial, Joint(dir.path(), "\\data\\facettes"));
    EXPECT_EQ(a.fichier.nomFichier, "");
    EXPECT_EQ(K.NomFichierFacettes, chemin);
    EXPECT_EQ(K.RepertoireFacettes, dir.filePath("autres"));
    ASSERT_EQ(K.NbFacettesGPS, 2);
    EXPECT_EQ(K.FacettesGPS[2].Indice1, 3);
    EXPECT_EQ(K.FacettesGPS[2].Indice3, 0);

    // The next chooser opens on the last choice; cancelled, it changes nothing.
    r.efface();
    r.RepondTexte(std::nullopt);
    Kelmo_menLectFichFacettes_Click();
    EXPECT_EQ(r.appels()[0].fichier.dossierInitial, dir.filePath("autres"));
    EXPECT_EQ(r.appels()[0].fichier.nomFichier, chemin);
    EXPECT_EQ(K.NomFichierFacettes, chemin);
    EXPECT_EQ(K.NbFacettesGPS, 2);

    // A file that is not there: the missing-file message, the table kept.
    r.efface();
    const QString absent = dir.filePath("autres/absent.dat");
    r.RepondTexte(absent);
    Kelmo_menLectFichFacettes_Click();
    EXPECT_EQ(r.messages(), std::vector<QString>{"Ce fichier ou répertoire n'existe pas : " + absent});
    EXPECT_EQ(K.NomFichierFacettes, absent);
    EXPECT_EQ(K.NbFacettesGPS, 2);
}

TEST_F(FacettesGPS, StartUpPointsTheChooserBelowTheDataRootWithoutCreatingTheFolder)
{
    QDir().mkpath(dir.filePath("racine/data"));
    DefinitCandidatsRacineDonnees({{dir.filePath("racine")}});
    DefinitCrochetsDemarrage({});
    InitialiseKelmo();
    RetablitCandidatsRacineDonnees();
    EXPECT_EQ(K.RepertoireFacettes, Joint(dir.filePath("racine"), "\\data\\facettes"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("racine/data/facettes")));
    EXPECT_TRUE(K.NomFichierFacettes.isEmpty());
    EXPECT_EQ(K.NbFacettesGPS, 0);
}
