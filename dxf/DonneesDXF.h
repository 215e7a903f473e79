#pragma once
// The work tables of the DXF export, filled by the preparations just before
// their writers read them, and the few values that last between exports.
// All of it is emptied by ReinitialiseDonnees.
#include "dxf/ValeursNoeudsDXF.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace kelmo {

// One arc, value record or node-colour piece as the polyline, tube and face
// writers take it.
struct ArcDXF {
    int16_t Calque = 0;
    double Couleur = 0;
    double X1 = 0, Y1 = 0;
    float Z1 = 0;
    double X2 = 0, Y2 = 0;
    float Z2 = 0;
    double Epaisseur = 0;
};

struct NoeudDXF {
    int16_t Calque = 0;
    float X = 0, Y = 0, Z = 0;
};

struct CercleDXF {
    float X = 0, Y = 0, Z = 0, Rayon = 0;
    int16_t Calque = 0;
    int16_t Couleur = 0;
    // False for a displayed value that names no node: no circle for it.
    bool Present = true;
};

// Corners of one relief facet: x1, y1, z1, x2, y2, z2, x3, y3, z3.
using FacetteDXF = std::array<float, 9>;

// Four corners (x, y, z) of one tube face.
using FaceTube = std::array<std::array<float, 3>, 4>;

struct DonneesDXF {
    QString NomFichierDXF;
    int16_t IndiceCouleurCad = 0;

    // Entries 1 to their count; entry 0 is never used.
    std::vector<ArcDXF> ArcsDXF = std::vector<ArcDXF>(1);
    std::vector<NoeudDXF> NoeudsDXF = std::vector<NoeudDXF>(1);
    std::vector<CercleDXF> CerclesDXF = std::vector<CercleDXF>(1);
    std::vector<FacetteDXF> FacettesDXF = std::vector<FacetteDXF>(1);
    // False for a facet slot naming a vertex row that does not exist.
    std::vector<bool> FacettesValides = std::vector<bool>(1);
    int16_t CalqueFacettes = 0;
    int16_t CouleurFacettes = 0;
    std::vector<FaceTube> FacesTube = std::vector<FaceTube>(1);

    // The pieces of the arcs in node colours, collected while the map is
    // drawn (1 to NbSegmentsDXF); a table of their own, so that a main
    // export between two redraws cannot mix with them.
    std::vector<ArcDXF> SegmentsDXF = std::vector<ArcDXF>(1);
    // The end values of the arcs of the drawing under way, read at its
    // first arc.
    ValeursExtremitesDXF ValeursExtremites;
};

extern DonneesDXF DXF;

} // namespace kelmo
