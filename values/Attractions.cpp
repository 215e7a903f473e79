#include "values/Attractions.h"

#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Nombres.h"
#include "core/IndexCodes.h"
#include "values/OutilsCartes.h"

#include <cmath>

namespace kelmo {

std::vector<std::array<float, 5>> AutoAttractions(NbMaxArcsValeurs + 1);

namespace {

const bool enregistre = (EnregistreReinitialisation([] {
                             AutoAttractions.assign(NbMaxArcsValeurs + 1, std::array<float, 5>{});
                         }),
                         true);

const QString MessageAttractions = QStringLiteral("Affiche les attractions...");

} // namespace

int PasLargeurAttraction(float p)
{
    if (p >= 0 && p <= 20)
        return 1;
    if (p > 20 && p <= 40)
        return 2;
    if (p > 40 && p <= 60)
        return 3;
    if (p > 60 && p <= 80)
        return 4;
    return 5;
}

void AfficheAttractions()
{
    ZoneImage& ima = Ima();
    const FinProgression fin;
    EnregistrementCarte enregistrement;
    K.ValeurMaxArcs1 = static_cast<float>(ValeurMaxArrondie(MaximumArcs1()));
    // No value of 1 or more: no share can be formed, nothing is drawn.
    if (K.ValeurMaxArcs1 == 0)
        return;
    const double maximum = K.ValeurMaxArcs1;
    const auto pas = [maximum](float v) {
        return PasLargeurAttraction(static_cast<float>(static_cast<double>(v) * 100 / maximum));
    };
    const int32_t n = NombreArcs1Utilises();

    AfficheProgression(n, 0, MessageAttractions);
    static const Couleur couleurs[3] = {QBColor(4), QBColor(2), QBColor(1)};
    for (int32_t i = 1; i <= n; i += 3) {
        if (i % 10 == 0)
            AfficheProgression(n, i, MessageAttractions);
        for (int k = 2; k >= 0; --k) {
            const int32_t r = i + k;
            // The last group of a file that is not a multiple of three ends
            // with the file.
            if (r > n)
                continue;
            ArcValeur& a = K.Arcs1[static_cast<std::size_t>(r)];
            if (!AuDessusDuSeuil(a.Valeur))
                continue;
            ima.ForeColor = couleurs[k];
            ima.DrawWidth = LargeurStylo(pas(a.Valeur) * K.EchelleRonds);
            a.Largeur = static_cast<float>(ima.DrawWidth);
            a.Couleur = couleurs[k];
            TraceArcCarte(a.IndiceOrigine, a.IndiceDestination, enregistrement);
        }
    }
    AfficheProgression(n, n, MessageAttractions);

    AfficheProgression(n, 0, MessageAttractions);
    const IndexCodes noeuds = IndexCodesNoeuds();
    for (int32_t i = 1; i <= n; i += 3) {
        if (i % 10 == 0)
            AfficheProgression(n, i, MessageAttractions);
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        const int32_t o = noeuds.Premier(a.CodeOrigine);
        if (o == 0)
            continue;
        const int32_t d = noeuds.Premier(a.CodeDestination);
        if (d == 0 || !(static_cast<double>(a.Valeur) > K.SeuilAttractions))
            continue;
        ima.ForeColor = QBColor(4);
        ima.DrawWidth = pas(a.Valeur);
        TraceArcCarte(o, d, enregistrement);
    }
    AfficheProgression(n, n, MessageAttractions);
    ima.Refresh();
}

void AfficheAutoAttractions()
{
    ZoneImage& ima = Ima();
    const int32_t n = NombreArcs1Utilises();
    const IndexCodes noeuds = IndexCodesNoeuds();
    for (int32_t i = 1; i <= n; ++i) {
        std::array<float, 5>& ligne = AutoAttractions[static_cast<std::size_t>(i)];
        // Cleared each time: a row found by an earlier file is not drawn again.
        ligne = {};
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(i)];
        const int32_t m = noeuds.Premier(a.CodeOrigine);
        if (m == 0)
            continue;
        const Noeud& noeud = K.Noeuds[static_cast<std::size_t>(m)];
        ligne[1] = noeud.XEcran;
        ligne[2] = noeud.YEcran;
        // The window stops at the last record read.
        for (int32_t j = 0; j <= 2 && i + j <= n; ++j) {
            const ArcValeur& b = K.Arcs1[static_cast<std::size_t>(i + j)];
            if (b.CodeDestination == noeud.Code) {
                ligne[3] = b.Valeur;
                ligne[4] = static_cast<float>(j + 1);
                break;
            }
        }
    }
    ima.ForeColor = QBColor(0);
    ima.DrawWidth = 1;
    // Filled whatever fill style an earlier drawing left.
    ima.FillStyle = 0;
    Couleur couleur = 0;
    for (int32_t k = 1; k <= n; ++k) {
        const std::array<float, 5>& ligne = AutoAttractions[static_cast<std::size_t>(k)];
        if (ligne[4] == 1)
            couleur = QBColor(4);
        else if (ligne[4] == 2)
            couleur = QBColor(2);
        else if (ligne[4] == 3)
            couleur = QBColor(6);
        if (ligne[3] != 0) {
            ima.FillColor = couleur;
            ima.TraceCercle(ArrondiBanquier(ligne[1]), ArrondiBanquier(ligne[2]), 3);
        }
    }
    ima.Refresh();
}

} // namespace kelmo
