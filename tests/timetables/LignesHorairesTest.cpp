// The fixed columns of the timetable lines, byte for byte.
#include "OutilsHoraires.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"

using namespace kelmo;
using namespace kelmo::testhoraires;

namespace {

class LignesHoraires : public HorairesTest {};

struct CasArc {
    int dep, arr;
    float duree, debit;
    const char* jours;
    const char* attendu;
};

TEST_F(LignesHoraires, LinkLineColumnsFollowTheDurationAndLineNumberWidths)
{
    const int a = noeud("Alpha"), b = noeud("Beta");
    const CasArc cas[] = {
        {425, 490, 65, 12, "LMMJV", "07:05     08:10       LMMJV      65   L12"},
        {425, 434, 9, 12, "LMMJV", "07:05     07:14       LMMJV       9   L12"},
        {425, 545, 120, 12, "LMMJV", "07:05     09:05       LMMJV     120   L12"},
        {425, 425, 0, 12, "LMMJV", "07:05     07:05       LMMJV        L12"},
        {425, 1500, 1075, 12, "LMMJV", "07:05     25:00       LMMJV     1075   L12"},
        {425, 490, 65, 5, "", "07:05     08:10                  65   L05"},
        {425, 490, 65, 125, "SD", "07:05     08:10       SD         65   L125"},
        {425, 490, 64.5f, 12, "LMMJV", "07:05     08:10       LMMJV      65   L12"},
        // Negative times: a sign and the absolute time; hours past 24 kept.
        {-20, 15, 35, 12, "LMMJV", "-00:20     00:15       LMMJV      35   L12"},
        {1450, 6039, 20, 12, "LMMJV", "24:10     100:39       LMMJV      20   L12"},
    };
    for (const CasArc& c : cas) {
        const int32_t k = service(a, b, c.dep, c.arr, -1, c.duree, c.debit, QString::fromLatin1(c.jours));
        EXPECT_EQ(FormateLigneArc(k), QString::fromUtf8(c.attendu)) << c.attendu;
    }
}

struct CasTrain {
    int dep, arr;
    float duree;
    int32_t codeO, codeD;
    const char* attendu;
};

TEST_F(LignesHoraires, TrainLineHasTheCodesAtColumns19Or20)
{
    const int a = noeud("Strasbourg Ville", 1000000001), b = noeud("Colmar", 42);
    const CasTrain cas[] = {
        {425, 490, 65, 1000000001, 42, "07:05  08:10   65 1000000001 0000000042  Strasbourg  Colmar    "},
        {425, 434, 9, 1000000001, 42, "07:05  07:14     9 1000000001 0000000042  Strasbourg  Colmar    "},
        {425, 545, 120, 1000000001, 42, "07:05  09:05  120 1000000001 0000000042  Strasbourg  Colmar    "},
        {425, 425, 0, 1000000001, 42, "07:05  07:05   1000000001 0000000042  Strasbourg  Colmar    "},
        {-20, 15, 35, 1000000001, 42, "-00:20  00:15   35 1000000001 0000000042  Strasbourg  Colmar    "},
        {1430, 1450, 20, 1000000001, 42, "23:50  24:10   20 1000000001 0000000042  Strasbourg  Colmar    "},
    };
    for (const CasTrain& c : cas) {
        const int32_t k = service(a, b, c.dep, c.arr, -1, c.duree);
        const QString l = FormateLigneTrain(k);
        EXPECT_EQ(l, QString::fromUtf8(c.attendu)) << c.attendu;
    }
    // The four-column duration field moves everything after it one column right.
    EXPECT_EQ(FormateLigneTrain(1).size(), 63);
    EXPECT_EQ(FormateLigneTrain(2).size(), 64);
}

TEST_F(LignesHoraires, NodeLinesNameTheOtherEndAndTheFeederOrTheFollowingService)
{
    const int a = noeud("Avignon"), b = noeud("Beaucaire"), c = noeud("Cavaillon");
    const int32_t ab = service(a, b, 425, 445, -1, 20, 7);
    const int32_t bc = service(b, c, 445, 500, -1, 15, 7);
    IndexeArcs();
    EXPECT_EQ(LigneDepartNoeud(bc, ab), QStringLiteral("07:25     08:20       LMMJV      15   L07  Cavaillon   (Avignon)"));
    EXPECT_EQ(LigneDepartNoeud(bc, 0), QStringLiteral("07:25     08:20       LMMJV      15   L07  Cavaillon   (      Beaucai)"));
    // Arrival first, the departure in brackets, the rest two columns left.
    EXPECT_EQ(LigneArriveeNoeud(ab, bc), QStringLiteral("07:25   (07:05)     LMMJV      20   L07  Avignon     (Cavaill)"));
    EXPECT_EQ(LigneArriveeNoeud(ab, 0), QStringLiteral("07:25   (07:05)     LMMJV      20   L07  Avignon     (      Beaucai)"));
    K.Arcs[ab].Oriente = false;
    EXPECT_EQ(LigneDoubleSensNoeud(ab, b), QStringLiteral("07:05     07:25       LMMJV      20   L07  Avignon   "));
    EXPECT_EQ(LigneDoubleSensNoeud(ab, a), QStringLiteral("07:05     07:25       LMMJV      20   L07  Beaucaire "));
}

TEST_F(LignesHoraires, EveryLineReadsBackToItsServiceThroughItsKey)
{
    // Lines whose columns shift: a long code, a one-digit or zero duration,
    // negative and three-digit hours.
    const int a = noeud("Alpha", 2000000001), b = noeud("Beta", 1999999999);
    const int32_t ks[] = {service(a, b, 425, 434), service(a, b, 425, 425, -1, 0), service(a, b, -20, 15),
                          service(a, b, 1450, 6039), service(b, a, 425, 434)};
    for (const int32_t k : ks) {
        const LigneService l{FormateLigneTrain(k), CleDeArc(k)};
        liaison(a, b);
        EXPECT_EQ(ChercheArcLigneHoraire(&l), k);
        EXPECT_EQ(ChercheArcLigneHoraire(&l), k);
    }
}

TEST_F(LignesHoraires, ClockTextShowsSignAndHoursBeyondOneDay)
{
    const std::pair<double, const char*> cas[] = {{0, "00:00"}, {545, "09:05"}, {1450, "24:10"},
                                                  {-20, "-00:20"}, {-90, "-01:30"}, {6039, "100:39"}};
    for (const auto& [m, t] : cas)
        EXPECT_EQ(TexteHeure(m), QString::fromLatin1(t));
}

} // namespace
