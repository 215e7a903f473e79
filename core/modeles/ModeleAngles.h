#pragma once
// "Angles": the tilt and the turn as typed, their gauges, the node list of
// the rotation centre and its two boxes.
#include "core/modeles/Controles.h"

namespace kelmo {

constexpr int Gauge1AnglesMax = 180;
constexpr int Gauge3AnglesMax = 360;

struct ModeleAngles {
    Liste ListeModifiable1;         // the nodes, filled by the node lists
    QString TexteListeModifiable1;  // the combo's text
    QString Texte1;                 // vertical angle, "<n> deg"
    QString Texte3;                 // horizontal angle, "<n> deg"
    int Gauge1 = 0;                 // 0 .. Gauge1AnglesMax
    int Gauge3 = 0;                 // 0 .. Gauge3AnglesMax (horizontal angle + 180)
    bool Coche1 = false;            // "Seulement les données"
    bool Option1 = false;           // "Trie les villes"
    bool Visible = false;
};

} // namespace kelmo
