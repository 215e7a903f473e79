#include "relief/OrdreFacettes.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "relief/TrianglesRelief.h"
#include "relief/Vecteurs3D.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelmo {
namespace {

int32_t nombreFacettes() { return std::clamp<int32_t>(K.NbFacettes, 0, static_cast<int32_t>(K.Facettes.size()) - 1); }

// The row of a vertex, or the unused row 0 for a number outside the table.
const std::array<float, 4>& sommet(int32_t v)
{
    const bool dedans = v >= 1 && v < static_cast<int32_t>(K.SommetsFacettes.size());
    return K.SommetsFacettes[dedans ? static_cast<std::size_t>(v) : 0];
}

} // namespace

void OrdonneFacettes()
{
    const int32_t n = nombreFacettes();
    for (int32_t i = 1; i <= n; ++i) {
        Facette& f = K.Facettes[static_cast<std::size_t>(i)];
        const auto& a = sommet(f.Sommet1);
        const auto& b = sommet(f.Sommet2);
        const auto& c = sommet(f.Sommet3);
        double x = 0, y = 0, z = 0;
        PointInterieur(a[1], a[2], a[3], b[1], b[2], b[3], c[1], c[2], c[3], x, y, z);
        f.Profondeur = static_cast<float>(y - z);
        // A facet of undefined corners goes last rather than unsettling the order.
        if (std::isnan(f.Profondeur))
            f.Profondeur = std::numeric_limits<float>::infinity();
    }
    // Exchanging neighbours only when the first is strictly deeper gives
    // this stable ascending order.
    std::stable_sort(K.Facettes.begin() + 1, K.Facettes.begin() + 1 + n,
                     [](const Facette& p, const Facette& q) { return p.Profondeur < q.Profondeur; });
}

void RedessineFacettes()
{
    const SortieVectorielle vectoriel =
        ModeImageVectorielle() ? SortieVectorielle::Enregistre : SortieVectorielle::Aucune;
    const int32_t n = nombreFacettes();
    for (int32_t i = 1; i <= n; ++i) {
        const Facette& f = K.Facettes[static_cast<std::size_t>(i)];
        const auto& a = sommet(f.Sommet1);
        const auto& b = sommet(f.Sommet2);
        const auto& c = sommet(f.Sommet3);
        PeintTriangle(a[1], a[2], a[3], b[1], b[2], b[3], c[1], c[2], c[3], f.Couleur, vectoriel);
        TraceArete(f.CodeMode2, a[1], a[2], a[3], b[1], b[2], b[3], vectoriel);
        TraceArete(f.CodeMode1, a[1], a[2], a[3], c[1], c[2], c[3], vectoriel);
    }
}

} // namespace kelmo
