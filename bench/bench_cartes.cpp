// The value maps at the table limits: 6000 nodes, 18 000 pairs of arc-value
// file 1 and the values shown per node, each map in bitmap mode and, for the
// maps that record, with the metafile recording on; and the full redraw of
// 99 999 arcs graded by their end nodes' values.
#include "ReseauRealiste.h"
#include "core/DonneesDerivees.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "platform/ZoneImage.h"
#include "values/ArcsDegrades.h"
#include "values/Attractions.h"
#include "values/CartesFlux.h"
#include "values/CartesNoeuds.h"
#include "values/ClassesArcs.h"
#include "values/Probabilites.h"
#include "values/SurfacesFlux.h"
#include "values/ValeursParNoeud.h"
#include "view/CrochetsDessinCarte.h"
#include "view/DessinNoeuds.h"
#include "view/Redessin.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <random>

using namespace kelmo;

namespace {

// Pairs in groups of three from each origin to towns nearby (as attraction
// files hold them), some to the origin itself; the values shown are the
// populations, in ten classes of equal counts.
void donneesCartes()
{
    bench::ChargeReseauRealiste(0.3);
    RemplitListesTypes(); // every link type present is redrawn
    K.Formes.OptionsRedess = ModeleOptionsRedess{};
    K.Formes.OptionsRedess.TousModesRoute.Value = false;
    K.Formes.OptionsRedess.ModesPrésents.Value = true;
    std::mt19937 g(7);
    std::uniform_int_distribution<int> voisin(-150, 150);
    K.NombreArcs1 = NbMaxArcsValeurs;
    for (int32_t i = 1; i <= NbMaxArcsValeurs; ++i) {
        const int o = (i - 1) / 3 % K.NbNoeuds + 1;
        const int d = g() % 40 == 0 ? o : std::clamp(o + voisin(g), 1, static_cast<int>(K.NbNoeuds));
        ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        a = ArcValeur{};
        a.IndiceOrigine = static_cast<int16_t>(o);
        a.IndiceDestination = static_cast<int16_t>(d);
        a.CodeOrigine = K.Noeuds[o].Code;
        a.CodeDestination = K.Noeuds[d].Code;
        a.Valeur = 1 + static_cast<float>(g() % 100000) / 7;
        a.Couleur = RGB(255, 0, 0);
    }
    K.Formes.Statistiques.AffValNum = false;
    K.RefRondsValeur1 = 0; // sized on their own largest value
    K.NomValeurAffichee = QStringLiteral("Populations");
    PrepareValeursNoeuds(K.NomValeurAffichee);
    std::vector<float> v;
    for (int32_t i = 1; i <= K.NbNoeuds; ++i)
        v.push_back(K.ValeursNoeuds[static_cast<std::size_t>(i)].Valeur);
    std::sort(v.begin(), v.end());
    K.Classes.assign(11, Classe{});
    K.NbClasses = 10;
    for (int c = 1; c <= 10; ++c) {
        Classe& k = K.Classes[static_cast<std::size_t>(c)];
        k.BorneInf = c == 1 ? v.front() : K.Classes[static_cast<std::size_t>(c - 1)].BorneSup;
        k.BorneSup = c == 10 ? v.back() + 1 : v[v.size() * static_cast<std::size_t>(c) / 10];
        k.Couleur = RGB(25 * c, 255 - 25 * c, 100);
        k.Epaisseur = static_cast<float>(c % 4 + 1);
    }
    K.EchelleRonds = 1;
}

struct Pictures {
    ZoneImageBitmap ima, imaVec;
    explicit Pictures(bool vectoriel)
    {
        for (ZoneImage* z : {static_cast<ZoneImage*>(&ima), static_cast<ZoneImage*>(&imaVec)}) {
            z->DefinitLargeur(350);
            z->DefinitHauteur(250);
            z->Cls();
        }
        DefinitIma(&ima);
        DefinitImaVec(&imaVec);
        K.Menu(QStringLiteral("menImageVectorielle")).Checked = vectoriel;
        DessineNoeuds(true, false); // the nodes' visibility
    }
    ~Pictures()
    {
        DefinitIma(nullptr);
        DefinitImaVec(nullptr);
        EffaceMetaFichier();
    }
};

void carte(benchmark::State& state, void (*dessin)(), bool vectoriel)
{
    donneesCartes();
    Pictures images(vectoriel);
    for (auto _ : state) {
        EffaceMetaFichier();
        dessin();
        benchmark::DoNotOptimize(images.ima.Pixel(10, 10));
    }
}

void ronds() { AfficheRondsCarres(QStringLiteral("Valeur1")); }
void surfaces()
{
    AffecteSurfacesFlux();
    TrieSurfacesFlux();
    AfficheSurfacesFlux();
}
void modes()
{
    TrieArcs1();
    AfficheFluxNonOrientesModes();
}
void classesArcs()
{
    TrieArcs1();
    AfficheClassesArcs();
}

void BM_TrieArcs1(benchmark::State& state)
{
    donneesCartes();
    const std::vector<ArcValeur> melange = K.Arcs1;
    for (auto _ : state) {
        state.PauseTiming();
        K.Arcs1 = melange;
        state.ResumeTiming();
        TrieArcs1();
        benchmark::DoNotOptimize(K.Arcs1[1].Valeur);
    }
}

// The worst order the files bring: already sorted from the largest down.
void BM_TrieArcs1Decroissant(benchmark::State& state)
{
    donneesCartes();
    std::sort(K.Arcs1.begin() + 1, K.Arcs1.begin() + 1 + K.NombreArcs1,
              [](const ArcValeur& a, const ArcValeur& b) { return std::fabs(a.Valeur) > std::fabs(b.Valeur); });
    const std::vector<ArcValeur> decroissant = K.Arcs1;
    for (auto _ : state) {
        state.PauseTiming();
        K.Arcs1 = decroissant;
        state.ResumeTiming();
        TrieArcs1();
        benchmark::DoNotOptimize(K.Arcs1[1].Valeur);
    }
}

void BM_RedessineArcsDegrades(benchmark::State& state, bool vectoriel)
{
    donneesCartes();
    InstalleArcsDegrades();
    int64_t degrades = 0;
    DessineArcDegrade = [&degrades](int32_t i) {
        ++degrades;
        DessineArcDegradeCarte(i);
    };
    K.Menu(QStringLiteral("menCouleursNoeuds")).Checked = true;
    Pictures images(vectoriel);
    for (auto _ : state) {
        RedessineCarte();
        benchmark::DoNotOptimize(images.ima.Pixel(10, 10));
    }
    state.counters["arcs"] = benchmark::Counter(static_cast<double>(degrades), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK_CAPTURE(carte, Ronds, ronds, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, RondsEnregistres, ronds, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, Valeurs, AfficheValeursNoeuds, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, ValeursEnregistrees, AfficheValeursNoeuds, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, Afflux, AfficheAffluxNoeuds, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TrieArcs1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TrieArcs1Decroissant)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, ClassesArcs, classesArcs, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, ClassesArcsEnregistrees, classesArcs, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, Attractions, AfficheAttractions, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, AttractionsEnregistrees, AfficheAttractions, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(carte, Flux, AfficheFlux, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, FluxEnregistres, AfficheFlux, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, FluxNonOrientes, AfficheFluxNonOrientes, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, FluxNonOrientesEnregistres, AfficheFluxNonOrientes, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(carte, FluxModes, modes, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, FluxModesEnregistres, modes, true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, SurfacesFlux, surfaces, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, Probabilites, AfficheProbabilites, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(carte, AutoAttractions, AfficheAutoAttractions, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_RedessineArcsDegrades, Bitmap, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_RedessineArcsDegrades, Enregistre, true)->Unit(benchmark::kMillisecond)->UseRealTime();
