#include "relief/EtoileNoeud.h"
#include "core/Modele.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelmo {

std::vector<EtoileArc> EtoileArcs(1);
std::vector<int32_t> EtoileTriee(1);
std::vector<double> AnglesEtoile(1);

namespace {

const bool enregistre = (EnregistreReinitialisation([] {
                             EtoileArcs.assign(1, EtoileArc{});
                             EtoileTriee.assign(1, 0);
                             AnglesEtoile.assign(1, 0.0);
                         }),
                         true);

uint64_t clePaire(int32_t a, int32_t b)
{
    if (a > b)
        std::swap(a, b);
    return (static_cast<uint64_t>(static_cast<uint32_t>(a)) << 32) | static_cast<uint32_t>(b);
}

int32_t nbArcsUtiles() { return std::min<int32_t>(K.NbArcs, static_cast<int32_t>(K.Arcs.size()) - 1); }

// Appends arc a to the star of the node of that code when it belongs there.
void ajouteSiDansEtoile(int32_t a, int32_t codeCentre, int32_t& nombre)
{
    const Arc& arc = K.Arcs[static_cast<std::size_t>(a)];
    int32_t code = 0, voisin = 0;
    if (arc.CodeOrigine == codeCentre) {
        code = arc.CodeDestination;
        voisin = arc.IndiceDestination;
    }
    if (arc.CodeDestination == codeCentre) {
        code = arc.CodeOrigine;
        voisin = arc.IndiceOrigine;
    }
    if (code == 0)
        return;
    // An end the arc file could not resolve has no position to build on.
    if (voisin < 1 || voisin > K.NbNoeuds || voisin >= static_cast<int32_t>(K.Noeuds.size()))
        return;
    ++nombre;
    if (static_cast<int32_t>(EtoileArcs.size()) <= nombre)
        EtoileArcs.resize(static_cast<std::size_t>(nombre) * 2 + 1);
    EtoileArcs[static_cast<std::size_t>(nombre)] = {voisin, a};
}

} // namespace

IndexArcsRelief::IndexArcsRelief()
{
    const int32_t n = nbArcsUtiles();
    std::vector<std::pair<int32_t, int32_t>> entrees; // (code, arc)
    entrees.reserve(static_cast<std::size_t>(std::max(0, n)) * 2);
    paires_.reserve(static_cast<std::size_t>(std::max(0, n)));
    for (int32_t a = 1; a <= n; ++a) {
        const Arc& arc = K.Arcs[static_cast<std::size_t>(a)];
        if (arc.Minimal != 1)
            continue;
        entrees.emplace_back(arc.CodeOrigine, a);
        if (arc.CodeDestination != arc.CodeOrigine)
            entrees.emplace_back(arc.CodeDestination, a);
        paires_.emplace(clePaire(arc.CodeOrigine, arc.CodeDestination), a); // keeps the first
    }
    std::sort(entrees.begin(), entrees.end());
    arcs_.resize(entrees.size());
    for (std::size_t i = 0; i < entrees.size(); ++i) {
        arcs_[i] = entrees[i].second;
        auto [it, nouveau] = plages_.try_emplace(entrees[i].first, static_cast<int32_t>(i), 0);
        ++it->second.second;
    }
}

const int32_t* IndexArcsRelief::arcsDuCode(int32_t code, int32_t& nombre) const
{
    const auto it = plages_.find(code);
    if (it == plages_.end()) {
        nombre = 0;
        return nullptr;
    }
    nombre = it->second.second;
    return arcs_.data() + it->second.first;
}

int32_t IndexArcsRelief::premierArcEntre(int32_t code1, int32_t code2) const
{
    const auto it = paires_.find(clePaire(code1, code2));
    return it == paires_.end() ? 0 : it->second;
}

int32_t EtoileNoeud(int32_t centre, const IndexArcsRelief* index)
{
    int32_t nombre = 0;
    if (centre < 0 || centre >= static_cast<int32_t>(K.Noeuds.size()))
        return 0;
    const int32_t code = K.Noeuds[static_cast<std::size_t>(centre)].Code;
    if (index) {
        int32_t n = 0;
        const int32_t* arcs = index->arcsDuCode(code, n);
        for (int32_t i = 0; i < n; ++i)
            ajouteSiDansEtoile(arcs[i], code, nombre);
        return nombre;
    }
    const int32_t n = nbArcsUtiles();
    for (int32_t a = 1; a <= n; ++a)
        if (K.Arcs[static_cast<std::size_t>(a)].Minimal == 1)
            ajouteSiDansEtoile(a, code, nombre);
    return nombre;
}

void TrieEtoileParAngle(int32_t nombre, double x0, double y0)
{
    const std::size_t taille = static_cast<std::size_t>(std::max(0, nombre)) + 1;
    if (EtoileTriee.size() < taille)
        EtoileTriee.resize(taille);
    if (AnglesEtoile.size() < taille)
        AnglesEtoile.resize(taille);
    for (int32_t k = 1; k <= nombre; ++k) {
        EtoileTriee[static_cast<std::size_t>(k)] = k;
        const Noeud& m = K.Noeuds[static_cast<std::size_t>(EtoileArcs[static_cast<std::size_t>(k)].NoeudVoisin)];
        double xm = m.XEcran;
        const double ym = m.YEcran;
        if (xm == x0)
            xm = xm + 0.1;
        double cle = std::atan((y0 - ym) / std::fabs(xm - x0));
        // A key that is no number would make the order undefined; it goes last.
        if (std::isnan(cle))
            cle = -std::numeric_limits<double>::infinity();
        AnglesEtoile[static_cast<std::size_t>(k)] = cle;
    }
    // Descending key, ties in star order: what repeated exchanges of strictly
    // smaller neighbours give.
    std::stable_sort(EtoileTriee.begin() + 1, EtoileTriee.begin() + 1 + std::max(0, nombre),
                     [](int32_t a, int32_t b) {
                         return AnglesEtoile[static_cast<std::size_t>(a)] > AnglesEtoile[static_cast<std::size_t>(b)];
                     });
}

} // namespace kelmo
