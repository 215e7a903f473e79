#include "relief/TablesFacettes.h"
#include "core/Couleurs.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "relief/Ombrage.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace kelmo {
namespace {

// Two vertices are shared when their coordinates differ by less than this in
// sum.
constexpr double Tolerance = 0.001;
// The vertices are found through a grid of cells this wide in x and y; a
// shared vertex lies in the cells the tolerance reaches around the point.
constexpr double Cellule = 0.01;

// Every stored row by the cell of its x and y, newest first; rebuilt from the
// table whenever the table was changed behind it.
struct IndexSommets {
    std::unordered_map<uint64_t, int32_t> tetes; // cell -> newest row
    std::vector<int32_t> suivants;               // row -> next older row of its cell (0: none)
    int32_t nombre = 0;                          // rows indexed
    const void* table = nullptr;
};
IndexSommets index_;

const bool enregistre = (EnregistreReinitialisation([] { index_ = IndexSommets{}; }), true);

int64_t cellule(double v)
{
    const double c = std::floor(v / Cellule);
    // Far or undefined coordinates share the outermost cells; no point
    // there ever matches anything but itself, which the distance decides.
    if (!(c > -4e15))
        return static_cast<int64_t>(-4e15);
    if (c > 4e15)
        return static_cast<int64_t>(4e15);
    return static_cast<int64_t>(c);
}

uint64_t cle(int64_t cx, int64_t cy)
{
    return static_cast<uint64_t>(cx) * 0x9E3779B97F4A7C15ULL ^ static_cast<uint64_t>(cy);
}

void indexe(int32_t ligne)
{
    const std::array<float, 4>& s = K.SommetsFacettes[static_cast<std::size_t>(ligne)];
    if (static_cast<int32_t>(index_.suivants.size()) <= ligne)
        index_.suivants.resize(static_cast<std::size_t>(ligne) * 2 + 1, 0);
    int32_t& tete = index_.tetes[cle(cellule(s[1]), cellule(s[2]))];
    index_.suivants[static_cast<std::size_t>(ligne)] = tete;
    tete = ligne;
}

void synchronise()
{
    if (index_.table == K.SommetsFacettes.data() && index_.nombre == K.NbSommets)
        return;
    index_ = IndexSommets{};
    index_.table = K.SommetsFacettes.data();
    const int32_t n = std::min<int32_t>(K.NbSommets, static_cast<int32_t>(K.SommetsFacettes.size()) - 1);
    index_.tetes.reserve(static_cast<std::size_t>(std::max(0, n)) * 2);
    for (int32_t v = 1; v <= n; ++v)
        indexe(v);
    index_.nombre = std::max(0, n);
}

// The newest row within the tolerance, 0 when none.
int32_t trouveSommet(double x, double y, double z)
{
    int32_t meilleur = 0;
    const int64_t x0 = cellule(x - Tolerance), x1 = cellule(x + Tolerance);
    const int64_t y0 = cellule(y - Tolerance), y1 = cellule(y + Tolerance);
    for (int64_t cx = x0; cx <= x1; ++cx)
        for (int64_t cy = y0; cy <= y1; ++cy) {
            const auto it = index_.tetes.find(cle(cx, cy));
            if (it == index_.tetes.end())
                continue;
            // newest first: the first match of a cell is its best
            for (int32_t v = it->second; v > meilleur; v = index_.suivants[static_cast<std::size_t>(v)]) {
                const std::array<float, 4>& s = K.SommetsFacettes[static_cast<std::size_t>(v)];
                if (std::fabs(x - s[1]) + std::fabs(y - s[2]) + std::fabs(z - s[3]) < Tolerance) {
                    meilleur = v;
                    break;
                }
            }
        }
    return meilleur;
}

template <class T>
void assureTaille(std::vector<T>& table, int32_t ligne)
{
    if (static_cast<int32_t>(table.size()) <= ligne)
        table.resize(std::max<std::size_t>(table.size() * 2, static_cast<std::size_t>(ligne) + 1));
}

} // namespace

void PrepareTablesFacettes()
{
    K.SommetsFacettes.assign(static_cast<std::size_t>(std::max(0, K.NbMaxSommets)) + 1, std::array<float, 4>{});
    K.Facettes.assign(static_cast<std::size_t>(std::max(0, K.NbMaxFacettes)) + 1, Facette{});
    K.NbSommets = 0;
    K.NbFacettes = 0;
    index_ = IndexSommets{};
    index_.table = K.SommetsFacettes.data();
}

void AjouteSommetFacette(double x, double y, double z, int32_t& indice)
{
    synchronise();
    const int32_t trouve = trouveSommet(x, y, z);
    ZoneImage& ima = Ima();
    if (trouve != 0) {
        indice = trouve;
    } else {
        const int32_t ligne = K.NbSommets + 1;
        assureTaille(K.SommetsFacettes, ligne);
        K.NbMaxSommets = std::max<int32_t>(K.NbMaxSommets, static_cast<int32_t>(K.SommetsFacettes.size()) - 1);
        K.SommetsFacettes[static_cast<std::size_t>(ligne)] = {0, static_cast<float>(x), static_cast<float>(y),
                                                              static_cast<float>(z)};
        indice = ligne;
        K.NbSommets = ligne;
        index_.table = K.SommetsFacettes.data();
        indexe(ligne);
        index_.nombre = ligne;
        // The mark of a new vertex, in black.
        ima.ForeColor = QBColor(0);
        ima.FillStyle = 1;
        ima.DrawWidth = 1;
        ima.DrawMode = 13;
        const double xa = std::nearbyint(x), ya = std::nearbyint(y);
        if (std::isfinite(xa) && std::isfinite(ya) && std::fabs(xa) < 1e9 && std::fabs(ya) < 1e9) {
            ima.TraceCercle(xa, ya, 1);
            if (z == 0)
                ima.TraceCercle(xa, ya, 3);
        }
    }
    ima.Refresh();
}

void AjouteFacette(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3, double z3,
                   int modeCote12, int modeCote13)
{
    int32_t s1 = 0, s2 = 0, s3 = 0;
    AjouteSommetFacette(x1, y1, z1, s1);
    AjouteSommetFacette(x2, y2, z2, s2);
    AjouteSommetFacette(x3, y3, z3, s3);
    // The slots are filled in order from a fresh table, so the first free
    // slot is the one after the last written.
    const int32_t k = K.NbFacettes + 1;
    assureTaille(K.Facettes, k);
    K.NbMaxFacettes = std::max<int32_t>(K.NbMaxFacettes, static_cast<int32_t>(K.Facettes.size()) - 1);
    Facette& f = K.Facettes[static_cast<std::size_t>(k)];
    f.Sommet1 = s1;
    f.Sommet2 = s2;
    f.Sommet3 = s3;
    f.CodeMode2 = static_cast<int16_t>(modeCote12);
    f.CodeMode1 = static_cast<int16_t>(modeCote13);
    f.Couleur = OmbreFacette(x1, y1, z1, x2, y2, z2, x3, y3, z3);
    K.NbFacettes = k;

    ZoneImage& ima = Ima();
    ima.ForeColor = QBColor(14);
    ima.DrawWidth = 1;
    ima.DrawMode = 13;
    ima.DrawStyle = 0;
    const QLineF cotes[3] = {QLineF(x1, y1, x2, y2), QLineF(x3, y3, x2, y2), QLineF(x1, y1, x3, y3)};
    for (const QLineF& c : cotes)
        if (std::isfinite(c.x1() + c.y1() + c.x2() + c.y2()) && std::fabs(c.x1()) + std::fabs(c.y1()) + std::fabs(c.x2()) + std::fabs(c.y2()) < 1e9)
            ima.TraceSegments(&c, 1);
}

} // namespace kelmo
