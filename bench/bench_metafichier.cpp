// The metafile at the table limits: 99 999 lines (in 23 colours, as the link
// types draw them) and 6000 node circles recorded, shown on the vector
// picture, then written as a placeable metafile file.
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "platform/RepondeurScripte.h"
#include "platform/ZoneImage.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace kelmo;

namespace {

struct Segment { double x1, y1, x2, y2; };

const std::vector<Segment>& Segments()
{
    static const std::vector<Segment> s = [] {
        std::mt19937 g(7);
        std::uniform_real_distribution<double> x(0, 1320), y(0, 940);
        std::vector<Segment> r(99999);
        for (auto& e : r) {
            e.x1 = x(g);
            e.y1 = y(g);
            e.x2 = e.x1 + x(g) / 20;
            e.y2 = e.y1 + y(g) / 20;
        }
        return r;
    }();
    return s;
}

void Enregistre()
{
    const auto& segments = Segments();
    DebutMetaFichier();
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const Segment& s = segments[i];
        const Couleur c = QBColor(static_cast<int>((i * 23 / segments.size()) % 16));
        LigneMeta(s.x1, s.y1, s.x2, s.y2, c, 1 + static_cast<int>(i * 23 / segments.size()) % 3);
    }
    for (int i = 0; i < 6000; ++i)
        CercleMeta(segments[static_cast<std::size_t>(i)].x1, segments[static_cast<std::size_t>(i)].y1, 2,
                   QBColor(4), QBColor(7), 1);
    FinMetaFichier();
}

void BM_EnregistreMetaFichier(benchmark::State& state)
{
    ReinitialiseDonnees();
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    ImagesDeTest images;
    for (auto _ : state) {
        EffaceMetaFichier();
        images.imaVec.Cls();
        Enregistre();
        benchmark::DoNotOptimize(MetaFichier->Mots().size());
    }
}
BENCHMARK(BM_EnregistreMetaFichier)->Unit(benchmark::kMillisecond);

void BM_EcritMetaFichierPlacable(benchmark::State& state)
{
    ReinitialiseDonnees();
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    ImagesDeTest images;
    Enregistre();
    QTemporaryDir dir;
    RepondeurScripte ui;
    const QString chemin = dir.filePath(QStringLiteral("Carte.wmf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(EcritMetaFichierPlacable(chemin, &*MetaFichier, 1323, 945));
    state.counters["octets"] = static_cast<double>(OctetsMetaFichierPlacable(*MetaFichier, 1323, 945).size());
}
BENCHMARK(BM_EcritMetaFichierPlacable)->Unit(benchmark::kMillisecond);

// Lines drawn with no recording open (some arc drawings of the redraw do):
// each one goes on the vector picture at once and into the metafile. The
// pictures are the program's own, not the tests' recording ones, which
// would note a call per line.
void BM_LignesSansEnregistrementOuvert(benchmark::State& state)
{
    ReinitialiseDonnees();
    K.Menu(QStringLiteral("menImageVectorielle")).Checked = true;
    ZoneImageBitmap ima, imaVec;
    for (ZoneImage* z : {&ima, &imaVec}) {
        z->DefinitLargeur(350);
        z->DefinitHauteur(250);
        z->Cls();
    }
    DefinitIma(&ima);
    DefinitImaVec(&imaVec);
    const auto& segments = Segments();
    for (auto _ : state) {
        EffaceMetaFichier();
        for (const Segment& s : segments)
            LigneMeta(s.x1, s.y1, s.x2, s.y2, QBColor(12), 1);
        benchmark::DoNotOptimize(MetaFichier->Mots().size());
    }
    DefinitIma(nullptr);
    DefinitImaVec(nullptr);
    EffaceMetaFichier();
}
BENCHMARK(BM_LignesSansEnregistrementOuvert)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// A bare metafile of a few megabytes from another program, made to strain
// the object table: 65 535 brushes fill it, then each of 200 000 rounds
// deletes one object, creates a pen in its slot and selects it.
const std::string& MetafichierDObjets()
{
    static const std::string octets = [] {
        wmf::Metafichier m;
        m.SetWindowExt(640, 480);
        for (std::size_t k = 0; k < wmf::NbMaxObjets; ++k)
            m.CreeBrosse({wmf::BS_SOLID, static_cast<int32_t>(k), 0});
        std::mt19937 alea(3);
        for (int n = 0; n < 200000; ++n) {
            m.Supprime(static_cast<int>(alea() % wmf::NbMaxObjets));
            m.Selectionne(m.CreeStylo({wmf::PS_SOLID, 1, n}));
        }
        return m.Octets(2);
    }();
    return octets;
}

void BM_LitEtJoueMetafichierDObjets(benchmark::State& state)
{
    const std::string& octets = MetafichierDObjets();
    for (auto _ : state) {
        const auto f = wmf::LitFichierWmf(octets);
        benchmark::DoNotOptimize(wmf::ImageDepuisWmf(*f).width());
    }
    state.counters["octets"] = static_cast<double>(octets.size());
}
BENCHMARK(BM_LitEtJoueMetafichierDObjets)->Unit(benchmark::kMillisecond);

} // namespace
