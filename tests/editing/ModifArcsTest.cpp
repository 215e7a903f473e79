// The arc editor: refresh, length rule, creation, deletion, the reverse arc
// and the changes of one value.
#include "OutilsEdition.h"
#include "core/ListesNoeuds.h"
#include "editing/ModifArcs.h"
#include "editing/ModifNoeuds.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

using namespace kelmo;
using namespace kelmo::test;
using namespace kelmo::testedition;

namespace {

const QChar CR(13);

class ModifArcsTest : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        a = noeud("AMIENS", 0, 0);       // code 10
        b = noeud("BEAUVAIS", 188, 0);   // code 20, 188 km away
        c = noeud("CREIL", 100, 50);     // code 30
        RemplitListesNoeuds();
        Kelmo_menModifieOD_Click();
        K.TraceFleches = 1; // one-way arcs drawn with their heads
    }
    ModeleModifArcs& m() { return K.Formes.ModifArcs; }
    void type(const char* nom)
    {
        ModifArcs_DefinitListIndex3(static_cast<int>(m().ListeModifiable3.Entrees.indexOf(QString::fromUtf8(nom))));
    }
    void choisit(int o, int d)
    {
        ModifArcs_DefinitListIndex1(o);
        ModifArcs_DefinitListIndex2(d);
    }
    QString boutons() const
    {
        const ModeleModifArcs& f = K.Formes.ModifArcs;
        QString s;
        if (f.BtnCréer.Visible)
            s += QStringLiteral("C");
        if (f.BtnDétruire.Visible)
            s += QStringLiteral("D");
        if (f.BtnDoubleArc.Visible)
            s += QStringLiteral("2");
        if (f.BtnHoraires.Visible)
            s += QStringLiteral("H");
        return s;
    }
    std::vector<AppelZoneImage> traits() const { return images->ima.AppelsDeGenre(AppelZoneImage::Genre::Polyline); }

    int a = 0, b = 0, c = 0;
};

} // namespace

TEST_F(ModifArcsTest, OpeningHidesTheEditButtonsAndTakesUpTheSelectedLinkType)
{
    m().ListeModifiable3.ListIndex = static_cast<int>(m().ListeModifiable3.Entrees.indexOf(QStringLiteral("TER")));
    m().BtnCréer.Visible = m().BtnDétruire.Visible = true;
    Kelmo_menModifieOD_Click();
    EXPECT_EQ(boutons(), QString());
    EXPECT_TRUE(K.ModeModifArcs);
    EXPECT_TRUE(m().Visible);
    EXPECT_EQ(K.ImaMousePointer, 4);
    EXPECT_EQ(m().ModeCourant, 41);
    EXPECT_EQ(m().TypeArcEdite.Vitesse, 75);
}

TEST_F(ModifArcsTest, RefreshShowsTheStraightLengthOrTheArcAndTheButtonsOfItsKind)
{
    struct Cas {
        const char* nom;
        const char* type;
        int16_t modeArc;   // of the stored arc
        int o, d;          // node numbers chosen (1 AMIENS, 2 BEAUVAIS)
        bool arcOriente;   // the stored arc, BEAUVAIS -> AMIENS unless said
        bool arcAB;        // the stored arc runs AMIENS -> BEAUVAIS
        QString longueur, heures, minutes, debit;
        QString boutons;
        int left, width;
        double police;
    };
    const Cas cas[] = {
        {"no arc: the straight line plus 8 %, only Créer", "Métro", 41, 1, 2, false, false, " 203", "20", "18", "0", "C", 2520,
         1455, 12},
        {"a two-way rail arc shows whichever list holds which end; timetable button", "TER", 41, 1, 2, false, false, " 12.5",
         "1", "16", " 3", "DH", 3000, 975, 10},
        {"a one-way arc only from its origin", "TER", 41, 1, 2, true, false, " 203", "2", "42", "0", "C", 2520, 1455, 12},
        {"a road arc in its own direction, with the reverse-arc button", "Route70", 7, 1, 2, false, true, " 12.5", "1",
         "16", " 3", "D2", 3000, 975, 10},
        {"a road arc is not shown from its destination", "Route70", 7, 2, 1, false, true, " 203", "2", "54", "0", "C", 2520,
         1455, 12},
        {"another link type: the wide delete button alone", "Métro", 8, 2, 1, false, false, " 12.5", "1", "16", " 3", "D",
         2520, 1455, 12},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        Arc_(k.arcAB ? 10 : 20, k.arcAB ? 20 : 10, k.modeArc, 12.5f, 75.5f);
        K.Arcs[1].Oriente = k.arcOriente;
        K.Arcs[1].Debit = 3;
        m().BtnDétruire = Bouton{true, true, 1, 1, 1};
        m().ListeModifiable1.ListIndex = m().ListeModifiable2.ListIndex = -1;
        type(k.type);
        choisit(k.o, k.d);
        EXPECT_EQ(m().Longueur, k.longueur);
        EXPECT_EQ(m().Heures, k.heures);
        EXPECT_EQ(m().Minutes, k.minutes);
        EXPECT_EQ(m().Débit, k.debit);
        EXPECT_EQ(boutons(), k.boutons);
        if (m().BtnDétruire.Visible) {
            EXPECT_EQ(m().BtnDétruire.Left, k.left);
            EXPECT_EQ(m().BtnDétruire.Width, k.width);
            EXPECT_EQ(m().BtnDétruire.FontSize, k.police);
        }
    }
}

// After a road arc, the arc of another link type between the same nodes
// never keeps the reverse-arc button.
TEST_F(ModifArcsTest, TheReverseArcButtonGoesWithTheRoadArcItWasShownFor)
{
    const std::tuple<const char*, int16_t, const char*> cas[] = {{"TGV", TypeTGV().Code, "DH"},
                                                                 {"Métro", TypeMetro().Code, "D"}};
    for (const auto& [nom, mode, attendus] : cas) {
        SCOPED_TRACE(nom);
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        Arc_(10, 20, TypeAutoroute().Code, 100, 55);
        Arc_(10, 20, mode, 100, 30);
        type("Autoroute");
        choisit(1, 2);
        ASSERT_EQ(boutons(), QStringLiteral("D2"));
        repondeur->Repond(Reponse::Non);
        type(nom);
        EXPECT_EQ(boutons(), QString::fromUtf8(attendus));
    }
}

TEST_F(ModifArcsTest, ShownDurationsAreWholeMinutesSplitIntoHoursAndMinutes)
{
    struct Cas {
        float duree;
        const char* heures;
        const char* minutes;
    };
    // Halves go to the even minute; never a fraction or a negative minute.
    const Cas cas[] = {{75.5f, "1", "16"}, {74.5f, "1", "14"}, {59.6f, "1", "0"}, {0, "0", "0"},
                       {-30, "-1", "30"},  {1450, "24", "10"}};
    type("Métro");
    for (const Cas& k : cas) {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        Arc_(10, 20, 8, 5, k.duree);
        choisit(1, 2);
        EXPECT_EQ(m().Heures, QString::fromUtf8(k.heures)) << k.duree;
        EXPECT_EQ(m().Minutes, QString::fromUtf8(k.minutes)) << k.duree;
    }
}

TEST_F(ModifArcsTest, TheLengthRuleGivesTheTimeAtTheLinkTypeSpeed)
{
    struct Cas {
        const char* type; // nullptr: none chosen
        const char* longueur;
        bool saisieDuree;
        const char* heures;
        const char* minutes;
    };
    const Cas cas[] = {
        {"TER", "100", false, "1", "20"},       // 80 min at 75 km/h
        {"TER", " 0.9", false, "0", "0"},       // 0.72 min, rounded down
        {"Train", "100", false, "0", "50"},
        {"Train", "1 000", false, "8", "20"},   // blanks inside a number are skipped
        {nullptr, "100", false, "", "0"},       // no speed yet
        {"TER", "100", true, "7", "7"},         // a typed duration is being applied
    };
    for (const Cas& k : cas) {
        m().TypeArcEdite = TypeArc{};
        if (k.type)
            type(k.type);
        m().Heures = m().Minutes = QStringLiteral("7");
        m().SaisieDuree = k.saisieDuree;
        ModifArcs_DefinitLongueur(QString::fromUtf8(k.longueur));
        EXPECT_EQ(m().Heures, QString::fromUtf8(k.heures)) << k.longueur;
        EXPECT_EQ(m().Minutes, QString::fromUtf8(k.minutes)) << k.longueur;
    }
}

TEST_F(ModifArcsTest, CreatingAddsOneArcFromTheBoxesAndDrawsIt)
{
    type("Route70");
    choisit(1, 2);
    ASSERT_EQ(boutons(), QStringLiteral("C"));
    m().Heures = QStringLiteral("1");
    m().Minutes = QStringLiteral("5");
    m().Débit = QStringLiteral(" 12");
    m().Capacité = QStringLiteral("900");
    images->ima.Appels.clear();
    ModifArcs_BtnCréer_Click();
    ASSERT_EQ(K.NbArcs, 1);
    const Arc& x = K.Arcs[1];
    EXPECT_EQ(x.CodeOrigine, 10);
    EXPECT_EQ(x.CodeDestination, 20);
    EXPECT_EQ(x.IndiceOrigine, 1);
    EXPECT_EQ(x.IndiceDestination, 2);
    EXPECT_EQ(x.Mode, 7);
    EXPECT_EQ(x.Longueur, 203.0f);
    EXPECT_EQ(x.Duree, 65.0f);
    EXPECT_EQ(x.HeureDepart, 0);
    EXPECT_EQ(x.HeureArrivee, 0);
    EXPECT_EQ(x.Jours.texte(), QStringLiteral("       "));
    EXPECT_EQ(x.Debit, 12.0f);
    EXPECT_EQ(x.Capacite, 900.0f);
    EXPECT_EQ(x.Minimal, 1);
    EXPECT_FALSE(x.Oriente);
    // A road arc is drawn with its arrow, width 4, in the link type's colour.
    const std::vector<AppelZoneImage> t = traits();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].DrawWidth, 4);
    EXPECT_EQ(t[0].ForeColor, RGB(0, 128, 0));
    EXPECT_EQ(t[0].points, (std::vector<QPoint>{{0, 0}, {188, 0}}));
    // The refresh shows the new arc.
    EXPECT_EQ(boutons(), QStringLiteral("D2"));
    EXPECT_TRUE(repondeur->appels().empty());
}

TEST_F(ModifArcsTest, CreationFailuresAddNothing)
{
    struct Cas {
        const char* nom;
        const char* type;
        QString heures, minutes, longueur;
        QString message, titre;
        Icone icone;
    };
    const QString erreur = QStringLiteral("Erreur au cours de la création d'un arc...");
    const Cas cas[] = {
        {"empty hours box", "TER", "", "5", "10", erreur, "Erreur", Icone::Critique},
        {"minutes box not a number", "TER", "1", "5 min", "10", erreur, "Erreur", Icone::Critique},
        {"no link type chosen: the length rule empties the hours", nullptr, "", "0", "10", erreur, "Erreur",
         Icone::Critique},
        {"zero length", "TER", "1", "5", " 0", QStringLiteral("L'arc a une longueur nulle. Il ne peut pas être créé."),
         "Création d'arc", Icone::Exclamation},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        m().TypeArcEdite = TypeArc{};
        m().ModeCourant = 0;
        if (k.type)
            type(k.type);
        choisit(1, 3);
        m().SaisieDuree = true; // the boxes as set here
        ModifArcs_DefinitLongueur(k.longueur);
        m().SaisieDuree = false;
        if (k.type) {
            m().Heures = k.heures;
            m().Minutes = k.minutes;
        }
        repondeur->efface();
        ModifArcs_BtnCréer_Click();
        EXPECT_EQ(K.NbArcs, 0);
        ASSERT_EQ(repondeur->appels().size(), 1u);
        EXPECT_EQ(repondeur->appels()[0].texte, k.message);
        EXPECT_EQ(repondeur->appels()[0].titre, k.titre);
        EXPECT_EQ(repondeur->appels()[0].icone, k.icone);
        EXPECT_FALSE(repondeur->sablierActif());
    }
}

TEST_F(ModifArcsTest, DeletingSweepsTheLinkTypeBothWaysGreysTheSegmentAndReportsTwice)
{
    Arc_(10, 20, 41);
    Arc_(20, 10, 41, 10, 10, 480, 540);
    Arc_(10, 20, 4);
    Arc_(10, 30, 41);
    type("TER");
    choisit(1, 2);
    ASSERT_EQ(boutons(), QStringLiteral("DH"));
    images->ima.Appels.clear();
    ModifArcs_BtnDétruire_Click();
    ASSERT_EQ(K.NbArcs, 2);
    EXPECT_EQ(K.Arcs[1].Mode, 4);
    EXPECT_EQ(K.Arcs[2].CodeDestination, 30);
    EXPECT_EQ(repondeur->messages(),
              (std::vector<QString>{QStringLiteral(" 2 arcs ont été éliminés.") + CR
                                        + QStringLiteral("Dernier numéro de ligne :  1"),
                                    QStringLiteral(" 0 arc a été éliminé.") + CR + QStringLiteral("Numéro de ligne :  0")}));
    const std::vector<AppelZoneImage> t = traits();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].ForeColor, QBColor(7));
    EXPECT_EQ(t[0].DrawWidth, 3);
    EXPECT_EQ(t[0].points, (std::vector<QPoint>{{0, 0}, {188, 0}}));
    EXPECT_EQ(boutons(), QStringLiteral("C"));
}

TEST_F(ModifArcsTest, DeletingWhileATimetableIsShownKeepsTheTimedServices)
{
    Arc_(10, 20, 41);
    Arc_(20, 10, 41, 10, 10, 480, 540);
    type("TER");
    choisit(1, 2);
    K.CompareHoraires = true;
    K.AfficheMessagesElimination = false;
    ModifArcs_BtnDétruire_Click();
    ASSERT_EQ(K.NbArcs, 1);
    EXPECT_EQ(K.Arcs[1].HeureDepart, 480);
}

TEST_F(ModifArcsTest, DoublingAddsTheReverseArcSwapsTheListsAndShowsIt)
{
    Arc_(10, 20, 7, 12.5f, 20);
    K.Arcs[1].Debit = 4;
    type("Route70");
    choisit(1, 2);
    ASSERT_EQ(boutons(), QStringLiteral("D2"));
    images->ima.Appels.clear();
    ModifArcs_BtnDoubleArc_Click();
    ASSERT_EQ(K.NbArcs, 2);
    const Arc& r = K.Arcs[2];
    EXPECT_EQ(r.CodeOrigine, 20);
    EXPECT_EQ(r.CodeDestination, 10);
    EXPECT_EQ(r.IndiceOrigine, 2);
    EXPECT_EQ(r.Longueur, 12.5f);
    EXPECT_EQ(r.Duree, 20.0f);
    EXPECT_EQ(r.Debit, 4.0f);
    EXPECT_EQ(m().ListeModifiable1.ListIndex, 2);
    EXPECT_EQ(m().ListeModifiable2.ListIndex, 1);
    EXPECT_EQ(ArcAfficheModifArcs(), 2);
    // The arrow of the new arc, from BEAUVAIS to AMIENS.
    const std::vector<AppelZoneImage> t = traits();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].points, (std::vector<QPoint>{{188, 0}, {0, 0}}));
    EXPECT_EQ(t[0].DrawWidth, 4);

    m().Minutes = QString();
    repondeur->efface();
    ModifArcs_BtnDoubleArc_Click();
    EXPECT_EQ(K.NbArcs, 2);
    EXPECT_EQ(repondeur->messages(), std::vector<QString>{QStringLiteral("Erreur au cours du doublage d'un arc...")});
}

TEST_F(ModifArcsTest, AValueChangeRewritesOnlyThatFieldOfTheArcShown)
{
    struct Cas {
        const char* nom;
        void (*handler)();
        QString invite;
        QString defaut;
        std::optional<QString> reponse;
        float longueur, duree, debit, capacite;
        QString message; // shown instead of a change
    };
    const Cas cas[] = {
        {"capacity: the duration stays", ModifArcs_Capacité_MouseDown, "Confirmez la nouvelle cpacité  :", " 250",
         QStringLiteral("300"), 100, 63, 3, 300, {}},
        {"flow", ModifArcs_Débit_MouseDown, "Confirmez le nouveau débit  :", " 3", QStringLiteral("7,5"), 100, 63, 7.5f,
         250, {}},
        {"length: the duration follows at 120 km/h", ModifArcs_Longueur_MouseDown, "Confirmez la nouvelle longueur  :",
         " 100", QStringLiteral("150"), 150, 75, 3, 250, {}},
        {"the same value: nothing", ModifArcs_Capacité_MouseDown, "Confirmez la nouvelle cpacité  :", " 250",
         QStringLiteral(" 250"), 100, 63, 3, 250, {}},
        {"cancelled: nothing", ModifArcs_Débit_MouseDown, "Confirmez le nouveau débit  :", " 3", std::nullopt, 100, 63, 3,
         250, {}},
        {"not a number: nothing", ModifArcs_Capacité_MouseDown, "Confirmez la nouvelle cpacité  :", " 250",
         QStringLiteral("trois"), 100, 63, 3, 250, {}},
        {"a cancelled length: nothing", ModifArcs_Longueur_MouseDown, "Confirmez la nouvelle longueur  :", " 100",
         std::nullopt, 100, 63, 3, 250, {}},
        {"a zero length is refused", ModifArcs_Longueur_MouseDown, "Confirmez la nouvelle longueur  :", " 100",
         QStringLiteral("0"), 100, 63, 3, 250, QStringLiteral("L'arc a une longueur nulle. Il ne peut pas être créé.")},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        Arc_(20, 10, 4, 100, 63, 480, 540); // a timed service stays
        K.Arcs[1].Oriente = true;
        Arc_(10, 20, 4, 100, 63);           // the arc shown
        Arc_(20, 10, 4, 100, 63);           // its reverse, second in the table
        K.Arcs[2].Debit = 3;
        K.Arcs[2].Capacite = 250;
        K.Arcs[2].Jours = QStringLiteral("1234567");
        K.Arcs[2].Oriente = true;
        const std::vector<Arc> avant = K.Arcs;
        type("Train");
        choisit(1, 2);
        ASSERT_EQ(ArcAfficheModifArcs(), 2);
        repondeur->efface();
        repondeur->RepondTexte(k.reponse);
        k.handler();
        ASSERT_FALSE(repondeur->appels().empty());
        const AppelDialogue& invite = repondeur->appels()[0];
        EXPECT_EQ(invite.genre, AppelDialogue::Saisie);
        EXPECT_EQ(invite.texte, k.invite);
        EXPECT_EQ(invite.titre, QStringLiteral("Modification"));
        EXPECT_EQ(invite.arguments, QStringList{k.defaut});
        // No deletion report: the arc is changed in its place.
        std::vector<QString> attendus;
        if (!k.message.isEmpty())
            attendus.push_back(k.message);
        EXPECT_EQ(repondeur->messages(), attendus);
        ASSERT_EQ(K.NbArcs, 3);
        Arc attendu = avant[2];
        attendu.Longueur = k.longueur;
        attendu.Duree = k.duree;
        attendu.Debit = k.debit;
        attendu.Capacite = k.capacite;
        EXPECT_EQ(Champs(K.Arcs[2]), Champs(attendu));
        EXPECT_EQ(Champs(K.Arcs[1]), Champs(avant[1]));
        EXPECT_EQ(Champs(K.Arcs[3]), Champs(avant[3]));
        // The boxes show the arc as it now stands, even after a cancelled
        // or refused length (its box was rewritten before the prompt).
        EXPECT_EQ(m().Capacité, TexteAvecSigne(k.capacite, true));
        EXPECT_EQ(m().Longueur, TexteAvecSigne(k.longueur, true));
        EXPECT_EQ(m().Heures, QString::number(static_cast<int>(k.duree) / 60));
        EXPECT_EQ(m().Minutes, QString::number(static_cast<int>(k.duree) % 60));
    }
}

TEST_F(ModifArcsTest, NoPromptWithoutAnArcShown)
{
    type("Train");
    choisit(1, 2);
    for (void (*h)() : {ModifArcs_Capacité_MouseDown, ModifArcs_Débit_MouseDown, ModifArcs_Longueur_MouseDown,
                        ModifArcs_Heures_MouseDown, ModifArcs_Minutes_MouseDown})
        h();
    EXPECT_TRUE(repondeur->appels().empty());
}

TEST_F(ModifArcsTest, TheDurationPromptTakesHhmm)
{
    struct Cas {
        std::optional<QString> reponse;
        float duree;
        const char* heures;
        const char* minutes;
    };
    const Cas cas[] = {
        {QStringLiteral("0902"), 542, "9", "2"}, {QStringLiteral("75"), 75, "1", "15"},
        {QStringLiteral("0105"), 65, "1", "5"},  {std::nullopt, 65, "1", "5"},
        {QStringLiteral("9h02"), 65, "1", "5"},  {QStringLiteral("-0100"), 65, "1", "5"},
    };
    type("Train");
    for (const Cas& k : cas) {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        Arc_(10, 20, 4, 100, 65);
        Arc_(20, 10, 4, 100, 65);
        choisit(1, 2);
        repondeur->efface();
        repondeur->RepondTexte(k.reponse);
        ModifArcs_Minutes_MouseDown();
        ASSERT_EQ(repondeur->appels().size(), 1u);
        EXPECT_EQ(repondeur->appels()[0].texte, QStringLiteral("Confirmez la nouvelle durée  (ex. 0902 pour 9:02) :"));
        EXPECT_EQ(repondeur->appels()[0].arguments, QStringList{QStringLiteral("0105")});
        EXPECT_EQ(K.Arcs[1].Duree, k.duree);
        EXPECT_EQ(K.Arcs[1].Longueur, 100.0f);
        EXPECT_EQ(K.Arcs[2].Duree, 65.0f);
        EXPECT_EQ(m().Heures, QString::fromUtf8(k.heures));
        EXPECT_EQ(m().Minutes, QString::fromUtf8(k.minutes));
        EXPECT_FALSE(m().SaisieDuree);
    }
}

TEST_F(ModifArcsTest, ChangingTheLinkTypeOfTheArcShownAsksFirst)
{
    struct Cas {
        Reponse reponse;
        int16_t mode;       // of the arc after
        float duree;        // of the arc after
        const char* boutons;
    };
    // 150 km: 120 min by TER at 75 km/h.
    const Cas cas[] = {{Reponse::Oui, 41, 120, "DH"}, {Reponse::Non, 4, 63, "C"}, {Reponse::Annuler, 4, 63, "C"}};
    for (const Cas& k : cas) {
        K.Arcs.assign(1, Arc{});
        K.NbArcs = 0;
        Arc_(10, 20, 4, 150, 63);
        Arc_(20, 10, 4, 150, 63);
        K.Arcs[1].Capacite = 200;
        type("Train");
        choisit(1, 2);
        ASSERT_EQ(boutons(), QStringLiteral("DH"));
        repondeur->efface();
        repondeur->Repond(k.reponse);
        type("TER");
        ASSERT_EQ(repondeur->appels().size(), 1u);
        const AppelDialogue& q = repondeur->appels()[0];
        EXPECT_EQ(q.texte, QStringLiteral("Vous allez modifier le mode de cet arc : "));
        EXPECT_EQ(q.boutons, Boutons::OuiNonAnnuler);
        EXPECT_EQ(q.icone, Icone::Exclamation);
        EXPECT_EQ(q.titre, QString());
        EXPECT_EQ(K.NbArcs, 2);
        EXPECT_EQ(K.Arcs[1].Mode, k.mode);
        EXPECT_EQ(K.Arcs[1].Duree, k.duree);
        EXPECT_EQ(K.Arcs[1].Capacite, 200.0f);
        // The reverse arc keeps its link type whatever the answer.
        EXPECT_EQ(K.Arcs[2].Mode, 4);
        EXPECT_EQ(m().ModeCourant, 41);
        EXPECT_EQ(boutons(), QString::fromUtf8(k.boutons));
    }
}

TEST_F(ModifArcsTest, ALinkTypeUnderWhichTheLengthWouldTakeNoFiniteTimeIsRefusedAndChangesNothing)
{
    // 3e37 km by road takes a time a single holds; at 3 km/h it does not.
    Arc_(10, 20, 7, 3e37f, 1e36f);
    type("Route70");
    choisit(1, 2);
    ASSERT_EQ(boutons(), QStringLiteral("D2"));
    repondeur->efface();
    repondeur->Repond(Reponse::Oui);
    type("Marche 3");
    ASSERT_EQ(repondeur->appels().size(), 2u);
    // Nothing was typed: the message names the arc's length and the link type.
    EXPECT_EQ(repondeur->appels()[1].texte, QStringLiteral("La longueur 3E+37 de cet arc donnerait en « Marche 3 » une "
                                                           "durée hors des limites des nombres : rien n'est changé."));
    EXPECT_EQ(K.NbArcs, 1);
    EXPECT_EQ(K.Arcs[1].Mode, 7);
    EXPECT_EQ(K.Arcs[1].Duree, 1e36f);
    EXPECT_EQ(m().ModeCourant, 7);
    EXPECT_EQ(m().ListeModifiable3.Entrees.value(m().ListeModifiable3.ListIndex), QStringLiteral("Route70"));
}

// Choosing again the link type of the arc shown and answering "Oui" changes
// nothing, and its time is not checked: there is no new speed to take.
TEST_F(ModifArcsTest, TheSameLinkTypeChosenAgainAsksOnlyTheQuestion)
{
    // 3e37 km on foot would take a time no single holds.
    Arc_(10, 20, TypeMarche3().Code, 3e37f, 1e36f);
    type("Marche 3");
    choisit(1, 2);
    ASSERT_EQ(boutons(), QStringLiteral("D2"));
    repondeur->efface();
    repondeur->Repond(Reponse::Oui);
    type("Marche 3");
    ASSERT_EQ(repondeur->appels().size(), 1u);
    EXPECT_EQ(repondeur->appels()[0].texte, QStringLiteral("Vous allez modifier le mode de cet arc : "));
    EXPECT_EQ(K.Arcs[1].Mode, TypeMarche3().Code);
    EXPECT_EQ(K.Arcs[1].Duree, 1e36f);
    EXPECT_EQ(boutons(), QStringLiteral("D2"));
}

// The node editor deletes an end of the arc shown: the arc editor shows no
// arc any more and offers nothing of it.
TEST_F(ModifArcsTest, ANodeDeletedByTheNodeEditorTakesTheArcShownOffTheArcEditor)
{
    Arc_(10, 20, TypeRoute70().Code, 150, 120);
    type("Route70");
    choisit(1, 2);
    ASSERT_EQ(boutons(), QStringLiteral("D2"));
    K.Formes.ModifNoeuds.ListeModifiable1.ListIndex = a;
    repondeur->efface();
    repondeur->Repond(Reponse::OK);
    ModifNoeuds_Command3D1_Click(); // "Supprimer", then its report
    ASSERT_EQ(K.NbArcs, 0);
    EXPECT_EQ(boutons(), QStringLiteral("C"));
    EXPECT_EQ(m().Débit, QStringLiteral("0"));
    repondeur->efface();
    for (void (*h)() : {ModifArcs_Capacité_MouseDown, ModifArcs_Débit_MouseDown, ModifArcs_Longueur_MouseDown,
                        ModifArcs_Heures_MouseDown})
        h();
    type("TER");
    EXPECT_TRUE(repondeur->appels().empty());
    EXPECT_EQ(K.NbArcs, 0);
}
