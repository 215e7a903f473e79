// A disk that fills while a file is saved: every writer says so in its own
// words, the file that was there stays byte for byte, and nothing claims the
// save (no viewer opened, no status panel changed).
#include "OutilsApp.h"
#include "app/CommandesKelmo.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "dxf/CouleursNoeudsDXF.h"
#include "dxf/DonneesDXF.h"
#include "dxf/SortieDXF.h"
#include "platform/RepondeurScripte.h"
#include "relief/RapportAnamorphose.h"
#include "support/DisquePlein.h"
#include "support/Reseau.h"
#include "values/GestionStatistiques.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

// Texts shown as text in the failure reports.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class DisquePleinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ModeleDemarre();
        ASSERT_TRUE(dir.isValid());
        K.RacineDonnees = dir.path();
        K.RepertoireImages = dir.path();
        LiensDXF() = LiensSortieDXF{};
        ReseauEnMemoire();
    }
    void TearDown() override
    {
        EffaceMetaFichier();
        LiensDXF() = LiensSortieDXF{};
        ReinitialiseDonnees();
    }
    QTemporaryDir dir;
    ImagesDeTest images;
};

} // namespace

TEST_F(DisquePleinTest, EveryWriterReportsTheFailureKeepsTheOldFileAndClaimsNothing)
{
    images.ima.TracePolyligne(10, 10, 100, 10);
    DebutMetaFichier();
    LigneMeta(0, 0, 50, 50, RGB(0, 0, 255), 1);
    LigneMeta(50, 0, 0, 50, RGB(255, 0, 0), 3);
    FinMetaFichier();
    ASSERT_TRUE(MetaFichier.has_value());
    K.Formes.Statistiques.NomFichBMP = QStringLiteral("carte.bmp");

    struct Cas {
        QString fichier; // in the temporary folder
        std::function<void(RepondeurScripte&, const QString&)> commande;
        QString message; // %1: the file's path
    };
    const Cas cas[] = {
        {"sortie.dxf",
         [](RepondeurScripte& r, const QString& p) {
             r.RepondTexte(p);
             SortieDXF_ecritleDXF_Click();
         },
         QStringLiteral("Erreur lors de l'écriture du fichier DXF")},
        {"couleurs.dxf",
         [](RepondeurScripte& r, const QString& p) {
             r.RepondTexte(p);
             EcritArcsCouleursNoeudsDXFFichier();
         },
         QStringLiteral("Erreur lors de l'écriture du fichier DXF")},
        {"Image1.wmf",
         [](RepondeurScripte& r, const QString& p) {
             r.RepondTexte(p);
             EnregistreImageVectorielle();
         },
         QStringLiteral("Le MetaFichier n'a pas pu être enregistré dans %1 : Erreur d'écriture du fichier : %1")},
        {"Image.bmp", [](RepondeurScripte&, const QString&) { Kelmo_menImprimeImage_Click(); },
         QStringLiteral("L'image n'a pas pu être enregistrée dans le fichier %1")},
        {"carte.bmp", [](RepondeurScripte&, const QString&) { Statistiques_Command3D3_Click(); },
         QStringLiteral("Erreur dans l'impression de l'image")},
        {NomRapportAnamorphose,
         [](RepondeurScripte&, const QString&) { EcritEtMontreRapportAnamorphose(220); },
         MessageErreurRapportAnamorphose + QStringLiteral("%1")},
    };
    for (const Cas& c : cas) {
        const QString p = dir.filePath(c.fichier);
        const std::string ancien = "ancien contenu\r\n";
        EcritFichier(dir, c.fichier, ancien);
        const auto panneaux = K.StatusBar.Panneaux;
        RepondeurScripte r;
        {
            DisquePlein disque(32); // the smallest of these files is 48 bytes
            c.commande(r, p);
        }
        const QString attendu = c.message.contains(QLatin1String("%1")) ? c.message.arg(p) : c.message;
        EXPECT_EQ(r.messages(), std::vector<QString>{attendu}) << c.fichier.toStdString();
        EXPECT_EQ(LitOctets(p), ancien) << c.fichier.toStdString();
        for (const AppelDialogue& a : r.appels())
            EXPECT_NE(a.genre, AppelDialogue::Lancement) << c.fichier.toStdString();
        for (int k = 0; k < 5; ++k) // the last panel shows progress, not files
            EXPECT_EQ(K.StatusBar.Panneaux[k], panneaux[k]) << c.fichier.toStdString();
        EXPECT_FALSE(r.sablierActif()) << c.fichier.toStdString();
        QFile::remove(p);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList()) << c.fichier.toStdString();
    }
}
