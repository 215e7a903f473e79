#include "dxf/ArcsDXF.h"
#include "core/Progression.h"
#include "dxf/GrilleDXF.h"

#include <algorithm>

namespace kelmo {

int32_t NbArcsExportes() { return std::clamp<int32_t>(K.NbArcs, 0, static_cast<int32_t>(K.Arcs.size()) - 1); }

const Noeud* NoeudExporte(int indice)
{
    const int32_t n = std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1);
    return indice >= 1 && indice <= n ? &K.Noeuds[static_cast<std::size_t>(indice)] : nullptr;
}

void PrepareArcsDXF()
{
    const LignesTypesDXF lignes;
    const int32_t n = NbArcsExportes();
    std::vector<ArcDXF>& arcs = DXF.ArcsDXF;
    arcs.assign(static_cast<std::size_t>(n) + 1, ArcDXF{});
    for (int32_t i = 1; i <= n; ++i) {
        const LigneArcsDXF& l = lignes.valeurs(K.Arcs[static_cast<std::size_t>(i)].Mode);
        ArcDXF& a = arcs[static_cast<std::size_t>(i)];
        a.Calque = l.Calque;
        a.Couleur = l.Couleur;
        a.Epaisseur = l.Epaisseur;
    }
}

namespace {

void ecritCoordonnee(TamponDXF& t, int code, double v, bool simple)
{
    if (simple)
        t.GroupeSimple(code, static_cast<float>(v));
    else
        t.GroupeDouble(code, v);
}

void ecritSommet(TamponDXF& t, const std::string& calque, const std::string& couleur, const PointDXF& p)
{
    t.Groupe(0, "VERTEX");
    t.Groupe(8, calque);
    t.Groupe(62, couleur);
    ecritCoordonnee(t, 10, p.x, p.simple);
    ecritCoordonnee(t, 20, p.y, p.simple);
    ecritCoordonnee(t, 30, p.z, p.simple);
}

} // namespace

void EcritPolyligneDXF(TamponDXF& t, int16_t calque, double couleur, double largeur, const PointDXF& p1,
                       const PointDXF& p2)
{
    std::string c, k;
    AjouteEntierDXF(c, calque);
    AjouteDoubleDXF(k, couleur);
    t.Groupe(0, "POLYLINE");
    t.Groupe(8, c);
    t.Groupe(62, k);
    t.Groupe(66, "1");
    t.Groupe(10, "0");
    t.Groupe(20, "0");
    t.Groupe(30, "0");
    t.Groupe(70, "2");
    t.GroupeDouble(40, largeur);
    t.GroupeDouble(41, largeur);
    ecritSommet(t, c, k, p1);
    ecritSommet(t, c, k, p2);
    t.Groupe(0, "SEQEND");
    t.Groupe(8, c);
}

void EcritArcsPolylignesDXF(TamponDXF& t)
{
    const bool minimaux = K.Formes.SortieDXF.Valeur == ValeurArcsDXF::Minimaux;
    const int32_t n = std::min<int32_t>(NbArcsExportes(), static_cast<int32_t>(DXF.ArcsDXF.size()) - 1);
    const QString message = QStringLiteral("Ecrit les arcs en PolyLines DXF 2D...");
    AfficheProgression(n, 1, message);
    for (int32_t i = 1; i <= n; ++i) {
        AfficheProgression(n, i, message);
        const Arc& a = K.Arcs[static_cast<std::size_t>(i)];
        if (minimaux && a.Minimal != 1)
            continue;
        const Noeud* o = NoeudExporte(a.IndiceOrigine);
        const Noeud* d = NoeudExporte(a.IndiceDestination);
        if (!o || !d)
            continue;
        const ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(i)];
        EcritPolyligneDXF(t, e.Calque, e.Couleur, e.Epaisseur, PointNoeud(*o), PointNoeud(*d));
    }
    AfficheProgression(n, n, message);
}

} // namespace kelmo
