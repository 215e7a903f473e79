#pragma once
// A link type: its name and code, speed, widths and colours, and what the
// loaded network holds of it. Window models keep one too (the arc editor's
// chosen link type), so it stands apart from the rest of the model.
#include "core/Couleurs.h"

#include <QString>
#include <cstdint>

namespace kelmo {

struct TypeArc {
    QString Nom;
    int16_t Code = 0;
    int16_t Vitesse = 0;
    int16_t EpaisseurBlanc = 0;
    int16_t Epaisseur = 0;
    Couleur CouleurCommun = 0;
    Couleur CouleurPlus = 0;
    Couleur CouleurMoins = 0;
    bool Routier = false;
    int16_t Ordre = 0;
    bool Present = false;
    int32_t NombreArcs = 0;
};

} // namespace kelmo
