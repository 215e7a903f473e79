#pragma once
// The node editing window "Modifie les noeuds": its node list (entry i is
// node i) and the boxes of the chosen node. The node timetable reads the
// chosen node from the list.
#include "core/modeles/Controles.h"

namespace kelmo {

struct ModeleModifNoeuds {
    Liste ListeModifiable1;
    QString Texte1; // name
    QString Texte2; // code
    QString Texte3; // population
    QString Texte4; // x
    QString Texte5; // y
    QString Texte6; // z
    QString Texte7; // served modes
    QString Texte8; // the node's value on the map
    Bouton BtnHoraires;
    bool Visible = false;
};

} // namespace kelmo
