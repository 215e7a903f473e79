#pragma once
// The arc editing window "Modification des arcs": its node and link-type
// lists, its value boxes as the user sees their texts, its four edit buttons,
// the list of the loaded arc files, and the window's own variables. The
// timetable windows read and set these without the window.
#include "core/TypeArc.h"
#include "core/modeles/Controles.h"

#include <cstdint>

namespace kelmo {

struct ModeleModifArcs {
    Liste ListeModifiable1, ListeModifiable2; // origin and destination; entry i is node i
    Liste ListeModifiable3;                   // the 23 link types in display order
    Liste ListeFichArcs;                      // the loaded arc files

    // Value boxes, as texts: length (km), duration in hours and minutes,
    // flow and capacity.
    QString Longueur;
    QString Heures;
    QString Minutes;
    QString Débit;
    QString Capacité;

    Bouton BtnCréer;
    // Narrowed beside the timetable or reverse-arc button when one shows.
    Bouton BtnDétruire{true, true, 2520, 1455, 12};
    Bouton BtnDoubleArc;
    Bouton BtnHoraires;

    int Height = 2595; // twips; 4185 once a file is appended
    bool Visible = false;

    // The window's own variables.
    int16_t ModeCourant = 0;   // code of the chosen link type; the arcs shown and deleted are of it
    TypeArc TypeArcEdite;      // the chosen link type's record; all zero until one is chosen
    float LongueurArc = 0;     // the length an arc is created with
    bool SaisieDuree = false;  // a typed duration is being applied: the length leaves the duration alone
};

} // namespace kelmo
