#include "values/ClassesArcs.h"

#include "core/Images.h"
#include "core/Modele.h"
#include "values/ClassesValeurs.h"
#include "values/OutilsCartes.h"

#include <cmath>
#include <utility>

namespace kelmo {

void TrieArcs1()
{
    const int32_t n = NombreArcs1Utilises();
    std::vector<ArcValeur>& a = K.Arcs1;
    for (int32_t ecart = n / 2; ecart > 0; ecart /= 2) {
        int32_t limite = n - ecart;
        int32_t dernier = 0;
        do {
            dernier = 0;
            for (int32_t j = 1; j <= limite; ++j) {
                if (std::fabs(a[static_cast<std::size_t>(j)].Valeur) >
                    std::fabs(a[static_cast<std::size_t>(j + ecart)].Valeur)) {
                    std::swap(a[static_cast<std::size_t>(j)], a[static_cast<std::size_t>(j + ecart)]);
                    dernier = j;
                }
            }
            limite = dernier - ecart;
        } while (dernier != 0);
    }
}

void AfficheClassesArcs()
{
    ZoneImage& ima = Ima();
    EnregistrementCarte enregistrement;
    const int32_t n = NombreArcs1Utilises();
    for (int32_t r = 1; r <= n; ++r) {
        ArcValeur& a = K.Arcs1[static_cast<std::size_t>(r)];
        if (!AuDessusDuSeuil(a.Valeur) || a.Valeur == 0)
            continue;
        if (const int c = ClasseDeValeur(a.Valeur); c > 0) {
            const Classe& k = K.Classes[static_cast<std::size_t>(c)];
            const double largeur = k.Epaisseur * K.EchelleRonds;
            ima.ForeColor = k.Couleur;
            ima.DrawWidth = LargeurStylo(largeur);
            a.Couleur = k.Couleur;
            a.Largeur = static_cast<float>(largeur);
        }
        TraceArcCarte(a.IndiceOrigine, a.IndiceDestination, enregistrement);
    }
    ima.Refresh();
}

} // namespace kelmo
