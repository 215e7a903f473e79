#include "ReseauRealiste.h"
#include "core/Defauts.h"
#include "core/DonneesDerivees.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "core/TypesArcs.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace kelmo::bench {

void ChargeReseauRealiste(double inclinaison)
{
    ReinitialiseDonnees();
    DefinitTypesArcs();
    DefinitValeursParDefaut();
    DefinitDefautsOptionsRelief();
    DefinitDefautsStatistiques();
    // Towns on a jittered 100 x 60 grid of about 13 km cells, in metres
    // scaled to the start-up view (scale 3, origin y 1100).
    std::mt19937 g(2024);
    std::uniform_real_distribution<float> bruit(-14, 14);
    constexpr int Colonnes = 100, Lignes = 60;
    K.Noeuds.assign(1, Noeud{});
    K.NbNoeuds = Colonnes * Lignes;
    K.Noeuds.resize(static_cast<std::size_t>(K.NbNoeuds) + 1);
    for (int i = 1; i <= K.NbNoeuds; ++i) {
        Noeud& n = K.Noeuds[static_cast<std::size_t>(i)];
        n.Nom = QStringLiteral("VILLE %1").arg(i);
        n.Code = 100000 + i * 7;
        n.Population = (i % 7 == 0) ? 50000 + i : 800 + i % 300;
        n.X = (float((i - 1) % Colonnes) * 39.f + 30.f + bruit(g)) * 3.f;
        n.Y = (1100.f - (float((i - 1) / Colonnes) * 14.5f + 30.f + bruit(g) / 3.f)) * 3.f;
        n.Visible = true;
    }
    // Each town linked to towns at most two cells away; the link type drawn
    // from a regional mix, weighted.
    struct Part {
        TypeArc& (*type)();
        int poids;
    };
    const Part melange[] = {{TypeRoute70, 30}, {TypeRoute60, 14}, {TypeRoute50, 12}, {TypeAutoroute, 10},
                            {TypeVoieExpressInterurb, 6}, {TypeTrain, 8}, {TypeTER, 8}, {TypeTGV, 3},
                            {TypeVoieUrbaine, 3}, {TypeBus25, 2}, {TypeFerry, 1}, {TypeAvion, 1}, {TypeMarche5, 2}};
    std::vector<int> tirage;
    for (const Part& p : melange)
        for (int k = 0; k < p.poids; ++k)
            tirage.push_back(p.type().Code);
    std::uniform_int_distribution<int> pas(-2, 2), choix(0, static_cast<int>(tirage.size()) - 1);
    K.Arcs.assign(1, Arc{});
    for (int i = 1; i <= NbMaxArcsFichier; ++i) {
        const int o = (i - 1) % K.NbNoeuds + 1;
        int d = o;
        while (d == o) {
            const int col = std::clamp((o - 1) % Colonnes + pas(g), 0, Colonnes - 1);
            const int lig = std::clamp((o - 1) / Colonnes + pas(g), 0, Lignes - 1);
            d = lig * Colonnes + col + 1;
        }
        const Noeud& no = K.Noeuds[static_cast<std::size_t>(o)];
        const Noeud& nd = K.Noeuds[static_cast<std::size_t>(d)];
        Arc a;
        a.CodeOrigine = no.Code;
        a.CodeDestination = nd.Code;
        a.Mode = static_cast<int16_t>(tirage[static_cast<std::size_t>(choix(g))]);
        TypeArc t;
        TypeArcParCode(a.Mode, t);
        a.Longueur = static_cast<float>(std::hypot(no.X - nd.X, no.Y - nd.Y) / 1000.0 * 1.2);
        a.Duree = static_cast<float>(a.Longueur / std::max<int>(1, t.Vitesse) * 60.0);
        a.Minimal = EstModeRoutierGroupe(a.Mode) ? 1 : 0;
        a.Jours = QStringLiteral("1111111");
        K.Arcs.push_back(a);
    }
    K.NbArcs = NbMaxArcsFichier;
    K.ComparaisonArcs.assign(K.Arcs.size(), 1.f);
    IndexeArcs();
    DefinitOrientationArcs();
    CalculeModesNoeuds();

    K.VitesseReference = 220;
    K.AngleVertical = inclinaison;
    ReprojetteVue();
    TrieNoeudsProfondeur();
}

} // namespace kelmo::bench
