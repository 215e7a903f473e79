#include "dxf/Faces3DDXF.h"
#include "core/Progression.h"
#include "core/TypesArcs.h"
#include "dxf/ArcsDXF.h"
#include "dxf/Face3DDXF.h"
#include "dxf/HauteurSommetDXF.h"
#include "relief/Vecteurs3D.h"

#include <cmath>

namespace kelmo {

namespace {

using Point = Vecteur3D;

Point plus(const Point& a, const Point& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Point moins(const Point& a, const Point& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Point abaisse(const Point& p, double d) { return {p[0], p[1], p[2] - d}; }

// The height offsets of the link types, looked up once per export: the
// first matching type of the list wins, as a code may be shared.
class DecalagesTypes {
public:
    DecalagesTypes()
    {
        const std::pair<const TypeArc*, double> liste[] = {
            {&TypeTGV(), 6},          {&TypeAutoroute(), 4},          {&TypeVoieExpressInterurb(), 4},
            {&TypeVoieRapideUrb65(), 4}, {&TypeArtereUrbaine(), 3.8}, {&TypeRoute70(), 3.4},
            {&TypeRoute60(), 2.6},    {&TypeRoute50(), 2.4},          {&TypeBoulevardUrbain(), 2.2},
            {&TypeVoieUrbaine(), 2.1},
        };
        for (const auto& [type, decalage] : liste)
            if (!type->Nom.isEmpty() && n_ < std::size(codes_)) {
                codes_[n_] = type->Code;
                decalages_[n_++] = decalage;
            }
    }
    double operator()(int16_t mode) const
    {
        for (std::size_t k = 0; k < n_; ++k)
            if (codes_[k] == mode)
                return decalages_[k];
        return 2;
    }

private:
    int16_t codes_[10] = {};
    double decalages_[10] = {};
    std::size_t n_ = 0;
};

// The corners of one arc's band: the two long edges of each piece and the
// feet of its walls.
struct BandeArc {
    Point p1p, p1m, mp, mm, p2p, p2m; // edges: origin, apex, destination, on the + and - sides
    double mur = 0;                   // depth of the walls
};

} // namespace

double DecalageTypeDXF(int16_t mode) { return DecalagesTypes()(mode); }

namespace {

// The band of one arc from its two ends, its apex height a, its width w and
// the height offset of its link type.
BandeArc bandeArc(Point p1, Point p2, double a, double w, double decalage, bool aPlat)
{
    Point m = {(p1[0] + p2[0]) / 2, (p1[1] + p2[1]) / 2, a};
    const bool droit = a == 0;
    // A straight arc has no tent to lie across: a provisional apex far below
    // the middle makes the plane of the strip vertical, so that the strip
    // lies flat, across the arc.
    if (droit)
        m[2] = -100;
    Vecteur3D va = moins(p1, m), vb = moins(p2, m);
    if (droit)
        m[2] = 1;
    if (aPlat) {
        p1[2] = decalage;
        m[2] = decalage;
        p2[2] = decalage;
    } else {
        p1[2] += decalage;
        m[2] += decalage;
        p2[2] += decalage;
    }
    Vecteur3D n;
    ProduitVectoriel(vb, va, n);
    float norme = NormeVecteur(n);
    DiviseVecteur(norme, n);
    for (double& c : n)
        c *= w / 2;

    BandeArc b;
    b.p1p = plus(p1, n);
    b.p1m = moins(p1, n);
    b.mp = plus(m, n);
    b.mm = moins(m, n);
    b.p2p = plus(p2, n);
    b.p2m = moins(p2, n);
    // The walls hang from the strip as deep as its half width measured
    // along the slope of the piece as it is drawn (for a straight arc, the
    // final apex, not the provisional one that only oriented the strip).
    b.mur = w / 2;
    const Vecteur3D pente = moins(p1, m);
    const float l3 = NormeVecteur(pente);
    const float l2 = NormeVecteur({pente[0], pente[1], 0});
    if (l2 != 0)
        b.mur = static_cast<double>(l3) * b.mur / static_cast<double>(l2);
    return b;
}

std::string couleurTexte(double couleur)
{
    std::string s;
    AjouteDoubleDXF(s, couleur);
    return s;
}

} // namespace

std::string TexteFace3DDXF(int32_t i, const std::array<double, 3>& p1, const std::array<double, 3>& p2,
                           const std::array<double, 3>& p3, const std::array<double, 3>& p4)
{
    const ArcDXF e = i >= 1 && static_cast<std::size_t>(i) < DXF.ArcsDXF.size() ? DXF.ArcsDXF[static_cast<std::size_t>(i)]
                                                                               : ArcDXF{};
    CoinDXF c[4];
    const std::array<double, 3>* p[4] = {&p1, &p2, &p3, &p4};
    for (int k = 0; k < 4; ++k)
        c[k].Double((*p[k])[0], (*p[k])[1], (*p[k])[2]);
    std::string s;
    AjouteFaceDXF(s, EnteteFaceDXF(e.Calque, couleurTexte(e.Couleur)), c[0], c[1], c[2], c[3]);
    s.resize(s.size() - 2); // the caller ends the record
    return s;
}

void EcritArcs3DFacesDXF(TamponDXF& t)
{
    const AngleVerticalNul angleNul;
    const bool minimaux = K.Formes.SortieDXF.Valeur == ValeurArcsDXF::Minimaux;
    const bool aPlat = K.Formes.SortieDXF.APlat.Value;
    const DecalagesTypes decalages;
    const HauteurSommetDXF hauteur;
    const int32_t nbArcs = std::min<int32_t>(NbArcsExportes(), static_cast<int32_t>(DXF.ArcsDXF.size()) - 1);
    AfficheProgression(nbArcs, 1, QStringLiteral("Ecrit les arcs 3DFaces en DXF..."));
    const QString message = QStringLiteral("Ecrit les arcs en 3DFaces DXF...");
    std::string& sortie = t.octets;
    for (int32_t i = 1; i <= nbArcs; ++i) {
        AfficheProgression(nbArcs, i, message);
        const Arc& a = K.Arcs[static_cast<std::size_t>(i)];
        if (minimaux && a.Minimal < 1)
            continue;
        const Noeud* o = NoeudExporte(a.IndiceOrigine);
        const Noeud* d = NoeudExporte(a.IndiceDestination);
        if (!o || !d)
            continue;
        const ArcDXF& e = DXF.ArcsDXF[static_cast<std::size_t>(i)];
        const BandeArc b = bandeArc({o->X, o->Y, o->Z}, {d->X, d->Y, d->Z}, hauteur(i, a, *o, *d), e.Epaisseur,
                                    decalages(a.Mode), aPlat);
        // Each corner is formatted once, whatever the number of faces
        // meeting at it.
        CoinDXF p1p, p1m, mp, mm, p2p, p2m;
        p1p.Double(b.p1p[0], b.p1p[1], b.p1p[2]);
        p1m.Double(b.p1m[0], b.p1m[1], b.p1m[2]);
        mp.Double(b.mp[0], b.mp[1], b.mp[2]);
        mm.Double(b.mm[0], b.mm[1], b.mm[2]);
        p2p.Double(b.p2p[0], b.p2p[1], b.p2p[2]);
        p2m.Double(b.p2m[0], b.p2m[1], b.p2m[2]);
        const std::string entete = EnteteFaceDXF(e.Calque, couleurTexte(e.Couleur));
        AjouteFaceDXF(sortie, entete, p1p, p1m, mm, mp);
        CoinDXF p1pb, p1mb, mpb, mmb, p2pb, p2mb;
        if (!aPlat) {
            const auto bas = [&b](CoinDXF& c, const Point& p) {
                const Point q = abaisse(p, b.mur);
                c.Double(q[0], q[1], q[2]);
            };
            bas(p1pb, b.p1p);
            bas(p1mb, b.p1m);
            bas(mpb, b.mp);
            bas(mmb, b.mm);
            bas(p2pb, b.p2p);
            bas(p2mb, b.p2m);
            AjouteFaceDXF(sortie, entete, p1p, mp, mpb, p1pb);
            AjouteFaceDXF(sortie, entete, p1m, mm, mmb, p1mb);
        }
        AjouteFaceDXF(sortie, entete, mp, mm, p2m, p2p);
        if (!aPlat) {
            AjouteFaceDXF(sortie, entete, mp, p2p, p2pb, mpb);
            AjouteFaceDXF(sortie, entete, mm, p2m, p2mb, mmb);
        }
    }
    AfficheProgression(nbArcs, nbArcs, QStringLiteral("Ecrit les arcs 3DFaces en DXF..."));
}

} // namespace kelmo
