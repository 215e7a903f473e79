// The exploration of a numbered series of node-value files: the names tried
// in order, the bitmaps written, the count as typed, a missing member, a
// name too short to hold the two digits.
#include "values/Exploration.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "platform/RepondeurScripte.h"
#include "values/ChargementNoeudsValeurs.h"
#include "values/CommandesCartes.h"
#include "values/ValeursDeTest.h"

#include <QFile>
#include <cstdlib>
#include <QImage>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class Exploration : public ::testing::Test {
protected:
    void SetUp() override
    {
        StatistiquesDemarrees();
        InitialiseEtatsMenus();
        Noeud_(QStringLiteral("PARIS"), 751);
        Noeud_(QStringLiteral("LYON"), 692);
        K.RepertoireImages = dir.path();
        K.RefRonds = 1000; // sizes equal to the values: radii 3 (7), 3 (11), 4 (21)
        for (const char* nom : {"stm300.dat", "stm301.dat", "stm302.dat"})
            EcritFichier(dir, QString::fromLatin1(nom), std::string("751 ") + nom[5] + "1\r\n692 7\r\n");
        K.Formes.Statistiques.Text3 = dir.path() + QStringLiteral("/stm312.dat");
    }
    void TearDown() override { EXPECT_FALSE(ui.sablierActif()); }
    void explore(const std::optional<QString>& nombre, bool images)
    {
        ui.RepondTexte(nombre);
        ui.Repond(images ? Reponse::Oui : Reponse::Non);
        Kelmo_menExploration_Click();
    }
    bool existe(const char* nom) const { return QFile::exists(dir.path() + QLatin1Char('/') + QLatin1String(nom)); }
    QTemporaryDir dir;
    RepondeurScripte ui;
    ImagesDeTest images;
    // The radius of the first circle drawn after each clear: one per step.
    std::vector<int> premiers() const
    {
        std::vector<int> r;
        bool attend = false;
        for (const AppelZoneImage& a : images.ima.Appels) {
            if (a.genre == AppelZoneImage::Genre::Efface)
                attend = true;
            else if (a.genre == AppelZoneImage::Genre::Ellipse && attend) {
                r.push_back(std::abs(a.points[1].x() - a.points[0].x()) / 2);
                attend = false;
            }
        }
        return r;
    }
};

} // namespace

TEST_F(Exploration, TheSeriesIsShownInOrderAndEachPictureSaved)
{
    explore(QStringLiteral("3"), true);
    ASSERT_GE(ui.appels().size(), 2u);
    EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Entrez le nombre d'itérations à explorer :"));
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Exploration"));
    EXPECT_EQ(ui.appels()[1].texte, QStringLiteral("Voulez-vous enregistrer les image ,"));
    EXPECT_EQ(ui.appels()[1].boutons, Boutons::OuiNon);
    EXPECT_EQ(ui.appels()[1].icone, Icone::Question);
    // Files 00, 01, 02: the largest values 7, 11, 21 give radii of their roots.
    EXPECT_EQ(premiers(), (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(images.ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 3u);
    for (const char* nom : {"00.bmp", "01.bmp", "02.bmp"})
        EXPECT_TRUE(existe(nom)) << nom;
    // The last bitmap is the last picture.
    const QImage lue(dir.path() + QStringLiteral("/02.bmp"));
    EXPECT_EQ(lue.convertToFormat(QImage::Format_RGB32), Ima().Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(K.FichierNoeudValeur1, K.Formes.Statistiques.Text3);
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Valeur1"));
    // Every circle at the size of its own value, one scale for the series.
    EXPECT_EQ(K.RefRonds, 1000);
    EXPECT_EQ(K.TailleSymboles[1], 21.0f);
}

// Loading a file sets the scale its values give: explored afterwards, the
// same file is drawn with the circles of its value map.
TEST_F(Exploration, AfterLoadingAFileTheSeriesDrawsItAsTheValueMapDoes)
{
    K.RefRonds = 0;
    K.FichierNoeudValeur1 = dir.path() + QStringLiteral("/stm302.dat");
    K.FichierNoeudValeur2 = dir.path() + QStringLiteral("/stm301.dat");
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm302.dat"));
    ASSERT_EQ(K.Formes.Statistiques.Text3, K.FichierNoeudValeur1);
    explore(QStringLiteral("3"), false); // stm300, stm301, then stm302 last
    std::vector<std::vector<QPoint>> explores;
    for (const AppelZoneImage& a : images.ima.Appels) {
        if (a.genre == AppelZoneImage::Genre::Efface)
            explores.clear();
        else if (a.genre == AppelZoneImage::Genre::Ellipse)
            explores.push_back(a.points);
    }
    images.ima.Appels.clear();
    Kelmo_menAfficheValeur1_Click();
    std::vector<std::vector<QPoint>> carte;
    for (const AppelZoneImage& a : images.ima.AppelsDeGenre(AppelZoneImage::Genre::Ellipse))
        carte.push_back(a.points);
    ASSERT_EQ(carte.size(), 2u);
    EXPECT_EQ(explores, carte);
    EXPECT_EQ(ui.messages().size(), 1u) << "the question only";
}

TEST_F(Exploration, TheCountIsTheLeadingNumberTyped)
{
    struct Cas {
        std::optional<QString> reponse;
        std::size_t pas;
    };
    const Cas cas[] = {{QStringLiteral("2.5"), 2}, {QStringLiteral("0"), 0}, {QString(), 0}, {std::nullopt, 0},
                       {QStringLiteral("deux"), 0}};
    for (const Cas& c : cas) {
        images.ima.Appels.clear();
        K.FichierNoeudValeur1.clear();
        ui.efface();
        explore(c.reponse, false);
        EXPECT_EQ(premiers().size(), c.pas) << c.reponse.value_or(QStringLiteral("(annulé)")).toStdString();
        EXPECT_EQ(K.FichierNoeudValeur1, K.Formes.Statistiques.Text3);
        EXPECT_FALSE(existe("00.bmp"));
    }
}

TEST_F(Exploration, AMissingMemberIsReportedAndTheSeriesGoesOn)
{
    QFile::remove(dir.path() + QStringLiteral("/stm301.dat"));
    explore(QStringLiteral("3"), true);
    ASSERT_EQ(ui.messages().size(), 2u); // the question, then the missing file
    EXPECT_EQ(ui.messages()[1],
              QStringLiteral("Ce fichier ou répertoire n'existe pas : ") + dir.path() + QStringLiteral("/stm301.dat"));
    EXPECT_EQ(premiers(), (std::vector<int>{2, 4}));
    EXPECT_TRUE(existe("00.bmp"));
    EXPECT_FALSE(existe("01.bmp"));
    EXPECT_TRUE(existe("02.bmp"));
}

// A count beyond the series: the members missing before the first file are
// told, the files shown, and the series ends with the first missing after.
TEST_F(Exploration, PastItsLastFileTheSeriesEndsAfterTellingTheFirstMissing)
{
    for (const char* nom : {"stm300.dat", "stm301.dat", "stm302.dat"})
        QFile::remove(dir.path() + QLatin1Char('/') + QLatin1String(nom));
    EcritFichier(dir, QStringLiteral("stm312.dat"), "751 11\r\n692 7\r\n");
    EcritFichier(dir, QStringLiteral("stm313.dat"), "751 21\r\n692 7\r\n");
    explore(QStringLiteral("1e308"), false);
    const std::vector<QString> m = ui.messages();
    ASSERT_EQ(m.size(), 14u); // the question, stm300 to stm311, stm314
    EXPECT_EQ(m[12], QStringLiteral("Ce fichier ou répertoire n'existe pas : ") + dir.path() + QStringLiteral("/stm311.dat"));
    EXPECT_EQ(m[13], QStringLiteral("Ce fichier ou répertoire n'existe pas : ") + dir.path() + QStringLiteral("/stm314.dat"));
    EXPECT_EQ(premiers(), (std::vector<int>{3, 4}));
}

TEST_F(Exploration, ANameShorterThanSixCharactersExploresNothing)
{
    K.Formes.Statistiques.Text3 = QStringLiteral("a.dat");
    explore(QStringLiteral("3"), false);
    ASSERT_EQ(ui.appels().size(), 3u);
    EXPECT_EQ(ui.appels()[2].titre, QStringLiteral("Exploration"));
    EXPECT_TRUE(ui.appels()[2].texte.startsWith(QStringLiteral("Le nom du fichier de la série")));
    EXPECT_TRUE(premiers().empty());
    EXPECT_EQ(K.FichierNoeudValeur1, QStringLiteral("a.dat"));
}

TEST_F(Exploration, ABitmapThatCannotBeWrittenStopsTheSeriesWithItsMessage)
{
    K.RepertoireImages = dir.path() + QStringLiteral("/absent");
    explore(QStringLiteral("3"), true);
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1], QStringLiteral("Erreur dans l'impression de l'image"));
    EXPECT_EQ(premiers().size(), 1u);
}
