#include "dxf/FacettesDXF.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "dxf/DonneesDXF.h"
#include "dxf/Face3DDXF.h"
#include "dxf/GrilleDXF.h"

#include <algorithm>

namespace kelmo {

int NbFacettesDXF()
{
    return std::clamp<int32_t>(K.NbFacettes, 0, static_cast<int32_t>(K.Facettes.size()) - 1);
}

void PrepareFacettesDXF()
{
    const int32_t n = NbFacettesDXF();
    const int32_t sommets = static_cast<int32_t>(K.SommetsFacettes.size()) - 1;
    DXF.FacettesDXF.assign(static_cast<std::size_t>(n) + 1, FacetteDXF{});
    DXF.FacettesValides.assign(static_cast<std::size_t>(n) + 1, false);
    for (int32_t k = 1; k <= n; ++k) {
        const Facette& f = K.Facettes[static_cast<std::size_t>(k)];
        const int32_t rangs[3] = {f.Sommet1, f.Sommet2, f.Sommet3};
        // A slot that names no stored vertex has no corners to write.
        if (std::any_of(std::begin(rangs), std::end(rangs), [sommets](int32_t r) { return r < 1 || r > sommets; }))
            continue;
        FacetteDXF& c = DXF.FacettesDXF[static_cast<std::size_t>(k)];
        for (int s = 0; s < 3; ++s)
            for (int x = 0; x < 3; ++x)
                c[static_cast<std::size_t>(3 * s + x)] = K.SommetsFacettes[static_cast<std::size_t>(rangs[s])][static_cast<std::size_t>(x + 1)];
        DXF.FacettesValides[static_cast<std::size_t>(k)] = true;
    }
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    DXF.CalqueFacettes = PlanCelluleDXF(s.plancad[3]).value_or(0);
    DXF.CouleurFacettes = static_cast<int16_t>(ConvertitCouleurDXF(s.couleurcad[3]).value_or(0));
}

void EcritFacettesDXF(TamponDXF& t)
{
    const int32_t n = std::min<int32_t>(NbFacettesDXF(), static_cast<int32_t>(DXF.FacettesDXF.size()) - 1);
    const QString message = QStringLiteral("Ecrit les facettes en DXF...");
    std::string couleur;
    AjouteEntierDXF(couleur, DXF.CouleurFacettes);
    const std::string entete = EnteteFaceDXF(DXF.CalqueFacettes, couleur);
    AfficheProgression(n, 1, message);
    for (int32_t k = 1; k <= n; ++k) {
        AfficheProgression(n, k, message);
        if (!DXF.FacettesValides[static_cast<std::size_t>(k)])
            continue;
        const FacetteDXF& f = DXF.FacettesDXF[static_cast<std::size_t>(k)];
        CoinDXF c1, c2, c3;
        c1.Simple(f[0], f[1], f[2]);
        c2.Simple(f[3], f[4], f[5]);
        c3.Simple(f[6], f[7], f[8]);
        // The fourth corner repeats the first: the face is a triangle.
        AjouteFaceDXF(t.octets, entete, c1, c2, c3, c1);
    }
    AfficheProgression(n, n, message);
}

} // namespace kelmo
