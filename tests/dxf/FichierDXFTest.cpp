// The drawing of "Sortie DXF" as a whole: its sections and tables byte for
// byte, the layer table's colours and names, the checks made before any file
// is touched, and the saving.
#include "SupportDXF.h"

#include "dxf/DonneesDXF.h"
#include "dxf/FichierDXF.h"
#include "dxf/SortieDXF.h"
#include "support/Reseau.h"

#include <QDir>
#include <QFile>

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

class FichierDXFTest : public DXFTest {};

std::vector<std::string> entitesVides()
{
    std::vector<std::string> l = EnteteEtTablesInitiales();
    for (const char* s : {"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC", "0", "EOF"})
        l.push_back(s);
    return l;
}

TEST_F(FichierDXFTest, WithEveryBoxUntickedTheFileHoldsTheTablesAndAnEmptyEntitiesSection)
{
    test::Noeud_(QStringLiteral("A"), 1, 100, 10, 20);
    const std::string octets = Exporte(Manifeste().CalquesInitiaux());
    EXPECT_EQ(octets, Lignes(entitesVides()));
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const AppelDialogue& a = repondeur->appels()[0];
    EXPECT_EQ(a.genre, AppelDialogue::FichierEnregistrer);
    EXPECT_EQ(a.fichier.filtre, QStringLiteral("(*.dxf)|*.dxf"));
    EXPECT_EQ(DXF.NomFichierDXF, Chemin(QStringLiteral("sortie.dxf")));
    EXPECT_FALSE(repondeur->sablierActif());
    EXPECT_GE(repondeur->nombreSablier(), 1);
}

// Colour cells as typed: the table's names, capitals only, other words, an
// empty cell; and plane cells as typed, an empty one naming layer "0".
struct CasCalque {
    std::size_t ligne;
    const char* plan;
    const char* couleur;
    const char* nomEcrit;
    const char* couleurEcrite;
};

class TableCalques : public DXFTest, public ::testing::WithParamInterface<CasCalque> {};

TEST_P(TableCalques, EachOfTheFirstElevenRowsGivesOneLayerWithAValidColour)
{
    const CasCalque& c = GetParam();
    K.Formes.SortieDXF.plancad[c.ligne] = QString::fromUtf8(c.plan);
    K.Formes.SortieDXF.couleurcad[c.ligne] = QString::fromUtf8(c.couleur);
    std::vector<std::string> attendu = entitesVides();
    // The entry of row i starts 10 lines after that of row i - 1.
    const std::size_t debut = 42 + (c.ligne - 1) * 10;
    attendu[debut + 3] = c.nomEcrit;
    attendu[debut + 7] = c.couleurEcrite;
    Manifeste m;
    const int couleurs[] = {7, 7, 7, 4, 1, 3, 2, 6, 5, 4, 249};
    for (std::size_t i = 1; i <= 11; ++i)
        m.Calque(i == c.ligne ? c.nomEcrit : std::to_string(i),
                 i == c.ligne ? std::stoi(c.couleurEcrite) : couleurs[i - 1]);
    EXPECT_EQ(Exporte(m), Lignes(attendu));
}

INSTANTIATE_TEST_SUITE_P(
    CellulesDeLaGrille, TableCalques,
    ::testing::Values(CasCalque{5, "5", "rouge", "5", "1"}, CasCalque{5, "5", "Rouge", "5", "1"},
                      CasCalque{5, "5", "ROUGE", "5", "7"}, CasCalque{4, "4", "Noir", "4", "249"},
                      CasCalque{4, "4", "noir", "4", "249"}, CasCalque{1, "1", "Jaune", "1", "2"},
                      CasCalque{2, "2", "Magenta", "2", "6"}, CasCalque{3, "3", "bleu", "3", "5"},
                      CasCalque{6, "6", "", "6", "7"}, CasCalque{7, "7", "violet", "7", "7"},
                      CasCalque{8, "8", "3", "8", "7"}, CasCalque{9, "", "bleu", "0", "5"},
                      CasCalque{10, "Routes", "cyan", "Routes", "4"}, CasCalque{11, "11", "Blanc", "11", "7"}));

TEST_F(FichierDXFTest, ALayerNameWithAccentsIsWrittenInWindows1252)
{
    K.Formes.SortieDXF.plancad[2] = QStringLiteral("Cercles é");
    std::vector<std::string> attendu = entitesVides();
    attendu[42 + 10 + 3] = "Cercles \xE9";
    Manifeste m;
    const int couleurs[] = {7, 7, 7, 4, 1, 3, 2, 6, 5, 4, 249};
    for (int i = 1; i <= 11; ++i)
        m.Calque(i == 2 ? "Cercles é" : std::to_string(i), couleurs[i - 1]);
    EXPECT_EQ(Exporte(m), Lignes(attendu));
}

// Nothing is written, and an old file keeps its bytes, when a box cannot go
// into the drawing; the message names the box.
struct CasRefus {
    const char* description;
    std::function<void(ModeleSortieDXF&)> regle;
    const char* message;
};

class RefusAvantEcriture : public DXFTest, public ::testing::WithParamInterface<CasRefus> {};

TEST_P(RefusAvantEcriture, TheMessageNamesTheBoxAndNoFileIsTouched)
{
    test::Noeud_(QStringLiteral("A"), 1, 100, 10, 20);
    const QString chemin = Chemin(QStringLiteral("ancien.dxf"));
    test::EcritFichier(dossier, QStringLiteral("ancien.dxf"), "ancien contenu");
    GetParam().regle(K.Formes.SortieDXF);
    repondeur->RepondTexte(chemin);
    SortieDXF_ecritleDXF_Click();
    ASSERT_EQ(repondeur->messages().size(), 1u);
    EXPECT_EQ(repondeur->messages()[0], QString::fromUtf8(GetParam().message));
    EXPECT_EQ(repondeur->appels()[0].icone, Icone::Exclamation);
    EXPECT_EQ(repondeur->appels()[0].titre, QStringLiteral("Sortie DXF"));
    EXPECT_EQ(test::LitOctets(chemin), "ancien contenu");
    EXPECT_FALSE(repondeur->reponsesEpuisees()); // the file name was not even asked
}

INSTANTIATE_TEST_SUITE_P(
    CasesDuDialogue, RefusAvantEcriture,
    ::testing::Values(
        CasRefus{"hauteur", [](ModeleSortieDXF& s) { s.CocheNoeud[0].Value = true; s.NomVilleDxf[3] = QStringLiteral("grand"); },
                 "La hauteur du texte n'est pas un nombre."},
        CasRefus{"hauteur vide", [](ModeleSortieDXF& s) { s.CocheNoeud[0].Value = true; s.NomVilleDxf[3].clear(); },
                 "La hauteur du texte n'est pas un nombre."},
        CasRefus{"angle", [](ModeleSortieDXF& s) { s.CocheNoeud[0].Value = true; s.NomVilleDxf[2] = QStringLiteral("12°"); },
                 "L'angle de rotation n'est pas un nombre."},
        CasRefus{"R", [](ModeleSortieDXF& s) { s.CocheNoeud[0].Value = true; s.cadcircle[2] = QStringLiteral("trois"); },
                 "La valeur de R n'est pas un nombre."},
        CasRefus{"plan des noeuds", [](ModeleSortieDXF& s) { s.CocheNoeud[0].Value = true; s.plancad[1] = QStringLiteral("40000"); },
                 "Le nombre 40000 tapé dans « Plan n° (Noeuds) » est hors des limites (de -32768 à 32767) : rien n'est "
                 "changé."},
        CasRefus{"couleur des noeuds sans arc-valeur",
                 [](ModeleSortieDXF& s) { s.CocheArcs[0].Value = true; s.Valeur = ValeurArcsDXF::ArcValeurBiColor; },
                 "Il n'y a rien à écrire : les arcs en « Couleur des noeuds » prennent leur largeur du fichier "
                 "arc-valeur numéro 1, et aucun arc-valeur n'est chargé."},
        CasRefus{"arc-valeur sans arc-valeur",
                 [](ModeleSortieDXF& s) { s.CocheArcs[0].Value = true; s.Valeur = ValeurArcsDXF::ArcValeur; },
                 "Il n'y a rien à écrire : les arcs en « Arc-Valeur (ArcVal1) » prennent leur largeur du fichier "
                 "arc-valeur numéro 1, et aucun arc-valeur n'est chargé."},
        CasRefus{"couleur-modes sans arc-valeur",
                 [](ModeleSortieDXF& s) { s.CocheArcs[0].Value = true; s.Valeur = ValeurArcsDXF::ArcValCouleurModes; },
                 "Il n'y a rien à écrire : les arcs en « Arc-Valeur avec Couleur-Modes » prennent leur largeur du "
                 "fichier arc-valeur numéro 1, et aucun arc-valeur n'est chargé."},
        CasRefus{"plan des arcs", [](ModeleSortieDXF& s) { s.CocheArcs[0].Value = true; s.plancad[14] = QStringLiteral("-32769"); },
                 "Le nombre -32769 tapé dans « Plan n° (Rocade Urbaine) » est hors des limites (de -32768 à 32767) : "
                 "rien n'est changé."},
        CasRefus{"plan des facettes", [](ModeleSortieDXF& s) { s.Coche3DFace.Value = true; s.plancad[3] = QStringLiteral("1e9"); },
                 "Le nombre 1e9 tapé dans « Plan n° (3DFacettes) » est hors des limites (de -32768 à 32767) : rien "
                 "n'est changé."},
        CasRefus{"nom de plan", [](ModeleSortieDXF& s) { s.plancad[6] = QStringLiteral("Route/70"); },
                 "Le plan de la ligne « Route 70 - 7 » contient un caractère interdit dans un nom de plan "
                 "(< > / \\ \" : ; ? * = ` |)."},
        CasRefus{"cercles par valeur", [](ModeleSortieDXF& s) { s.cochecircle.Value = true; s.Rayon = RayonCerclesDXF::FonctionNoeudVal; },
                 "Aucune valeur de noeud n'est chargée."},
        CasRefus{"cercles en couleurs de classes", [](ModeleSortieDXF& s) { s.cochecircle.Value = true; s.CouleursClasses.Value = true; },
                 "Aucune valeur de noeud n'est chargée."}),
    [](const ::testing::TestParamInfo<CasRefus>& i) {
        std::string n = i.param.description;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    });

TEST_F(FichierDXFTest, AnUnusedNumberCellIsNotCheckedAndAPlaneOutOfRangeElsewhereWritesTheDrawing)
{
    // Row 14 is read as a layer number only when arcs are written.
    K.Formes.SortieDXF.plancad[14] = QStringLiteral("99999");
    std::vector<std::string> attendu = entitesVides();
    EXPECT_EQ(Exporte(Manifeste().CalquesInitiaux()), Lignes(attendu));
    EXPECT_TRUE(repondeur->messages().empty());
}

TEST_F(FichierDXFTest, ACancelledSaveWritesNothingAndKeepsTheFileName)
{
    DXF.NomFichierDXF = Chemin(QStringLiteral("precedent.dxf"));
    repondeur->RepondTexte(std::nullopt);
    SortieDXF_ecritleDXF_Click();
    EXPECT_TRUE(QDir(dossier.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(DXF.NomFichierDXF, Chemin(QStringLiteral("precedent.dxf")));
    // The dialog opened on the previous name.
    ASSERT_EQ(repondeur->appels().size(), 1u);
    EXPECT_EQ(repondeur->appels()[0].fichier.nomFichier, Chemin(QStringLiteral("precedent.dxf")));
}

TEST_F(FichierDXFTest, AFailedWriteIsReportedAndReplacesNothing)
{
    // A folder stands where the file would go: it cannot be replaced.
    QDir(dossier.path()).mkdir(QStringLiteral("occupe.dxf"));
    repondeur->RepondTexte(Chemin(QStringLiteral("occupe.dxf")));
    SortieDXF_ecritleDXF_Click();
    ASSERT_EQ(repondeur->messages().size(), 1u);
    EXPECT_EQ(repondeur->messages()[0], QStringLiteral("Erreur lors de l'écriture du fichier DXF"));
    EXPECT_TRUE(QFileInfo(Chemin(QStringLiteral("occupe.dxf"))).isDir());
    EXPECT_FALSE(repondeur->sablierActif());
}

} // namespace
