#include "timetables/TrajetTrain.h"
#include "core/Heures.h"
#include "core/Modele.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "timetables/IndexArcsNoeuds.h"
#include "timetables/LiensHoraires.h"
#include "timetables/LignesHoraires.h"
#include "timetables/RechercheHoraires.h"

#include <vector>

namespace kelmo {
namespace {

const Arc& arc(int32_t k) { return K.Arcs[static_cast<std::size_t>(k)]; }

bool touche(const Arc& s, const Arc& t)
{
    return s.IndiceOrigine == t.IndiceOrigine || s.IndiceDestination == t.IndiceDestination
           || s.IndiceOrigine == t.IndiceDestination || s.IndiceDestination == t.IndiceOrigine;
}

// The run being built: the sorted list and, line for line, the arc each
// line was made from. Every line read back by its key gives that arc or an
// identical one, with the same end nodes; so the walk works on the arcs and
// counts the searches the reading back would make, for the alternation.
struct Trajet {
    ListeServices& liste;
    std::vector<int32_t> arcs;
    long recherches = 0;

    void ajoute(int32_t k)
    {
        const int i = liste.AddItem({FormateLigneTrain(k), CleDeArc(k)});
        arcs.insert(arcs.begin() + i, k);
    }
    // The membership rule: a candidate touching two listed legs is refused.
    bool refuse(int32_t j)
    {
        recherches += 1 + static_cast<long>(arcs.size());
        int n = 0;
        const Arc& s = arc(j);
        for (const int32_t t : arcs)
            if (touche(s, arc(t)) && ++n >= 2)
                return true;
        return false;
    }
};

} // namespace

bool ParcourtListeTrains(const LigneService& ligne)
{
    const int32_t s = ChercheArcLigneHoraire(&ligne);
    const ListeServices& l = K.Formes.Trains.ListeTrains;
    int n = 0;
    for (int i = 0; i < l.ListCount(); ++i) {
        const int32_t t = ChercheArcLigneHoraire(l.Ligne(i));
        if (s > 0 && t > 0 && touche(arc(s), arc(t)))
            ++n;
    }
    return n >= 2;
}

void SelectionneTrains()
{
    ListeServices& l = K.Formes.Trains.ListeTrains;
    if (l.SelCount() == 0)
        for (int i = 0; i < l.ListCount(); ++i)
            l.Selectionne(i, true);
}

void AfficheTrajetTrain()
{
    const Sablier sablier;
    ModeleTrains& f = K.Formes.Trains;
    f.ListeTrains.Clear();
    f.Info.clear();
    MontreFenetreHoraire(FenetreHoraire::Trains);

    const ListeServices& horaires = K.Formes.HorairesArcs.ListeHoraires;
    const LigneService* choisie = horaires.Ligne(horaires.ListIndex);
    // No chosen line, or a line whose service has gone: an empty run.
    const int32_t k0 = choisie ? ChercheArcLigneHoraire(choisie) : 0;
    if (k0 > 0) {
        Trajet t{f.ListeTrains, {}, 0};
        t.ajoute(k0);
        double total = arc(k0).Duree;
        const int16_t mode = arc(k0).Mode;
        const IndexArcsNoeuds index;
        bool ajoute = true;
        while (ajoute) {
            ajoute = false;
            // Backward: a leg arriving where the first leg leaves, when it leaves.
            const Arc premier = arc(t.arcs.front());
            ++t.recherches;
            for (const int32_t j : index.Arrivants(premier.IndiceOrigine)) {
                const Arc& a = arc(j);
                if (a.Mode != mode || a.HeureArrivee != premier.HeureDepart || t.refuse(j))
                    continue;
                t.ajoute(j);
                total += a.HeureArrivee - a.HeureDepart;
                ajoute = true;
            }
            const Arc dernier = arc(t.arcs.back());
            ++t.recherches;
            for (const int32_t j : index.Partants(dernier.IndiceDestination)) {
                const Arc& a = arc(j);
                if (a.Mode != mode || a.HeureDepart != dernier.HeureArrivee || t.refuse(j))
                    continue;
                t.ajoute(j);
                total += a.HeureArrivee - a.HeureDepart;
                ajoute = true;
            }
        }
        t.recherches += 2; // the two ends read back for the summary
        if (t.recherches % 2 != 0)
            RechercheMontante = !RechercheMontante;
        const int n = f.ListeTrains.ListCount() - 1;
        f.Info = QStringLiteral("De ") + NomNoeud(arc(t.arcs.front()).IndiceOrigine, 10) + QStringLiteral(" à ")
                 + NomNoeud(arc(t.arcs.back()).IndiceDestination, 10) + QStringLiteral(" (") + FormatDieses(n)
                 + QStringLiteral(" arrêts intermédiaires, durée : ") + TexteGeneral(MinutesEnHeure(total))
                 + QLatin1Char(')');
    }
    K.CompareHoraires = true;
    MontreEditeurArcs();
    MontreFenetreHoraire(FenetreHoraire::HorairesArcs);
    MontreFenetreHoraire(FenetreHoraire::Trains);
}

} // namespace kelmo
