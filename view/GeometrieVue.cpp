#include "view/GeometrieVue.h"

#include "core/Images.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "view/DessinNoeuds.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

namespace {

int32_t nombreNoeuds() { return std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1); }

// The whole projection of one node for a given origin, in double precision:
// the centring solves for the origin on it, the projection being affine in
// the origin.
struct Point2 {
    double x, y;
};

Point2 projette(int32_t k, int32_t centre, double ox, double oy)
{
    const double e = K.Echelle;
    const Noeud& n = K.Noeuds[k];
    double x = n.X / e + ox;
    double y = oy - n.Y / e;
    const double z = n.Z / e;
    double cx = 0, cy = 0;
    if (centre > 0) {
        cx = K.Noeuds[centre].X / e + ox;
        cy = oy - K.Noeuds[centre].Y / e;
    }
    const double a = K.AngleHorizontal;
    const double dx = x - cx, dy = y - cy;
    x = cx + dx * std::cos(a) - dy * std::sin(a);
    y = cy + dx * std::sin(a) + dy * std::cos(a);
    if (K.AngleVertical != 0)
        y = y * std::cos(K.AngleVertical) - z * std::sin(K.AngleVertical);
    return {x, y};
}

// The origin shift that moves node k by (ex, ey) on the picture. Where the
// tilt flattens the vertical axis (cosine near 0) only the horizontal part
// is solved, as the smallest shift doing it.
Point2 decalageOrigine(int32_t k, double ex, double ey)
{
    const int32_t centre = NoeudCentreRotation(K.VilleCentreRotation);
    const Point2 p0 = projette(k, centre, K.OrigineX, K.OrigineY);
    const Point2 px = projette(k, centre, K.OrigineX + 1, K.OrigineY);
    const Point2 py = projette(k, centre, K.OrigineX, K.OrigineY + 1);
    const double a = px.x - p0.x, b = py.x - p0.x; // row of x
    const double c = px.y - p0.y, d = py.y - p0.y; // row of y
    const double det = a * d - b * c;
    const double normeX = a * a + b * b, normeY = c * c + d * d;
    if (std::fabs(det) > 1e-6 * std::max(1.0, std::sqrt(normeX * normeY)))
        return {(ex * d - b * ey) / det, (a * ey - c * ex) / det};
    if (normeX >= normeY && normeX > 1e-12)
        return {a * ex / normeX, b * ex / normeX};
    if (normeY > 1e-12)
        return {c * ey / normeY, d * ey / normeY};
    return {0, 0};
}

} // namespace

double FacteurZoom(int bouton, int shift)
{
    if (bouton == 1)
        return shift == 2 ? 1.3 : 1.05;
    return shift == 2 ? 0.7 : 0.95;
}

void ZoomSurNoeudProche(double x, double y, int bouton, int shift)
{
    const int32_t n = nombreNoeuds();
    double plusPetite = 100000000.0;
    int32_t code = 0;
    bool trouve = false;
    for (int32_t i = 1; i <= n; ++i) {
        const Noeud& p = K.Noeuds[i];
        const double d = std::hypot(x - p.XEcran, y - p.YEcran);
        if (d < plusPetite) {
            plusPetite = d;
            code = p.Code;
            trouve = true;
        }
    }
    if (!trouve)
        return;
    K.Echelle = K.Echelle * FacteurZoom(bouton, shift);
    Ima().Cls();
    CentreVueSurNoeud(code);
}

void CentreVueSurNoeud(int32_t code)
{
    const int32_t n = nombreNoeuds();
    int32_t k = 0;
    for (int32_t i = 1; i <= n && k == 0; ++i)
        if (K.Noeuds[i].Code == code)
            k = i;
    if (k == 0)
        return;

    ReprojetteVue();
    const double xc = Ima().ScaleWidth() / 2.0;
    const double yc = Ima().ScaleHeight() / 2.0;
    const double tolerance = 5;
    // The projection is affine in the origin, so the shift is solved for
    // directly; a few more passes only mop up single-precision rounding.
    // Stepping the origin by the node's miss instead diverges once the
    // rotation about the picture corner reaches 60 degrees or the tilt 90.
    for (int passe = 1; passe <= 51; ++passe) {
        const double xn = K.Noeuds[k].XEcran, yn = K.Noeuds[k].YEcran;
        if (!(xn < xc - tolerance || xn > xc + tolerance || yn < yc - tolerance || yn > yc + tolerance))
            break;
        const Point2 dec = decalageOrigine(k, xc - xn, yc - yn);
        if (!std::isfinite(dec.x) || !std::isfinite(dec.y) || (dec.x == 0 && dec.y == 0))
            break;
        K.OrigineX += dec.x;
        K.OrigineY += dec.y;
        ReprojetteVue();
    }
    DessineNoeuds(true, true);
}

} // namespace kelmo
