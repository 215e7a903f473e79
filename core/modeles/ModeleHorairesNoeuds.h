#pragma once
// The node timetable "Horaires (noeud)": departures from or arrivals at the
// node chosen in the node editor.
#include "core/modeles/ListeServices.h"

namespace kelmo {

struct ModeleHorairesNoeuds {
    bool HArrivées = false;
    bool HDéparts = true;
    ListeServices ListeHorairesNoeud;
    QString Etiquette1 = QStringLiteral("H dép., H arr., Jours dép., Durée, Vers... (Vient de...)");
    QString DépartDe;
    bool Visible = false;

    int Height = 4500;
    int HauteurEtiquette1 = 255;
    int HauteurDépartDe = 495;
    int HauteurListe = 3350;
};

} // namespace kelmo
