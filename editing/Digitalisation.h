#pragma once
// Digitising over a scanned map: the first two clicks give the picture
// positions of two reference towns (typed in as new nodes on a first
// digitising, named by their codes otherwise), every later click fits the
// view on them. The modes and the click count are the model's
// (ModeDigitalisation, ModeCalage, NbClicsDigitalisation), set when a
// background picture is loaded.
#include <QString>
#include <cstdint>

namespace kelmo {

// What the clicks and prompts gave, kept from one click to the next.
struct EtatDigitalisation {
    double XReferenceCalage = 0, YReferenceCalage = 0; // click 1, town A
    double XClic = 0;                                  // click 2, town B
    float YClic = 0;
    QString NomVille;       // town A as typed
    double CodeVille = 0;
    double PopulationVille = 0;
    QString XA, YA;         // the coordinates of A as typed
    QString NomNouveauNoeud; // town B
    int32_t CodeNouveauNoeud = 0;
    int32_t PopulationNouveauNoeud = 0;
    QString XB;
    float YNouveauNoeud = 0;
    int32_t IndiceNoeudTrouve = 0;  // node of town A
    int32_t IndiceNouveauNoeud = 0; // node of town B
};

EtatDigitalisation& Digitalisation();

// One click on the map (picture coordinates) while a digitising mode is on.
// A town whose prompts are cancelled, or whose code is refused, is not
// taken: the next click asks for the same town again.
void DigitaliseNoeud(double x, double y);

} // namespace kelmo
