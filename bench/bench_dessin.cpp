// The full redraw of the map at the table limits: 6000 nodes and 99 999 arcs,
// every link type present, tents raised by a tilted view, in bitmap mode and
// with the metafile recording on.
#include "core/Defauts.h"
#include "core/DonneesDerivees.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "core/TypesArcs.h"
#include "platform/ZoneImage.h"
#include "view/DessinNoeuds.h"
#include "view/Redessin.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <random>

using namespace kelmo;

namespace {

void carteGrande()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    // Towns on a jittered 100 x 60 grid over the picture, each linked to
    // towns at most two cells away, as a regional network is.
    std::mt19937 g(11);
    std::uniform_real_distribution<float> bruit(-12, 12);
    K.Noeuds.resize(6001);
    K.NbNoeuds = 6000;
    for (int i = 1; i <= 6000; ++i) {
        Noeud& n = K.Noeuds[i];
        n.Nom = QStringLiteral("VILLE %1").arg(i);
        n.Code = i * 3;
        n.Population = (i % 3 == 0) ? 20000 + i : 500;
        n.X = float((i - 1) % 100) * 39 + 20 + bruit(g);
        n.Y = float((i - 1) / 100) * 44 + 20 + bruit(g);
        n.Z = float(i % 50);
    }
    std::uniform_int_distribution<int> pas(-2, 2), type(0, 22);
    K.Arcs.resize(1);
    for (int i = 1; i <= NbMaxArcsFichier; ++i) {
        Arc a;
        const int o = (i - 1) % 6000 + 1;
        const int col = std::clamp((o - 1) % 100 + pas(g), 0, 99);
        const int lig = std::clamp((o - 1) / 100 + pas(g), 0, 59);
        int d = lig * 100 + col + 1;
        if (d == o)
            d = o % 6000 + 1;
        a.CodeOrigine = o * 3;
        a.CodeDestination = d * 3;
        a.Mode = K.TypesArcs[type(g)].Code;
        a.Longueur = 50;
        a.Duree = 40;
        K.Arcs.push_back(a);
    }
    K.NbArcs = NbMaxArcsFichier;
    K.ComparaisonArcs.assign(K.Arcs.size(), 1.f);
    IndexeArcs();
    DefinitOrientationArcs();
    CalculeModesNoeuds();
    RemplitListesTypes();

    // The start-up view and appearance, tilted so that every tent is raised.
    DefinitValeursParDefaut();
    K.VitesseReference = 220;
    K.OrigineY = 900;
    K.AngleVertical = 0.3;
    K.TraceFleches = 1;
    ReprojetteVue();
    TrieNoeudsProfondeur();

    ModeleOptionsRedess& o = K.Formes.OptionsRedess;
    o = ModeleOptionsRedess{};
    o.TousModesRoute.Value = false;
    o.ModesPrésents.Value = true; // every link type, so every arc is drawn
}

// A picture that paints nothing: what the drawing code itself costs, apart
// from the rasterisation of the pixels.
class ZoneImageMuette : public ZoneImageBitmap {
public:
    void Ellipse(int, int, int, int) override {}
    void Polyline(const QPoint*, int) override {}
    void Polygon(const QPoint*, int) override {}
    void Segments(const QLine*, int) override {}
    void TextOutA(int, int, const QString&) override {}
    void Peint(const std::function<void(QPainter&)>&) override {}
};

template <class Image>
void redessine(benchmark::State& state, bool vectoriel)
{
    carteGrande();
    Image ima, imaVec;
    for (ZoneImage* z : {&ima, &imaVec}) {
        z->DefinitLargeur(350);
        z->DefinitHauteur(250);
        z->Cls();
    }
    DefinitIma(&ima);
    DefinitImaVec(&imaVec);
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = vectoriel;
    DessineNoeuds(true, false); // decides which nodes are visible
    for (auto _ : state) {
        RedessineCarte();
        benchmark::DoNotOptimize(ima.Pixel(10, 10));
    }
    DefinitIma(nullptr);
    DefinitImaVec(nullptr);
    EffaceMetaFichier();
}

void BM_RedessineCarteBitmap(benchmark::State& state) { redessine<ZoneImageBitmap>(state, false); }
void BM_RedessineCarteEnregistree(benchmark::State& state) { redessine<ZoneImageBitmap>(state, true); }
void BM_RedessineCarteSansPixels(benchmark::State& state) { redessine<ZoneImageMuette>(state, false); }
void BM_RedessineCarteEnregistreeSansPixels(benchmark::State& state) { redessine<ZoneImageMuette>(state, true); }

} // namespace

BENCHMARK(BM_RedessineCarteBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedessineCarteEnregistree)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedessineCarteSansPixels)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedessineCarteEnregistreeSansPixels)->Unit(benchmark::kMillisecond)->UseRealTime();

