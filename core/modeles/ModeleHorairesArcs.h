#pragma once
// The link timetable "Horaires (arcs)": the services of the link chosen in
// the arc editor, its header, buttons and the line last chosen.
#include "core/TypeArc.h"
#include "core/modeles/Controles.h"
#include "core/modeles/ListeServices.h"

namespace kelmo {

struct ModeleHorairesArcs {
    ListeServices ListeHoraires;
    QString Etiquette1 = QStringLiteral("H dép., H arr., Jours dép., Durée, Vient de...");
    QString OriDest;
    Bouton Command3D2;                  // "Nouveau"
    Bouton Command3D1{true, false};     // "Supprimer": only with a line chosen
    Bouton Modifier{true, false};
    Bouton AfficheTrain{true, false};
    Bouton DetecteErreurs;
    Bouton DévHor;
    Bouton Optimise{false, true};       // shown once a development or clean-up has run
    Bouton Command3D3;                  // "Quitter"
    bool Visible = false;

    // Heights in twips, for the list's resizing rule.
    int Height = 4500;
    int HauteurEtiquette1 = 255;
    int HauteurOriDest = 495;
    int HauteurListe = 3350;

    QString LigneChoisie;
    CleService CleChoisie;              // the service of the line last chosen
    bool LigneEstChoisie = false;
    TypeArc TypeArcHoraire;
};

} // namespace kelmo
