// The timetables at the table limits: 6000 stations and 99 999 arcs. The
// walk of a 60-leg run, a link and a node timetable, the check of every link
// with no error found, each development pass on a network that ends near the
// table limit, and the optimisation with its questions off.
#include "core/DonneesDerivees.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "core/TypesArcs.h"
#include "timetables/DetectionErreurs.h"
#include "timetables/Developpement.h"
#include "timetables/HorairesArcs.h"
#include "timetables/HorairesNoeuds.h"
#include "timetables/LignesHoraires.h"
#include "timetables/Optimisation.h"
#include "timetables/TrajetTrain.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace kelmo;

namespace {

void gares()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    for (int i = 1; i <= NbMaxNoeudsFichier; ++i)
        AjouteNoeud(QStringLiteral("Gare %1").arg(i), i * 10, 1000, i % 100, i / 100, 0);
    RemplitListesNoeuds();
    ModeleModifArcs& e = K.Formes.ModifArcs;
    e.ListeModifiable3.Choisit(static_cast<int>(e.ListeModifiable3.Entrees.indexOf(QStringLiteral("TER"))));
}

// The same time on every service of a link, so that no link has a service
// far from its mean.
int duree(int o, int d) { return 5 + (o + d) % 11; }

// Runs of `legs` TER legs through random stations, one after another in the
// table, until the table holds `total` arcs.
void runs(int legs, int32_t total, float debit, std::mt19937& g)
{
    std::uniform_int_distribution<int> noeud(1, NbMaxNoeudsFichier), minute(300, 1300);
    int ligne = 1;
    while (K.NbArcs + legs <= total) {
        int o = noeud(g), t = minute(g);
        for (int l = 0; l < legs; ++l) {
            int d = noeud(g);
            while (d == o)
                d = noeud(g);
            const int m = duree(o, d);
            AjouteArc(o * 10, d * 10, o, d, TypeTER().Code, m, m, t, t + m, QString(), debit ? ligne : 0, 200);
            o = d;
            t += m;
        }
        ++ligne;
    }
}

// 1665 runs of 60 legs and a few roads: 99 999 arcs.
void reseauRuns60()
{
    gares();
    std::mt19937 g(15);
    runs(60, 99900, 1, g);
    while (K.NbArcs < NbMaxArcsFichier)
        AjouteArc(10, 20, 1, 2, TypeRoute70().Code, 10, 8, 0, 0, QString(), 0, 0);
    IndexeArcs();
}

// Leg 30 of the first run chosen in its link timetable.
void choisitLeg30()
{
    const Arc& a = K.Arcs[30];
    K.Formes.ModifArcs.ListeModifiable1.Choisit(a.IndiceOrigine);
    K.Formes.ModifArcs.ListeModifiable2.Choisit(a.IndiceDestination);
    AfficheHorairesArc();
    HorairesArcs_ListeHoraires_Click(LigneDuService(K.Formes.HorairesArcs.ListeHoraires, CleDeArc(30)));
}

void BM_TrajetTrain60Legs(benchmark::State& state)
{
    reseauRuns60();
    choisitLeg30();
    for (auto _ : state) {
        AfficheTrajetTrain();
        benchmark::DoNotOptimize(K.Formes.Trains.ListeTrains.ListCount());
    }
    state.counters["legs"] = K.Formes.Trains.ListeTrains.ListCount();
}
BENCHMARK(BM_TrajetTrain60Legs)->Unit(benchmark::kMillisecond);

void BM_HorairesArc(benchmark::State& state)
{
    reseauRuns60();
    const Arc& a = K.Arcs[30];
    K.Formes.ModifArcs.ListeModifiable1.Choisit(a.IndiceOrigine);
    K.Formes.ModifArcs.ListeModifiable2.Choisit(a.IndiceDestination);
    for (auto _ : state)
        AfficheHorairesArc();
}
BENCHMARK(BM_HorairesArc)->Unit(benchmark::kMillisecond);

void BM_HorairesNoeud(benchmark::State& state)
{
    reseauRuns60();
    K.Formes.ModifNoeuds.ListeModifiable1.Choisit(K.Arcs[30].IndiceOrigine);
    for (auto _ : state)
        AfficheHorairesNoeud();
    state.counters["lignes"] = K.Formes.HorairesNoeuds.ListeHorairesNoeud.ListCount();
}
BENCHMARK(BM_HorairesNoeud)->Unit(benchmark::kMillisecond);

void BM_DetecteErreursSansErreur(benchmark::State& state)
{
    reseauRuns60();
    for (auto _ : state)
        DetecteErreursHoraires(); // the silent dialogues keep the default margins
}
BENCHMARK(BM_DetecteErreursSansErreur)->Unit(benchmark::kMillisecond);

// Runs of 4 legs that the development brings to about 99 900 arcs.
void reseauRuns4(bool numeros)
{
    gares();
    std::mt19937 g(103);
    runs(4, numeros ? 39960 : 38000, numeros, g);
    IndexeArcs();
}

void BM_DeveloppementParNumeros(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        reseauRuns4(true);
        state.ResumeTiming();
        benchmark::DoNotOptimize(DeveloppeHorairesArcs());
    }
    state.counters["arcs"] = K.NbArcs;
}
BENCHMARK(BM_DeveloppementParNumeros)->Unit(benchmark::kMillisecond);

void BM_DeveloppementParChainage(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        reseauRuns4(false);
        state.ResumeTiming();
        benchmark::DoNotOptimize(DeveloppeHorairesArcs());
    }
    state.counters["arcs"] = K.NbArcs;
}
BENCHMARK(BM_DeveloppementParChainage)->Unit(benchmark::kMillisecond);

// Runs of 4 legs from one of the first 3000 stations through three of the
// last 3000 to another of the first, developed: the 3000 inner stations are
// passed through by every service and go.
void reseauOptimisable()
{
    gares();
    std::mt19937 g(104);
    std::uniform_int_distribution<int> bout(1, 3000), minute(300, 1300);
    int interieur = 3001, ligne = 1;
    while (K.NbArcs + 4 <= 39996) {
        const int arrets[5] = {bout(g), 3001 + (interieur - 3001) % 3000, 3001 + (interieur - 3000) % 3000,
                               3001 + (interieur - 2999) % 3000, bout(g)};
        interieur += 3;
        int t = minute(g);
        for (int l = 0; l < 4; ++l) {
            const int o = arrets[l], d = arrets[l + 1], m = duree(o, d);
            AjouteArc(o * 10, d * 10, o, d, TypeTER().Code, m, m, t, t + m, QString(), ligne, 200);
            t += m;
        }
        ++ligne;
    }
    DeveloppeHorairesArcs();
    IndexeArcs();
}

void BM_OptimisationSansQuestions(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        reseauOptimisable();
        state.ResumeTiming();
        OptimiseHoraires(); // the silent dialogues answer No: no question per node
    }
    state.counters["noeuds"] = K.NbNoeuds;
    state.counters["arcs"] = K.NbArcs;
}
BENCHMARK(BM_OptimisationSansQuestions)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
