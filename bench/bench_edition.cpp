// Network editing at the table limits: 6000 nodes and 99 999 arcs, a hub of
// 5000 arcs and a link run by 2000 timed services; the clean-up on a
// network laid out as a real one.
#include "ReseauRealiste.h"
#include "core/Defauts.h"
#include "core/DonneesDerivees.h"
#include "core/Images.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "core/TypesArcs.h"
#include "editing/ElimineArcsDeconnectes.h"
#include "editing/ElimineArcsDoubles.h"
#include "editing/ElimineArcsEntre.h"
#include "editing/ElimineNoeud.h"
#include "editing/ModifArcs.h"
#include "editing/ModifNoeuds.h"
#include "editing/TesteLongueursArcs.h"
#include "platform/RepondeurScripte.h"
#include "platform/ZoneImage.h"
#include "view/DessinNoeuds.h"
#include "view/Redessin.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

using namespace kelmo;

namespace {

constexpr int32_t Pivot = 1;       // the hub: 5000 arcs start or end at it
constexpr int32_t Origine = 2;     // the link of the timed services
constexpr int32_t Destination = 3;

void reseauEdition()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    DefinitValeursParDefaut();
    std::mt19937 g(14);
    std::uniform_real_distribution<float> coord(0, 3000);
    K.Noeuds.resize(6001);
    K.NbNoeuds = 6000;
    for (int i = 1; i <= 6000; ++i) {
        Noeud& n = K.Noeuds[i];
        n.Nom = QStringLiteral("VILLE %1").arg(i);
        n.Code = i * 7;
        n.Population = 1000 + i;
        n.X = coord(g);
        n.Y = coord(g);
    }
    std::uniform_int_distribution<int> noeud(4, 6000), type(0, 22);
    K.Arcs.resize(1);
    for (int i = 1; i <= NbMaxArcsFichier; ++i) {
        Arc a;
        int o = noeud(g), d = noeud(g);
        a.Mode = K.TypesArcs[type(g)].Code;
        if (i % 20 == 0) {
            // Hub arcs, spread over the whole table.
            (i % 40 == 0 ? o : d) = Pivot;
        } else if (i % 50 == 1) {
            o = Origine;
            d = Destination;
            a.Mode = TypeTER().Code;
            a.HeureDepart = static_cast<int16_t>(i % 1440);
            a.HeureArrivee = static_cast<int16_t>(i % 1440 + 20);
        }
        a.CodeOrigine = o * 7;
        a.CodeDestination = d * 7;
        a.Longueur = 50;
        a.Duree = 40;
        K.Arcs.push_back(a);
    }
    K.NbArcs = NbMaxArcsFichier;
    K.ComparaisonArcs.assign(K.Arcs.size(), 0.f);
    IndexeArcs();
    DefinitOrientationArcs();
    CalculeModesNoeuds();
    RemplitListesTypes();
    RemplitListesNoeuds();
    K.Echelle = 8;
    K.OrigineY = 400;
    ReprojetteVue();
    TrieNoeudsProfondeur();
    K.DemandeAccord = true;
    K.AfficheMessagesElimination = false;
}

// The tables as they were before a deletion, put back between iterations.
struct Sauvegarde {
    std::vector<Noeud> noeuds = K.Noeuds;
    std::vector<int16_t> index = K.IndexNoeuds;
    std::vector<Arc> arcs = K.Arcs;
    std::vector<float> comparaison = K.ComparaisonArcs;
    int32_t nbNoeuds = K.NbNoeuds, nbArcs = K.NbArcs;
    void remet() const
    {
        K.Noeuds = noeuds;
        K.IndexNoeuds = index;
        K.Arcs = arcs;
        K.ComparaisonArcs = comparaison;
        K.NbNoeuds = nbNoeuds;
        K.NbArcs = nbArcs;
    }
};

void BM_ElimineNoeudPivot(benchmark::State& state)
{
    reseauEdition();
    const Sauvegarde s;
    for (auto _ : state) {
        state.PauseTiming();
        s.remet();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ElimineNoeud(Pivot * 7));
    }
}

void BM_ElimineArcsEntreServices(benchmark::State& state)
{
    reseauEdition();
    const Sauvegarde s;
    for (auto _ : state) {
        state.PauseTiming();
        s.remet();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ElimineArcsEntre(Origine * 7, Destination * 7, TypeTER().Code, 0, 0));
    }
}

// The refresh finds the arc shown by a scan of the table: here none, so the
// whole table is read.
void BM_RafraichitModifArcs(benchmark::State& state)
{
    reseauEdition();
    ModeleModifArcs& m = K.Formes.ModifArcs;
    Kelmo_menModifieOD_Click();
    ModifArcs_DefinitListIndex3(static_cast<int>(m.ListeModifiable3.Entrees.indexOf(QStringLiteral("Avion"))));
    m.ListeModifiable1.ListIndex = 4;
    for (auto _ : state) {
        ModifArcs_DefinitListIndex2(5);
        benchmark::DoNotOptimize(m.Longueur);
    }
}

void BM_RemplitListesNoeuds(benchmark::State& state)
{
    reseauEdition();
    for (auto _ : state) {
        RemplitListesNoeuds();
        benchmark::DoNotOptimize(K.Formes.Angles.ListeModifiable1.Entrees.size());
    }
}

template <class F>
void surImages(benchmark::State& state, F&& iteration)
{
    reseauEdition();
    ZoneImageBitmap ima, imaVec;
    for (ZoneImage* z : {&ima, &imaVec}) {
        z->DefinitLargeur(350);
        z->DefinitHauteur(250);
        z->Cls();
    }
    DefinitIma(&ima);
    DefinitImaVec(&imaVec);
    ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    o = ModeleOptionsRedess{};
    o.ModesPrésents.Value = true; // every arc drawn
    DessineNoeuds(true, false);
    for (auto _ : state)
        iteration(state);
    DefinitIma(nullptr);
    DefinitImaVec(nullptr);
}

// "Créer": the node, the five lists, the view, the arcs' node numbers, the
// modes and the redraw; against the redraw alone below.
void BM_CreerNoeud(benchmark::State& state)
{
    surImages(state, [](benchmark::State& s) {
        ModeleModifNoeuds& m = K.Formes.ModifNoeuds;
        m.Texte1 = QStringLiteral("NOUVELLE");
        m.Texte2 = QStringLiteral("1");
        m.Texte3 = m.Texte4 = m.Texte5 = m.Texte6 = QStringLiteral("10");
        ModifNoeuds_Command3D2_Click();
        s.PauseTiming();
        K.Noeuds.pop_back();
        K.NbNoeuds--;
        s.ResumeTiming();
    });
}

void BM_RedessineCarteSeule(benchmark::State& state)
{
    surImages(state, [](benchmark::State&) { RedessineCarte(); });
}

// Every arc given its road distance as length: the test examines them all
// and asks nothing.
void BM_TesteLongueursArcsSansQuestion(benchmark::State& state)
{
    bench::ChargeReseauRealiste(0);
    for (int32_t k = 1; k <= K.NbArcs; ++k) {
        Arc& a = K.Arcs[k];
        const Noeud& o = K.Noeuds[a.IndiceOrigine];
        const Noeud& d = K.Noeuds[a.IndiceDestination];
        const double dx = double(o.X) - double(d.X), dy = double(o.Y) - double(d.Y);
        a.Longueur = static_cast<float>(std::floor(std::sqrt(dx * dx + dy * dy) * (203.0 / 188.0)));
    }
    // Counts the boxes shown, which must stay at none.
    RepondeurScripte boites;
    for (auto _ : state)
        benchmark::DoNotOptimize(TesteLongueursArcs());
    state.counters["boites"] = static_cast<double>(boites.appels().size());
}

// 10 000 arcs spread over the table lose their destination; the silent
// answer No to the first question deletes them all without more questions.
void BM_ElimineArcsDeconnectes10000(benchmark::State& state)
{
    bench::ChargeReseauRealiste(0);
    for (int32_t k = 5; k <= K.NbArcs; k += 10)
        K.Arcs[k].CodeDestination = -1;
    const Sauvegarde s;
    for (auto _ : state) {
        state.PauseTiming();
        s.remet();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ElimineArcsDeconnectes());
    }
}

// One arc in ten repeats the one before it.
void BM_ElimineArcsDoubles(benchmark::State& state)
{
    bench::ChargeReseauRealiste(0);
    for (int32_t k = 10; k <= K.NbArcs; k += 10)
        K.Arcs[k] = K.Arcs[k - 1];
    const Sauvegarde s;
    for (auto _ : state) {
        state.PauseTiming();
        s.remet();
        state.ResumeTiming();
        benchmark::DoNotOptimize(ElimineArcsDoubles());
    }
}

} // namespace

BENCHMARK(BM_ElimineNoeudPivot)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ElimineArcsEntreServices)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RafraichitModifArcs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RemplitListesNoeuds)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CreerNoeud)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedessineCarteSeule)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TesteLongueursArcsSansQuestion)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ElimineArcsDeconnectes10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ElimineArcsDoubles)->Unit(benchmark::kMillisecond)->UseRealTime();
