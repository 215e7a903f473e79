#include "dxf/ArcsValeursDXF.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "dxf/ArcsDXF.h"
#include "dxf/DonneesDXF.h"
#include "dxf/GrilleDXF.h"
#include "dxf/PaletteDXF.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace kelmo {

namespace {

int32_t nombreArcs1() { return std::clamp<int32_t>(K.NombreArcs1, 0, static_cast<int32_t>(K.Arcs1.size()) - 1); }

// The first class (from 1) holding v, 0 when none does.
int premiereClasse(float v)
{
    const int n = std::clamp<int>(K.NbClasses, 0, static_cast<int>(K.Classes.size()) - 1);
    for (int k = 1; k <= n; ++k) {
        const Classe& c = K.Classes[static_cast<std::size_t>(k)];
        if (c.BorneInf <= v && v < c.BorneSup)
            return k;
    }
    return 0;
}

uint64_t paire(int32_t a, int32_t b)
{
    const auto x = static_cast<uint32_t>(std::min(a, b)), y = static_cast<uint32_t>(std::max(a, b));
    return (static_cast<uint64_t>(x) << 32) | y;
}

// Steps A, B and C of the two network options: the class width of every
// value record, each arc given the width of the first record that joins
// its two nodes in either direction, and the layer of its link type's row.
void prepareArcsValeurs(bool couleurParSigne)
{
    const int32_t nbArcs = NbArcsExportes();
    DXF.ArcsDXF.assign(static_cast<std::size_t>(nbArcs) + 1, ArcDXF{});
    const int32_t n1 = nombreArcs1();
    for (int32_t r = 1; r <= n1; ++r) {
        ArcValeur& v = K.Arcs1[static_cast<std::size_t>(r)];
        if (const int k = premiereClasse(v.Valeur))
            v.Largeur = K.Classes[static_cast<std::size_t>(k)].Epaisseur;
    }
    // The first record of each pair of nodes, whatever its direction: the
    // same answer as a search of the records in order for every arc.
    std::unordered_map<uint64_t, int32_t> premiers;
    premiers.reserve(static_cast<std::size_t>(n1) * 2);
    for (int32_t r = 1; r <= n1; ++r) {
        const ArcValeur& v = K.Arcs1[static_cast<std::size_t>(r)];
        premiers.emplace(paire(v.CodeOrigine, v.CodeDestination), r);
    }
    for (int32_t i = 1; i <= nbArcs; ++i) {
        const Arc& a = K.Arcs[static_cast<std::size_t>(i)];
        const auto it = premiers.find(paire(a.CodeOrigine, a.CodeDestination));
        ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(i)];
        if (it == premiers.end()) {
            e.Epaisseur = 0;
            continue;
        }
        const ArcValeur& m = K.Arcs1[static_cast<std::size_t>(it->second)];
        e.Epaisseur = m.Largeur;
        if (couleurParSigne)
            e.Couleur = m.Valeur < 0 ? 1 : (m.Valeur == 0 ? 3 : 5);
    }
    const LignesTypesDXF lignes;
    for (int32_t i = 1; i <= nbArcs; ++i) {
        const int16_t mode = K.Arcs[static_cast<std::size_t>(i)].Mode;
        if (!lignes.ligne(mode))
            continue;
        ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(i)];
        e.Calque = lignes.valeurs(mode).Calque;
        if (!couleurParSigne)
            e.Couleur = lignes.valeurs(mode).Couleur;
    }
}

} // namespace

void PrepareArcsValeurModesDXF() { prepareArcsValeurs(false); }

void PrepareArcsValeurNoeudsDXF() { prepareArcsValeurs(true); }

void EcritArcsPolylignesModesDXF(TamponDXF& t)
{
    const bool minimaux = K.Formes.SortieDXF.Valeur == ValeurArcsDXF::Minimaux;
    const int32_t n = std::min<int32_t>(NbArcsExportes(), static_cast<int32_t>(DXF.ArcsDXF.size()) - 1);
    const QString message = QStringLiteral("Ecrit les arcs en PolyLines DXF 2D...");
    AfficheProgression(n, 1, message);
    for (int32_t i = 1; i <= n; ++i) {
        AfficheProgression(n, i, message);
        const Arc& a = K.Arcs[static_cast<std::size_t>(i)];
        const ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(i)];
        if ((minimaux && a.Minimal != 1) || e.Epaisseur == 0)
            continue;
        const Noeud* o = NoeudExporte(a.IndiceOrigine);
        const Noeud* d = NoeudExporte(a.IndiceDestination);
        if (!o || !d)
            continue;
        EcritPolyligneDXF(t, e.Calque, e.Couleur, e.Epaisseur, PointNoeud(*o), PointNoeud(*d));
    }
    AfficheProgression(n, n, QStringLiteral("Ecrit les arcs en PolyLines DXF 2D couleur Modes..."));
}

void PrepareArcsValeurDXF()
{
    const int32_t n1 = nombreArcs1();
    DXF.ArcsDXF.assign(static_cast<std::size_t>(n1) + 1, ArcDXF{});
    for (int32_t r = 1; r <= n1; ++r) {
        const ArcValeur& v = K.Arcs1[static_cast<std::size_t>(r)];
        ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(r)];
        e.Epaisseur = v.Largeur;
        e.Calque = 11;
        e.Couleur = CouleurDXFProche(v.Couleur);
        if (std::fabs(v.Valeur) <= K.SeuilAttractions)
            e.Epaisseur = 0;
    }
}

void EcritArcsValeurPolylignesDXF(TamponDXF& t)
{
    const int32_t n = std::min<int32_t>(nombreArcs1(), static_cast<int32_t>(DXF.ArcsDXF.size()) - 1);
    const QString message = QStringLiteral("Ecrit les arcs valeur (arcval1) en PolyLines DXF 2D...");
    AfficheProgression(n, 1, message);
    for (int32_t r = 1; r <= n; ++r) {
        const ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(r)];
        if (e.Epaisseur == 0)
            continue;
        AfficheProgression(n, r, message);
        const ArcValeur& v = K.Arcs1[static_cast<std::size_t>(r)];
        const Noeud* o = NoeudExporte(v.IndiceOrigine);
        const Noeud* d = NoeudExporte(v.IndiceDestination);
        if (!o || !d)
            continue;
        EcritPolyligneDXF(t, e.Calque, e.Couleur, e.Epaisseur, PointNoeud(*o), PointNoeud(*d));
    }
    AfficheProgression(n, n, message);
}

} // namespace kelmo
