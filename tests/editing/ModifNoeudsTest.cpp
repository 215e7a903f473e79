// The node editor, and the clicks on the map that both editors take.
#include "OutilsEdition.h"
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "core/Projection.h"
#include "editing/ModifArcs.h"
#include "editing/ModifNoeuds.h"
#include "editing/PrepareNouveauNoeud.h"
#include "editing/TexteValeurNoeud.h"
#include "platform/NombresChamps.h"

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar CR(13);

class ModifNoeudsTest : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        Noeud_(QStringLiteral("AMIENS"), 80021, 133000, 10, 20);
        Noeud_(QStringLiteral("BEAUVAIS"), 60057, 56000, 30, 20);
        Noeud_(QStringLiteral("CREIL"), 60175, 35000, 20, 40);
        Arc_(80021, 60057, 7);
        Arc_(60175, 80021, 4);
        Arc_(99, 60057, 7); // towards a code no node has yet
        IndexeArcs();
        CalculeModesNoeuds();
        RemplitListesNoeuds();
        ReprojetteVue();
        TrieNoeudsProfondeur();
        Kelmo_menModifieNoeuds_Click();
    }
    ModeleModifNoeuds& m() { return K.Formes.ModifNoeuds; }
    void boites(const QString& nom, const QString& code, const QString& pop, const QString& x, const QString& y,
                const QString& z)
    {
        m().Texte1 = nom;
        m().Texte2 = code;
        m().Texte3 = pop;
        m().Texte4 = x;
        m().Texte5 = y;
        m().Texte6 = z;
    }
    int effacements() const { return static_cast<int>(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).size()); }
};

} // namespace

TEST_F(ModifNoeudsTest, TheNearestNodeInPictureCoordinatesTiesToTheLowerNumber)
{
    struct Cas {
        double x, y;
        int attendu;
    };
    // Picture positions: AMIENS (10, -20), BEAUVAIS (30, -20), CREIL (20, -40).
    const Cas cas[] = {{20, -20, 1}, {29, -21, 2}, {20, -35, 3}, {-5000, 9000, 1}, {20, -30, 3}};
    for (const Cas& c : cas)
        EXPECT_EQ(NoeudLePlusProche(c.x, c.y), c.attendu) << c.x << ", " << c.y;
}

TEST_F(ModifNoeudsTest, ClicksFillTheArcEditorListsWhileItIsOpen)
{
    K.ModeModifArcs = true;
    PrepareNouveauNoeud(29, -21, 1);
    PrepareNouveauNoeud(20, -39, 2);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, 2);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable2.ListIndex, 3);
    // The arc editor comes first: the node editor's list is left alone.
    EXPECT_EQ(m().ListeModifiable1.ListIndex, -1);
    PrepareNouveauNoeud(10, -20, 4);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, 2);
    EXPECT_FALSE(repondeur->sablierActif());
}

TEST_F(ModifNoeudsTest, ALeftClickChoosesTheNodeARightClickProposesANewOne)
{
    PrepareNouveauNoeud(29, -21, 1);
    EXPECT_EQ(m().ListeModifiable1.ListIndex, 2);
    EXPECT_EQ(m().Texte1, QStringLiteral("BEAUVAIS").leftJustified(50));
    EXPECT_EQ(m().Texte2, QStringLiteral("60057"));

    struct Cas {
        double echelle, origineX, origineY, x, y;
        const char* texte4;
        const char* texte5;
    };
    const Cas cas[] = {{2, 10, 100, 15.25, 40, " 10.5", " 120"}, {1, 0, 0, -3, 7, "-3", "-7"}};
    for (const Cas& c : cas) {
        K.Echelle = c.echelle;
        K.OrigineX = c.origineX;
        K.OrigineY = c.origineY;
        m().Texte7 = QStringLiteral("gardé");
        PrepareNouveauNoeud(c.x, c.y, 2);
        EXPECT_EQ(m().Texte1, QStringLiteral("VilleNouvelle"));
        EXPECT_EQ(m().Texte2, QStringLiteral("0000000"));
        EXPECT_EQ(m().Texte3, QStringLiteral("0"));
        EXPECT_EQ(m().Texte4, QString::fromUtf8(c.texte4));
        EXPECT_EQ(m().Texte5, QString::fromUtf8(c.texte5));
        EXPECT_EQ(m().Texte6, QStringLiteral("0"));
        EXPECT_EQ(m().Texte7, QStringLiteral("gardé"));
        EXPECT_EQ(m().Texte8, QStringLiteral("0"));
    }
    EXPECT_EQ(K.NbNoeuds, 3);
}

TEST_F(ModifNoeudsTest, ChoosingANodeShowsItsFieldsInTheRegionalFormat)
{
    K.SeparateurDecimal = ',';
    K.Noeuds[1].X = 12.5f;
    ModifNoeuds_DefinitListIndex(0); // the blank entry shows node 1
    EXPECT_EQ(m().Texte1, QStringLiteral("AMIENS").leftJustified(50));
    EXPECT_EQ(m().Texte3, QStringLiteral("133000"));
    EXPECT_EQ(m().Texte4, QStringLiteral("12,5"));
    EXPECT_EQ(m().Texte5, QStringLiteral("20"));
    EXPECT_EQ(m().Texte7, QStringLiteral("000-FER-ROU-000-000"));
    EXPECT_EQ(m().Texte8, QStringLiteral("0"));
    EXPECT_TRUE(m().Visible);

    // With node values loaded, the value shown on the map, "Standard".
    K.Menu(QStringLiteral("menAfficheValeur2")).Enabled = true;
    K.ValeursNoeuds.assign(4, ValeurNoeud{});
    K.ValeursNoeuds[2].IndiceNoeud = 3;
    K.ValeursNoeuds[2].Valeur = 1234.567f;
    ModifNoeuds_DefinitListIndex(3);
    EXPECT_EQ(m().Texte8, QStringLiteral("1") + QChar(0x00A0) + QStringLiteral("234,57"));
    ModifNoeuds_DefinitListIndex(2);
    EXPECT_EQ(m().Texte8, QStringLiteral("0"));
}

TEST_F(ModifNoeudsTest, StandardFormatGroupsThousandsWithTwoDecimals)
{
    struct Cas {
        char separateur;
        double valeur;
        QString texte;
    };
    const QChar nbsp(0x00A0);
    const Cas cas[] = {{'.', 0, "0.00"},           {'.', 1234567.891, "1,234,567.89"}, {'.', -999.996, "-1,000.00"},
                       {',', 12.5, "12,50"},       {',', 100000, QString("100") + nbsp + "000,00"},
                       {'.', -0.001, "0.00"}};
    for (const Cas& c : cas) {
        K.SeparateurDecimal = c.separateur;
        EXPECT_EQ(FormatStandard(c.valeur), c.texte) << c.valeur;
    }
}

TEST_F(ModifNoeudsTest, CreateRefusesBadBoxesAndChangesNothing)
{
    struct Cas {
        const char* nom;
        QString texte1, texte2, texte3, texte4;
        QString message, titre;
    };
    const Cas cas[] = {
        {"a name starting with a digit", "3 Fontaines", "1", "0", "1",
         QStringLiteral("Le nom du noeud commence par un chiffre.") + CR
             + QStringLiteral("Modifiez le nom en plaçant une lettre en première position") + CR
             + QStringLiteral("(le nom peut contenir des chiffres mais pas au début)."),
         "Erreur de nom"},
        {"a code in use", "NOUVELLE", "60057", "0", "1",
         QStringLiteral("Le code de ce noeud existe déjà.") + CR + QStringLiteral("Modifiez le pour créer un nouveau noeud."),
         "Erreur de code"},
        {"a code that rounds to one in use", "NOUVELLE", "60057.4", "0", "1",
         QStringLiteral("Le code de ce noeud existe déjà.") + CR + QStringLiteral("Modifiez le pour créer un nouveau noeud."),
         "Erreur de code"},
        {"an empty name", "  ", "1", "0", "1", "Le nom du noeud est vide.", "Erreur de nom"},
        {"a population that is not a number", "NOUVELLE", "1", "beaucoup", "1",
         "La population, x, y ou z n'est pas un nombre.", "Création de noeud"},
        {"an empty x", "NOUVELLE", "1", "0", "", "La population, x, y ou z n'est pas un nombre.", "Création de noeud"},
        {"a code past 32 bits", "NOUVELLE", "9999999999", "0", "1",
         MessageHorsChamp("9999999999", "Code", GenreChamp::Entier32), "Création de noeud"},
        {"an x beyond a single", "NOUVELLE", "1", "0", "1e308", MessageHorsChamp("1e308", "x", GenreChamp::Simple),
         "Création de noeud"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        boites(c.texte1, c.texte2, c.texte3, c.texte4, QStringLiteral("2"), QStringLiteral("0"));
        repondeur->efface();
        ModifNoeuds_Command3D2_Click();
        EXPECT_EQ(K.NbNoeuds, 3);
        ASSERT_EQ(repondeur->appels().size(), 1u);
        EXPECT_EQ(repondeur->appels()[0].texte, c.message);
        EXPECT_EQ(repondeur->appels()[0].titre, c.titre);
        EXPECT_EQ(repondeur->appels()[0].icone, Icone::Exclamation);
        EXPECT_EQ(effacements(), 0);
        EXPECT_FALSE(repondeur->sablierActif());
    }
}

TEST_F(ModifNoeudsTest, CreateAppendsTheNodeReachesItsArcsAndPutsItInEveryList)
{
    K.SeparateurDecimal = ',';
    K.AngleHorizontal = 0.5;
    K.VilleCentreRotation = QStringLiteral("CREI");
    boites(QStringLiteral("Gare2 de Creil"), QStringLiteral("99"), QStringLiteral("1500,7 hab."), QStringLiteral("12,5"),
           QStringLiteral(" 7.25"), QStringLiteral("-3"));
    ModifNoeuds_Command3D2_Click();
    ASSERT_EQ(K.NbNoeuds, 4);
    const Noeud& n = K.Noeuds[4];
    EXPECT_EQ(n.Nom.sansBlancsFinaux(), QStringLiteral("Gare2 de Creil"));
    EXPECT_EQ(n.Code, 99);
    EXPECT_EQ(n.Population, 1500);
    EXPECT_EQ(n.X, 12.5f);
    EXPECT_EQ(n.Y, 7.25f);
    EXPECT_EQ(n.Z, -3.0f);
    for (const Liste* l : {&K.Formes.ModifArcs.ListeModifiable1, &K.Formes.ModifArcs.ListeModifiable2,
                           &K.Formes.ModifNoeuds.ListeModifiable1, &K.Formes.Angles.ListeModifiable1,
                           &K.Formes.frmAnamorphose.ListeModifiable1})
        EXPECT_EQ(l->Entrees.value(4), QStringLiteral("Gare2 de Creil "));
    // The arc that waited for code 99 reaches the node, and its modes follow.
    EXPECT_EQ(K.Arcs[3].IndiceOrigine, 4);
    EXPECT_EQ(n.Modes.texte(), QStringLiteral("000-000-ROU-000-000"));
    // Projected with the view's rotation, drawn again.
    Noeud attendu = n;
    ReprojetteVue();
    EXPECT_EQ(K.Noeuds[4].XEcran, attendu.XEcran);
    EXPECT_EQ(K.IndexNoeuds.size(), 5u);
    EXPECT_EQ(effacements(), 1);
    EXPECT_TRUE(repondeur->appels().empty());
}

TEST_F(ModifNoeudsTest, ModifyRewritesTheChosenNodeAndRenumbersItsArcs)
{
    struct Cas {
        const char* nom;
        int index;
        QString code;
        QString message; // a refusal, or empty
        int32_t codeApres;
    };
    const Cas cas[] = {
        {"its own code: no renumbering", 1, "80021", {}, 80021},
        {"a free code: every arc end follows", 1, "80022", {}, 80022},
        {"another node's code", 1, "60057", "Le code existe déjà. Changez le pour créer ou modifier une ville.", 80021},
        {"no node chosen", -1, "80021", "Choisissez d'abord le noeud à modifier dans la liste.", 80021},
        {"the blank entry", 0, "80021", "Choisissez d'abord le noeud à modifier dans la liste.", 80021},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        K.Noeuds[1].Code = 80021;
        K.Noeuds[1].Nom = QStringLiteral("AMIENS");
        K.Noeuds[1].X = 10;
        K.Noeuds[1].Population = 133000;
        K.Arcs[1].CodeOrigine = 80021;
        K.Arcs[2].CodeDestination = 80021;
        RemplitListesNoeuds();
        m().ListeModifiable1.ListIndex = c.index;
        K.Formes.ModifArcs.ListeModifiable2.ListIndex = 1;
        boites(QStringLiteral("AMIENS-GARE"), c.code, QStringLiteral("140000"), QStringLiteral("11,5"),
               QStringLiteral("21"), QStringLiteral("5"));
        repondeur->efface();
        images->ima.Appels.clear();
        ModifNoeuds_Command3D5_Click();
        const bool fait = c.message.isEmpty();
        if (!fait)
            EXPECT_EQ(repondeur->messages(), std::vector<QString>{c.message});
        else
            EXPECT_TRUE(repondeur->appels().empty());
        EXPECT_EQ(K.Noeuds[1].Code, c.codeApres);
        EXPECT_EQ(K.Arcs[1].CodeOrigine, c.codeApres);
        EXPECT_EQ(K.Arcs[2].CodeDestination, c.codeApres);
        EXPECT_EQ(K.Arcs[1].IndiceOrigine, 1);
        EXPECT_EQ(K.Noeuds[1].Nom.sansBlancsFinaux(), fait ? QStringLiteral("AMIENS-GARE") : QStringLiteral("AMIENS"));
        EXPECT_EQ(K.Noeuds[1].X, fait ? 11.5f : 10.0f);
        EXPECT_EQ(K.Noeuds[1].Population, fait ? 140000 : 133000);
        // Every list shows the new name and still points at its node.
        EXPECT_EQ(K.Formes.Angles.ListeModifiable1.Entrees[1],
                  fait ? QStringLiteral("AMIENS-GARE    ") : QStringLiteral("AMIENS         "));
        EXPECT_EQ(m().ListeModifiable1.ListIndex, c.index);
        EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable2.ListIndex, 1);
        EXPECT_EQ(effacements(), fait ? 1 : 0);
    }
}

TEST_F(ModifNoeudsTest, ModifyKeepsARotatedView)
{
    K.AngleHorizontal = 0.8;
    K.VilleCentreRotation = QStringLiteral("CREI");
    ReprojetteVue();
    ModifNoeuds_DefinitListIndex(2);
    m().Texte4 = QStringLiteral("31");
    ModifNoeuds_Command3D5_Click();
    const float x = K.Noeuds[2].XEcran, y = K.Noeuds[2].YEcran;
    ReprojetteVue();
    EXPECT_EQ(K.Noeuds[2].XEcran, x);
    EXPECT_EQ(K.Noeuds[2].YEcran, y);
    EXPECT_NE(x, 31.0f); // turned about CREIL, not the plain projection
}

TEST_F(ModifNoeudsTest, DeleteTakesTheNodeChosenInTheList)
{
    ModifNoeuds_DefinitListIndex(1);
    m().Texte2 = QStringLiteral("60057"); // typed over: BEAUVAIS's code
    repondeur->Repond(Reponse::Annuler);
    ModifNoeuds_Command3D1_Click();
    EXPECT_EQ(K.NbNoeuds, 3);
    ASSERT_EQ(repondeur->appels().size(), 1u);
    const AppelDialogue& q = repondeur->appels()[0];
    EXPECT_EQ(q.texte, QStringLiteral("Voulez-vous éliminer AMIENS ?"));
    EXPECT_EQ(q.boutons, Boutons::OKAnnuler);
    EXPECT_EQ(q.titre, QStringLiteral("Modification"));

    repondeur->efface();
    repondeur->Repond(Reponse::OK);
    ModifNoeuds_Command3D1_Click();
    ASSERT_EQ(K.NbNoeuds, 2);
    EXPECT_EQ(K.Noeuds[1].Nom.sansBlancsFinaux(), QStringLiteral("BEAUVAIS"));
    ASSERT_EQ(K.NbArcs, 1);
    EXPECT_EQ(K.Arcs[1].CodeOrigine, 99);
    EXPECT_EQ(K.Arcs[1].IndiceDestination, 0); // code 99 still has no node
    EXPECT_EQ(repondeur->messages()[1],
              QStringLiteral("Le noeud AMIENS a été éliminé.") + CR + QStringLiteral(" 2 arc(s) a(ont) été éliminé(s)."));
    EXPECT_EQ(effacements(), 1);

    repondeur->efface();
    m().ListeModifiable1.ListIndex = -1;
    ModifNoeuds_Command3D1_Click();
    EXPECT_EQ(repondeur->messages(),
              std::vector<QString>{QStringLiteral("Choisissez d'abord le noeud à éliminer dans la liste.")});
    EXPECT_EQ(K.NbNoeuds, 2);
}

TEST_F(ModifNoeudsTest, QuitRestoresTheMapPointer)
{
    EXPECT_EQ(K.ImaMousePointer, 2);
    EXPECT_TRUE(K.ModeModifNoeuds);
    ModifNoeuds_Command3D3_Click();
    EXPECT_FALSE(K.ModeModifNoeuds);
    EXPECT_FALSE(m().Visible);
    EXPECT_EQ(K.ImaMousePointer, 1);
    K.Menu(QStringLiteral("menZoomSouris")).Checked = true;
    Kelmo_menModifieOD_Click();
    EXPECT_EQ(K.ImaMousePointer, 4);
    ModifArcs_Command3D5_Click();
    EXPECT_FALSE(K.ModeModifArcs);
    EXPECT_EQ(K.ImaMousePointer, 2);
    // Back to a digitising, the map keeps its cross without the zoom.
    K.Menu(QStringLiteral("menZoomSouris")).Checked = false;
    K.ModeCalage = true;
    Kelmo_menModifieNoeuds_Click();
    ModifNoeuds_Command3D3_Click();
    EXPECT_EQ(K.ImaMousePointer, 2);
}
