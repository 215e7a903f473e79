#include "values/Probabilites.h"

#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Nombres.h"
#include "relief/Vecteurs3D.h"
#include "values/OutilsCartes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kelmo {
namespace {

// An origin whose picture coordinates add up to 0 was never placed: no
// circle stands for it.
bool originePlacee(const ArcValeur& a, double& x, double& y)
{
    return PositionNoeud(a.IndiceOrigine, x, y) && x + y != 0;
}

} // namespace

int LargeurSegmentProbabilite(float aire, float disponible)
{
    // The search n = 2, 3, ... while n x disponible < aire, found directly.
    const auto loge = [&](double n) { return static_cast<float>(n) * disponible >= aire; };
    if (loge(2))
        return 2;
    const double q = static_cast<double>(aire) / disponible;
    if (!(q <= 40000))
        return 3000;
    double n = std::max(2.0, std::ceil(q));
    while (!loge(n))
        ++n;
    while (n > 2 && loge(n - 1))
        --n;
    return n > 32000 ? 3000 : static_cast<int>(n);
}

void AfficheProbabilites()
{
    ZoneImage& ima = Ima();
    const FinProgression fin;
    const QString message = QStringLiteral("Affiche les probabilités...");
    const int32_t n = NombreArcs1Utilises();
    const int32_t nbNoeuds = std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1);
    std::vector<float> totalEmis(static_cast<std::size_t>(nbNoeuds) + 1, 0.0f);
    AfficheProgression(n, 0, message);
    for (int32_t r = 1; r <= n; ++r) {
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(r)];
        if (a.IndiceOrigine >= 1 && a.IndiceOrigine <= nbNoeuds)
            totalEmis[static_cast<std::size_t>(a.IndiceOrigine)] += a.Valeur;
    }
    ima.FillColor = QBColor(4);
    ima.FillStyle = 0;
    const double r0 = 10 * K.EchelleRonds;
    const double aireCercle = Pi * r0 * r0;

    for (int32_t i = 1; i <= n; ++i) {
        if (i % 10 == 0)
            AfficheProgression(n, i, message);
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        if (!AuDessusDuSeuil(a.Valeur) || a.IndiceOrigine == a.IndiceDestination)
            continue;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (!ExtremitesPlacees(a.IndiceOrigine, a.IndiceDestination, x1, y1, x2, y2))
            continue;
        const float total = totalEmis[static_cast<std::size_t>(a.IndiceOrigine)];
        // Values that cancel out leave no share to draw.
        if (total == 0)
            continue;
        const double l = Distance3D(x1, y1, 0, x2, y2, 0);
        // Two nodes within the circle leave no room for a segment.
        if (!(l > r0))
            continue;
        double disponible = l - r0;
        if (disponible > r0)
            disponible -= r0;
        const float lu = static_cast<float>(disponible);
        const float s = static_cast<float>(static_cast<double>(a.Valeur) * aireCercle / total);
        const int largeur = LargeurSegmentProbabilite(s, lu);
        const double longueur = static_cast<double>(s) / largeur;
        double theta = 0, signe = 1;
        if (x2 != x1) {
            theta = std::atan((y2 - y1) / (x2 - x1));
            signe = x2 > x1 ? 1 : -1;
        } else {
            theta = y2 > y1 ? Pi / 2 : -Pi / 2;
        }
        const double ux = signe * std::cos(theta), uy = signe * std::sin(theta);
        const double px1 = x1 + r0 * ux, py1 = y1 + r0 * uy;
        const double px2 = x1 + (r0 + longueur) * ux, py2 = y1 + (r0 + longueur) * uy;
        ima.DrawWidth = 1;
        ima.DrawStyle = 2;
        ima.ForeColor = RGB(130, 130, 130);
        ima.TracePolyligne(px1, py1, x2, y2);
        ima.DrawStyle = 0;
        ima.DrawWidth = LargeurStylo(largeur * K.EchelleRonds);
        ima.ForeColor = QBColor(4);
        ima.TracePolyligne(px1, py1, px2, py2);
    }

    for (int32_t i = 1; i <= n; ++i) {
        if (i % 10 == 0)
            AfficheProgression(n, i, message);
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        double x = 0, y = 0;
        if (!originePlacee(a, x, y))
            continue;
        ima.DrawWidth = 1;
        ima.FillColor = QBColor(7);
        x = ArrondiBanquier(x);
        y = ArrondiBanquier(y);
        ima.ForeColor = QBColor(7);
        ima.TraceCercle(x, y, r0);
        ima.ForeColor = QBColor(4);
        ima.TraceCercle(x, y, r0 - 1);
    }

    for (int32_t i = 1; i <= n; ++i) {
        if (i % 10 == 0)
            AfficheProgression(n, i, message);
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        double x = 0, y = 0;
        if (a.IndiceOrigine != a.IndiceDestination || !originePlacee(a, x, y))
            continue;
        ima.FillColor = QBColor(4);
        ima.ForeColor = QBColor(4);
        ima.TraceCercle(ArrondiBanquier(x), ArrondiBanquier(y), r0 - 1);
    }
    ima.Refresh();
    AfficheProgression(n, n, message);
}

} // namespace kelmo
