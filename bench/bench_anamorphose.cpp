// The anamorphosis on a full-size network (6000 nodes, 99 999 arcs), its
// redraws stubbed, and the facets indexed against 6000 nodes.
#include "ReseauRealiste.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "relief/Anamorphose.h"
#include "relief/FacettesGPS.h"
#include "relief/LiensCarte.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace kelmo;

namespace {

struct Reseau {
    QTemporaryDir dir;
    std::vector<Noeud> noeuds;
    std::vector<Arc> arcs;
    Reseau()
    {
        bench::ChargeReseauRealiste(0);
        noeuds = K.Noeuds;
        arcs = K.Arcs;
    }
    // The network as generated, and a run's settings: redraws stubbed.
    void remet()
    {
        K.Noeuds = noeuds;
        K.Arcs = arcs;
        K.ComparaisonArcs.assign(arcs.size(), 1.f);
        K.NbNoeuds = static_cast<int32_t>(noeuds.size()) - 1;
        K.NbArcs = static_cast<int32_t>(arcs.size()) - 1;
        K.VitesseReference = 220;
        K.Echelle = 1;
        K.RacineDonnees = dir.path();
        K.Formes.frmAnamorphose.ListeModifiable1.ListIndex = 1;
        LiensVersCarte().RedessineCarte = [] {};
        LiensVersCarte().DessineNoeuds = [](bool, bool) {};
        LiensVersCarte().RepeintFenetre = [] {};
    }
};

Reseau& reseau()
{
    static Reseau r;
    return r;
}

void BM_Anamorphose6000Noeuds99999Arcs(benchmark::State& s)
{
    Reseau& r = reseau();
    for (auto _ : s) {
        s.PauseTiming();
        r.remet();
        s.ResumeTiming();
        CalculeAnamorphose();
    }
    int gardes = 0;
    for (int32_t j = 1; j <= K.NbArcs; ++j)
        gardes += K.Arcs[j].Minimal;
    s.counters["arcs gardes"] = gardes;
}
BENCHMARK(BM_Anamorphose6000Noeuds99999Arcs)->Unit(benchmark::kMillisecond);

void BM_NiveauxAnamorphose(benchmark::State& s)
{
    Reseau& r = reseau();
    r.remet();
    TrieArcsParType();
    SelectionneArcsMinimauxAnam();
    int nbPas = 0;
    for (auto _ : s)
        nbPas = NiveauxDepuisDepart(1).nbPas;
    s.counters["pas"] = nbPas;
}
BENCHMARK(BM_NiveauxAnamorphose)->Unit(benchmark::kMillisecond);

void BM_IndexeFacettes30000(benchmark::State& s)
{
    reseau().remet();
    std::mt19937 g(3);
    // Node codes run from 100007 by 7: about one code in eight is unknown.
    std::uniform_int_distribution<int32_t> indice(1, 6900);
    auto code = [&](std::mt19937& h) { return 100000 + 7 * indice(h); };
    K.FacettesGPS.assign(1, FacetteGPS{});
    for (int f = 1; f <= NbMaxFacettesGPS; ++f)
        K.FacettesGPS.push_back(FacetteGPS{0, 0, 0, code(g), code(g), code(g)});
    K.NbFacettesGPS = NbMaxFacettesGPS;
    for (auto _ : s)
        IndexeFacettesGPS();
}
BENCHMARK(BM_IndexeFacettes30000)->Unit(benchmark::kMillisecond);

} // namespace
