#pragma once
// "Aspect visuel des arcs": the link-type list, the widths and colour being
// edited, the kind of colour chosen and the preview.
#include "core/Couleurs.h"
#include "core/modeles/Controles.h"

#include <cstdint>
#include <vector>

namespace kelmo {

constexpr int EpaisseurArcsMin = 1;
constexpr int EpaisseurArcsMax = 20;

struct SegmentApercu {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Epaisseur = 1;
    Couleur Couleur_ = 0;
};

struct ModeleAspectVisuelArcs {
    Liste ListeDesModes;                        // the link types, filled with them
    bool Charge = false;
    QString Text1 = QStringLiteral("Texte1");   // underlay width
    QString Text2 = QStringLiteral("Texte2");   // line width
    QString Text3 = QStringLiteral("Text3");    // colour number
    bool Flèches = false;
    Couleur Image1 = RGB(255, 255, 255);        // the colour being edited
    int GenreChoisi = 0;                        // 6 "Arc commun", 7 "Arc en plus", 8 "Arc en moins", 0 none
    QString Combo1;
    Couleur CouleurDialogue = 0;
    Couleur CouleurApercu = 0;
    double LargeurApercu = 120, HauteurApercu = 60;
    std::vector<SegmentApercu> Apercu;
    // The link type this dialog shows: saves go there only, and only once a
    // link type has been shown, whatever else has used `TypeArcChoisi` since.
    bool TypeAffiche = false;
    int16_t CodeAffiche = 0;
    bool Visible = false;
};

} // namespace kelmo
