#pragma once
// What the timetable computations ask of the windows: show one modeless,
// hide one, put a text on the clipboard; and what they ask of the editors:
// choose a link or a node as the user would, with the editor's refresh.
// Without windows only the models change.
#include <QString>
#include <functional>

namespace kelmo {

enum class FenetreHoraire { HorairesArcs, HorairesNoeuds, Trains };

struct LiensHoraires {
    std::function<void(FenetreHoraire)> Montre;
    std::function<void(FenetreHoraire)> Cache;
    std::function<void(const QString&)> CopieTexte;
    // The windows shown again from their models after a command.
    std::function<void()> Actualise;
};

void ActualiseFenetresHoraires();

LiensHoraires& LiensFenetresHoraires();

// Visible in the model, then the window shown or hidden.
void MontreFenetreHoraire(FenetreHoraire f);
void CacheFenetreHoraire(FenetreHoraire f);

// The arc editor's origin and destination lists set to these node numbers,
// each running the editor's refresh; the editor shown.
void ChoisitOrigineEditeur(int noeud);
void ChoisitDestinationEditeur(int noeud);
void MontreEditeurArcs();
void MontreEditeurNoeuds();

} // namespace kelmo
