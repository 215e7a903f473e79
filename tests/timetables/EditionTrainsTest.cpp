// The commands of the train window on the selected legs.
#include "OutilsHoraires.h"
#include "platform/NombresChamps.h"
#include "timetables/DetectionErreurs.h"
#include "timetables/EditionTrains.h"
#include "timetables/EtatHoraires.h"
#include "timetables/HorairesArcs.h"
#include "timetables/LignesHoraires.h"
#include "timetables/TrajetTrain.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class EditionTrains : public HorairesTest {
protected:
    void SetUp() override
    {
        HorairesTest::SetUp();
        a = noeud("Arles");
        b = noeud("Beaucaire");
        c = noeud("Cavaillon");
        d = noeud("Digne");
        e = noeud("Embrun");
        service(a, b, 425, 455, -1, 30, 3, QStringLiteral("SD"));
        service(b, c, 455, 485, -1, 30, 3);
        service(c, d, 485, 530, -1, 45, 3);
        service(d, e, 530, 575, -1, 45, 3);
        IndexeArcs();
        ouvre(2);
    }
    // The run of service k, from its line in the link timetable.
    void ouvre(int32_t k)
    {
        liaison(K.Arcs[k].IndiceOrigine, K.Arcs[k].IndiceDestination);
        AfficheHorairesArc();
        HorairesArcs_ListeHoraires_Click(LigneDuService(K.Formes.HorairesArcs.ListeHoraires, CleDeArc(k)));
        AfficheTrajetTrain();
    }
    void selectionne(std::initializer_list<int> lignes)
    {
        ListeServices& l = K.Formes.Trains.ListeTrains;
        for (int i = 0; i < l.ListCount(); ++i)
            l.Selectionne(i, false);
        for (int i : lignes)
            l.Selectionne(i, true);
    }
    int a = 0, b = 0, c = 0, d = 0, e = 0;
};

TEST_F(EditionTrains, EachCommandAsksWithItsOwnTexts)
{
    struct Cas {
        void (*commande)();
        const char* titre;
        const char* sansSelection;
        const char* invite;
        const char* titreInvite;
    };
    const Cas cas[] = {
        {Trains_Dupliquer_Click, "Dupliquer un train",
         "Pour dupliquer un train il est nécessaire de sélectionner des horaires.",
         "Indiquez le nombre de minutes de décalage par rapport au train sélectionné :", "Dupliquer le train"},
        {Trains_Avancer_Click, "Avancer un train", "Pour avancer un train il est nécessaire de sélectionner des horaires.",
         "Indiquez le nombre de minutes :", "Avancer le train"},
        {Trains_Reculer_Click, "Reculer un train", "Pour reculer un train il est nécessaire de sélectionner des horaires.",
         "Indiquez le nombre de minutes :", "Reculer le train"},
        {Trains_Supprimer_Click, "Supprimer un train",
         "Pour supprimer un train il est nécessaire de sélectionner des horaires.", nullptr, nullptr},
    };
    for (const Cas& x : cas) {
        ui.efface();
        selectionne({});
        x.commande();
        ASSERT_EQ(ui.appels().size(), 1u);
        EXPECT_EQ(ui.appels()[0].texte, QString::fromUtf8(x.sansSelection));
        EXPECT_EQ(ui.appels()[0].titre, QString::fromUtf8(x.titre));
        EXPECT_EQ(ui.appels()[0].boutons, Boutons::OK);
        ui.efface();
        selectionne({1, 2});
        ui.Repond(Reponse::OK);
        ui.RepondTexte(std::nullopt); // a cancelled prompt
        x.commande();
        EXPECT_EQ(ui.appels()[0].texte, QStringLiteral("Vous avez sélectionné 2 horaires sur 4."));
        EXPECT_EQ(ui.appels()[0].boutons, Boutons::OKAnnuler);
        if (x.invite) {
            ASSERT_EQ(ui.appels().size(), 2u);
            EXPECT_EQ(ui.appels()[1].texte, QString::fromUtf8(x.invite));
            EXPECT_EQ(ui.appels()[1].titre, QString::fromUtf8(x.titreInvite));
            EXPECT_EQ(K.NbArcs, 4);
        } else {
            EXPECT_EQ(K.NbArcs, 2);
        }
    }
}

TEST_F(EditionTrains, ShiftIsReadAsALeadingNumberAndRoundedHalfToEven)
{
    const std::pair<const char*, int> cas[] = {{"2.5", 602}, {"3.5", 604}, {"4", 604}, {"15 min", 615}};
    for (const auto& [reponse, attendu] : cas) {
        test::ModeleNeuf();
        a = noeud("A");
        b = noeud("B");
        ouvre(service(a, b, 600, 620));
        selectionne({0});
        ui.Repond(Reponse::OK);
        ui.RepondTexte(QString::fromLatin1(reponse));
        Trains_Avancer_Click();
        ASSERT_EQ(K.NbArcs, 1);
        EXPECT_EQ(K.Arcs[1].HeureDepart, attendu) << reponse;
    }
}

TEST_F(EditionTrains, ZeroOrTextOrCancelChangesNothing)
{
    for (const std::optional<QString>& r : {std::optional<QString>(QStringLiteral("0")),
                                            std::optional<QString>(QStringLiteral("abc")), std::optional<QString>()}) {
        selectionne({0});
        ui.Repond(Reponse::OK);
        ui.RepondTexte(r);
        Trains_Reculer_Click();
        EXPECT_EQ(K.NbArcs, 4);
        EXPECT_EQ(K.Arcs[1].HeureDepart, 425);
    }
    selectionne({0});
    ui.Repond(Reponse::Annuler);
    Trains_Supprimer_Click();
    EXPECT_EQ(K.NbArcs, 4);
}

TEST_F(EditionTrains, ShiftsMayPassMidnightOrGoBelowZero)
{
    test::ModeleNeuf();
    a = noeud("A");
    b = noeud("B");
    const int32_t tard = service(a, b, 1430, 1440);
    IndexeArcs();
    ouvre(tard);
    selectionne({0});
    ui.Repond(Reponse::OK);
    ui.RepondTexte(QStringLiteral("20"));
    Trains_Avancer_Click();
    EXPECT_EQ(K.Arcs[1].HeureDepart, 1450);
    EXPECT_TRUE(K.Formes.Trains.ListeTrains.Lignes[0].Texte.startsWith(QStringLiteral("24:10  24:20")));
    const int32_t tot = service(a, b, 10, 40);
    IndexeArcs();
    ouvre(tot);
    selectionne({0});
    ui.Repond(Reponse::OK);
    ui.RepondTexte(QStringLiteral("30"));
    Trains_Reculer_Click();
    EXPECT_EQ(K.Arcs[2].HeureDepart, -20);
    EXPECT_EQ(K.Arcs[2].HeureArrivee, 10);
    EXPECT_TRUE(K.Formes.Trains.ListeTrains.Lignes[0].Texte.startsWith(QStringLiteral("-00:20  00:10")));
}

// 6000 minutes on 07:05 would be 107:05, which the arc file's four hhmm
// columns cannot write.
TEST_F(EditionTrains, ShiftTakingATimeOutOfTheArcFileIsRefusedBeforeAnyChange)
{
    const std::pair<void (*)(), const char*> cas[] = {{Trains_Avancer_Click, "Avancer un train"},
                                                      {Trains_Dupliquer_Click, "Dupliquer un train"}};
    for (const auto& [commande, titre] : cas) {
        SCOPED_TRACE(titre);
        selectionne({0, 1});
        ui.Repond(Reponse::OK);
        ui.RepondTexte(QStringLiteral("6000"));
        commande();
        EXPECT_EQ(K.NbArcs, 4);
        EXPECT_EQ(K.Arcs[1].HeureDepart, 425);
        EXPECT_EQ(ui.appels().back().icone, Icone::Exclamation);
        EXPECT_EQ(ui.appels().back().titre, QString::fromUtf8(titre));
    }
}

TEST_F(EditionTrains, ANumberBeyondTheRangeOfTheNumbersIsRefusedWithAMessageAndChangesNothing)
{
    const QString horsLimites = QStringLiteral("Ce décalage mènerait un horaire hors des limites du fichier des arcs "
                                               "(de -599 à 5999 minutes) : aucun horaire n'est changé.");
    struct Cas {
        void (*commande)();
        bool confirmation; // the train commands ask first for the selection
        std::vector<const char*> reponses;
        QString message;
    };
    const Cas cas[] = {
        {Trains_Dupliquer_Click, true, {"1e999"}, horsLimites},
        {Trains_Avancer_Click, true, {"1e999"}, horsLimites},
        {Trains_Reculer_Click, true, {"1e999"}, horsLimites},
        {Trains_Dupliquer_Click, true, {"-1e999"}, horsLimites},
        {Trains_Avancer_Click, true, {"-1e999"}, horsLimites},
        {Trains_Reculer_Click, true, {"-1e999"}, horsLimites},
        {DetecteErreursHoraires, false, {"1e999", " 1.2", " 5"},
         MessageHorsChamp("1e999", QStringLiteral("Marge supérieure de tolérance"), GenreChamp::Double)},
        {DetecteErreursHoraires, false, {" 1.2", "-1e999", " 5"},
         MessageHorsChamp("-1e999", QStringLiteral("Marge inférieure de tolérance"), GenreChamp::Double)},
        {DetecteErreursHoraires, false, {" 1.2", " 1.2", "1e999"},
         MessageHorsChamp("1e999", QStringLiteral("Ecart maximum toléré"), GenreChamp::Double)},
    };
    std::vector<CleService> avant;
    for (int32_t k = 1; k <= K.NbArcs; ++k)
        avant.push_back(CleDeArc(k));
    for (const Cas& x : cas) {
        ui.efface();
        selectionne({0, 1});
        if (x.confirmation)
            ui.Repond(Reponse::OK);
        for (const char* r : x.reponses)
            ui.RepondTexte(QString::fromLatin1(r));
        EXPECT_NO_THROW(x.commande()) << x.reponses[0];
        ASSERT_FALSE(ui.messages().empty());
        EXPECT_EQ(ui.messages().back(), x.message);
        std::vector<CleService> apres;
        for (int32_t k = 1; k <= K.NbArcs; ++k)
            apres.push_back(CleDeArc(k));
        EXPECT_TRUE(apres == avant) << x.reponses[0];
    }
    EXPECT_DOUBLE_EQ(Horaires().MargeSuperieure, 1.2);
    EXPECT_DOUBLE_EQ(Horaires().MargeInferieure, 1.2);
    EXPECT_DOUBLE_EQ(Horaires().EcartMaximum, 5);
}

TEST_F(EditionTrains, DuplicateCopiesEachSelectedLegShiftedAndKeepsTheList)
{
    const QStringList avant = textes(K.Formes.Trains.ListeTrains);
    selectionne({0, 1, 2});
    ui.Repond(Reponse::OK);
    ui.RepondTexte(QStringLiteral("60"));
    Trains_Dupliquer_Click();
    ASSERT_EQ(K.NbArcs, 7);
    for (int i = 0; i < 3; ++i) {
        const Arc &o = K.Arcs[1 + i], &n = K.Arcs[5 + i];
        EXPECT_EQ(n.HeureDepart, o.HeureDepart + 60);
        EXPECT_EQ(n.HeureArrivee, o.HeureArrivee + 60);
        EXPECT_EQ(n.CodeOrigine, o.CodeOrigine);
        EXPECT_EQ(n.CodeDestination, o.CodeDestination);
        EXPECT_EQ(n.Mode, o.Mode);
        EXPECT_FLOAT_EQ(n.Duree, o.Duree);
        EXPECT_FLOAT_EQ(n.Debit, o.Debit);
        EXPECT_FLOAT_EQ(n.Capacite, o.Capacite);
        EXPECT_EQ(n.Jours, o.Jours);
    }
    EXPECT_EQ(textes(K.Formes.Trains.ListeTrains), avant);
}

TEST_F(EditionTrains, AdvanceReplacesOnlyTheSelectedServicesAndRebuildsTheRunFromTheShiftedOne)
{
    // A twin of the second leg and its reverse at the same minutes: other trains.
    const int32_t jumeau = service(b, c, 455, 485, -1, 30, 9);
    const int32_t inverse = service(c, b, 455, 485, -1, 30, 9);
    IndexeArcs();
    ouvre(2);
    selectionne({0, 1, 2, 3});
    ui.Repond(Reponse::OK);
    ui.RepondTexte(QStringLiteral("15"));
    Trains_Avancer_Click();
    ASSERT_EQ(K.NbArcs, 6);
    int decales = 0, restes = 0;
    for (int32_t k = 1; k <= K.NbArcs; ++k) {
        decales += K.Arcs[k].HeureDepart == 440 || K.Arcs[k].HeureDepart == 470 || K.Arcs[k].HeureDepart == 500
                   || K.Arcs[k].HeureDepart == 545;
        restes += K.Arcs[k].HeureDepart == 455;
    }
    EXPECT_EQ(decales, 4);
    EXPECT_EQ(restes, 2);
    (void)jumeau;
    (void)inverse;
    // The link timetable chose the shifted service again, and the run is its run.
    const ListeServices& h = K.Formes.HorairesArcs.ListeHoraires;
    ASSERT_GE(h.ListIndex, 0);
    EXPECT_EQ(h.Lignes[static_cast<std::size_t>(h.ListIndex)].Cle.HeureDepart, 470);
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 4);
    EXPECT_TRUE(K.Formes.Trains.ListeTrains.Lignes[0].Texte.startsWith(QStringLiteral("07:20")));
}

TEST_F(EditionTrains, DeleteRemovesTheSelectedServicesAndSkipsLinesAlreadyGone)
{
    selectionne({1, 2});
    ui.Repond(Reponse::OK);
    Trains_Supprimer_Click();
    EXPECT_EQ(K.NbArcs, 2);
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 4);
    EXPECT_EQ(K.Formes.HorairesArcs.ListeHoraires.ListCount(), 0);
    // The same lines again: their services are gone, nothing else is touched.
    selectionne({1, 2});
    ui.Repond(Reponse::OK);
    ui.Repond(Reponse::OK);
    ui.RepondTexte(QStringLiteral("10"));
    Trains_Avancer_Click();
    EXPECT_EQ(K.NbArcs, 2);
    EXPECT_EQ(K.Arcs[1].HeureDepart, 425);
    EXPECT_EQ(K.Arcs[2].HeureDepart, 530);
}

TEST_F(EditionTrains, DoubleClickOpensTheLegsLinkWithItsLineChosen)
{
    Trains_ListeTrains_DblClick(3);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, d);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable2.ListIndex, e);
    const ListeServices& h = K.Formes.HorairesArcs.ListeHoraires;
    ASSERT_EQ(h.ListIndex, 0);
    EXPECT_EQ(h.Lignes[0].Cle, CleDeArc(4));
    EXPECT_TRUE(K.Formes.HorairesArcs.Modifier.Enabled);
    // Nothing under the click: nothing happens.
    Trains_ListeTrains_DblClick(-1);
    Trains_ListeTrains_DblClick(9);
    EXPECT_EQ(K.Formes.ModifArcs.ListeModifiable1.ListIndex, d);
}

TEST_F(EditionTrains, ListHeightFollowsTheWindowAndStopsAtZero)
{
    ModeleTrains& f = K.Formes.Trains;
    const std::tuple<int, int, int, int> cas[] = {{6000, 255, 495, 4850}, {1150, 255, 495, 0}, {100, 255, 495, 0}};
    for (const auto& [h, e1, info, attendu] : cas) {
        f.Height = h;
        f.HauteurEtiquette1 = e1;
        f.HauteurInfo = info;
        Trains_Form_Resize();
        EXPECT_EQ(f.HauteurListe, attendu);
    }
}

TEST_F(EditionTrains, CopyPutsEachSelectedLineAfterALineFeed)
{
    selectionne({0, 2});
    const ListeServices& l = K.Formes.Trains.ListeTrains;
    EXPECT_EQ(TexteSelectionTrains(), QChar(10) + l.Lignes[0].Texte + QChar(10) + l.Lignes[2].Texte);
}

} // namespace
