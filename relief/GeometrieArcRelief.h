#pragma once
// The height of an arc's tent: the apex of the folded arc is raised above the
// middle of its two ends by this many picture units, so that the two slopes
// measure the arc's travel time (or value) at the reference speed.
#include <QString>
#include <cstdint>

namespace kelmo {

class TableTypes;

enum class ValuationRelief { Temps, Coût, BaséSurArcVal, PasDeValuation, ReliefThématique, FichierRelief3D, Autre };

// Exact, case-sensitive reading of TypeValuationRelief.
ValuationRelief ValuationDe(const QString& typeValuationRelief);

// What one height needs of the model, read once for a whole drawing.
struct ParametresRelief {
    ValuationRelief valuation = ValuationRelief::Temps;
    double angleVertical = 0, sinus = 0, cosinus = 1;
    double vitesseReference = 0;
    double vitesseMinimale = 0;
    float vitesseGainVirtuel = 0;
    double echelle = 1;
    bool gainVirtuel = false;
    bool anamorphose = false;
    const TableTypes* types = nullptr; // the code lookup of a long loop; nullptr scans the 23 types

    static ParametresRelief Courants(const TableTypes* types = nullptr);
};

// hauteur: the offset of the apex along the picture's vertical axis (a
// positive value lifts it on screen, y growing downwards). corde: the arc's
// length on entry; the time valuations write the half chord into it.
// Returns false, leaving hauteur as passed, when the height cannot be
// computed: a mode of no link type, a speed of 0, a cost ratio below 1 or a
// link type without a cost ("Coût"), a negative time ("BaséSurArcVal"), a
// tilt whose cosine is below 1e-6 (the tilt cannot be undone), an arc or node
// number outside the tables, or a result that is not a finite number.
bool GeometrieArcRelief(double& hauteur, double tempsArc, double& corde, int mode, double x1, double y1, double x2,
                        double y2, int32_t numeroArc, int indiceOrigine, int indiceDestination);
bool GeometrieArcRelief(const ParametresRelief& p, double& hauteur, double tempsArc, double& corde, int mode,
                        double x1, double y1, double x2, double y2, int32_t numeroArc, int indiceOrigine,
                        int indiceDestination);

} // namespace kelmo
