// The DXF export at the table limits: 6000 nodes with labels and circles,
// 99 999 arcs as folded bands (about 600 000 faces) and as tubes of 6 sides
// (about 1.2 million faces), written into memory and to a file; the number
// form against the library's; a redraw of every arc in node colours with its
// pieces collected, and their file.
//
// With KELMO_DXF_ECHANTILLON naming a folder, the bands and the tubes are
// also saved there once, for bench/bench_ezdxf.py to write the same
// entities with ezdxf.
#include "core/DonneesDerivees.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "dxf/ArcsDXF.h"
#include "dxf/CouleursNoeudsDXF.h"
#include "dxf/CrochetsDessinCarte.h"
#include "dxf/Faces3DDXF.h"
#include "dxf/FichierDXF.h"
#include "dxf/NoeudsDXF.h"
#include "dxf/TubesDXF.h"
#include "view/CrochetsDessinCarte.h"
#include "view/Redessin.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <charconv>
#include <cstdlib>
#include <random>

using namespace kelmo;

namespace {

void reseauPleineTaille()
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    std::mt19937 g(16);
    std::uniform_real_distribution<float> bruit(-800, 800);
    K.Noeuds.resize(6001);
    K.NbNoeuds = 6000;
    for (int i = 1; i <= 6000; ++i) {
        Noeud& n = K.Noeuds[static_cast<std::size_t>(i)];
        n.Nom = QStringLiteral("Commune n° %1").arg(i);
        n.Code = i * 7;
        n.Population = 300 + (i * 7919) % 200000;
        n.X = 400000.f + float((i - 1) % 100) * 2500 + bruit(g);
        n.Y = 2100000.f + float((i - 1) / 100) * 2500 + bruit(g);
        n.Z = float(i % 400);
    }
    std::uniform_int_distribution<int> pas(-2, 2), type(0, 22);
    K.Arcs.assign(1, Arc{});
    for (int i = 1; i <= NbMaxArcsFichier; ++i) {
        Arc a;
        const int o = (i - 1) % 6000 + 1;
        const int col = std::clamp((o - 1) % 100 + pas(g), 0, 99);
        const int lig = std::clamp((o - 1) / 100 + pas(g), 0, 59);
        int d = lig * 100 + col + 1;
        if (d == o)
            d = o % 6000 + 1;
        a.CodeOrigine = o * 7;
        a.CodeDestination = d * 7;
        a.Mode = K.TypesArcs[static_cast<std::size_t>(type(g))].Code;
        a.Longueur = 3;
        a.Duree = 4;
        a.Minimal = 1;
        K.Arcs.push_back(a);
    }
    K.NbArcs = NbMaxArcsFichier;
    K.ComparaisonArcs.assign(K.Arcs.size(), 1.f);
    IndexeArcs();
    K.TypeValuationRelief = QStringLiteral("FichierRelief3D");
    K.VitesseReference = 100;
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    s.CocheArcs[0].Value = true;
    s.Valeur = ValeurArcsDXF::ArcValeur;
}

void echantillon(const std::string& octets, const char* nom)
{
    const char* dossier = std::getenv("KELMO_DXF_ECHANTILLON");
    if (dossier && *dossier)
        EnregistreFichierDXF(QDir(QString::fromLocal8Bit(dossier)).filePath(QString::fromLatin1(nom)), octets);
}

template <class Ecrit>
void arcs(benchmark::State& state, ObjetArcsDXF objet, Ecrit ecrit, const char* nom, bool versFichier)
{
    reseauPleineTaille();
    K.Formes.SortieDXF.Objet = objet;
    QTemporaryDir dossier;
    std::size_t faces = 0;
    // One buffer for every pass, as the pages a system hands out the first
    // time cost more than the writing (the file pass pays them each time).
    TamponDXF t;
    for (auto _ : state) {
        if (versFichier)
            t = TamponDXF{};
        t.octets.clear();
        t.Reserve(BorneOctetsDXF());
        PrepareArcsDXF();
        ecrit(t);
        if (versFichier)
            EnregistreFichierDXF(dossier.filePath(QStringLiteral("arcs.dxf")), t.octets);
        benchmark::DoNotOptimize(t.octets.data());
    }
    const std::string& dernier = t.octets;
    const std::size_t octets = dernier.size();
    for (std::size_t p = dernier.find("3DFACE"); p != std::string::npos; p = dernier.find("3DFACE", p + 6))
        ++faces;
    state.counters["faces"] = static_cast<double>(faces);
    state.counters["Mo"] = static_cast<double>(octets) / 1e6;
    state.counters["ns_par_face"] =
        benchmark::Counter(static_cast<double>(faces), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    if (!versFichier)
        echantillon(dernier, nom);
}

void BM_DXF_Faces3D_Memoire(benchmark::State& state)
{
    arcs(state, ObjetArcsDXF::TroisDFaces, [](TamponDXF& t) { EcritArcs3DFacesDXF(t); }, "faces.dxf", false);
}
BENCHMARK(BM_DXF_Faces3D_Memoire)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_DXF_Faces3D_Fichier(benchmark::State& state)
{
    arcs(state, ObjetArcsDXF::TroisDFaces, [](TamponDXF& t) { EcritArcs3DFacesDXF(t); }, "faces.dxf", true);
}
BENCHMARK(BM_DXF_Faces3D_Fichier)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_DXF_Tubes_Memoire(benchmark::State& state)
{
    arcs(state, ObjetArcsDXF::TroisDTubes, [](TamponDXF& t) { EcritArcsTubesDXF(t); }, "tubes.dxf", false);
}
BENCHMARK(BM_DXF_Tubes_Memoire)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_DXF_Tubes_Fichier(benchmark::State& state)
{
    arcs(state, ObjetArcsDXF::TroisDTubes, [](TamponDXF& t) { EcritArcsTubesDXF(t); }, "tubes.dxf", true);
}
BENCHMARK(BM_DXF_Tubes_Fichier)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_DXF_Polylignes(benchmark::State& state)
{
    reseauPleineTaille();
    K.Formes.SortieDXF.Objet = ObjetArcsDXF::PolyLignes;
    // The buffer sized once as the export sizes it, then reused, as for the
    // faces: the first touch of its pages is not the writing.
    TamponDXF t;
    for (auto _ : state) {
        t.octets.clear();
        t.Reserve(BorneOctetsDXF());
        PrepareArcsDXF();
        EcritArcsPolylignesDXF(t);
        benchmark::DoNotOptimize(t.octets.data());
    }
    state.counters["Mo"] = static_cast<double>(t.octets.size()) / 1e6;
}
BENCHMARK(BM_DXF_Polylignes)->Unit(benchmark::kMillisecond);

void BM_DXF_NoeudsEtiquettesEtCercles(benchmark::State& state)
{
    reseauPleineTaille();
    ModeleSortieDXF& s = K.Formes.SortieDXF;
    s.CocheArcs[0].Value = false;
    s.CocheNoeud[0].Value = true;
    s.cochecircle.Value = true;
    s.Rayon = RayonCerclesDXF::FonctionPopulation;
    for (auto _ : state) {
        TamponDXF t;
        ConstruitFichierDXF(t);
        benchmark::DoNotOptimize(t.octets.data());
    }
}
BENCHMARK(BM_DXF_NoeudsEtiquettesEtCercles)->Unit(benchmark::kMillisecond);

// A redraw of all the arcs in node colours, collecting their pieces, then
// their file written into memory.
void BM_DXF_CouleursNoeuds_Redessin(benchmark::State& state)
{
    reseauPleineTaille();
    K.NbClasses = 10;
    K.Classes.assign(11, Classe{});
    for (int k = 1; k <= 10; ++k)
        K.Classes[static_cast<std::size_t>(k)] = {float(k * 40 - 40), float(k * 40), 0x102030 * k, 1};
    for (int i = 1; i <= K.NbNoeuds; ++i) {
        Noeud& n = K.Noeuds[static_cast<std::size_t>(i)];
        n.XEcran = (n.X - 400000.f) / 250.f;
        n.YEcran = (n.Y - 2100000.f) / 250.f;
        n.Visible = true;
    }
    CalculeModesNoeuds();
    RemplitListesTypes();
    K.Formes.OptionsRedess = ModeleOptionsRedess{};
    K.Formes.OptionsRedess.TousModesRoute.Value = false;
    K.Formes.OptionsRedess.AfficheNoeuds.Value = false;
    K.Formes.OptionsRedess.AfficheNomsNoeuds.Value = false;
    K.Formes.OptionsRedess.ModesPrésents.Value = true;
    K.Formes.TraceArcs.DXFCouleurNoeuds = 1;
    K.Menu(QStringLiteral("menCouleursNoeuds")).Checked = true;
    K.EpaisseurArcsDXF = 0.5;
    InstalleCrochetsDessinCarteDXF();
    // The file is written by the next benchmark; the redraw asks nothing.
    EcritArcsCouleursNoeudsDXF = nullptr;
    for (auto _ : state)
        RedessineCarte();
    state.counters["pieces"] = K.NbSegmentsDXF;
    TamponDXF t;
    ConstruitFichierCouleursNoeudsDXF(t);
    state.counters["Mo_fichier"] = static_cast<double>(t.octets.size()) / 1e6;
}
BENCHMARK(BM_DXF_CouleursNoeuds_Redessin)->Unit(benchmark::kMillisecond);

// The general form of coordinates against the library's fixed-precision one.
std::vector<double> valeurs()
{
    std::mt19937_64 g(3);
    std::uniform_real_distribution<double> v(-2.5e6, 2.5e6);
    std::vector<double> r(1 << 16);
    for (double& x : r)
        x = v(g);
    return r;
}

void BM_NombreDXF_Simple(benchmark::State& state)
{
    const std::vector<double> v = valeurs();
    char b[LongueurMaxNombreDXF];
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormeGeneraleDXF(b, static_cast<float>(v[i++ & 0xFFFF]), 7));
}
BENCHMARK(BM_NombreDXF_Simple);

void BM_NombreDXF_Double(benchmark::State& state)
{
    const std::vector<double> v = valeurs();
    char b[LongueurMaxNombreDXF];
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormeGeneraleDXF(b, v[i++ & 0xFFFF], 15));
}
BENCHMARK(BM_NombreDXF_Double);

void BM_NombreBibliotheque_Double(benchmark::State& state)
{
    const std::vector<double> v = valeurs();
    char b[64];
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(std::to_chars(b, b + 64, v[i++ & 0xFFFF], std::chars_format::general, 15).ptr);
}
BENCHMARK(BM_NombreBibliotheque_Double);

} // namespace
