// Rebuilding the run of a train from one of its services.
#include "OutilsHoraires.h"
#include "core/Heures.h"
#include "platform/Nombres.h"
#include "timetables/HorairesArcs.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"
#include "timetables/TrajetTrain.h"

#include <random>

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

// The rebuild as first written: lines read back by their columns, every
// candidate tested against every listed line by linear searches. The oracle
// of the indexed walk, for lines whose columns read back (times of one day,
// codes of at most nine digits).
struct Oracle {
    QStringList lignes;
    QString info;

    static double temps(const QString& l, int& colonneArrivee)
    {
        int c = 5;
        while (c < l.size() && l[c] == QLatin1Char(' '))
            ++c;
        colonneArrivee = c;
        return HeureEnMinutes(ValeurNombre(l.mid(0, 2) + l.mid(3, 2)));
    }
    static int32_t cherche(const QString& l)
    {
        int c = 0;
        const double dep = temps(l, c);
        const double arr = HeureEnMinutes(ValeurNombre(l.mid(c, 2) + l.mid(c + 3, 2)));
        return ChercheArcHoraire(ValeurNombre(l.mid(19, 10)), ValeurNombre(l.mid(30, 10)), K.TypeArcChoisi.Code, dep,
                                 arr);
    }
    bool parcourt(const QString& ligne)
    {
        const int32_t s = cherche(ligne);
        int n = 0;
        for (const QString& l : lignes) {
            const int32_t t = cherche(l);
            const Arc &x = K.Arcs[s], &y = K.Arcs[t];
            if (x.IndiceOrigine == y.IndiceOrigine || x.IndiceDestination == y.IndiceDestination
                || x.IndiceOrigine == y.IndiceDestination || x.IndiceDestination == y.IndiceOrigine)
                ++n;
        }
        return n >= 2;
    }
    void ajoute(const QString& l) { lignes.insert(std::upper_bound(lignes.begin(), lignes.end(), l), l); }

    void construit(const QString& choisie)
    {
        ChoisitTypeArcEditeur();
        const ModeleModifArcs& e = K.Formes.ModifArcs;
        int c = 0;
        const double dep = temps(choisie, c);
        const double arr = HeureEnMinutes(ValeurNombre(choisie.mid(c, 2) + choisie.mid(c + 3, 2)));
        const int32_t k0 = ChercheArcHoraire(K.Noeuds[e.ListeModifiable1.ListIndex].Code,
                                             K.Noeuds[e.ListeModifiable2.ListIndex].Code, K.TypeArcChoisi.Code, dep, arr);
        ajoute(FormateLigneTrain(k0));
        double total = K.Arcs[k0].Duree;
        bool encore = true;
        while (encore) {
            encore = false;
            const Arc premier = K.Arcs[cherche(lignes.front())];
            for (int32_t j = 1; j <= K.NbArcs; ++j) {
                const Arc& a = K.Arcs[j];
                if (a.Mode == K.TypeArcChoisi.Code && a.IndiceDestination == premier.IndiceOrigine
                    && a.HeureArrivee == premier.HeureDepart && !parcourt(FormateLigneTrain(j))) {
                    ajoute(FormateLigneTrain(j));
                    total += a.HeureArrivee - a.HeureDepart;
                    encore = true;
                }
            }
            const Arc dernier = K.Arcs[cherche(lignes.back())];
            for (int32_t j = 1; j <= K.NbArcs; ++j) {
                const Arc& a = K.Arcs[j];
                if (a.Mode == K.TypeArcChoisi.Code && a.IndiceOrigine == dernier.IndiceDestination
                    && a.HeureDepart == dernier.HeureArrivee && !parcourt(FormateLigneTrain(j))) {
                    ajoute(FormateLigneTrain(j));
                    total += a.HeureArrivee - a.HeureDepart;
                    encore = true;
                }
            }
        }
        const Arc& p = K.Arcs[cherche(lignes.front())];
        const Arc& d = K.Arcs[cherche(lignes.back())];
        info = QStringLiteral("De ") + NomNoeud(p.IndiceOrigine, 10) + QStringLiteral(" à ")
               + NomNoeud(d.IndiceDestination, 10) + QStringLiteral(" (") + FormatDieses(lignes.size() - 1)
               + QStringLiteral(" arrêts intermédiaires, durée : ") + TexteGeneral(MinutesEnHeure(total))
               + QLatin1Char(')');
    }
};

class TrajetTrain : public HorairesTest {
protected:
    // Chooses the line of service k in the link timetable of its link.
    void choisit(int32_t k)
    {
        liaison(K.Arcs[k].IndiceOrigine, K.Arcs[k].IndiceDestination);
        AfficheHorairesArc();
        HorairesArcs_ListeHoraires_Click(LigneDuService(K.Formes.HorairesArcs.ListeHoraires, CleDeArc(k)));
    }
    // Runs the walk and the oracle from the same search direction.
    void compareAvecOracle()
    {
        const bool montante = RechercheMontante;
        const ListeServices& h = K.Formes.HorairesArcs.ListeHoraires;
        Oracle o;
        o.construit(h.Lignes[static_cast<std::size_t>(h.ListIndex)].Texte);
        const bool montanteOracle = RechercheMontante;
        RechercheMontante = montante;
        AfficheTrajetTrain();
        EXPECT_EQ(textes(K.Formes.Trains.ListeTrains), o.lignes);
        EXPECT_EQ(K.Formes.Trains.Info, o.info);
        EXPECT_EQ(RechercheMontante, montanteOracle);
    }
};

TEST_F(TrajetTrain, RunFromAnInnerLegIsListedInDepartureOrderWithItsSummary)
{
    const int a = noeud("Arles"), b = noeud("Beaucaire"), c = noeud("Cavaillon"), d = noeud("Digne"),
              e = noeud("Embrun");
    service(c, d, 485, 530);
    const int32_t bc = service(b, c, 455, 485);
    service(d, e, 530, 575);
    service(a, b, 425, 455);
    service(b, c, 455, 486); // a minute later: never joins
    service(b, c, 455, 485, TypeTGV().Code);
    IndexeArcs();
    choisit(bc);
    compareAvecOracle();
    EXPECT_EQ(textes(K.Formes.Trains.ListeTrains),
              QStringList({FormateLigneTrain(4), FormateLigneTrain(2), FormateLigneTrain(1), FormateLigneTrain(3)}));
    EXPECT_EQ(K.Formes.Trains.Info,
              QStringLiteral("De Arles      à Embrun     (3 arrêts intermédiaires, durée : 230)"));
    EXPECT_TRUE(K.Formes.Trains.Visible);
    EXPECT_TRUE(K.CompareHoraires);
}

TEST_F(TrajetTrain, LoneServiceShowsNothingForZeroStopsAndItsOwnDuration)
{
    const int a = noeud("Arles"), b = noeud("Beaucaire");
    const int32_t k = service(a, b, 425, 515, -1, 95);
    IndexeArcs();
    choisit(k);
    compareAvecOracle();
    EXPECT_EQ(K.Formes.Trains.Info,
              QStringLiteral("De Arles      à Beaucaire  ( arrêts intermédiaires, durée : 135)"));
}

TEST_F(TrajetTrain, OfTwoServicesLeavingTheLastStopAtOnceTheLowerNumberJoins)
{
    const int a = noeud("A"), b = noeud("B"), c = noeud("C"), d = noeud("D");
    const int32_t ab = service(a, b, 600, 620);
    service(b, d, 620, 660);
    service(b, c, 620, 640);
    IndexeArcs();
    choisit(ab);
    compareAvecOracle();
    ASSERT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 2);
    EXPECT_EQ(K.Formes.Trains.ListeTrains.Lignes[1].Cle, CleDeArc(2));
    EXPECT_TRUE(ui.appels().empty());
}

TEST_F(TrajetTrain, CircularLineStopsBeforeClosingItsCircle)
{
    const int a = noeud("A"), b = noeud("B"), c = noeud("C");
    const int32_t ab = service(a, b, 600, 610);
    service(b, c, 610, 620);
    service(c, a, 620, 630);
    service(a, b, 630, 640);
    IndexeArcs();
    choisit(ab);
    compareAvecOracle();
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 2);
}

TEST_F(TrajetTrain, RunCrossingMidnightListsItsLaterLegsFirstAndStillExtends)
{
    const int a = noeud("A"), b = noeud("B"), c = noeud("C"), d = noeud("D");
    service(a, b, 1400, 1430);
    const int32_t bc = service(b, c, 1430, 1460);
    service(c, d, 1460, 1490);
    IndexeArcs();
    choisit(bc);
    compareAvecOracle();
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 3);
}

TEST_F(TrajetTrain, ReturnLegJoinsALoneServiceButNotOneWithAFeeder)
{
    const int a = noeud("A"), b = noeud("B"), z = noeud("Z");
    const int32_t ab = service(a, b, 600, 620);
    service(b, a, 620, 640);
    IndexeArcs();
    choisit(ab);
    compareAvecOracle();
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 2);
    service(z, a, 580, 600);
    IndexeArcs();
    choisit(ab);
    compareAvecOracle();
}

TEST_F(TrajetTrain, NoChosenLineOrAServiceGoneGivesAnEmptyRun)
{
    const int a = noeud("A"), b = noeud("B");
    const int32_t k = service(a, b, 600, 620);
    IndexeArcs();
    liaison(a, b);
    AfficheHorairesArc();
    AfficheTrajetTrain();
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 0);
    choisit(k);
    SupprimeArc(k);
    AfficheTrajetTrain();
    EXPECT_EQ(K.Formes.Trains.ListeTrains.ListCount(), 0);
    EXPECT_TRUE(K.Formes.Trains.Info.isEmpty());
}

TEST_F(TrajetTrain, IndexedWalkGivesTheLinesAndSearchStateOfTheLinearOneOnRandomNetworks)
{
    std::mt19937 g(15);
    for (int reseau = 0; reseau < 40; ++reseau) {
        test::ModeleNeuf();
        for (int i = 0; i < 6; ++i)
            noeud(QStringLiteral("N%1").arg(i));
        const int16_t modes[] = {TypeTER().Code, TypeTER().Code, TypeTER().Code, TypeTrain().Code};
        for (int i = 0; i < 40; ++i) {
            const int o = 1 + static_cast<int>(g() % 6), d = 1 + static_cast<int>(g() % 6);
            const int dep = 600 + 10 * static_cast<int>(g() % 8);
            service(o, d, dep, dep + 10 * (1 + static_cast<int>(g() % 2)), modes[g() % 4]);
        }
        IndexeArcs();
        for (int essai = 0; essai < 5; ++essai) {
            const int32_t k = 1 + static_cast<int32_t>(g() % static_cast<unsigned>(K.NbArcs));
            if (K.Arcs[k].Mode != TypeTER().Code || K.Arcs[k].IndiceOrigine == K.Arcs[k].IndiceDestination)
                continue;
            choisit(k);
            SCOPED_TRACE(reseau);
            compareAvecOracle();
        }
    }
}

TEST_F(TrajetTrain, SelectingTrainsSelectsAllOnlyWhenNoneIs)
{
    ListeServices& l = K.Formes.Trains.ListeTrains;
    for (int i = 0; i < 3; ++i)
        l.AddItem({QString::number(i), {}});
    SelectionneTrains();
    EXPECT_EQ(l.SelCount(), 3);
    l.Choisit(1);
    SelectionneTrains();
    EXPECT_EQ(l.SelCount(), 1);
}

} // namespace
