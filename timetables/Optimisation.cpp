#include "timetables/Optimisation.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "core/TypesArcs.h"
#include "editing/ElimineNoeud.h"
#include "platform/Dialogues.h"
#include "timetables/IndexArcsNoeuds.h"
#include "timetables/LignesHoraires.h"

#include <algorithm>
#include <vector>

namespace kelmo {
namespace {

const Arc& arc(int32_t k) { return K.Arcs[static_cast<std::size_t>(k)]; }

// The rule on the arcs still present (vivant) at node n.
template <class Vivant>
bool dePassage(int32_t n, const IndexArcsNoeuds& index, Vivant vivant)
{
    const int16_t ter = TypeTER().Code;
    std::vector<int16_t> arrivees, departs;
    for (const int32_t k : index.Arrivants(n)) {
        if (!vivant(k))
            continue;
        if (arc(k).Mode != ter)
            return false;
        arrivees.push_back(arc(k).HeureArrivee);
    }
    for (const int32_t k : index.Partants(n)) {
        if (!vivant(k))
            continue;
        if (arc(k).Mode != ter)
            return false;
        departs.push_back(arc(k).HeureDepart);
    }
    if (arrivees.empty() && departs.empty())
        return false;
    std::sort(arrivees.begin(), arrivees.end());
    std::sort(departs.begin(), departs.end());
    arrivees.erase(std::unique(arrivees.begin(), arrivees.end()), arrivees.end());
    departs.erase(std::unique(departs.begin(), departs.end()), departs.end());
    // Every arrival minute has a departure and every departure minute an
    // arrival: the two sets of minutes are the same.
    return arrivees == departs;
}

struct RemiseAccord {
    bool avant = K.DemandeAccord;
    ~RemiseAccord() { K.DemandeAccord = avant; }
};

} // namespace

bool NoeudDePassage(int n)
{
    const IndexArcsNoeuds index;
    return n >= 1 && n <= K.NbNoeuds && dePassage(n, index, [](int32_t) { return true; });
}

void OptimiseHoraires()
{
    const RemiseAccord remise;
    K.DemandeAccord = true;
    const QString titre = QStringLiteral("Elimination d'un noeud");
    const bool demande = Ui().Message(QStringLiteral("Voulez-vous demander l'accord avant d'éliminer les noeud ?"),
                                      Boutons::OuiNon, Icone::Question, titre)
                         != Reponse::Non;

    // The sweep decides node by node on the arcs still present; the tables
    // are compacted, re-projected and re-indexed once at the end, which gives
    // the tables that removing each node at once would give.
    const IndexArcsNoeuds index;
    std::vector<char> mort(static_cast<std::size_t>(K.NbArcs) + 1, 0);
    std::vector<char> retire(static_cast<std::size_t>(K.NbNoeuds) + 1, 0);
    int32_t nbRetires = 0, arcsMorts = 0;
    auto vivant = [&mort](int32_t k) { return !mort[static_cast<std::size_t>(k)]; };
    for (int32_t n = 1; n <= K.NbNoeuds; ++n) {
        K.StatusBar.Panneaux[5] = QStringLiteral("Examine ") + NomNoeud(n, 50);
        if (!dePassage(n, index, vivant))
            continue;
        if (demande
            && Ui().Message(QStringLiteral("Etes-vous d'accord pour éliminer le noeud ") + NomNoeud(n, 50)
                                + QStringLiteral(" ?"),
                            Boutons::OuiNon, Icone::Question, titre)
                   != Reponse::Oui)
            continue;
        retire[static_cast<std::size_t>(n)] = 1;
        ++nbRetires;
        for (const auto arcs : {index.Arrivants(n), index.Partants(n)})
            for (const int32_t k : arcs)
                if (!mort[static_cast<std::size_t>(k)]) {
                    mort[static_cast<std::size_t>(k)] = 1;
                    ++arcsMorts;
                }
        K.StatusBar.Panneaux[1] = QString::number(K.NbNoeuds - nbRetires) + QStringLiteral(" noeuds ");
        K.StatusBar.Panneaux[2] = QString::number(K.NbArcs - arcsMorts) + QStringLiteral(" arcs ");
        if (K.StatusBar.Repeint)
            K.StatusBar.Repeint();
    }
    if (nbRetires > 0) {
        ElimineNoeudsNumeros(retire);
        CalculeCoordonneesEcran();
        TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
        InclineNoeuds(K.AngleVertical);
        TrieNoeudsProfondeur();
        K.StatusBar.Panneaux[1] = QString::number(K.NbNoeuds) + QStringLiteral(" noeuds ");
        K.StatusBar.Panneaux[2] = QString::number(K.NbArcs) + QStringLiteral(" arcs ");
    }
}

} // namespace kelmo
