#include "values/CartesFlux.h"

#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TypesArcs.h"
#include "values/ClassesValeurs.h"
#include "core/IndexCodes.h"
#include "values/OutilsCartes.h"

#include <array>
#include <cmath>
#include <unordered_map>

namespace kelmo {
namespace {

struct Bande {
    float borne;
    int pas;
};

constexpr std::array<Bande, 13> BandesOrientees{{{10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, 5}, {60, 6}, {70, 7},
                                                  {80, 8}, {90, 9}, {100, 10}, {130, 12}, {160, 14}, {10000, 16}}};
constexpr std::array<Bande, 13> BandesNonOrientees{{{10, 1}, {20, 2}, {30, 4}, {40, 6}, {50, 8}, {60, 10}, {70, 12},
                                                     {80, 15}, {90, 17}, {110, 20}, {130, 23}, {160, 25}, {10000, 30}}};

int pas(const std::array<Bande, 13>& bandes, float p)
{
    const float a = std::fabs(p);
    for (const Bande& b : bandes)
        if (a <= b.borne)
            return b.pas;
    return bandes.back().pas;
}

// The rounded maximum of the flow maps, kept while the scale is locked.
void maximumFlux()
{
    if (K.ValeurMaxArcs1 == 0 || !K.Menu(QStringLiteral("menEchelleBlindéeArcs")).Checked)
        K.ValeurMaxArcs1 = static_cast<float>(ValeurMaxArrondie(MaximumArcs1()));
}

} // namespace

int PasLargeurFlux(float part) { return pas(BandesOrientees, part); }
int PasLargeurFluxNonOrientes(float part) { return pas(BandesNonOrientees, part); }

namespace {

// The loop both flow maps share: the locked or rounded maximum, the progress
// report, each record's pen width from its share of the maximum, and the
// line, recorded in vector mode. `traceArc` sets the colour and the line
// drawn; it returns false for a record it leaves out.
template <typename Largeur, typename Trace>
void parcourtFlux(const QString& message, Largeur largeur, Trace traceArc)
{
    ZoneImage& ima = Ima();
    const FinProgression fin;
    EnregistrementCarte enregistrement;
    maximumFlux();
    if (K.ValeurMaxArcs1 == 0)
        return;
    const double maximum = K.ValeurMaxArcs1;
    const int32_t n = NombreArcs1Utilises();
    AfficheProgression(n, 0, message);
    for (int32_t i = 1; i <= n; ++i) {
        if (i % 10 == 0)
            AfficheProgression(n, i, message);
        ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        int pasLargeur = 0;
        if (!largeur(a, maximum, pasLargeur))
            continue;
        ima.DrawWidth = LargeurStylo(pasLargeur * K.EchelleRonds);
        a.Largeur = static_cast<float>(ima.DrawWidth);
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (traceArc(a, x1, y1, x2, y2))
            TraceLigneCarte(x1, y1, x2, y2, enregistrement);
    }
    AfficheProgression(n, n, message);
    ima.Refresh();
}

} // namespace

void AfficheFlux()
{
    parcourtFlux(
        QStringLiteral("Affiche les flux..."),
        [](const ArcValeur& a, double maximum, int& pasLargeur) {
            const float p = static_cast<float>(static_cast<double>(a.Valeur) * 100 / maximum);
            pasLargeur = PasLargeurFlux(p);
            return true;
        },
        [](const ArcValeur& a, double& x1, double& y1, double& x2, double& y2) {
            if (!ExtremitesPlacees(a.IndiceOrigine, a.IndiceDestination, x1, y1, x2, y2))
                return false;
            // Each direction drawn beside the link, on its own side.
            const double dx = x2 - x1, dy = y2 - y1;
            double l = std::sqrt(dx * dx + dy * dy);
            if (l == 0)
                l = 1;
            const double h = (Ima().DrawWidth + 3) / 2.0;
            const double ox = -dy / l * h, oy = dx / l * h;
            x1 += ox, y1 += oy, x2 += ox, y2 += oy;
            return true;
        });
}

void AfficheFluxNonOrientes()
{
    parcourtFlux(
        QStringLiteral("Affiche les flux non orientés..."),
        [](const ArcValeur& a, double maximum, int& pasLargeur) {
            if (!AuDessusDuSeuil(a.Valeur))
                return false;
            const float p = static_cast<float>(std::fabs(static_cast<double>(a.Valeur)) * 100 / maximum);
            pasLargeur = PasLargeurFluxNonOrientes(p);
            return true;
        },
        [](const ArcValeur& a, double& x1, double& y1, double& x2, double& y2) {
            Ima().ForeColor = a.Couleur;
            return ExtremitesPlacees(a.IndiceOrigine, a.IndiceDestination, x1, y1, x2, y2);
        });
}

void AfficheFluxNonOrientesModes()
{
    ZoneImage& ima = Ima();
    EnregistrementCarte enregistrement;
    const int32_t nbNoeuds = std::min<int32_t>(K.NbNoeuds, static_cast<int32_t>(K.Noeuds.size()) - 1);
    const auto code = [nbNoeuds](int32_t indice, int32_t& c) {
        if (indice < 1 || indice > nbNoeuds)
            return false;
        c = K.Noeuds[static_cast<std::size_t>(indice)].Code;
        return true;
    };
    // The first network arc of each unordered pair of node codes, as a scan
    // of the arc table in order finds it.
    std::unordered_map<uint64_t, int32_t> premierArc;
    bool indexe = false;
    const auto arcReseau = [&](int32_t co, int32_t cd) {
        if (!indexe) {
            indexe = true;
            const int32_t nbArcs = std::min<int32_t>(K.NbArcs, static_cast<int32_t>(K.Arcs.size()) - 1);
            premierArc.reserve(static_cast<std::size_t>(std::max(nbArcs, 0)));
            for (int32_t j = 1; j <= nbArcs; ++j) {
                const Arc& arc = K.Arcs[static_cast<std::size_t>(j)];
                int32_t o = 0, d = 0;
                if (code(arc.IndiceOrigine, o) && code(arc.IndiceDestination, d))
                    premierArc.try_emplace(ClePaireNonOrientee(o, d), j);
            }
        }
        const auto it = premierArc.find(ClePaireNonOrientee(co, cd));
        return it == premierArc.end() ? 0 : it->second;
    };

    TypeArc type; // the last link type found; all zero (black) before the first
    const int32_t n = NombreArcs1Utilises();
    for (int32_t i = 1; i <= n; ++i) {
        ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        const int c = ClasseDeValeur(a.Valeur);
        // A pair in no class would be drawn with the pen of another one.
        if (c == 0)
            continue;
        int32_t co = 0, cd = 0;
        if (code(a.IndiceOrigine, co) && code(a.IndiceDestination, cd))
            if (const int32_t j = arcReseau(co, cd); j > 0) {
                TypeArcParCode(K.Arcs[static_cast<std::size_t>(j)].Mode, type);
                ima.ForeColor = type.CouleurCommun;
            }
        Classe& k = K.Classes[static_cast<std::size_t>(c)];
        if (k.Epaisseur == 0)
            k.Epaisseur = 1;
        const double largeur = k.Epaisseur * K.EchelleRonds;
        ima.DrawWidth = LargeurStylo(largeur);
        a.Largeur = static_cast<float>(largeur);
        a.Couleur = ima.ForeColor;
        // A white class is left out of the map.
        if (k.Couleur != RGB(255, 255, 255))
            TraceArcCarte(a.IndiceOrigine, a.IndiceDestination, enregistrement);
    }
    ima.Refresh();
}

} // namespace kelmo
