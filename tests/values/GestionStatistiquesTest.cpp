// The statistics window's handler chains over its model: the node
// quantities with the map preview, the arc-value sources and differences,
// the re-reading of the arc-value files, "Data", "Fusion..", "Données
// horaires", the scale typed and taken by "Fermer", and "BMP".
#include "values/GestionStatistiques.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "platform/RepondeurScripte.h"
#include "values/BandesStatistiques.h"
#include "values/ChargementNoeudsValeurs.h"
#include "values/ClassesValeurs.h"
#include "values/CommandesCartes.h"
#include "values/CrochetsValeurs.h"
#include "values/MethodesBornes.h"
#include "values/ValeursDeTest.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace kelmo;
using namespace kelmo::test;

namespace {

class GestionStatistiques : public ::testing::Test {
protected:
    void SetUp() override
    {
        StatistiquesDemarrees();
        InitialiseEtatsMenus();
        Noeud_(QStringLiteral("PARIS"), 751);
        Noeud_(QStringLiteral("LYON"), 692);
        Noeud_(QStringLiteral("NICE"), 61);
        K.RacineDonnees = K.RepertoireValeursNoeuds = K.RepertoireImages = dir.path();
        K.FichierNoeudValeur1 =
            EcritFichier(dir, QStringLiteral("stm312.dat"), "751 40 PARIS\r\n692 -20 LYON\r\n61 5 NICE\r\n");
        K.FichierNoeudValeur2 = EcritFichier(dir, QStringLiteral("stm313.dat"), "751 4 PARIS\r\n692 2 LYON\r\n");
        s.Text3 = K.FichierNoeudValeur1;
        RedessineValeurs = [this] { ++apercus; };
    }
    void TearDown() override { EXPECT_FALSE(ui.sablierActif()); }
    static void arcs(std::vector<ArcValeur>& t, int32_t& n, std::initializer_list<std::array<float, 3>> paires)
    {
        n = 0;
        for (const auto& [o, d, v] : paires) {
            ArcValeur& a = t[static_cast<std::size_t>(++n)];
            a.CodeOrigine = static_cast<int32_t>(o);
            a.CodeDestination = static_cast<int32_t>(d);
            a.Valeur = v;
        }
    }
    ModeleStatistiques& s = K.Formes.Statistiques;
    QTemporaryDir dir;
    RepondeurScripte ui;
    ImagesDeTest images;
    int apercus = 0;
    // The circles drawn since the last clear of the picture, and whether
    // the picture was cleared at all.
    std::pair<int, bool> rondsApresEffacement() const
    {
        int ronds = 0;
        bool efface = false;
        for (const AppelZoneImage& a : images.ima.Appels) {
            if (a.genre == AppelZoneImage::Genre::Efface) {
                ronds = 0;
                efface = true;
            } else if (a.genre == AppelZoneImage::Genre::Ellipse) {
                ++ronds;
            }
        }
        return {ronds, efface};
    }
};

} // namespace

TEST_F(GestionStatistiques, ANodeQuantityIsComputedSortedSizedAndPreviewedOnce)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    K.NomValeurAffichee = QStringLiteral("Populations");
    s.ApercuCarte = true;
    apercus = 0;
    Statistiques_Multiplication_Click();
    EXPECT_TRUE(s.Multiplication);
    EXPECT_FALSE(s.Option3D1);
    EXPECT_EQ(s.Graph1.ChartType, 4);
    // The options leave the name of the display alone.
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Populations"));
    // 40 x 4, -20 x 2, 5 x 0, by decreasing magnitude.
    EXPECT_EQ(K.ValeursNoeuds[1].Valeur, 160.0f);
    EXPECT_EQ(K.ValeursNoeuds[2].Valeur, -40.0f);
    EXPECT_EQ(K.ValeursNoeuds[3].Valeur, 0.0f);
    EXPECT_EQ(K.RefRonds, 160);
    EXPECT_EQ(s.Text1, QStringLiteral("-40"));
    EXPECT_EQ(s.Text2, QStringLiteral(" 160"));
    EXPECT_EQ(s.Picture1.Traits.size(), 3u);
    EXPECT_EQ(apercus, 1);
    EXPECT_GE(ui.nombreSablier(), 1);
}

TEST_F(GestionStatistiques, EachNodeOptionNamesItsQuantity)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    struct Cas {
        void (*clic)();
        bool ModeleStatistiques::*option;
        float premiere; // the largest magnitude of the quantity
    };
    const Cas cas[] = {{Statistiques_Option3D1_Click, &ModeleStatistiques::Option3D1, 40},
                       {Statistiques_Option3D2_Click, &ModeleStatistiques::Option3D2, 4},
                       {Statistiques_Multiplication_Click, &ModeleStatistiques::Multiplication, 160},
                       {Statistiques_DiffAbs_Click, &ModeleStatistiques::DiffAbs, 36},
                       {Statistiques_DiffRelat_Click, &ModeleStatistiques::DiffRelat, -1100}};
    for (const Cas& c : cas) {
        c.clic();
        EXPECT_TRUE(s.*c.option);
        EXPECT_EQ(K.ValeursNoeuds[1].Valeur, c.premiere);
    }
}

TEST_F(GestionStatistiques, ArcValueTwoStaysTheSourceOfABoundEdit)
{
    arcs(K.Arcs1, K.NombreArcs1, {{{1, 2, 10}}});
    arcs(K.Arcs2, K.NombreArcs2, {{{1, 2, 5}}, {{1, 3, 15}}, {{2, 3, 25}}});
    EcritText5(QStringLiteral("2"));
    Statistiques_ArcVale2_Click();
    EXPECT_TRUE(s.ArcVale2);
    EXPECT_EQ(s.Graph1.ChartType, 2);
    EXPECT_EQ(s.Text1, QStringLiteral(" 5"));
    EXPECT_EQ(s.Text2, QStringLiteral(" 25"));
    for (const auto& [i, texte] : {std::pair{1, "0"}, {2, "20"}, {3, "100"}}) {
        s.Borne[static_cast<std::size_t>(i)] = QString::fromLatin1(texte);
        Statistiques_Borne_Change(i);
    }
    EXPECT_EQ(s.Graph1.Points, (std::vector<int>{2, 1}));
    EXPECT_EQ(s.Picture1.Traits.size(), 3u);
}

TEST_F(GestionStatistiques, TheDifferenceButtonsRewriteArcValueOneAndStudyIt)
{
    struct Cas {
        void (*clic)();
        float attendu;
    };
    for (const Cas& c : {Cas{Statistiques_Command3D4_Click, 5}, Cas{Statistiques_Command3D5_Click, 50}}) {
        arcs(K.Arcs1, K.NombreArcs1, {{{1, 2, 10}}});
        arcs(K.Arcs2, K.NombreArcs2, {{{2, 1, 15}}});
        s.Graph1.ChartType = 4;
        c.clic();
        EXPECT_EQ(K.Arcs1[1].Valeur, c.attendu);
        EXPECT_EQ(s.Graph1.ChartType, 2);
        EXPECT_EQ(s.Text2, TexteAvecSigne(c.attendu, true));
    }
}

TEST_F(GestionStatistiques, RereadingKeepsTheTableOfAFileThatFails)
{
    Noeud_(QStringLiteral("A"), 1);
    Noeud_(QStringLiteral("B"), 2);
    // Codes right-aligned in columns 1-10 and 12-21, the value from column 40.
    K.FichierArcValeur1 = EcritFichier(dir, QStringLiteral("a1.dat"),
                                       "         1          2                   7\r\n");
    K.FichierArcValeur2 = dir.path() + QStringLiteral("/absent.dat");
    arcs(K.Arcs2, K.NombreArcs2, {{{1, 2, 9}}, {{2, 1, 8}}});
    Statistiques_R_Click();
    EXPECT_EQ(K.NombreArcs1, 1);
    EXPECT_EQ(K.Arcs1[1].Valeur, 7.0f);
    EXPECT_EQ(K.Arcs1[1].IndiceOrigine, 4);
    EXPECT_EQ(K.Arcs1[1].IndiceDestination, 5);
    EXPECT_EQ(ui.messages(),
              std::vector<QString>{QStringLiteral("Erreur dans la lecture du fichier code-code-valeur numéro 2")});
    EXPECT_EQ(K.NombreArcs2, 2);
    EXPECT_EQ(K.Arcs2[2].Valeur, 8.0f);
    EXPECT_EQ(K.Arcs2[2].IndiceOrigine, 5); // indexed all the same
}

// "Data" reads file 1 alone and draws each circle at the size of its own
// value, against the reference of the display before.
TEST_F(GestionStatistiques, DataDrawsTheSortedValuesOfFileOneAtTheCurrentScale)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    K.RefRonds = 10;
    s.Text3 = EcritFichier(dir, QStringLiteral("autre.dat"), "692 3 LYON\r\n751 -8 PARIS\r\n");
    Statistiques_Command3D2_Click();
    EXPECT_EQ(K.FichierNoeudValeur1, s.Text3);
    EXPECT_EQ(K.NbValeursNoeuds, 2);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur2, 0.0f); // file 2 is not read again
    EXPECT_EQ(K.NomValeurAffichee, QStringLiteral("Valeur1"));
    EXPECT_EQ(K.ValeursNoeuds[1].IndiceNoeud, 1);
    EXPECT_EQ(K.ValeursNoeuds[1].Valeur, -8.0f);
    EXPECT_EQ(K.ValeursNoeuds[2].IndiceNoeud, 2);
    EXPECT_EQ(K.RefRonds, 10);
    EXPECT_EQ(K.TailleSymboles[1], -800.0f);
    EXPECT_EQ(K.TailleSymboles[2], 300.0f);
    // The picture cleared, then one circle per node with a value.
    EXPECT_EQ(rondsApresEffacement(), std::make_pair(2, true));
}

TEST_F(GestionStatistiques, DataWithAMissingOrBadFileKeepsTheValues)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    ui.efface();
    s.Text3 = dir.path() + QStringLiteral("/absent.dat");
    Statistiques_Command3D2_Click();
    EXPECT_EQ(ui.messages(), std::vector<QString>{QStringLiteral("Ce fichier ou répertoire n'existe pas : ") + s.Text3});
    EXPECT_EQ(K.NbValeursNoeuds, 3);
    s.Text3 = EcritFichier(dir, QStringLiteral("faux.dat"), "751 1e39\r\n");
    Statistiques_Command3D2_Click();
    EXPECT_EQ(ui.messages().back(), QStringLiteral("Erreur dans la lecture du fichier noeud-valeur numéro 1"));
    EXPECT_EQ(K.NbValeursNoeuds, 3);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur2, 4.0f);
    EXPECT_EQ(rondsApresEffacement(), std::make_pair(0, false));
}

// Before any value map there is no reference yet: the values drawn choose
// it as the value map would (largest 40: sizes value x 25), and the window
// studies them.
TEST_F(GestionStatistiques, DataBeforeAnyValueMapDrawsTheFileAndShowsItsRange)
{
    ASSERT_EQ(K.RefRonds, 0);
    Statistiques_Command3D2_Click();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(K.RefRonds, 40);
    EXPECT_EQ(K.TailleSymboles[1], 1000.0f);
    EXPECT_EQ(rondsApresEffacement(), std::make_pair(3, true));
    EXPECT_EQ(s.Text1, QStringLiteral("-20"));
    EXPECT_EQ(s.Text2, QStringLiteral(" 40"));
}

TEST_F(GestionStatistiques, FusionKeepsTheSmallerValuesAndDataDropsTheMerge)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    ui.RepondTexte(EcritFichier(dir, QStringLiteral("m.dat"), "751 35 PARIS\r\n692 45 LYON\r\n61 1 NICE\r\n"));
    Statistiques_FusionneFichiers_Click();
    EXPECT_FALSE(K.FusionValeurs);
    EXPECT_EQ(ui.appels()[0].fichier.indexFiltre, 2);
    EXPECT_EQ(ui.appels()[0].fichier.dossierInitial, dir.path());
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, 35.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[2].Valeur1, -20.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[3].Valeur1, 1.0f);
    EXPECT_EQ(s.Text3, K.FichierNoeudValeur1); // the first file keeps its name
    Statistiques_Command3D2_Click();
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, 40.0f);
    // A cancelled merge changes nothing and clears the flag as well.
    ui.RepondTexte(std::nullopt);
    Statistiques_FusionneFichiers_Click();
    EXPECT_FALSE(K.FusionValeurs);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, 40.0f);
}

// A merge that reads no value leaves the values loaded as they were and
// says why.
TEST_F(GestionStatistiques, AFusionThatReadsNoValueKeepsTheValuesLoaded)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    const auto etat = [] {
        const auto octets = [](const auto& t) {
            return QByteArray(reinterpret_cast<const char*>(t.data()), static_cast<qsizetype>(t.size() * sizeof(t[0])));
        };
        return octets(K.ValeursFichiersNoeuds) + octets(K.ValeursNoeuds) + octets(K.TailleSymboles)
               + QByteArray::number(K.NbValeursNoeuds);
    };
    const QByteArray avant = etat();
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString png = dir.filePath(QStringLiteral("carte.png"));
    ASSERT_TRUE(image.save(png));
    const QString vide = EcritFichier(dir, QStringLiteral("vide.dat"), "");
    const QString gardees = QStringLiteral(" : les valeurs chargées sont gardées.");
    for (const auto& [f, message] :
         {std::pair{vide, QStringLiteral("Le fichier ") + vide + QStringLiteral(" ne donne aucune valeur") + gardees},
          std::pair{png, QStringLiteral("Erreur dans la lecture du fichier noeud-valeur numéro 1") + gardees}}) {
        ui.efface();
        ui.RepondTexte(f);
        Statistiques_FusionneFichiers_Click();
        EXPECT_EQ(etat(), avant) << f.toStdString();
        EXPECT_EQ(ui.messages(), std::vector<QString>{message}) << f.toStdString();
    }
}

TEST_F(GestionStatistiques, ClockDataRereadsBothFilesUnderTheTimeRule)
{
    K.FichierNoeudValeur1 = EcritFichier(dir, QStringLiteral("h1.dat"), "751 1.30\r\n692 2.05\r\n");
    K.FichierNoeudValeur2 = EcritFichier(dir, QStringLiteral("h2.dat"), "751 0.45\r\n");
    Statistiques_ValHoraires_Click(true);
    EXPECT_TRUE(s.TypeHoraireVisible);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, 90.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[2].Valeur1, 125.0f);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur2, 45.0f);
    Statistiques_HoraireMinutes_Click();
    EXPECT_TRUE(s.HoraireMinutes && !s.HoraireHHMM);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, 1.3f);
    Statistiques_ValHoraires_Click(false);
    EXPECT_FALSE(s.TypeHoraireVisible);
    // Without file 1 the tables stay as they were.
    K.FichierNoeudValeur1 = dir.path() + QStringLiteral("/absent.dat");
    Statistiques_ValHoraires_Click(true);
    EXPECT_EQ(K.NbValeursNoeuds, 2);
    EXPECT_EQ(K.ValeursFichiersNoeuds[1].Valeur1, 1.3f);
}

TEST_F(GestionStatistiques, TheScaleTypedIsReadInTheRegionalFormatAndKeptByFermer)
{
    struct Cas {
        char separateur;
        const char* texte;
        double echelle;
    };
    const Cas cas[] = {{',', "2,5", 2.5}, {'.', "2.5", 2.5}, {'.', "2,5", 1}, {',', "abc", 1}, {',', "", 1}};
    for (const Cas& c : cas) {
        K.SeparateurDecimal = c.separateur;
        K.EchelleRonds = 1;
        s.Visible = true;
        Statistiques_Ech_Change(QString::fromLatin1(c.texte));
        Statistiques_Command3D1_Click();
        EXPECT_FALSE(s.Visible);
        EXPECT_EQ(K.EchelleRonds, c.echelle) << c.texte;
        PrepareStatistiques();
        EXPECT_EQ(*LitNombre(s.Ech, {Etendue::TeteOuZero, c.separateur == ','}), c.echelle) << c.texte;
    }
}

TEST_F(GestionStatistiques, TheDifferenceClassChoiceShowsWithItsBox)
{
    Statistiques_ClassesDifférences_Click(true);
    EXPECT_TRUE(s.ClassesDifférences && s.ChoixDiffClasseVisible);
    Statistiques_ClassesDifférences_Click(false);
    EXPECT_FALSE(s.ClassesDifférences || s.ChoixDiffClasseVisible);
    Statistiques_AffValNum_Click(true);
    EXPECT_EQ(apercus, 0); // no preview asked
    Statistiques_ApercuCarte_Click(true);
    Statistiques_AffValNum_Click(false);
    EXPECT_EQ(apercus, 2);
}

// A bound method writes every box and each write redraws the classes; the
// map, which nobody sees between two boxes, is drawn once at the end.
TEST_F(GestionStatistiques, ABoundMethodPreviewsTheMapOnceWithTheFinalBounds)
{
    StatistiquesDemarrees();
    ValeursNoeudsDeTest({100, 50, 0});
    CalculeStatistiquesNoeuds();
    EcritText5(QStringLiteral("4"));
    s.ApercuCarte = true;
    std::vector<float> bornesVues;
    RedessineValeurs = [&] { bornesVues.push_back(K.Classes[4].BorneSup); };
    Statistiques_SSCommand1_Click();
    EXPECT_EQ(bornesVues, std::vector<float>{101});
    ui.RepondTexte(QStringLiteral("10"));
    Statistiques_SSCommand3_Click();
    EXPECT_EQ(bornesVues.size(), 2u);
}

TEST_F(GestionStatistiques, BmpSavesThePictureReadBackEqual)
{
    Ima().FillStyle = 0;
    Ima().FillColor = RGB(0, 128, 255);
    Ima().Ellipse(10, 10, 60, 40);
    s.NomFichBMP = QStringLiteral("carte.bmp");
    Statistiques_Command3D3_Click();
    EXPECT_TRUE(ui.messages().empty());
    const QImage lue(dir.path() + QStringLiteral("/carte.bmp"));
    ASSERT_FALSE(lue.isNull());
    EXPECT_EQ(lue.convertToFormat(QImage::Format_RGB32), Ima().Image().convertToFormat(QImage::Format_RGB32));
}

TEST_F(GestionStatistiques, BmpFailuresShowTheirMessageAndKeepTheEarlierFile)
{
    const QString chemin = EcritFichier(dir, QStringLiteral("carte.bmp"), "ancien");
    Ima().AutoRedraw = false;
    s.NomFichBMP = QStringLiteral("carte.bmp");
    Statistiques_Command3D3_Click();
    ASSERT_EQ(ui.appels().size(), 1u);
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Pas d'AutoRedraw"));
    EXPECT_EQ(ui.appels()[0].icone, Icone::Critique);
    Ima().AutoRedraw = true;
    ui.efface();
    for (const QString& nom : {QString(), QStringLiteral("absent/carte.bmp")}) {
        s.NomFichBMP = nom;
        Statistiques_Command3D3_Click();
        ASSERT_EQ(ui.appels().size(), 1u) << nom.toStdString();
        EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Erreur dans l'impression de l'image"));
        EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Erreur"));
        ui.efface();
    }
    EXPECT_EQ(LitOctets(chemin), "ancien");
}

// With the value map's own redraw: a node option clears the picture and
// draws one circle per node with a value; the "Arcs" tab draws none.
TEST_F(GestionStatistiques, ANodeOptionWithThePreviewRedrawsTheCirclesAfterTheClear)
{
    ChargeFichiersNoeudValeur(1, QStringLiteral("stm312.dat"));
    InstalleCommandesCartes();
    s.ApercuCarte = true;
    Statistiques_Option3D1_Click();
    EXPECT_EQ(rondsApresEffacement(), std::make_pair(3, true));
    images.ima.Appels.clear();
    s.SSTab1 = 1;
    Statistiques_DiffAbs_Click();
    EXPECT_EQ(rondsApresEffacement(), std::make_pair(0, true));
}
