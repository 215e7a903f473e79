#include "relief/TrianglesRelief.h"
#include "core/Images.h"
#include "core/MetaFichier.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "relief/ContexteRelief.h"
#include "relief/Ombrage.h"
#include "relief/TablesFacettes.h"
#include "relief/Vecteurs3D.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

namespace kelmo {

TypeArc TypeArcRelief;

namespace {

const bool enregistre = (EnregistreReinitialisation([] { TypeArcRelief = TypeArc{}; }), true);

const Noeud& noeud(int32_t n) { return K.Noeuds[static_cast<std::size_t>(n)]; }

// A painted corner: Int of x and of y - z, when it is a number the picture's
// integer coordinates can hold.
bool coinPeint(double x, double y, double z, QPoint& p)
{
    const double px = std::floor(x), py = std::floor(y - z);
    if (!(std::fabs(px) < 1e9) || !(std::fabs(py) < 1e9))
        return false;
    p = QPoint(static_cast<int>(px), static_cast<int>(py));
    return true;
}

double aire3D(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3, double z3)
{
    Vecteur3D c{};
    ProduitVectoriel({x2 - x1, y2 - y1, z2 - z1}, {x3 - x1, y3 - y1, z3 - z1}, c);
    const double a = std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]) / 2;
    return std::isfinite(a) ? a : 0.0;
}

} // namespace

void TriangleDejaTrace(ContexteRelief& ctx, int32_t code1, int32_t code2, int32_t code3, bool& deja)
{
    CodesTriangle t{{code1, code2, code3}};
    std::sort(t.c.begin(), t.c.end());
    auto [it, nouveau] = ctx.trianglesTraces.try_emplace(t, 0);
    deja = !nouveau;
    if (deja && ++it->second >= 3)
        ctx.trianglesTraces.erase(it); // a count of 3 frees the entry
}

void TriangleEntreArcs(ContexteRelief& ctx, int32_t i, int32_t j, int32_t centre, double& xm, double& ym,
                       double& hauteur, bool& trouve, int32_t* arcTrouve)
{
    const int32_t n1 = EtoileArcs[static_cast<std::size_t>(i)].NoeudVoisin;
    const int32_t n2 = EtoileArcs[static_cast<std::size_t>(j)].NoeudVoisin;
    const Noeud& p1 = noeud(n1);
    const Noeud& p2 = noeud(n2);
    trouve = false;
    if (arcTrouve)
        *arcTrouve = 0;
    const int32_t k = ctx.arcs.premierArcEntre(p1.Code, p2.Code);
    if (k == 0)
        return;
    bool deja = false;
    TriangleDejaTrace(ctx, p1.Code, p2.Code, noeud(centre).Code, deja);
    const Arc& a = K.Arcs[static_cast<std::size_t>(k)];
    hauteur = ctx.hauteur(a.Duree, a.Longueur, a.Mode, p1.XEcran, p1.YEcran, p2.XEcran, p2.YEcran, k,
                          a.IndiceOrigine, a.IndiceDestination);
    xm = (double(p1.XEcran) + p2.XEcran) / 2;
    ym = (double(p1.YEcran) + p2.YEcran) / 2;
    trouve = !deja;
    if (arcTrouve)
        *arcTrouve = k;
}

void FermeTrianglesNoeud(ContexteRelief& ctx, double& hauteur, int32_t centre, int32_t i, int32_t j)
{
    const Noeud& c = noeud(centre);
    const EtoileArc ei = EtoileArcs[static_cast<std::size_t>(i)];
    const EtoileArc ej = EtoileArcs[static_cast<std::size_t>(j)];
    const Noeud& p1 = noeud(ei.NoeudVoisin);
    const Noeud& p2 = noeud(ej.NoeudVoisin);
    const double gx = (double(c.XEcran) + p1.XEcran + p2.XEcran) / 3;
    const double gy = (double(c.YEcran) + p1.YEcran + p2.YEcran) / 3;

    double xm = 0, ym = 0, h3 = 0;
    bool trouve = false;
    int32_t a3 = 0;
    TriangleEntreArcs(ctx, i, j, centre, xm, ym, h3, trouve, &a3);

    // The valuation works from the two positions, the link type and the
    // arc's end nodes: no time and no chord are given.
    const Arc& a1 = K.Arcs[static_cast<std::size_t>(ei.NumeroArc)];
    const Arc& a2 = K.Arcs[static_cast<std::size_t>(ej.NumeroArc)];
    const double hA = ctx.hauteur(0, 0, a1.Mode, c.XEcran, c.YEcran, p1.XEcran, p1.YEcran, ei.NumeroArc,
                                  a1.IndiceOrigine, a1.IndiceDestination);
    const double hB = ctx.hauteur(0, 0, a2.Mode, c.XEcran, c.YEcran, p2.XEcran, p2.YEcran, ej.NumeroArc,
                                  a2.IndiceOrigine, a2.IndiceDestination);
    // The inner point rises above the lowest apex by the tent of a slow road
    // from that apex's foot to the centroid.
    const int route50 = TypeRoute50().Code;
    const auto hauteurVersG = [&](double mx, double my, int32_t numeroArc) {
        const Arc& a = K.Arcs[static_cast<std::size_t>(numeroArc)];
        return ctx.hauteur(0, 0, route50, mx, my, gx, gy, numeroArc, a.IndiceOrigine, a.IndiceDestination);
    };
    if (hA <= hB && hA <= h3) {
        hauteur = hA + hauteurVersG((double(c.XEcran) + p1.XEcran) / 2, (double(c.YEcran) + p1.YEcran) / 2, ei.NumeroArc);
    } else if (hB <= hA && hB <= h3) {
        hauteur = hB + hauteurVersG((double(c.XEcran) + p2.XEcran) / 2, (double(c.YEcran) + p2.YEcran) / 2, ej.NumeroArc);
    } else if (h3 <= hB && h3 <= hA) {
        hauteur = h3 + hauteurVersG((double(p1.XEcran) + p2.XEcran) / 2, (double(p1.YEcran) + p2.YEcran) / 2,
                                    a3 != 0 ? a3 : ei.NumeroArc);
    }
    if (ctx.parametres.valuation == ValuationRelief::ReliefThématique)
        hauteur = -(double(c.ZEcran) + p1.ZEcran + p2.ZEcran) / 3 * std::sin(K.AngleVertical);
}

namespace {

// The pen and brush of a shape copied onto the vector picture, which then
// paints it as the bitmap does.
void copieTrace(const ZoneImage& ima, ZoneImage& vec)
{
    vec.FillColor = ima.FillColor;
    vec.FillStyle = ima.FillStyle;
    vec.ForeColor = ima.ForeColor;
    vec.DrawMode = ima.DrawMode;
    vec.DrawWidth = ima.DrawWidth;
    vec.DrawStyle = ima.DrawStyle;
}

} // namespace

void PeintTriangle(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3, double z3,
                   int32_t couleur, SortieVectorielle sortie)
{
    QPoint p[3];
    if (!coinPeint(x1, y1, z1, p[0]) || !coinPeint(x2, y2, z2, p[1]) || !coinPeint(x3, y3, z3, p[2]))
        return;
    ZoneImage& ima = Ima();
    ima.FillColor = couleur;
    ima.FillStyle = 0;
    ima.ForeColor = couleur;
    ima.DrawMode = 13;
    ima.DrawWidth = 1;
    ima.DrawStyle = 0;
    // While the nodes are drawn in vector mode the bitmap lies hidden under
    // the vector picture, and the facets repainted in painter's order at the
    // end cover every pixel the live paint would give it: painting it twice
    // doubled the relief's time for nothing.
    if (sortie != SortieVectorielle::Montre)
        ima.Polygon(p, 3);
    if (sortie == SortieVectorielle::Enregistre) {
        PointsPolygone = {p[0], p[1], p[2]};
        PolygoneMeta();
    } else if (sortie == SortieVectorielle::Montre) {
        // Without outline, as the metafile draws it.
        ZoneImage& vec = ImaVec();
        copieTrace(ima, vec);
        vec.DrawStyle = 5;
        vec.Polygon(p, 3);
    }
}

void TraceArete(int code, double x1, double y1, double z1, double x2, double y2, double z2, SortieVectorielle sortie)
{
    if (code == 0)
        return;
    TypeArcParCode(code, TypeArcRelief);
    ZoneImage& ima = Ima();
    ima.ForeColor = TypeArcRelief.CouleurCommun;
    ima.DrawWidth = TypeArcRelief.Epaisseur;
    ima.DrawMode = 13;
    ima.DrawStyle = 0;
    const QLineF l(x1, y1 - z1, x2, y2 - z2);
    if (!(std::fabs(l.x1()) + std::fabs(l.y1()) + std::fabs(l.x2()) + std::fabs(l.y2()) < 1e9))
        return;
    if (sortie != SortieVectorielle::Montre) // hidden bitmap: see PeintTriangle
        ima.TraceSegments(&l, 1);
    if (sortie == SortieVectorielle::Enregistre) {
        LigneMeta(l.x1(), l.y1(), l.x2(), l.y2(), ima.ForeColor, ima.DrawWidth);
    } else if (sortie == SortieVectorielle::Montre) {
        ZoneImage& vec = ImaVec();
        copieTrace(ima, vec);
        vec.TraceSegments(&l, 1);
    }
}

void DessineTriangleRelief(ContexteRelief& ctx, double x1, double y1, double z1, double x2, double y2, double z2,
                           double x3, double y3, double z3, const QString& cote, int codeA, int codeB)
{
    ctx.surface += aire3D(x1, y1, z1, x2, y2, z2, x3, y3, z3);
    if (ctx.parametres.valuation == ValuationRelief::FichierRelief3D) {
        AjouteFacette(x1, y1, z1, x2, y2, z2, x3, y3, z3, 0, 0);
        return;
    }
    const bool vectoriel = ModeImageVectorielle();
    const SortieVectorielle sortie = vectoriel ? SortieVectorielle::Montre : SortieVectorielle::Aucune;
    PeintTriangle(x1, y1, z1, x2, y2, z2, x3, y3, z3, OmbreFacette(x1, y1, z1, x2, y2, z2, x3, y3, z3), sortie);
    if (vectoriel)
        AjouteFacette(x1, y1, z1, x2, y2, z2, x3, y3, z3, codeA, codeB);
    if ((cote == u"D" || cote == u"G" || cote == u"A") && ctx.parametres.valuation != ValuationRelief::ReliefThématique) {
        TraceArete(codeA, x1, y1, z1, x2, y2, z2, sortie);
        TraceArete(codeB, x1, y1, z1, x3, y3, z3, sortie);
    }
}

} // namespace kelmo
