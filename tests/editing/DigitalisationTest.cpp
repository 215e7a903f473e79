// Digitising over a scanned map: the reference towns typed in or found by
// code, and the view fitted on them.
#include "OutilsEdition.h"
#include "core/Commandes.h"
#include "core/ListesNoeuds.h"
#include "core/Projection.h"
#include "core/Tables.h"
#include "editing/Calage.h"
#include "editing/CommandesEdition.h"
#include "editing/Digitalisation.h"
#include "platform/NombresChamps.h"

#include <cmath>

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar CR(13);
const QString PasDeCalage = QStringLiteral("Le calage ne fonctionne pas,") + CR + "ou la finesse voulue n'est pas obtenue.";
const QString VilleIntrouvable = QStringLiteral("Une ville n'a pas été trouvée. Le code donné était sans doute erroné.");

// Where the projection puts a map point, as CalculeCoordonneesEcran does.
PointPlan projette(const Calage& c, PointPlan p) { return {p.x / c.Echelle + c.OrigineX, c.OrigineY - p.y / c.Echelle}; }

double distance(PointPlan a, PointPlan b) { return std::hypot(a.x - b.x, a.y - b.y); }

class DigitalisationTest : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        Noeud_(QStringLiteral("AMIENS"), 80021, 133000, 600, 700);
        Noeud_(QStringLiteral("BEAUVAIS"), 60057, 56000, 580, 650);
        Noeud_(QStringLiteral("CREIL"), 60175, 35000, 620, 640);
        RemplitListesNoeuds();
        CalculeCoordonneesEcran();
        K.Echelle = 1;
        K.OrigineX = 0;
        K.OrigineY = 0;
    }
    void premiereDigitalisation()
    {
        K.ModeDigitalisation = true;
        K.ModeCalage = false;
        K.NbClicsDigitalisation = 0;
    }
    void calage()
    {
        K.ModeDigitalisation = false;
        K.ModeCalage = true;
        K.NbClicsDigitalisation = 0;
    }
    // The five answers of a town created by a click.
    using Texte = std::optional<QString>;
    void repondVille(const Texte& nom, const Texte& code, const Texte& population, const Texte& x, const Texte& y)
    {
        for (const Texte& t : {nom, code, population, x, y})
            repondeur->RepondTexte(t);
    }
    std::vector<AppelDialogue> saisies() const
    {
        std::vector<AppelDialogue> s;
        for (const AppelDialogue& a : repondeur->appels())
            if (a.genre == AppelDialogue::Saisie)
                s.push_back(a);
        return s;
    }
    struct Vue {
        double echelle, x, y;
        bool operator==(const Vue&) const = default;
    };
    static Vue vue() { return {K.Echelle, K.OrigineX, K.OrigineY}; }
};

} // namespace

TEST(CalculeCalage, TownAUnderTheFirstClickAndTheirDistanceThatOfTheClicks)
{
    struct Cas {
        const char* nom;
        PointPlan r1, r2, a, b;
    };
    const Cas cas[] = {
        // The towns lie far from their clicks: the scale must stay positive
        // and the map keep its sense (north up).
        {"loin des clics", {100, 200}, {400, 600}, {5000, 5000}, {5300, 5400}},
        {"loin, de l'autre côté", {700, 500}, {150, 120}, {-20000, 30000}, {-20300, 29650}},
        // Aligned on a horizontal or a vertical line of the picture.
        {"horizontale", {100, 300}, {500, 300}, {10, 50}, {60, 6.8}},
        {"verticale", {200, 100}, {200, 700}, {10, 50}, {60, 6.8}},
        // Already fitted: the view found is the one in place.
        {"déjà calé", {10, -50}, {60, -6.8}, {10, 50}, {60, 6.8}},
        {"échelle fine", {0, 0}, {1000, 0}, {0, 0}, {0.5, 0}},
        {"échelle 100", {0, 0}, {10, 0}, {0, 0}, {1000, 0}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::optional<Calage> v = CalculeCalage(c.r1, c.r2, c.a, c.b);
        ASSERT_TRUE(v);
        EXPECT_GT(v->Echelle, 0);
        const PointPlan a = projette(*v, c.a);
        const PointPlan b = projette(*v, c.b);
        // Double precision on values below 1e5: 1e-6 is far above rounding.
        EXPECT_NEAR(a.x, c.r1.x, 1e-6);
        EXPECT_NEAR(a.y, c.r1.y, 1e-6);
        EXPECT_NEAR(distance(a, b), distance(c.r1, c.r2), 1e-6);
        // Not mirrored: the town further east lies further right, the one
        // further north higher up (smaller picture y).
        if (c.b.x != c.a.x) {
            EXPECT_EQ(b.x > a.x, c.b.x > c.a.x);
        }
        if (c.b.y != c.a.y) {
            EXPECT_EQ(b.y < a.y, c.b.y > c.a.y);
        }
    }
    EXPECT_DOUBLE_EQ(CalculeCalage({10, -50}, {60, -6.8}, {10, 50}, {60, 6.8})->Echelle, 1.0);
}

TEST(CalculeCalage, NoViewFromCoincidingClicksOrTownsOrAScaleTheProjectionRefuses)
{
    struct Cas {
        const char* nom;
        PointPlan r1, r2, a, b;
    };
    const Cas cas[] = {
        {"deux clics au même endroit", {100, 100}, {100, 100}, {0, 0}, {10, 10}},
        {"deux villes au même endroit", {100, 100}, {200, 100}, {5, 5}, {5, 5}},
        {"au-delà de 100 unités par point", {0, 0}, {10, 0}, {0, 0}, {1001, 0}},
        {"clic infini", {0, 0}, {INFINITY, 0}, {0, 0}, {10, 0}},
    };
    for (const Cas& c : cas)
        EXPECT_FALSE(CalculeCalage(c.r1, c.r2, c.a, c.b)) << c.nom;
}

TEST_F(DigitalisationTest, FirstDigitisingAsksBothTownsThenTheThirdClickFitsTheView)
{
    premiereDigitalisation();
    repondVille("Pékin", " 123456", " 1000000", " 10", " 50");
    DigitaliseNoeud(120, 340);
    EXPECT_EQ(K.NbClicsDigitalisation, 1);
    EXPECT_EQ(K.ImaMousePointer, 2);
    repondVille("Moscou", " 321654", " 7000000", " 60", " 6.8");
    DigitaliseNoeud(520, 700);
    EXPECT_EQ(K.NbClicsDigitalisation, 2);

    struct Invite {
        QString texte, titre, defaut;
    };
    const QString posA = QStringLiteral("Entrez la position absolue de Pékin") + CR + "(le point (0,0) est en bas à gauche)" + CR;
    const Invite attendues[] = {
        {QStringLiteral("Entrez le nom du noeud") + CR + "    Nom : ", "Nom", "Pékin"},
        {QStringLiteral("Entrez le code de Pékin") + CR + "    Code = ", "Code", " 123456"},
        {QStringLiteral("Entrez la population de Pékin") + CR + "    Population = ", "Population", " 1000000"},
        {posA + "    x = ", "X", " 10"},
        {posA + "    x =  10     y = ", "Y", " 50"},
        {QStringLiteral("Entrez le nom du noeud") + CR + "    Nom : ", "Nom", "Moscou"},
        {QStringLiteral("Entrez le code de Moscou") + CR + "    Code = ", "Code", " 321654"},
        {QStringLiteral("Entrez la population de Moscou") + CR + "    Population = ", "Population", " 7000000"},
        {QStringLiteral("Entrez la position absolue de Moscou") + CR + "(le point (0,0) est en bas à gauche)" + CR
             + "    x = ",
         "X", " 60"},
        {QStringLiteral("Entrez la position absolue de Moscou") + CR + "    x =  60     y = ", "Y", " 6.8"},
    };
    const std::vector<AppelDialogue> s = saisies();
    ASSERT_EQ(s.size(), std::size(attendues));
    for (std::size_t i = 0; i < s.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s[i].texte, attendues[i].texte);
        EXPECT_EQ(s[i].titre, attendues[i].titre);
        EXPECT_EQ(s[i].arguments.value(0), attendues[i].defaut);
    }
    EXPECT_TRUE(repondeur->messages().empty());

    ASSERT_EQ(K.NbNoeuds, 5);
    const Noeud& a = K.Noeuds[4];
    const Noeud& b = K.Noeuds[5];
    EXPECT_EQ(a.Nom.texte().trimmed(), "Pékin");
    EXPECT_EQ(a.Code, 123456);
    EXPECT_EQ(a.Population, 1000000);
    EXPECT_EQ(a.X, 10.0f);
    EXPECT_EQ(a.Y, 50.0f);
    EXPECT_EQ(b.Nom.texte().trimmed(), "Moscou");
    EXPECT_EQ(b.Code, 321654);
    EXPECT_EQ(b.Population, 7000000);
    EXPECT_EQ(b.X, 60.0f);
    EXPECT_EQ(b.Y, 6.8f);
    // The node lists name the new towns at their numbers.
    EXPECT_EQ(K.Formes.ModifNoeuds.ListeModifiable1.Entree(4).trimmed(), "Pékin");
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable2.Entree(5).trimmed(), "Moscou");
    EXPECT_EQ(K.Formes.Angles.ListeModifiable1.Entrees.size(), 6);
    EXPECT_EQ(Digitalisation().IndiceNoeudTrouve, 4);
    EXPECT_EQ(Digitalisation().IndiceNouveauNoeud, 5);

    // The third click asks nothing; where it falls does not matter.
    repondeur->efface();
    DigitaliseNoeud(-3000, 9000);
    EXPECT_TRUE(repondeur->appels().empty());
    EXPECT_EQ(K.NbClicsDigitalisation, 3);
    // Picture positions are single precision near 1000: 1e-3 covers their rounding.
    EXPECT_NEAR(a.XEcran, 120, 1e-3);
    EXPECT_NEAR(a.YEcran, 340, 1e-3);
    EXPECT_NEAR(std::hypot(b.XEcran - a.XEcran, b.YEcran - a.YEcran), std::hypot(400.0, 360.0), 1e-3);
    EXPECT_GT(K.Echelle, 0);
    // Only the nodes are drawn, on a cleared map.
    EXPECT_EQ(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Efface).size(), 1u);
    EXPECT_EQ(images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline).size(), 0u);

    // Every later click fits again from the view in place, to the same view.
    const Vue apres = vue();
    DigitaliseNoeud(0, 0);
    EXPECT_EQ(K.NbClicsDigitalisation, 4);
    EXPECT_NEAR(K.Echelle, apres.echelle, 1e-12 * apres.echelle) << "same closed form, same inputs";
    EXPECT_NEAR(K.OrigineX, apres.x, 1e-9);
}

TEST_F(DigitalisationTest, CoordinatesReadTheSameWithAPointOrAComma)
{
    struct Cas {
        QString x, y;
        float attenduX, attenduY;
        QString rappel; // the x repeated in the y prompt
    };
    const Cas cas[] = {
        {"6.8", "6,8", 6.8f, 6.8f, " 6.8"},
        {"6,8", "6.8", 6.8f, 6.8f, " 6.8"},
        {" -12,25 km", "1e3", -12.25f, 1000.0f, "-12.25"},
        {"abc", "", 0.0f, 0.0f, " 0"},
    };
    int32_t code = 500;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.x.toStdString());
        premiereDigitalisation();
        repondeur->efface();
        repondVille("Ville", QString::number(++code), "10", c.x, c.y);
        DigitaliseNoeud(1, 1);
        ASSERT_EQ(K.NbClicsDigitalisation, 1);
        const Noeud& n = K.Noeuds[K.NbNoeuds];
        EXPECT_EQ(n.X, c.attenduX);
        EXPECT_EQ(n.Y, c.attenduY);
        EXPECT_TRUE(saisies().back().texte.endsWith("    x = " + c.rappel + "     y = "));
    }
}

TEST_F(DigitalisationTest, AnAbandonedTownCreatesNothingAndTheNextClickAsksForItAgain)
{
    struct Cas {
        const char* nom;
        std::vector<std::optional<QString>> reponses;
        std::size_t saisies;
        QString message, titre;
    };
    const QString codePris = QStringLiteral("Le code de ce noeud existe déjà.") + CR + "Modifiez le pour créer un nouveau noeud.";
    const Cas cas[] = {
        {"nom annulé", {std::nullopt}, 1, "", ""},
        {"nom vide", {QString("  ")}, 1, "", ""},
        {"code annulé", {QString("Lille"), std::nullopt}, 2, "", ""},
        {"code déjà pris", {QString("Lille"), QString("80021")}, 2, codePris, "Erreur de code"},
        // A number its field cannot hold: the editors' refusal naming the
        // box, and no further prompt.
        {"code hors des entiers",
         {QString("Lille"), QString("99999999999")},
         2,
         MessageHorsChamp(QString("99999999999"), QString("Code"), GenreChamp::Entier32),
         "Erreur de digitalisation"},
        {"population hors des entiers",
         {QString("Lille"), QString("59350"), QString("3e12")},
         3,
         MessageHorsChamp(QString("3e12"), QString("Population"), GenreChamp::Entier32),
         "Erreur de digitalisation"},
        {"x hors des simples",
         {QString("Lille"), QString("59350"), QString("3"), QString("1e50")},
         4,
         MessageHorsChamp(QString("1e50"), QString("x"), GenreChamp::Simple),
         "Erreur de digitalisation"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        premiereDigitalisation();
        repondeur->efface();
        for (const auto& r : c.reponses)
            repondeur->RepondTexte(r);
        DigitaliseNoeud(50, 60);
        EXPECT_EQ(K.NbNoeuds, 3);
        EXPECT_EQ(K.NbClicsDigitalisation, 0);
        EXPECT_EQ(saisies().size(), c.saisies);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(repondeur->messages().empty());
        } else {
            ASSERT_EQ(repondeur->messages().size(), 1u);
            EXPECT_EQ(repondeur->messages()[0], c.message);
            EXPECT_EQ(repondeur->appels().back().titre, c.titre);
            EXPECT_EQ(repondeur->appels().back().icone, Icone::Exclamation);
        }
    }
    // Town B may not take town A's code either.
    repondeur->efface();
    repondVille("Pékin", "7", "1", "10", "50");
    DigitaliseNoeud(1, 1);
    repondeur->RepondTexte(QString("Moscou"));
    repondeur->RepondTexte(QString("7"));
    DigitaliseNoeud(2, 2);
    EXPECT_EQ(K.NbNoeuds, 4);
    EXPECT_EQ(K.NbClicsDigitalisation, 1);
}

TEST_F(DigitalisationTest, CancelledPopulationAndPositionReadZero)
{
    premiereDigitalisation();
    repondVille("Lille", "59350", std::nullopt, std::nullopt, std::nullopt);
    DigitaliseNoeud(5, 5);
    ASSERT_EQ(K.NbNoeuds, 4);
    EXPECT_EQ(K.Noeuds[4].Population, 0);
    EXPECT_EQ(K.Noeuds[4].X, 0.0f);
    EXPECT_EQ(K.Noeuds[4].Y, 0.0f);
    EXPECT_EQ(K.NbClicsDigitalisation, 1);
}

TEST_F(DigitalisationTest, CalibrationFindsTheTownsByCodeAndFitsTheView)
{
    calage();
    repondeur->RepondTexte(QString("Amiens"));
    repondeur->RepondTexte(QString("80021"));
    DigitaliseNoeud(300, 200);
    repondeur->RepondTexte(QString("Creil"));
    repondeur->RepondTexte(QString(" 60175"));
    DigitaliseNoeud(340, 330);
    EXPECT_EQ(K.NbNoeuds, 3);
    // Name and code only.
    const std::vector<AppelDialogue> s = saisies();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[1].texte, QStringLiteral("Entrez le code de Amiens") + CR + "    Code = ");
    EXPECT_EQ(s[1].arguments.value(0), " 123456");
    EXPECT_EQ(s[2].arguments.value(0), "Moscou");
    EXPECT_EQ(s[3].arguments.value(0), " 321654");

    DigitaliseNoeud(0, 0);
    EXPECT_TRUE(repondeur->messages().empty());
    const Noeud& a = K.Noeuds[1];
    const Noeud& c = K.Noeuds[3];
    // Single-precision picture positions below 1000: 1e-3 covers their rounding.
    EXPECT_NEAR(a.XEcran, 300, 1e-3);
    EXPECT_NEAR(a.YEcran, 200, 1e-3);
    EXPECT_NEAR(std::hypot(c.XEcran - a.XEcran, c.YEcran - a.YEcran), std::hypot(40.0, 130.0), 1e-3);
    EXPECT_EQ(Digitalisation().IndiceNoeudTrouve, 1);
    EXPECT_EQ(Digitalisation().IndiceNouveauNoeud, 3);
}

TEST_F(DigitalisationTest, ACalibrationThatCannotBeMadeSaysSoAndLeavesTheView)
{
    struct Cas {
        const char* nom;
        QString codeA, codeB;
        double x2, y2;
        QString message;
    };
    const Cas cas[] = {
        {"code inconnu", "80021", "12345", 100, 100, VilleIntrouvable},
        {"un code donné deux fois", "80021", "80021", 100, 100, VilleIntrouvable},
        {"deux clics au même endroit", "80021", "60057", 10, 20, PasDeCalage},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        calage();
        K.Echelle = 2;
        K.OrigineX = 7;
        K.OrigineY = 9;
        repondeur->efface();
        for (const QString& t : {QString("A"), c.codeA, QString("B"), c.codeB})
            repondeur->RepondTexte(t);
        DigitaliseNoeud(10, 20);
        DigitaliseNoeud(c.x2, c.y2);
        DigitaliseNoeud(0, 0);
        ASSERT_EQ(repondeur->messages().size(), 1u);
        EXPECT_EQ(repondeur->messages()[0], c.message);
        EXPECT_EQ(vue(), (Vue{2, 7, 9}));
        EXPECT_EQ(K.NbClicsDigitalisation, 3);
    }
    EXPECT_EQ(repondeur->appels().back().titre, "");
    EXPECT_EQ(K.NbNoeuds, 3);
}

TEST_F(DigitalisationTest, TownsDeletedSinceTheirClicksAreLookedForByCode)
{
    premiereDigitalisation();
    repondVille("Pékin", "123456", "1", "10", "50");
    DigitaliseNoeud(100, 100);
    repondVille("Moscou", "321654", "1", "60", "6.8");
    DigitaliseNoeud(200, 150);
    // The first town goes; the second takes its number.
    SupprimeNoeud(4);
    DigitaliseNoeud(0, 0);
    ASSERT_EQ(repondeur->messages().size(), 1u);
    EXPECT_EQ(repondeur->messages()[0], VilleIntrouvable);
}

TEST_F(DigitalisationTest, TheEditingCommandsSendTheDigitisingClicksHere)
{
    InstalleCommandesEdition();
    ASSERT_TRUE(ClicsCarte().DigitaliseNoeud);
    calage();
    repondeur->RepondTexte(std::nullopt);
    ClicsCarte().DigitaliseNoeud(3, 4);
    EXPECT_EQ(saisies().size(), 1u);
    EXPECT_EQ(K.ImaMousePointer, 2);
}
