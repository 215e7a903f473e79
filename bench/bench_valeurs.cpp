// The value files and computations at their table limits: 6000 nodes,
// 6000 node values, 18 000 arc values.
#include "core/Defauts.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/Fichiers.h"
#include "platform/RepondeurScripte.h"
#include "values/ClassesValeurs.h"
#include "values/DifferencesArcs.h"
#include "values/FichierArcValeur.h"
#include "values/FichierNoeudValeur.h"
#include "values/MethodesBornes.h"
#include "values/ReliefArcsValeurs.h"
#include "values/Statistiques.h"
#include "values/ValeursParNoeud.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <string>

using namespace kelmo;

namespace {

// 6000 nodes coded 3, 6, ..., and a road arc for each of the first pairs.
void reseau()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    DefinitValeursParDefaut();
    K.Noeuds.resize(6001);
    K.NbNoeuds = 6000;
    for (int i = 1; i <= 6000; ++i) {
        K.Noeuds[i].Code = 3 * i;
        K.Noeuds[i].Population = 1000 + 7 * i;
    }
    for (int i = 1; i <= 99999; ++i) {
        Arc a;
        a.CodeOrigine = 3 * ((i - 1) % 6000 + 1);
        a.CodeDestination = 3 * ((i + 17) % 6000 + 1);
        a.Mode = i % 3 == 0 ? TypeRoute70().Code : TypeTGV().Code;
        a.Longueur = 12;
        K.Arcs.push_back(a);
    }
    K.NbArcs = 99999;
}

std::string fichierArcs(int graine)
{
    std::mt19937 g(static_cast<unsigned>(graine));
    std::string s;
    char buf[96];
    for (int k = 0; k < NbMaxArcsValeurs; ++k) {
        const int o = 3 * static_cast<int>(g() % 6000 + 1), d = 3 * static_cast<int>(g() % 6000 + 1);
        std::snprintf(buf, sizeof buf, "%10d %10d%36.4f\r\n", o, d, 1 + (g() % 100000) / 7.0);
        s += buf;
    }
    return s;
}

std::string fichierNoeuds(bool libelle)
{
    std::string s;
    char buf[64];
    for (int i = 1; i <= 6000; ++i) {
        std::snprintf(buf, sizeof buf, libelle ? "%d %d,%d VILLE %d\r\n" : "%d %d.%d\r\n", 3 * i, (i * 37) % 900,
                      i % 10, i);
        s += buf;
    }
    return s;
}

struct Fichiers {
    QTemporaryDir dir;
    QString arcs1 = dir.filePath(QStringLiteral("3ar1.dat"));
    QString arcs2 = dir.filePath(QStringLiteral("3ar2.dat"));
    QString noeuds = dir.filePath(QStringLiteral("stm.dat"));
    QString noeudsLibelles = dir.filePath(QStringLiteral("stml.dat"));
    Fichiers()
    {
        EnregistreFichier(arcs1, fichierArcs(1));
        EnregistreFichier(arcs2, fichierArcs(2));
        EnregistreFichier(noeuds, fichierNoeuds(false));
        EnregistreFichier(noeudsLibelles, fichierNoeuds(true));
    }
};

Fichiers& fichiers()
{
    static Fichiers f;
    return f;
}

void BM_LectureEtIndexArcsValeurs(benchmark::State& state)
{
    reseau();
    for (auto _ : state) {
        LitFichierArcValeur1(fichiers().arcs1);
        IndexeArcs1();
    }
    benchmark::DoNotOptimize(K.Arcs1[NbMaxArcsValeurs].IndiceOrigine);
}
BENCHMARK(BM_LectureEtIndexArcsValeurs)->Unit(benchmark::kMillisecond);

// Reading file 1 and file 2 (by code), then the values, sort and sizes.
void BM_ValeursNoeudsLuesTrieesDimensionnees(benchmark::State& state)
{
    reseau();
    for (auto _ : state) {
        LitFichierNoeudValeur1(fichiers().noeuds);
        LitFichierNoeudValeur2(fichiers().noeudsLibelles);
        PrepareValeursNoeuds(QStringLiteral("Différences relatives"));
    }
    benchmark::DoNotOptimize(K.TailleSymboles[1]);
}
BENCHMARK(BM_ValeursNoeudsLuesTrieesDimensionnees)->Unit(benchmark::kMillisecond);

void differences(benchmark::State& state, void (*difference)())
{
    reseau();
    LitFichierArcValeur1(fichiers().arcs1);
    LitFichierArcValeur2(fichiers().arcs2);
    const std::vector<ArcValeur> arcs1 = K.Arcs1;
    const int32_t n1 = K.NombreArcs1;
    for (auto _ : state) {
        state.PauseTiming();
        K.Arcs1 = arcs1;
        K.NombreArcs1 = n1;
        state.ResumeTiming();
        difference();
    }
}
void BM_DifferenceAbsolueArcs(benchmark::State& state) { differences(state, DifferenceAbsolueArcs); }
void BM_DifferenceRelativeArcs(benchmark::State& state) { differences(state, DifferenceRelativeArcs); }
BENCHMARK(BM_DifferenceAbsolueArcs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DifferenceRelativeArcs)->Unit(benchmark::kMillisecond);

void BM_VitesseReferenceArcVal(benchmark::State& state)
{
    reseau();
    LitFichierArcValeur1(fichiers().arcs1);
    for (auto _ : state)
        CalculeVitesseReferenceArcVal();
    benchmark::DoNotOptimize(K.VitesseReference);
}
BENCHMARK(BM_VitesseReferenceArcVal)->Unit(benchmark::kMillisecond);

// Each bound method on 6000 node values and 10 classes, the class drawing
// run once per bound written included.
void methode(benchmark::State& state, void (*clic)())
{
    reseau();
    LitFichierNoeudValeur1(fichiers().noeuds);
    PrepareValeursNoeuds(QStringLiteral("Valeur1"));
    Statistiques_Form_Load();
    K.Formes.Statistiques.Text5 = QStringLiteral("10");
    Statistiques_Text5_Change();
    K.Formes.Statistiques.Text1 = QStringLiteral(" 0");
    K.Formes.Statistiques.Text2 = QStringLiteral(" 900");
    for (auto _ : state)
        clic();
}
void BM_IsoAmplitude(benchmark::State& state) { methode(state, Statistiques_SSCommand1_Click); }
void BM_IsoEffectifs(benchmark::State& state) { methode(state, Statistiques_SSCommand2_Click); }
BENCHMARK(BM_IsoAmplitude)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IsoEffectifs)->Unit(benchmark::kMillisecond);

void BM_IntervallesReguliers(benchmark::State& state)
{
    RepondeurScripte ui;
    methode(state, [] {
        auto* r = static_cast<RepondeurScripte*>(&Ui());
        r->efface();
        r->RepondTexte(QStringLiteral("90"));
        Statistiques_SSCommand3_Click();
    });
}
BENCHMARK(BM_IntervallesReguliers)->Unit(benchmark::kMillisecond);

} // namespace
