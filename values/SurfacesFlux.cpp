#include "values/SurfacesFlux.h"

#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Nombres.h"
#include "core/IndexCodes.h"
#include "values/OutilsCartes.h"

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <utility>

namespace kelmo {

namespace {
constexpr int LignesSurfaces = 100000;
} // namespace

std::vector<std::array<float, 6>> SurfacesFlux(LignesSurfaces + 1);
std::vector<int32_t> OrdreSurfacesFlux(LignesSurfaces + 1);

namespace {

const bool enregistre = (EnregistreReinitialisation([] {
                             SurfacesFlux.assign(LignesSurfaces + 1, std::array<float, 6>{});
                             OrdreSurfacesFlux.assign(LignesSurfaces + 1, 0);
                         }),
                         true);

int32_t nombreSurfaces() { return std::min<int32_t>(NombreArcs1Utilises(), LignesSurfaces); }

// A corner of a band in whole picture units, halves to even, held where the
// picture's drawing calls can take it.
int coin(double v) { return static_cast<int>(std::clamp(ArrondiBanquier(v), -1e9, 1e9)); }

} // namespace

void AffecteSurfacesFlux()
{
    const FinProgression fin;
    const QString message = QStringLiteral("Affecte le tableau des surf. de flux...");
    const int32_t n = nombreSurfaces();
    const IndexCodes noeuds = IndexCodesNoeuds();
    AfficheProgression(n, 0, message);
    for (int32_t i = 1; i <= n; ++i) {
        if (i % 10 == 0)
            AfficheProgression(n, i, message);
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        std::array<float, 6>& ligne = SurfacesFlux[static_cast<std::size_t>(i)];
        const int32_t o = noeuds.Premier(a.CodeOrigine);
        const int32_t d = o > 0 ? noeuds.Premier(a.CodeDestination) : 0;
        if (o == 0 || d == 0) {
            ligne = {};
            continue;
        }
        const Noeud& no = K.Noeuds[static_cast<std::size_t>(o)];
        const Noeud& nd = K.Noeuds[static_cast<std::size_t>(d)];
        ligne[1] = no.XEcran;
        ligne[2] = no.YEcran;
        ligne[3] = nd.XEcran;
        ligne[4] = nd.YEcran;
        ligne[5] = a.Valeur;
    }
    AfficheProgression(n, n, message);
}

void TrieSurfacesFlux()
{
    const int32_t n = nombreSurfaces();
    std::vector<int32_t>& ordre = OrdreSurfacesFlux;
    for (int32_t i = 1; i <= n; ++i)
        ordre[static_cast<std::size_t>(i)] = i;
    const auto cle = [](int32_t ligne) {
        const std::array<float, 6>& s = SurfacesFlux[static_cast<std::size_t>(ligne)];
        return (s[2] + s[4]) / 2;
    };
    for (int32_t ecart = n / 2; ecart > 0; ecart /= 2) {
        int32_t limite = n - ecart;
        int32_t dernier = 0;
        do {
            dernier = 0;
            for (int32_t j = 1; j <= limite; ++j) {
                int32_t& a = ordre[static_cast<std::size_t>(j)];
                int32_t& b = ordre[static_cast<std::size_t>(j + ecart)];
                if (cle(a) > cle(b)) {
                    std::swap(a, b);
                    dernier = j;
                }
            }
            limite = dernier - ecart;
        } while (dernier != 0);
    }
}

void AfficheSurfacesFlux()
{
    ZoneImage& ima = Ima();
    const FinProgression fin;
    ima.FillColor = K.CouleurInterieurNoeuds;
    ima.FillStyle = 0;
    ima.DrawMode = 13;
    ima.DrawWidth = LargeurStylo(K.EpaisseurNoeuds);
    ima.ForeColor = 0;
    const QString message = QStringLiteral("Affiche les surfaces de flux...");
    const int32_t n = nombreSurfaces();
    const double sinus = std::sin(static_cast<double>(K.AngleVerticalDonnees));
    AfficheProgression(n, 0, message);
    for (int32_t i = 1; i <= n; ++i) {
        if (i % 10 == 0)
            AfficheProgression(n, i, message);
        const int32_t k = OrdreSurfacesFlux[static_cast<std::size_t>(i)];
        if (k < 1 || k > LignesSurfaces)
            continue;
        const std::array<float, 6>& s = SurfacesFlux[static_cast<std::size_t>(k)];
        const double h = static_cast<double>(s[5]) / 10 * sinus;
        const double xo = s[1], yo = s[2], xd = s[3], yd = s[4];
        if (xo + yo == 0 || xd + yd == 0)
            continue;
        const QPoint bande[4] = {QPoint(coin(xo), coin(yo)), QPoint(coin(xo), coin(yo - h)),
                                 QPoint(coin(xd), coin(yd - h)), QPoint(coin(xd), coin(yd))};
        ima.Polygon(bande, 4);
    }
    AfficheProgression(n, n, message);
}

} // namespace kelmo
