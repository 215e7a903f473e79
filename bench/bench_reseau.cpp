// The network core at its table limits: 6000 nodes and 99 999 arcs.
#include "core/ArcsMinimaux.h"
#include "core/ComparaisonArcs.h"
#include "core/DonneesDerivees.h"
#include "core/FichierArcs.h"
#include "core/FichierNoeuds.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace kelmo;

namespace {

// A grid-like network: every node linked to a few neighbours by a mix of
// link types, some links doubled by faster modes.
void reseauGrand()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    std::mt19937 g(7);
    std::uniform_real_distribution<float> coord(0, 3900);
    K.Noeuds.resize(6001);
    K.NbNoeuds = 6000;
    K.IndexNoeuds.assign(6001, 0);
    for (int i = 1; i <= 6000; ++i) {
        Noeud& n = K.Noeuds[i];
        n.Nom = QStringLiteral("VILLE %1").arg(i);
        n.Code = i * 3;
        n.Population = 1000 + i;
        n.X = coord(g);
        n.Y = coord(g);
        n.Visible = true;
    }
    const int16_t modes[] = {7, 7, 71, 72, 6, 4, 3, 61, 2, 8};
    std::uniform_int_distribution<int> voisin(1, 40), mode(0, 9);
    K.Arcs.resize(1);
    for (int i = 1; i <= NbMaxArcsFichier; ++i) {
        Arc a;
        const int o = (i - 1) % 6000 + 1;
        const int d = (o + voisin(g) - 1) % 6000 + 1;
        a.CodeOrigine = o * 3;
        a.CodeDestination = d * 3;
        a.Mode = modes[mode(g)];
        a.Longueur = 50;
        a.Duree = 40;
        a.Jours = QStringLiteral("0000000");
        K.Arcs.push_back(a);
    }
    K.NbArcs = NbMaxArcsFichier;
    K.ComparaisonArcs.assign(K.Arcs.size(), 0.f);
}

struct Fichiers {
    QTemporaryDir dir;
    QString noeuds = dir.filePath(QStringLiteral("n.dat"));
    QString arcs = dir.filePath(QStringLiteral("a.dat"));
    Fichiers()
    {
        reseauGrand();
        IndexeArcs();
        CreeFichierNoeuds(noeuds);
        CreeFichierArcs(arcs);
    }
};

Fichiers& fichiers()
{
    static Fichiers f;
    return f;
}

void BM_LectureNoeuds6000(benchmark::State& s)
{
    const QString chemin = fichiers().noeuds;
    for (auto _ : s)
        LitFichierNoeuds(chemin);
}
BENCHMARK(BM_LectureNoeuds6000)->Unit(benchmark::kMillisecond);

void BM_LectureArcs99999(benchmark::State& s)
{
    const QString chemin = fichiers().arcs;
    for (auto _ : s)
        LitFichierArcs(chemin);
}
BENCHMARK(BM_LectureArcs99999)->Unit(benchmark::kMillisecond);

void BM_EcritureNoeudsEtArcs(benchmark::State& s)
{
    fichiers();
    reseauGrand();
    IndexeArcs();
    QTemporaryDir dir;
    for (auto _ : s) {
        CreeFichierNoeuds(dir.filePath(QStringLiteral("n.dat")));
        CreeFichierArcs(dir.filePath(QStringLiteral("a.dat")));
    }
}
BENCHMARK(BM_EcritureNoeudsEtArcs)->Unit(benchmark::kMillisecond);

void BM_DonneesDerivees(benchmark::State& s)
{
    reseauGrand();
    for (auto _ : s) {
        IndexeArcs();
        DefinitOrientationArcs();
        CalculeModesNoeuds();
    }
}
BENCHMARK(BM_DonneesDerivees)->Unit(benchmark::kMillisecond);

// The whole load as the file command does it.
void BM_ChargementComplet(benchmark::State& s)
{
    const Fichiers& f = fichiers();
    for (auto _ : s) {
        LitFichierNoeuds(f.noeuds);
        LitFichierArcs(f.arcs);
        IndexeArcs();
        DefinitOrientationArcs();
        CalculeModesNoeuds();
    }
}
BENCHMARK(BM_ChargementComplet)->Unit(benchmark::kMillisecond);

void BM_ArcsMinimaux(benchmark::State& s)
{
    reseauGrand();
    K.Formes.OptionsRelief.TGV = K.Formes.OptionsRelief.Autoroute = K.Formes.OptionsRelief.Train = true;
    for (auto _ : s)
        SelectionneArcsMinimaux();
}
BENCHMARK(BM_ArcsMinimaux)->Unit(benchmark::kMillisecond);

void BM_ComparaisonReference(benchmark::State& s)
{
    const Fichiers& f = fichiers();
    for (auto _ : s) {
        s.PauseTiming();
        reseauGrand();
        K.NbArcs = 60000; // the rest only in the reference file
        K.Arcs.resize(60001);
        K.NomFichierArcsReference = f.arcs;
        s.ResumeTiming();
        LitFichierArcsReference(7);
    }
}
BENCHMARK(BM_ComparaisonReference)->Unit(benchmark::kMillisecond);

} // namespace
