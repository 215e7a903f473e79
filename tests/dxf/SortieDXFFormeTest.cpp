// "Sortie DXF" and its palette: the state of a first showing, the option
// groups that follow their boxes, the palette, the facet refusal, and the
// window driven as a user would.
#include "SupportDXF.h"

#include "core/Commandes.h"
#include "dxf/DonneesDXF.h"
#include "dxf/SortieDXF.h"
#include "dxf/formes/CouleursDXF.h"
#include "dxf/formes/FenetresDXF.h"
#include "dxf/formes/SortieDXF.h"
#include "support/Reseau.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace kelmo;
using namespace kelmo::testdxf;

namespace {

TEST_F(DXFTest, TheDialogStartsWithThePlanesColoursAndThicknessesOfItsGrid)
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    const char* lignes[15][4] = {
        {"", "Plan n°", "Couleur", "Epaisseur"},      {"Noeuds", "1", "Blanc", "X"},
        {"Circle", "2", "Blanc", "X"},                {"3DFacettes", "3", "Blanc", "X"},
        {"TGL-TER - 4", "4", "cyan", "1.5"},          {"Voie Express - 61", "5", "rouge", "2"},
        {"Route 70 - 7", "6", "Vert", "1.5"},         {"Route 60 - 71", "7", "jaune", "1.5"},
        {"Route 50 - 72", "8", "magenta", "1.5"},     {"Autoroutes - 6", "9", "bleu", "3"},
        {"Ferry-Boat - 2", "10", "cyan", "1"},        {"TGV en gde vit.-3", "11", "noir", "4"},
        {"Bd Urbain", "12", "vert", "1.5"},           {"Voie Urbaine", "13", "noir", "1.5"},
        {"Rocade Urbaine", "14", "cyan", "1.5"}};
    for (std::size_t i = 0; i <= 14; ++i) {
        if (i >= 1) {
            EXPECT_EQ(s.Etiquette1[i - 1], QString::fromUtf8(lignes[i][0])) << i;
        }
        EXPECT_EQ(s.plancad[i], QString::fromUtf8(lignes[i][1])) << i;
        EXPECT_EQ(s.couleurcad[i], QString::fromUtf8(lignes[i][2])) << i;
        EXPECT_EQ(s.epaisseurcad[i], QString::fromUtf8(lignes[i][3])) << i;
    }
    EXPECT_FALSE(s.CocheNoeud[0].Value);
    EXPECT_TRUE(s.CocheNoeud[1].Value);
    EXPECT_FALSE(s.CocheNoeud[2].Value);
    EXPECT_FALSE(s.CocheNoeud[3].Value);
    EXPECT_EQ(s.NomVilleDxf, (std::array<QString, 4>{QStringLiteral("Standard"), QStringLiteral("0"), QStringLiteral("0"),
                                                      QStringLiteral("5")}));
    EXPECT_FALSE(s.cochecircle.Value);
    EXPECT_EQ(s.Rayon, RayonCerclesDXF::RayonFixe);
    EXPECT_FALSE(s.CouleursClasses.Value);
    EXPECT_FALSE(s.CoulNVal2.Value);
    EXPECT_EQ(s.cadcircle[2], QStringLiteral("3"));
    EXPECT_EQ(s.cadcircle[1], QStringLiteral("1"));
    EXPECT_FALSE(s.CocheArcs[0].Value);
    EXPECT_EQ(s.Valeur, ValeurArcsDXF::Minimaux);
    EXPECT_EQ(s.Objet, ObjetArcsDXF::PolyLignes);
    EXPECT_FALSE(s.APlat.Value);
    EXPECT_EQ(s.Tube[0], QStringLiteral("20"));
    EXPECT_EQ(s.Tube[1], QStringLiteral("6"));
    EXPECT_FALSE(s.Coche3DFace.Value);
    EXPECT_FALSE(s.GroupeArcsActif);
    EXPECT_FALSE(s.GroupeCerclesActif);
    EXPECT_EQ(K.Formes.CouleursDXF.CouleurCad,
              (std::array<QString, 8>{QStringLiteral("Rouge"), QStringLiteral("Jaune"), QStringLiteral("Vert"),
                                      QStringLiteral("Cyan"), QStringLiteral("Bleu"), QStringLiteral("Magenta"),
                                      QStringLiteral("Blanc"), QStringLiteral("Noir")}));
}

TEST_F(DXFTest, TheMenuCommandShowsTheDialogAndLeavesTheReliefValuationAsChosen)
{
    int montre = 0;
    LiensDXF().MontreSortieDXF = [&] { ++montre; };
    K.TypeValuationRelief = QStringLiteral("Coût");
    Kelmo_menCréeFichDXF_Click();
    EXPECT_EQ(K.TypeValuationRelief, QStringLiteral("Coût"));
    EXPECT_TRUE(K.Formes.SortieDXF.Visible);
    EXPECT_EQ(montre, 1);
    SortieDXF_Command3D1_Click();
    EXPECT_FALSE(K.Formes.SortieDXF.Visible);
}

TEST_F(DXFTest, EachClickOfAnArcsOrCircleBoxTurnsItsGroupOnOrOff)
{
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    for (bool attendu : {true, false, true}) {
        SortieDXF_CocheArcs_Click(0);
        EXPECT_EQ(s.GroupeArcsActif, attendu);
        SortieDXF_cochecircle_Click();
        EXPECT_EQ(s.GroupeCerclesActif, attendu);
    }
    // The choices inside stay as they are.
    EXPECT_EQ(s.Objet, ObjetArcsDXF::PolyLignes);
    EXPECT_EQ(s.Rayon, RayonCerclesDXF::RayonFixe);
}

TEST_F(DXFTest, ThePaletteWritesTheNameOfTheChosenColourIntoTheCellThatOpenedIt)
{
    QStringList suite;
    LiensDXF().MontreCouleursDXF = [&] {
        suite << QStringLiteral("palette");
        CouleursDXF_CouleurCad_DblClick(7);
    };
    LiensDXF().CacheCouleursDXF = [&] { suite << QStringLiteral("cache"); };
    LiensDXF().MontreSortieDXF = [&] { suite << QStringLiteral("sortie"); };
    SortieDXF_CouleurCad_DblClick(5);
    EXPECT_EQ(DXF.IndiceCouleurCad, 5);
    EXPECT_EQ(K.Formes.SortieDXF.couleurcad[5], QStringLiteral("Noir"));
    EXPECT_EQ(suite, (QStringList{QStringLiteral("palette"), QStringLiteral("cache"), QStringLiteral("sortie")}));
    EXPECT_FALSE(K.Formes.CouleursDXF.Visible);
    // The layer of row 5 is then black, 249.
    std::vector<std::string> attendu = EnteteEtTablesInitiales();
    attendu[42 + 4 * 10 + 7] = "249";
    for (const char* s : {"0", "SECTION", "2", "ENTITIES", "0", "ENDSEC", "0", "EOF"})
        attendu.push_back(s);
    Manifeste m;
    const int couleurs[] = {7, 7, 7, 4, 249, 3, 2, 6, 5, 4, 249};
    for (int i = 1; i <= 11; ++i)
        m.Calque(std::to_string(i), couleurs[i - 1]);
    EXPECT_EQ(Exporte(m), Lignes(attendu));
}

TEST_F(DXFTest, TheFacetBoxIsRefusedWhileTheReliefHasNoFacets)
{
    K.Formes.SortieDXF.Coche3DFace.Value = true;
    SortieDXF_Coche3DFace_Click();
    EXPECT_FALSE(K.Formes.SortieDXF.Coche3DFace.Value);
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const AppelDialogue& a = repondeur->appels()[0];
    EXPECT_EQ(a.texte, QStringLiteral("Attention : il est nécessaire de dessiner le relief dans KELMO avec l'option "
                                      "'prépare le fichier de relief 3d' avant de pouvoir exporter les facettes en DXF"));
    EXPECT_EQ(a.titre, QStringLiteral("Facettes du relief"));
    EXPECT_EQ(a.icone, Icone::Information);
    EXPECT_EQ(a.boutons, Boutons::OK);
}

void doubleClic(QWidget* w)
{
    QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

class FenetreSortieDXFTest : public DXFTest {
protected:
    void SetUp() override
    {
        DXFTest::SetUp();
        InstalleSortieDXF(nullptr);
    }
    void TearDown() override
    {
        DetruitFenetresDXF();
        DXFTest::TearDown();
    }
};

TEST_F(FenetreSortieDXFTest, TheMenuShowsTheModelessWindowAsMadeAndItWritesTheDrawing)
{
    test::Noeud_(QStringLiteral("A"), 1, 0, 1, 2, 0);
    ASSERT_TRUE(ExecuteCommande(QStringLiteral("menCréeFichDXF")));
    SortieDXF* w = FenetreSortieDXF();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Sortie DXF"));
    EXPECT_EQ(w->Etiquette1[10]->text(), QStringLiteral("TGV en gde vit.-3"));
    EXPECT_EQ(w->couleurcad[11]->text(), QStringLiteral("noir"));
    EXPECT_EQ(w->epaisseurcad[0]->text(), QStringLiteral("Epaisseur"));
    EXPECT_TRUE(w->PolyLignes->isChecked());
    EXPECT_TRUE(w->Minimaux->isChecked());
    EXPECT_TRUE(w->RayonFixe->isChecked());
    EXPECT_FALSE(w->Frame1->isEnabled());
    EXPECT_FALSE(w->Tube[1]->isEnabled());
    EXPECT_FALSE(w->Frame2->isEnabled());
    EXPECT_FALSE(w->cadcircle[2]->isEnabled());

    w->CocheArcs0->click();
    EXPECT_TRUE(K.Formes.SortieDXF.CocheArcs[0].Value);
    EXPECT_TRUE(w->Frame1->isEnabled());
    EXPECT_TRUE(w->TroisDFaces->isEnabled());
    w->TroisDTubes->click();
    EXPECT_EQ(K.Formes.SortieDXF.Objet, ObjetArcsDXF::TroisDTubes);
    w->CocheArcs0->click();
    EXPECT_FALSE(w->TroisDFaces->isEnabled());
    w->cochecircle->click();
    EXPECT_TRUE(w->FonctionPopulation->isEnabled());
    w->FonctionPopulation->click();
    EXPECT_EQ(K.Formes.SortieDXF.Rayon, RayonCerclesDXF::FonctionPopulation);
    w->plancad[6]->setText(QStringLiteral("66"));
    emit w->plancad[6]->textEdited(QStringLiteral("66"));
    EXPECT_EQ(K.Formes.SortieDXF.plancad[6], QStringLiteral("66"));

    // The palette opens modal on a double click of a colour cell.
    QTimer::singleShot(0, [] {
        CouleursDXF* p = FenetreCouleursDXF();
        EXPECT_TRUE(p->isModal());
        EXPECT_EQ(p->windowTitle(), QStringLiteral("Double cliquez sur une couleur..."));
        EXPECT_EQ(p->CouleurCad[3]->text(), QStringLiteral("Cyan"));
        doubleClic(p->CouleurCad[3]);
    });
    doubleClic(w->couleurcad[2]);
    EXPECT_EQ(w->couleurcad[2]->text(), QStringLiteral("Cyan"));
    EXPECT_FALSE(FenetreCouleursDXF()->isVisible());

    const QString chemin = Chemin(QStringLiteral("fenetre.dxf"));
    repondeur->RepondTexte(chemin);
    w->ecritleDXF->click();
    Manifeste m;
    const int couleurs[] = {7, 4, 7, 4, 1, 3, 2, 6, 5, 4, 249};
    for (int i = 1; i <= 11; ++i)
        m.Calque(i == 6 ? "66" : std::to_string(i), couleurs[i - 1]);
    m.Cercle("0", 0, {1, 2, 6.2}, 0);
    ConserveDXF(chemin, m);
    EXPECT_NE(test::LitOctets(chemin).find("CIRCLE"), std::string::npos);

    w->Command3D1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(K.Formes.SortieDXF.Visible);
    // Shown again, it keeps every setting.
    ExecuteCommande(QStringLiteral("menCréeFichDXF"));
    EXPECT_EQ(FenetreSortieDXF(), w);
    EXPECT_EQ(w->couleurcad[2]->text(), QStringLiteral("Cyan"));
    EXPECT_TRUE(w->FonctionPopulation->isChecked());
}

} // namespace
