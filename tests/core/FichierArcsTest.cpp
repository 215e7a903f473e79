// The arc file: columns, time conversions, the speed warning, appending, and
// that a failed read or write loses nothing.
#include "core/FichierArcs.h"
#include "core/TypesArcs.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/RepondeurScripte.h"
#include "support/Reseau.h"

#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

std::string ligneArc(int o, int d, int mode, const char* longueur, const char* duree, const char* dep = "0000",
                     const char* arr = "0000")
{
    return FormatMotif(o, "0000000000", '.') + " " + FormatMotif(d, "0000000000", '.') + " "
           + FormatMotif(mode, "0000", '.') + " " + longueur + " " + duree + " " + dep + " " + arr
           + " 0000000 000012 000034 ORIGINE    DESTINATIO\r\n";
}

class FichierArcs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleNeuf();
        K.VitesseReference = 220;
    }
    QString fichier(const std::string& contenu, const QString& nom = QStringLiteral("a.dat"))
    {
        return EcritFichier(dir, nom, contenu);
    }
    QTemporaryDir dir;
    RepondeurScripte ui;
};

} // namespace

TEST_F(FichierArcs, DurationsAndTimesAreConvertedFromHhmm)
{
    const QString chemin = fichier(ligneArc(1, 2, 3, "0150.000", "0130", "0830", "0959") + ligneArc(1, 2, 7, "0010.000", "0000"));
    LitFichierArcs(chemin);
    ASSERT_EQ(K.NbArcs, 2);
    const Arc& a = K.Arcs[1];
    EXPECT_FLOAT_EQ(a.Duree, 90.f);
    EXPECT_EQ(a.HeureDepart, 510);
    EXPECT_EQ(a.HeureArrivee, 599);
    EXPECT_FLOAT_EQ(a.Debit, 12.f);
    EXPECT_FLOAT_EQ(a.Capacite, 34.f);
    EXPECT_EQ(a.Jours.texte(), QStringLiteral("0000000"));
    EXPECT_FLOAT_EQ(K.Arcs[2].Duree, 0.f);
    EXPECT_TRUE(ui.messages().empty()); // 100 km/h and a zero duration: no warning
    EXPECT_TRUE(K.Menu(QStringLiteral("menDéveloppmentHoraire")).Enabled);
    EXPECT_EQ(K.StatusBar.Panneaux[2], QStringLiteral("2 arcs (") + chemin + QStringLiteral(")  "));
}

TEST_F(FichierArcs, ATgvArcFasterThan300KmhIsReportedAndKept)
{
    K.NomFichierArcs = QStringLiteral("/donnees/a157eu01.dat");
    LitFichierArcs(fichier(ligneArc(12, 34, 3, "0520.000", "0100")));
    ASSERT_EQ(K.NbArcs, 1);
    EXPECT_FLOAT_EQ(K.Arcs[1].Duree, 60.f);
    ASSERT_EQ(ui.appels().size(), 1u);
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Erreur de Vitesse"));
    EXPECT_EQ(ui.appels()[0].icone, Icone::Aucune);
    EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Erreur de vitesse (>300Km/h) dans /donnees/a157eu01.datLigne :1"
                                                   "Vitesse :520Codes O.D. : 12 34Mode-Longueur-Temps : 3 520 60"));
}

TEST_F(FichierArcs, RoadArcsAreMinimalAndMode7000BecomesRoute70)
{
    LitFichierArcs(fichier(ligneArc(1, 2, 6, "0010.000", "0010") + ligneArc(1, 2, 7, "0010.000", "0010")
                           + ligneArc(1, 2, 7000, "0010.000", "0010") + ligneArc(1, 2, 62, "0010.000", "0010")));
    EXPECT_EQ(K.Arcs[1].Minimal, 0);
    EXPECT_EQ(K.Arcs[2].Minimal, 1);
    EXPECT_EQ(K.Arcs[3].Mode, 7);
    EXPECT_EQ(K.Arcs[3].Minimal, 0);
    EXPECT_EQ(K.Arcs[4].Minimal, 1);
    EXPECT_FALSE(K.Menu(QStringLiteral("menDéveloppmentHoraire")).Enabled);
}

TEST_F(FichierArcs, AppendingKeepsTheLoadedArcsAndListsTheFile)
{
    std::string cinqCents, dix;
    for (int i = 0; i < 500; ++i)
        cinqCents += ligneArc(1, 2, 7, "0010.000", "0130");
    for (int i = 0; i < 10; ++i)
        dix += ligneArc(2, 3, 4, "0050.000", "0100");
    LitFichierArcs(fichier(cinqCents, QStringLiteral("a157eu01.dat")));
    EXPECT_EQ(K.Formes.ModifArcs.Height, 2595);
    K.AjoutFichierArcs = true;
    LitFichierArcs(fichier(dix, QStringLiteral("ajout.dat")));
    ASSERT_EQ(K.NbArcs, 510);
    EXPECT_FLOAT_EQ(K.Arcs[500].Duree, 90.f); // not converted a second time
    EXPECT_FLOAT_EQ(K.Arcs[501].Duree, 60.f);
    EXPECT_EQ(K.Formes.ModifArcs.Height, 4185);
    EXPECT_EQ(K.Formes.ModifArcs.ListeFichArcs.Entrees,
              QStringList({QStringLiteral("a157eu01.dat  ( 500 arcs)"), QStringLiteral("ajout.dat  ( 10 arcs)")}));
    EXPECT_EQ(K.ComparaisonArcs.size(), 511u);
    K.AjoutFichierArcs = false;
    LitFichierArcs(fichier(dix, QStringLiteral("seul.dat")));
    EXPECT_EQ(K.NbArcs, 10);
    EXPECT_EQ(K.Formes.ModifArcs.ListeFichArcs.Entrees, QStringList({QStringLiteral("seul.dat  ( 10 arcs)")}));
}

TEST_F(FichierArcs, AFailedReadLeavesTheTableIntact)
{
    LitFichierArcs(fichier(ligneArc(1, 2, 7, "0010.000", "0010")));
    K.ComparaisonArcs[1] = 1.0f;
    auto inchange = [&] {
        ASSERT_EQ(K.NbArcs, 1);
        EXPECT_EQ(K.Arcs.size(), 2u);
        EXPECT_EQ(K.Arcs[1].CodeOrigine, 1);
        EXPECT_FLOAT_EQ(K.ComparaisonArcs[1], 1.0f);
    };
    EXPECT_THROW(LitFichierArcs(dir.filePath(QStringLiteral("absent.dat"))), ErreurExecution);
    inchange();
    // A mode outside the 16-bit range.
    EXPECT_THROW(LitFichierArcs(fichier(ligneArc(3, 4, 7, "0010.000", "0010") + "0000000001 0000000002 9E99\r\n",
                                        QStringLiteral("m.dat"))),
                 ErreurExecution);
    inchange();
}

TEST_F(FichierArcs, AFileBeyondTheTableIsRefusedWholeWithOneExplanationForItsCaller)
{
    const std::string l = ligneArc(1, 2, 7, "0010.000", "0010");
    std::string long_;
    long_.reserve(100000 * l.size());
    for (int i = 0; i < 100000; ++i)
        long_ += l;
    std::string deja;
    for (int i = 0; i < 870; ++i)
        deja += ligneArc(5, 6, 4, "0010.000", "0010");
    const QString chargees = fichier(deja, QStringLiteral("deja.dat"));
    struct Cas {
        bool ajout;
        int lignes;
        const char* texte; // empty: the file is read
    } cas[] = {
        // Read as a new table, the arcs loaded before do not count.
        {false, 100000, "Le fichier %1 compte 100000 arcs, plus que les 99999 que peut contenir la table des arcs : "
                        "il n'a pas été lu."},
        {false, 99999, ""},
        {true, 99130, "Le fichier %1 compte 99130 arcs : avec les 870 arcs déjà chargés, la table des arcs "
                      "dépasserait 99999 arcs. Il n'a pas été lu."},
        {true, 99129, ""},
    };
    for (const Cas& c : cas) {
        K.AjoutFichierArcs = false;
        LitFichierArcs(chargees);
        ui.efface();
        const QString chemin = fichier(long_.substr(0, static_cast<std::size_t>(c.lignes) * l.size()),
                                       QStringLiteral("long%1.dat").arg(c.lignes));
        K.AjoutFichierArcs = c.ajout;
        if (*c.texte == '\0') {
            LitFichierArcs(chemin);
            EXPECT_EQ(K.NbArcs, c.ajout ? 870 + c.lignes : c.lignes);
            continue;
        }
        try {
            LitFichierArcs(chemin);
            ADD_FAILURE() << c.lignes;
        } catch (const ErreurExecution& e) {
            EXPECT_TRUE(e.expliquee());
            EXPECT_EQ(e.description(), QString::fromUtf8(c.texte).arg(chemin));
        }
        // The reader leaves the one box to the command that asked for the file.
        EXPECT_TRUE(ui.messages().empty());
        ASSERT_EQ(K.NbArcs, 870);
        EXPECT_EQ(K.Arcs[870].CodeOrigine, 5);
    }
    K.AjoutFichierArcs = false;
}

TEST_F(FichierArcs, ALineIsWrittenByteForByteWithBlanksForAnUnresolvedEnd)
{
    Noeud_(QStringLiteral("PARIS"), 75);
    Noeud_(QStringLiteral("LYON-PART-DIEU"), 69);
    Arc_(75, 69, 3, 410.5f, 115, 510, 625);
    K.Arcs[1].IndiceOrigine = 1;
    K.Arcs[1].IndiceDestination = 2;
    K.Arcs[1].Debit = 1234.4f;
    Arc_(75, 99, 7, 1.f, 61);
    const QString chemin = dir.filePath(QStringLiteral("sortie.dat"));
    CreeFichierArcs(chemin);
    EXPECT_EQ(LitOctets(chemin),
              "0000000075 0000000069 0003 0410.500 0155 0830 1025 0000000 001234 000000 PARIS      LYON-PART-\r\n"
              "0000000075 0000000099 0007 0001.000 0101 0000 0000 0000000 000000 000000                      \r\n");
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);

    K.EliminationArcsDeconnectes = true;
    CreeFichierArcs(chemin);
    EXPECT_EQ(LitOctets(chemin).size(), 96u); // only the resolved arc
}

TEST_F(FichierArcs, WriteThenReadGivesBackTheArcsUnderEitherSeparator)
{
    for (char sep : {'.', ','}) {
        ModeleNeuf();
        K.SeparateurDecimal = sep;
        Arc_(1, 2, 4, 123.456f, 75.4f, 480, 555);
        Arc_(3, 4, 6, 0.5f, 1439.f);
        const QString chemin = dir.filePath(QStringLiteral("rt.dat"));
        CreeFichierArcs(chemin);
        ModeleNeuf();
        LitFichierArcs(chemin);
        ASSERT_EQ(K.NbArcs, 2);
        EXPECT_EQ(K.Arcs[1].Mode, 4);
        EXPECT_FLOAT_EQ(K.Arcs[1].Longueur, 123.456f) << sep;
        EXPECT_FLOAT_EQ(K.Arcs[1].Duree, 75.f);
        EXPECT_EQ(K.Arcs[1].HeureDepart, 480);
        EXPECT_EQ(K.Arcs[1].HeureArrivee, 555);
        EXPECT_FLOAT_EQ(K.Arcs[2].Longueur, 0.5f) << sep;
        EXPECT_FLOAT_EQ(K.Arcs[2].Duree, 1439.f);
    }
}

TEST_F(FichierArcs, ATimeTooWideForItsColumnRefusesTheWrite)
{
    const QString chemin = EcritFichier(dir, QStringLiteral("ancien.dat"), "ANCIEN\r\n");
    Arc_(1, 2, 4, 10.f, 60.f);
    Arc_(1, 2, 4, 10.f, 6000.f); // 100 hours: "10000" does not fit "0000"
    EXPECT_THROW(CreeFichierArcs(chemin), ErreurExecution);
    EXPECT_EQ(LitOctets(chemin), "ANCIEN\r\n");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(ui.messages()[0].contains(QStringLiteral("arc n° 2 (1 - 2)")));
    EXPECT_FALSE(K.StatusBar.ProgressionVisible);
}

TEST_F(FichierArcs, TimesBeforeMidnightOrPastOneDayReadBackAsWritten)
{
    // Duration, departure and arrival of each arc: a service moved before
    // midnight or past 24:00, and the plain times around them.
    const std::pair<int16_t, const char*> cas[] = {{-20, "-020"}, {-75, "-115"}, {-45, "-045"}, {-599, "-959"},
                                                   {0, "0000"}, {5, "0005"}, {1439, "2359"}, {1450, "2410"}};
    for (const auto& [minutes, hhmm] : cas)
        Arc_(1, 2, 4, 10.f, minutes, minutes, minutes);
    const QString chemin = dir.filePath(QStringLiteral("heures.dat"));
    CreeFichierArcs(chemin);
    const std::string octets = LitOctets(chemin);
    ModeleNeuf();
    LitFichierArcs(chemin);
    ASSERT_EQ(K.NbArcs, static_cast<int32_t>(std::size(cas)));
    int32_t k = 0;
    for (const auto& [minutes, hhmm] : cas) {
        const std::string ligne = octets.substr(static_cast<std::size_t>(k) * 96, 96);
        ++k;
        EXPECT_EQ(ligne.substr(36, 4), hhmm);
        EXPECT_EQ(ligne.substr(41, 4), hhmm);
        EXPECT_EQ(ligne.substr(46, 4), hhmm);
        EXPECT_FLOAT_EQ(K.Arcs[k].Duree, minutes) << hhmm;
        EXPECT_EQ(K.Arcs[k].HeureDepart, minutes) << hhmm;
        EXPECT_EQ(K.Arcs[k].HeureArrivee, minutes) << hhmm;
    }
}
