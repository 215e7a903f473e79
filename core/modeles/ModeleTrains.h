#pragma once
// The window "Trains": the run of one train, leg by leg, and its summary.
#include "core/TypeArc.h"
#include "core/modeles/ListeServices.h"

namespace kelmo {

struct ModeleTrains {
    ListeServices ListeTrains; // extended selection
    QString Etiquette1 = QStringLiteral("H dép., H arr., Durée, Départ, Arrivée");
    QString Info;
    bool Visible = false;

    int Height = 6000;
    int HauteurEtiquette1 = 255;
    int HauteurInfo = 495;
    int HauteurListe = 4850;

    TypeArc TypeArcTrain; // the link type the last command worked on
};

} // namespace kelmo
