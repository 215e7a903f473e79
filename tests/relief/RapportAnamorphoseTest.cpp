// The anamorphosis report: its columns byte for byte, the stress summed in
// single precision down the file, where it is written and how it is shown.
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/RepondeurScripte.h"
#include "relief/RapportAnamorphose.h"
#include "support/Reseau.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class RapportAnamorphose : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        ASSERT_TRUE(dir.isValid());
        ancienTmp = qgetenv("TMPDIR");
    }
    void TearDown() override
    {
        qputenv("TMPDIR", ancienTmp);
        ReinitialiseDonnees();
    }
    // A node at working position (xa, ya).
    void noeud(const QString& nom, float xa, float ya)
    {
        Noeud_(nom, K.NbNoeuds + 1);
        K.Noeuds[K.NbNoeuds].XAnamorphose = xa;
        K.Noeuds[K.NbNoeuds].YAnamorphose = ya;
    }
    // A kept arc between node numbers o and d.
    void arc(int16_t o, int16_t d, int16_t mode, float longueur, int16_t minimal = 1)
    {
        Arc_(o, d, mode, longueur);
        Arc& a = K.Arcs[K.NbArcs];
        a.IndiceOrigine = o;
        a.IndiceDestination = d;
        a.Minimal = minimal;
    }
    static std::vector<std::string> lignes(const std::string& texte)
    {
        std::vector<std::string> r;
        std::size_t debut = 0, fin;
        while ((fin = texte.find("\r\n", debut)) != std::string::npos) {
            r.push_back(texte.substr(debut, fin - debut));
            debut = fin + 2;
        }
        EXPECT_EQ(debut, texte.size()) << "every line ends in CR LF";
        return r;
    }
    QTemporaryDir dir;
    QByteArray ancienTmp;
    RepondeurScripte r;
};

const std::string EnTete = "NomVille1            NomVille2  ModeTransport     LongArc   LongArcVoulue   ErrArc       "
                           "Stress   CodeVille1  CodeVille2";

} // namespace

TEST_F(RapportAnamorphose, EveryColumnOfALineStandsWhereTheHeaderSays)
{
    ASSERT_EQ(std::string(EnTeteRapportAnamorphose), EnTete);
    ASSERT_EQ(EnTete.size(), 120u);
    noeud("PARIS", 0, 0);
    noeud("SAINT-REMY-DE-PROVENCE-SUR-MER", 3, 4); // cut to 20 characters
    // Autoroute, 110 km/h under a greatest speed of 220: 2.5 km wanted as 5.
    arc(1, 2, TypeAutoroute().Code, 2.5f);
    struct Cas {
        char separateur;
        std::string ligne;
    };
    for (const Cas& c : {Cas{'.', "PARIS                SAINT-REMY-DE-PROVEN 006     0005.000     0005.000     0000.000"
                                  "     000.000  0000000001  0000000002"},
                         Cas{',', "PARIS                SAINT-REMY-DE-PROVEN 006     0005,000     0005,000     0000,000"
                                  "     000,000  0000000001  0000000002"}}) {
        K.SeparateurDecimal = c.separateur;
        const std::vector<std::string> l = lignes(TexteRapportAnamorphose(220));
        ASSERT_EQ(l.size(), 2u);
        EXPECT_EQ(l[0], EnTete);
        EXPECT_EQ(l[1], c.ligne);
        EXPECT_EQ(l[1].size(), 120u);
        // Column 43 holds the mode, 51 LongArc, 99 and 111 the node numbers.
        EXPECT_EQ(l[1].substr(42, 3), "006");
        EXPECT_EQ(l[1].substr(50, 8), c.separateur == '.' ? "0005.000" : "0005,000");
        EXPECT_EQ(l[1].substr(98, 10), "0000000001");
        EXPECT_EQ(l[1].substr(110, 10), "0000000002");
    }
}

TEST_F(RapportAnamorphose, OnlyKeptArcsWithALengthHaveALineAndNamesAreWindows1252)
{
    noeud("Besançon", 0, 0);
    noeud("Orléans", 0, 10);
    noeud("Evry", 0, 10);
    arc(1, 2, TypeTrain().Code, 10, 0);    // not kept
    arc(1, 3, TypeTrain().Code, 0);        // no length
    arc(2, 3, TypeTrain().Code, 0.001f);   // coincident in the anamorphosis
    arc(1, 2, 9999, 10);                   // no link type: no wanted length
    arc(1, 0, TypeTrain().Code, 10);       // no node at one end
    const std::vector<std::string> l = lignes(TexteRapportAnamorphose(120));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].substr(0, 41), "Orl\xE9" "ans              Evry                ");
    EXPECT_EQ(l[1].substr(50, 8), "0000.000");
    EXPECT_EQ(l[1].substr(63, 8), "0000.001");
    EXPECT_EQ(l[1].substr(76, 8), "0000.001");
    EXPECT_EQ(l[1].substr(89, 7), "001.000");

    // Nothing kept with a length: the header alone.
    K.Arcs[3].Minimal = 0;
    EXPECT_EQ(TexteRapportAnamorphose(120), EnTete + "\r\n");
}

TEST_F(RapportAnamorphose, ANumberWiderThanItsPatternWidensItsFieldAndShiftsTheLine)
{
    noeud("A", 0, 0);
    noeud("B", 12345.5f, 0);
    arc(1, 2, TypeTGV().Code, 1000);
    const std::vector<std::string> l = lignes(TexteRapportAnamorphose(220));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].substr(42), "003     12345.500     1000.000     11345.500     128.720  0000000001  0000000002");
}

TEST_F(RapportAnamorphose, TheStressSumsSinglesDownTheFileAndNeverLooksAhead)
{
    // Three arcs, each line's stress from the lines above it and itself only.
    noeud("A", 0, 0);
    noeud("B", 1.1f, 0);
    noeud("C", 1.1f, 2.7f);
    noeud("D", 5.3f, 2.7f);
    arc(1, 2, TypeTGV().Code, 1.3f);
    arc(2, 3, TypeAutoroute().Code, 1.7f);
    arc(3, 4, TypeRoute70().Code, 2.9f);
    const float longArc[] = {1.1f, 2.7f, 4.2f};
    const float voulue[] = {1.3f, static_cast<float>(1.7f * 220.0 / 110), static_cast<float>(2.9f * 220.0 / 70)};
    float sErr = 0, sVoulue = 0;
    const std::vector<std::string> l = lignes(TexteRapportAnamorphose(220));
    ASSERT_EQ(l.size(), 4u);
    for (int i = 0; i < 3; ++i) {
        const float err = std::fabs(voulue[i] - longArc[i]);
        sErr = static_cast<float>(sErr + static_cast<double>(err) * err);
        sVoulue = static_cast<float>(sVoulue + static_cast<double>(voulue[i]) * voulue[i]);
        const double stress = static_cast<float>(static_cast<double>(sErr) / sVoulue);
        const double lu = std::stod(l[i + 1].substr(89, 7));
        EXPECT_NEAR(lu, stress, 0.0005 + 1e-9) << "rounded to three decimals, line " << i + 1;
        EXPECT_NEAR(std::stod(l[i + 1].substr(76, 8)), err, 0.0005 + 1e-9) << "three decimals, line " << i + 1;
    }
    // The first line alone: ErrArc² / LongArcVoulue² of that arc.
    EXPECT_EQ(l[1].substr(89, 7), "000.024");
    // The last arc alone would give another stress: the sums carry down.
    EXPECT_EQ(l[3].substr(89, 7), "000.256");
}

TEST_F(RapportAnamorphose, ASecondRunReplacesTheFileWhichIsThenShownInTheViewer)
{
    noeud("A", 0, 0);
    noeud("B", 3, 4);
    arc(1, 2, TypeTGV().Code, 5);
    K.RacineDonnees = dir.path();
    const QString chemin = dir.filePath("nAAnam000.dat");
    EXPECT_EQ(CheminRapportAnamorphose(), chemin);
    EXPECT_EQ(NomRapportAnamorphose, "nAAnam000.dat");
    EcritFichier(dir, "nAAnam000.dat", std::string(5000, 'x'));

    EcritEtMontreRapportAnamorphose(220);
    EXPECT_EQ(LitOctets(chemin), TexteRapportAnamorphose(220));
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].genre, AppelDialogue::Lancement);
    EXPECT_EQ(r.appels()[0].texte, "xdg-open");
    EXPECT_EQ(r.appels()[0].arguments, QStringList{chemin});

    // A viewer that cannot start is no error.
    r.efface();
    K.Arcs[1].Minimal = 0;
    r.RepondLancement(false);
    EcritEtMontreRapportAnamorphose(220);
    EXPECT_EQ(LitOctets(chemin), EnTete + "\r\n");
    EXPECT_TRUE(r.messages().empty());
    EXPECT_EQ(r.appels().size(), 1u);
}

TEST_F(RapportAnamorphose, WithoutAWritableDataRootTheReportGoesToTheTemporaryFolderElseItIsReported)
{
    noeud("A", 0, 0);
    noeud("B", 3, 4);
    arc(1, 2, TypeTGV().Code, 5);
    QDir().mkpath(dir.filePath("tmp"));
    qputenv("TMPDIR", dir.filePath("tmp").toLocal8Bit());
    K.RacineDonnees = dir.filePath("absente");
    EcritEtMontreRapportAnamorphose(220);
    const QString temporaire = dir.filePath("tmp/nAAnam000.dat");
    EXPECT_EQ(LitOctets(temporaire), TexteRapportAnamorphose(220));
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].arguments, QStringList{temporaire});

    // Nowhere to write: the message with the path, no viewer.
    r.efface();
    qputenv("TMPDIR", dir.filePath("absent-aussi").toLocal8Bit());
    EcritEtMontreRapportAnamorphose(220);
    const QString chemin = dir.filePath("absente/nAAnam000.dat");
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].genre, AppelDialogue::Message);
    EXPECT_EQ(r.appels()[0].texte, "Erreur dans l'écriture du rapport d'anamorphose : " + chemin);
    EXPECT_EQ(r.appels()[0].titre, "Erreur");
}

TEST_F(RapportAnamorphose, ALengthNoSingleHoldsRefusesTheReportAndLeavesTheOldOne)
{
    // 3e38 km wanted at twice the speed: 6e38, beyond a single.
    noeud("A", 0, 0);
    noeud("B", 3, 4);
    arc(1, 2, TypeAutoroute().Code, 3e38f);
    K.RacineDonnees = dir.path();
    const QString chemin = dir.filePath("nAAnam000.dat");
    EcritFichier(dir, "nAAnam000.dat", "ancien rapport");
    EcritEtMontreRapportAnamorphose(2 * TypeAutoroute().Vitesse);
    EXPECT_EQ(LitOctets(chemin), "ancien rapport");
    ASSERT_EQ(r.appels().size(), 1u);
    EXPECT_EQ(r.appels()[0].texte, "Erreur dans l'écriture du rapport d'anamorphose : " + chemin + "\r"
                                       + "L'arc n° 1 (A - B) a une valeur non finie dans la colonne LongArcVoulue "
                                         "(6.00000001099551E+38) : le rapport n'est pas écrit.");
}
