#pragma once
// The apex height of an arc's relief tent as the tubes and the folded bands
// take it: computed with the view tilt at 0 under the 3-D file valuation,
// whatever valuation the user's relief draws with, and 0 where the tent has
// no height (a link type of no known speed, a speed of 0), so that no
// drawing carries an infinite or undefined number.
#include "core/Modele.h"
#include "core/TableTypes.h"
#include "relief/GeometrieArcRelief.h"

namespace kelmo {

// Sets AngleVertical to 0 for the life of the object and gives its value
// back at the end, even when the export stops on an error.
class AngleVerticalNul {
public:
    AngleVerticalNul() : garde_(K.AngleVertical) { K.AngleVertical = 0; }
    ~AngleVerticalNul() { K.AngleVertical = garde_; }
    AngleVerticalNul(const AngleVerticalNul&) = delete;
    AngleVerticalNul& operator=(const AngleVerticalNul&) = delete;

private:
    double garde_;
};

class HauteurSommetDXF {
public:
    // Takes the relief parameters in force (make it after AngleVerticalNul);
    // the valuation is the export's own.
    HauteurSommetDXF() : parametres_(ParametresRelief::Courants(&types_))
    {
        parametres_.valuation = ValuationRelief::FichierRelief3D;
    }
    double operator()(int32_t i, const Arc& a, const Noeud& o, const Noeud& d) const
    {
        double h = 0;
        double corde = a.Longueur;
        if (!GeometrieArcRelief(parametres_, h, a.Duree, corde, a.Mode, o.X, o.Y, d.X, d.Y, i, a.IndiceOrigine,
                                a.IndiceDestination))
            return 0;
        return h;
    }

private:
    TableTypes types_;
    ParametresRelief parametres_;
};

} // namespace kelmo
