// The link timetable: its lines, header and mean, and its three commands.
#include "OutilsHoraires.h"
#include "timetables/DetectionErreurs.h"
#include "timetables/EtatHoraires.h"
#include "timetables/HorairesArcs.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class HorairesArcsT : public HorairesTest {
protected:
    void SetUp() override
    {
        HorairesTest::SetUp();
        a = noeud("Avignon Centre");
        b = noeud("Beaucaire");
        z = noeud("Zurich");
        K.Formes.ModifArcs.Longueur = QStringLiteral("25");
        K.Formes.ModifArcs.Débit = QStringLiteral("7");
        K.Formes.ModifArcs.Capacité = QStringLiteral("300");
    }
    int a = 0, b = 0, z = 0;
};

TEST_F(HorairesArcsT, HeaderCountsTheListedServicesAndRoundsTheMeanToEven)
{
    service(a, b, 600, 620);   // 20
    service(a, b, 700, 725);   // 25
    service(b, a, 800, 840);   // one-way the other way: not listed
    service(a, b, 900, 900, TypeTGV().Code);
    liaison(a, b);
    AfficheHorairesArc();
    const ModeleHorairesArcs& f = K.Formes.HorairesArcs;
    EXPECT_EQ(f.ListeHoraires.ListCount(), 2);
    EXPECT_DOUBLE_EQ(Horaires().MoyenneHoraires, 22.5);
    EXPECT_EQ(f.OriDest, QStringLiteral("Avignon Cent  Beaucaire    en TER  (2 HorairesArcs, moyenne : 22)"));
    EXPECT_TRUE(K.CompareHoraires);
    EXPECT_TRUE(f.Visible);
    EXPECT_FALSE(f.Modifier.Enabled);
    EXPECT_FALSE(f.Command3D1.Enabled);
}

TEST_F(HorairesArcsT, EmptyLinkShowsNothingForTheCountAndAMeanOfZero)
{
    liaison(a, b);
    AfficheHorairesArc();
    EXPECT_EQ(K.Formes.HorairesArcs.OriDest, QStringLiteral("Avignon Cent  Beaucaire    en TER  ( HorairesArcs, moyenne : )"));
    // No node chosen: nothing is read outside the node table.
    liaison(-1, 0);
    AfficheHorairesArc();
    EXPECT_EQ(K.Formes.HorairesArcs.ListeHoraires.ListCount(), 0);
}

TEST_F(HorairesArcsT, OneWayLinesNameTheFeederAndTwoWayLinesAreListedEitherWay)
{
    const int32_t zb = service(z, a, 580, 600, -1, 20, 7);
    (void)zb;
    service(a, b, 600, 620, -1, 20, 7);
    service(a, b, 700, 720, -1, 20, 7);
    const int32_t deux = service(b, a, 0, 0, -1, 30, 0);
    K.Arcs[deux].Oriente = false;
    IndexeArcs();
    liaison(a, b);
    AfficheHorairesArc();
    EXPECT_EQ(textes(K.Formes.HorairesArcs.ListeHoraires),
              QStringList({QStringLiteral("00:00     00:00       LMMJV      30   L00"),
                           QStringLiteral("10:00     10:20       LMMJV      20   L07  Zurich "),
                           QStringLiteral("11:40     12:00       LMMJV      20   L07        Avignon")}));
}

TEST_F(HorairesArcsT, NewAsksBothTimesAndAddsTheServiceWithTheEditorValues)
{
    liaison(a, b);
    AfficheHorairesArc();
    ui.RepondTexte(QStringLiteral("0903"));
    ui.RepondTexte(QStringLiteral("0975"));
    HorairesArcs_Command3D2_Click();
    ASSERT_EQ(ui.appels().size(), 2u);
    EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Entrez l'heure de départ : "));
    EXPECT_EQ(ui.appels()[0].titre, QStringLiteral("Heure de départ (0903 pour 9:03)"));
    EXPECT_EQ(ui.appels()[1].texte, QStringLiteral("Entrez l'heure de d'arrivée (>0903) : "));
    EXPECT_EQ(ui.appels()[1].titre, QStringLiteral("Heure d'arrivée"));
    ASSERT_EQ(K.NbArcs, 1);
    const Arc& x = K.Arcs[1];
    EXPECT_EQ(x.HeureDepart, 543);
    EXPECT_EQ(x.HeureArrivee, 615); // 0975: 9 hours and 75 minutes, no range test
    EXPECT_FLOAT_EQ(x.Duree, 72);
    EXPECT_FLOAT_EQ(x.Longueur, 25);
    EXPECT_FLOAT_EQ(x.Debit, 7);
    EXPECT_FLOAT_EQ(x.Capacite, 300);
    EXPECT_TRUE(x.Oriente);
    EXPECT_EQ(K.Formes.HorairesArcs.ListeHoraires.ListIndex, 0);
    EXPECT_TRUE(K.Formes.HorairesArcs.Modifier.Enabled);
}

// A time is read from its first digit; a service whose times or duration
// the arc file's four hhmm columns cannot hold is refused where it is typed.
TEST_F(HorairesArcsT, NewReadsATimeTypedBehindABlankAndRefusesWhatTheArcFileCannotHold)
{
    liaison(a, b);
    // "910" is 91:00, which makes 10:30 come -4830 minutes after it.
    for (const auto& [depart, ajoute] : {std::pair(QStringLiteral(" 0910"), 1), std::pair(QStringLiteral("\u00A00910"), 1),
                                         std::pair(QStringLiteral("910"), 0)}) {
        const int32_t avant = K.NbArcs;
        ui.RepondTexte(depart);
        ui.RepondTexte(QStringLiteral("1030"));
        HorairesArcs_Command3D2_Click();
        ASSERT_EQ(K.NbArcs, avant + ajoute) << depart.toStdString();
        EXPECT_EQ(K.Arcs[K.NbArcs].HeureDepart, 550);
    }
    EXPECT_EQ(ui.messages().back(), QStringLiteral("La durée du service (-4830 minutes) est hors des limites du fichier "
                                                   "des arcs (de -599 à 5999 minutes) : rien n'est changé."));
}

TEST_F(HorairesArcsT, CancelledTimePromptChangesNothing)
{
    liaison(a, b);
    service(a, b, 600, 620);
    AfficheHorairesArc();
    ui.RepondTexte(std::nullopt);
    HorairesArcs_Command3D2_Click();
    ui.RepondTexte(QStringLiteral("0800"));
    ui.RepondTexte(std::nullopt);
    HorairesArcs_Command3D2_Click();
    HorairesArcs_ListeHoraires_Click(0);
    ui.RepondTexte(QStringLiteral("0800"));
    ui.RepondTexte(std::nullopt);
    HorairesArcs_Modifier_Click();
    EXPECT_EQ(K.NbArcs, 1);
    EXPECT_EQ(K.Arcs[1].HeureDepart, 600);
}

TEST_F(HorairesArcsT, DeleteRemovesOnlyTheChosenLinesServiceNotItsTwinNorTheReverse)
{
    service(a, b, 600, 620);
    const int32_t jumeau = service(a, b, 600, 620);
    const int32_t inverse = service(b, a, 600, 620);
    K.Arcs[inverse].Oriente = false;
    service(a, b, 700, 720);
    liaison(a, b);
    AfficheHorairesArc();
    // Without a chosen line the button is disabled and does nothing.
    EXPECT_FALSE(K.Formes.HorairesArcs.Command3D1.Enabled);
    HorairesArcs_Command3D1_Click();
    EXPECT_EQ(K.NbArcs, 4);
    // Line 0 is the two-way reverse service, whose line has no "Vient de";
    // line 1 is one of the twins.
    HorairesArcs_ListeHoraires_Click(1);
    HorairesArcs_Command3D1_Click();
    EXPECT_EQ(K.NbArcs, 3);
    EXPECT_EQ(K.Arcs[jumeau].CodeOrigine, K.Noeuds[b].Code);
    EXPECT_EQ(ui.messages().back(), QStringLiteral(" 1 arc a été éliminé.") + QChar(13)
                                         + QStringLiteral("Numéro de ligne :  ") + QString::number(jumeau));
    EXPECT_EQ(K.Formes.HorairesArcs.ListeHoraires.ListCount(), 3);
}

TEST_F(HorairesArcsT, ModifyChangesOnlyTheTimesAndKeepsTheServiceValues)
{
    const int32_t k = service(a, b, 600, 620, -1, 20, 12, QStringLiteral("SD"));
    K.Arcs[k].Longueur = 33;
    service(a, b, 600, 620, -1, 20, 12);
    liaison(a, b);
    AfficheHorairesArc();
    HorairesArcs_ListeHoraires_Click(0);
    ui.RepondTexte(QStringLiteral("1000"));
    ui.RepondTexte(QStringLiteral("1045"));
    HorairesArcs_Modifier_Click();
    ASSERT_EQ(K.NbArcs, 2);
    // Line 0 is the weekday service, arc 2: it is the one changed.
    const Arc& reste = K.Arcs[1];
    const Arc& x = K.Arcs[2];
    EXPECT_EQ(reste.HeureDepart, 600);
    EXPECT_EQ(x.HeureDepart, 600);
    EXPECT_EQ(x.HeureArrivee, 645);
    EXPECT_FLOAT_EQ(x.Duree, 45);
    EXPECT_FLOAT_EQ(x.Debit, 12);
    EXPECT_FLOAT_EQ(x.Capacite, 100);
    EXPECT_EQ(K.Formes.HorairesArcs.ListeHoraires.Lignes[static_cast<std::size_t>(K.Formes.HorairesArcs.ListeHoraires.ListIndex)].Cle,
              CleDeArc(2));
}

TEST_F(HorairesArcsT, EachOfTwoServicesAtTheSameMinutesIsActedOnThroughItsOwnLine)
{
    // Two services 10:00-10:20 of the link that differ only by their line
    // number, or only by their days. Arc 1 shows on the second line; the
    // searches are tried starting either way.
    struct Jumeaux {
        float debit1, debit2;
        const char *jours1, *jours2;
    };
    const Jumeaux cas[] = {{2, 1, "LMMJV", "LMMJV"}, {1, 1, "SD", "LMMJV"}};
    for (const Jumeaux& j : cas)
        for (const bool montante : {false, true}) {
            auto prepare = [&](float duree1) {
                test::ModeleNeuf();
                a = noeud("A");
                b = noeud("B");
                service(a, b, 600, 620, -1, duree1, j.debit1, QString::fromLatin1(j.jours1));
                service(a, b, 600, 620, -1, 20, j.debit2, QString::fromLatin1(j.jours2));
                IndexeArcs();
                liaison(a, b);
                AfficheHorairesArc();
                ASSERT_EQ(K.Formes.HorairesArcs.ListeHoraires.Lignes[1].Cle, CleDeArc(1));
                RechercheMontante = montante;
                ui.efface();
            };
            // "Supprimer" deletes arc 1 and keeps its twin.
            prepare(20);
            const CleService jumeau = CleDeArc(2);
            HorairesArcs_ListeHoraires_Click(1);
            HorairesArcs_Command3D1_Click();
            ASSERT_EQ(K.NbArcs, 1);
            EXPECT_EQ(CleDeArc(1), jumeau) << j.jours1 << montante;
            // "Modifier" gives arc 1 its new times; its twin keeps its own.
            prepare(20);
            const Arc choisi = K.Arcs[1];
            HorairesArcs_ListeHoraires_Click(1);
            ui.RepondTexte(QStringLiteral("1000"));
            ui.RepondTexte(QStringLiteral("1045"));
            HorairesArcs_Modifier_Click();
            ASSERT_EQ(K.NbArcs, 2);
            EXPECT_EQ(CleDeArc(1), jumeau) << j.jours1 << montante;
            EXPECT_EQ(K.Arcs[2].HeureArrivee, 645);
            EXPECT_FLOAT_EQ(K.Arcs[2].Debit, choisi.Debit);
            EXPECT_EQ(K.Arcs[2].Jours, choisi.Jours);
            // The check stops at arc 1, 40 minutes against a mean of 20, with its line chosen.
            prepare(40);
            ui.RepondTexte(QStringLiteral(" 1.2"));
            ui.RepondTexte(QStringLiteral(" 1.2"));
            ui.RepondTexte(QStringLiteral(" 5"));
            ui.Repond(Reponse::Oui);
            DetecteErreursHoraires();
            EXPECT_EQ(ui.messages().size(), 1u) << j.jours1 << montante;
            const ListeServices& h = K.Formes.HorairesArcs.ListeHoraires;
            ASSERT_EQ(h.ListIndex, 1) << j.jours1 << montante;
            EXPECT_EQ(K.Formes.HorairesArcs.CleChoisie, CleDeArc(1));
        }
}

TEST_F(HorairesArcsT, APlainLinkIsListedButLeftOutOfTheMeanAndOfTheCheck)
{
    service(a, b, 600, 707);
    service(a, b, 700, 807);
    service(a, b, 800, 907);
    service(a, b, 0, 0, -1, 12, 0); // the plain link, 12 minutes
    IndexeArcs();
    liaison(a, b);
    AfficheHorairesArc();
    EXPECT_EQ(K.Formes.HorairesArcs.ListeHoraires.ListCount(), 4);
    EXPECT_EQ(K.Formes.HorairesArcs.OriDest,
              QStringLiteral("Avignon Cent  Beaucaire    en TER  (4 HorairesArcs, moyenne : 107)"));
    ui.RepondTexte(QStringLiteral(" 1.2"));
    ui.RepondTexte(QStringLiteral(" 1.2"));
    ui.RepondTexte(QStringLiteral(" 5"));
    DetecteErreursHoraires();
    EXPECT_TRUE(ui.messages().empty()); // no service reported
}

TEST_F(HorairesArcsT, QuitClearsTheTimeComparisonAndListHeightNeverGoesNegative)
{
    liaison(a, b);
    AfficheHorairesArc();
    HorairesArcs_Command3D3_Click();
    EXPECT_FALSE(K.CompareHoraires);
    EXPECT_FALSE(K.Formes.HorairesArcs.Visible);
    ModeleHorairesArcs& f = K.Formes.HorairesArcs;
    f.Height = 6000;
    f.HauteurEtiquette1 = 255;
    f.HauteurOriDest = 495;
    HorairesArcs_Form_Resize();
    EXPECT_EQ(f.HauteurListe, 4850);
    f.Height = 300;
    HorairesArcs_Form_Resize();
    EXPECT_EQ(f.HauteurListe, 0);
}

} // namespace
