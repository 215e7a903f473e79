#pragma once
// The link timetable "Horaires (arcs)": the timed services between the two
// nodes and of the link type chosen in the arc editor, and its commands.
#include "core/modeles/ListeServices.h"
#include "timetables/IndexArcsNoeuds.h"

#include <vector>

namespace kelmo {

// The services of the link a-b in link type mode: two-way arcs either way,
// one-way arcs from a to b with their "Vient de"; in table order, with the
// number of the timed ones and the sum of their arrival minus departure (a
// plain link is listed but runs at no time: it has no travel time of its own).
struct ServicesLiaison {
    std::vector<LigneService> Lignes;
    std::vector<int32_t> Arcs;
    int Horaires = 0;
    double Total = 0;
    // The mean travel time of the timed services, 0 without any.
    double Moyenne() const { return Horaires > 0 ? Total / Horaires : 0; }
};
ServicesLiaison ListeServicesLiaison(int32_t a, int32_t b, int16_t mode, const IndexArcsNoeuds& index);
// The arcs of those services alone, ascending.
std::vector<int32_t> ArcsLiaison(int32_t a, int32_t b, int16_t mode, const IndexArcsNoeuds& index);

// Fills the window for the arc editor's link and shows it.
void AfficheHorairesArc();
// The same from a list of services already made (the checking of all links).
void RemplitHorairesArc(const ServicesLiaison& s);

void HorairesArcs_Command3D2_Click();  // "Nouveau"
void HorairesArcs_Command3D1_Click();  // "Supprimer"
void HorairesArcs_Modifier_Click();
void HorairesArcs_ListeHoraires_Click(int index);
void HorairesArcs_AfficheTrain_Click();
void HorairesArcs_DetecteErreurs_Click();
void HorairesArcs_DévHor_Click();
void HorairesArcs_Optimise_Click();
void HorairesArcs_Command3D3_Click();  // "Quitter"
void HorairesArcs_Form_Resize();

// The line of the list holding that service, -1 when none.
int LigneDuService(const ListeServices& liste, const CleService& cle);

} // namespace kelmo
