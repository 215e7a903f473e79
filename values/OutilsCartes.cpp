#include "values/OutilsCartes.h"

#include "core/Images.h"
#include "platform/Nombres.h"

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kelmo {

bool PositionNoeud(int32_t indice, double& x, double& y)
{
    const int32_t nb = std::min<int32_t>(K.NbNoeuds, static_cast<int32_t>(K.Noeuds.size()) - 1);
    if (indice < 1 || indice > nb)
        return false;
    const Noeud& n = K.Noeuds[static_cast<std::size_t>(indice)];
    x = n.XEcran;
    y = n.YEcran;
    return true;
}

bool ExtremitesPlacees(int32_t origine, int32_t destination, double& x1, double& y1, double& x2, double& y2)
{
    if (!PositionNoeud(origine, x1, y1) || !PositionNoeud(destination, x2, y2))
        return false;
    return x1 + y1 != 0 && x2 + y2 != 0;
}

int LargeurStylo(double largeur) { return EnEntier16(largeur); }

void TraceTrait(double x1, double y1, double x2, double y2)
{
    const QLineF trait(x1, y1, x2, y2);
    Ima().TraceSegments(&trait, 1);
}

double ValeurMaxArrondie(double maximum)
{
    const double t = std::trunc(maximum);
    if (!(t >= 1) || !std::isfinite(t))
        return 0;
    char chiffres[400];
    const int n = std::snprintf(chiffres, sizeof chiffres, "%.0f", t);
    if (n < 1 || n >= static_cast<int>(sizeof chiffres))
        return 0;
    return (chiffres[0] - '0') * std::pow(10.0, n - 1);
}

int32_t NombreArcs1Utilises()
{
    return std::clamp<int32_t>(K.NombreArcs1, 0, static_cast<int32_t>(K.Arcs1.size()) - 1);
}

float MaximumArcs1()
{
    float m = 0;
    const int32_t n = NombreArcs1Utilises();
    for (int32_t r = 1; r <= n; ++r)
        if (K.Arcs1[static_cast<std::size_t>(r)].Valeur > m)
            m = K.Arcs1[static_cast<std::size_t>(r)].Valeur;
    return m;
}

EnregistrementCarte::EnregistrementCarte() : vectoriel_(ModeImageVectorielle()), ouvert_(vectoriel_)
{
    if (ouvert_)
        DebutMetaFichier();
}

EnregistrementCarte::~EnregistrementCarte()
{
    try {
        ferme();
    } catch (...) {
        // Closing must not throw out of a map that is already failing.
    }
}

void EnregistrementCarte::ferme()
{
    if (!ouvert_)
        return;
    ouvert_ = false;
    FinMetaFichier();
}

void TraceLigneCarte(double x1, double y1, double x2, double y2, const EnregistrementCarte& enregistrement)
{
    ZoneImage& ima = Ima();
    ima.TracePolyligne(x1, y1, x2, y2);
    if (enregistrement.vectoriel())
        LigneMeta(x1, y1, x2, y2, ima.ForeColor, ima.DrawWidth);
}

bool TraceArcCarte(int32_t origine, int32_t destination, const EnregistrementCarte& enregistrement)
{
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!ExtremitesPlacees(origine, destination, x1, y1, x2, y2))
        return false;
    TraceLigneCarte(x1, y1, x2, y2, enregistrement);
    return true;
}

} // namespace kelmo
