// The time-space relief of the full-size network: "Temps", tilt pi/3, drawn
// with its painting in bitmap mode and with the metafile recording (which
// also collects the facets and paints them again back to front), and the
// painter's order of those facets alone.
#include "ReseauRealiste.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "relief/DessinRelief.h"
#include "relief/OrdreFacettes.h"

#include <benchmark/benchmark.h>
#include <numbers>

using namespace kelmo;

namespace {

struct Images {
    ZoneImageBitmap ima, imaVec;
    Images()
    {
        for (ZoneImage* z : {static_cast<ZoneImage*>(&ima), static_cast<ZoneImage*>(&imaVec)}) {
            z->DefinitLargeur(350);
            z->DefinitHauteur(250);
            z->Cls();
        }
        DefinitIma(&ima);
        DefinitImaVec(&imaVec);
    }
    ~Images()
    {
        DefinitIma(nullptr);
        DefinitImaVec(nullptr);
        EffaceMetaFichier();
    }
};

void relief(benchmark::State& state, bool vectoriel)
{
    bench::ChargeReseauRealiste(std::numbers::pi / 3);
    Images images;
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = vectoriel;
    K.NbMaxFacettes = 10000;
    K.NbMaxSommets = 10000;
    for (auto _ : state) {
        EffaceMetaFichier();
        DessineRelief(1, K.NbNoeuds);
        benchmark::DoNotOptimize(images.ima.Pixel(10, 10));
    }
    state.counters["facettes"] = K.NbFacettes;
    state.counters["Mo_meta"] = MetaFichier ? 2e-6 * static_cast<double>(MetaFichier->Mots().size()) : 0;
}

void BM_ReliefBitmap(benchmark::State& state) { relief(state, false); }
void BM_ReliefMetaFichier(benchmark::State& state) { relief(state, true); }

void BM_OrdonneFacettes(benchmark::State& state)
{
    bench::ChargeReseauRealiste(std::numbers::pi / 3);
    Images images;
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    K.NbMaxFacettes = 10000;
    K.NbMaxSommets = 10000;
    DessineRelief(1, K.NbNoeuds);
    const std::vector<Facette> collectees = K.Facettes;
    for (auto _ : state) {
        state.PauseTiming();
        K.Facettes = collectees;
        state.ResumeTiming();
        OrdonneFacettes();
    }
    state.counters["facettes"] = K.NbFacettes;
}

} // namespace

BENCHMARK(BM_ReliefBitmap)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReliefMetaFichier)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OrdonneFacettes)->Unit(benchmark::kMillisecond)->Iterations(5);
