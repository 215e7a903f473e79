#include "dxf/ValeursNoeudsDXF.h"
#include "core/Modele.h"

#include <algorithm>

namespace kelmo {

namespace {

// The displayed values, records 1 to NbNoeuds as far as the table holds them.
int32_t nbEnregistrements()
{
    return std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.ValeursNoeuds.size()) - 1);
}

// Record r (0 to their count); record 0 belongs to no node.
ValeurNoeudDXF enregistrement(int32_t r)
{
    if (r < 0 || r >= static_cast<int32_t>(K.ValeursNoeuds.size()))
        return {};
    const ValeurNoeud& v = K.ValeursNoeuds[static_cast<std::size_t>(r)];
    return {false, v.IndiceNoeud, v.Valeur, v.Marque};
}

} // namespace

ValeurNoeudDXF ValeurNoeudAffichee(int32_t i)
{
    if (i < 1 || i > nbEnregistrements())
        return {};
    ValeurNoeudDXF v = enregistrement(i);
    v.present = v.IndiceNoeud >= 1 && v.IndiceNoeud <= K.NbNoeuds
                && v.IndiceNoeud < static_cast<int>(K.Noeuds.size());
    return v;
}

float TailleSymboleDXF(int32_t i)
{
    return i >= 1 && i < static_cast<int32_t>(K.TailleSymboles.size()) ? K.TailleSymboles[static_cast<std::size_t>(i)] : 0.0f;
}

bool ValeursNoeudsChargees() { return K.NbValeursNoeuds > 0 && nbEnregistrements() > 0; }

void ValeursExtremitesDXF::Construit()
{
    const int32_t n = std::min<int32_t>(K.NbNoeuds, nbEnregistrements());
    valeur0_ = enregistrement(0).Valeur;
    valeurs_.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, valeur0_);
    positions_.assign(K.Noeuds.size(), {0, 0});
    for (int32_t r = 1; r <= n; ++r) {
        const ValeurNoeudDXF e = enregistrement(r);
        valeurs_[static_cast<std::size_t>(r)] = e.Valeur;
        if (e.IndiceNoeud < 0 || e.IndiceNoeud >= static_cast<int>(positions_.size()))
            continue;
        auto& p = positions_[static_cast<std::size_t>(e.IndiceNoeud)];
        if (p[0] == 0)
            p[0] = r;
        else if (p[1] == 0)
            p[1] = r;
    }
}

void ValeursExtremitesDXF::Valeurs(int origine, int destination, float& vo, float& vd) const
{
    const auto premieres = [this](int noeud) -> std::array<int32_t, 2> {
        if (noeud < 0 || noeud >= static_cast<int>(positions_.size()))
            return {0, 0};
        return positions_[static_cast<std::size_t>(noeud)];
    };
    int32_t ro = 0, rd = 0;
    if (origine == destination) {
        // One record names both ends and counts twice.
        ro = rd = premieres(origine)[0];
    } else {
        // The records of the two ends in scan order, until two were counted.
        const auto po = premieres(origine), pd = premieres(destination);
        int io = 0, id = 0;
        for (int compte = 0; compte < 2; ++compte) {
            const int32_t a = io < 2 ? po[static_cast<std::size_t>(io)] : 0;
            const int32_t b = id < 2 ? pd[static_cast<std::size_t>(id)] : 0;
            if (a == 0 && b == 0)
                break;
            if (b == 0 || (a != 0 && a < b)) {
                ro = a;
                ++io;
            } else {
                rd = b;
                ++id;
            }
        }
    }
    vo = ro ? valeurs_[static_cast<std::size_t>(ro)] : valeur0_;
    vd = rd ? valeurs_[static_cast<std::size_t>(rd)] : valeur0_;
}

} // namespace kelmo
