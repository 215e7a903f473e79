// The statistics window's handler chains at the table limits: a node
// quantity on 6000 nodes (compute, sort, size, strips, counts, chart), an
// arc-value file of 18 000 pairs as the source, and a bound method with the
// map previewed (6000 circles drawn once at the end).
#include "core/Defauts.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "values/ClassesValeurs.h"
#include "values/CommandesCartes.h"
#include "values/GestionStatistiques.h"
#include "values/MethodesBornes.h"
#include "values/Statistiques.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace kelmo;

namespace {

// 6000 nodes spread over the picture, each with a value in both files, and
// 18 000 arc-value pairs; ten classes.
void statistiques()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    DefinitValeursParDefaut();
    std::mt19937 g(5);
    K.Noeuds.resize(6001);
    K.NbNoeuds = 6000;
    K.ValeursFichiersNoeuds.assign(6001, ValeurNoeud{});
    K.NbValeursNoeuds = 6000;
    for (int i = 1; i <= 6000; ++i) {
        Noeud& n = K.Noeuds[static_cast<std::size_t>(i)];
        n.Code = 3 * i;
        n.XEcran = static_cast<float>(g() % 1300);
        n.YEcran = static_cast<float>(g() % 900);
        ValeurNoeud& v = K.ValeursFichiersNoeuds[static_cast<std::size_t>(i)];
        v.Code = 3 * i;
        v.Valeur1 = static_cast<float>(g() % 90000) / 7.0f;
        v.Valeur2 = static_cast<float>(g() % 90000) / 9.0f;
    }
    K.NombreArcs1 = NbMaxArcsValeurs;
    for (int i = 1; i <= NbMaxArcsValeurs; ++i)
        K.Arcs1[static_cast<std::size_t>(i)].Valeur = 1 + static_cast<float>(g() % 100000) / 7.0f;
    Statistiques_Form_Load();
    K.Formes.Statistiques.Text5 = QStringLiteral("10");
    Statistiques_Text5_Change();
}

void BM_StatistiquesOptionNoeud(benchmark::State& state)
{
    statistiques();
    for (auto _ : state)
        Statistiques_DiffRelat_Click();
    benchmark::DoNotOptimize(K.Formes.Statistiques.Graph1.Points.data());
}
BENCHMARK(BM_StatistiquesOptionNoeud)->Unit(benchmark::kMillisecond);

void BM_StatistiquesArcVale1(benchmark::State& state)
{
    statistiques();
    for (auto _ : state)
        Statistiques_ArcVale1_Click();
    benchmark::DoNotOptimize(K.Formes.Statistiques.Graph1.Points.data());
}
BENCHMARK(BM_StatistiquesArcVale1)->Unit(benchmark::kMillisecond);

// "Iso-amplitude" writes eleven boxes; the map preview is drawn once.
void BM_IsoAmplitudeAvecApercu(benchmark::State& state)
{
    statistiques();
    InstalleCommandesCartes();
    Statistiques_Option3D1_Click();
    K.Formes.Statistiques.ApercuCarte = true;
    for (auto _ : state)
        Statistiques_SSCommand1_Click();
    benchmark::DoNotOptimize(Ima().Image().constBits());
}
BENCHMARK(BM_IsoAmplitudeAvecApercu)->Unit(benchmark::kMillisecond);

} // namespace
