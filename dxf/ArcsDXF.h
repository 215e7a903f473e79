#pragma once
// The arcs of the network in the drawing: each arc's layer, colour and
// thickness from the grid row of its link type, and the two-vertex POLYLINE
// that the plain, valued and node-colour arcs share.
#include "core/Modele.h"
#include "dxf/DonneesDXF.h"
#include "dxf/TamponDXF.h"

namespace kelmo {

// Fills ArcsDXF (1 to NbArcs) from the grid rows of the arcs' link types;
// the link types without a row get layer 0, colour 0 and thickness 0.
void PrepareArcsDXF();

// The arcs that the main export writes, 1 to NbArcs as far as the table
// holds them.
int32_t NbArcsExportes();
// The arc's two end nodes, or nullptr for an end that names no node: such
// an arc is left out of the drawing rather than drawn to the origin.
const Noeud* NoeudExporte(int indice);

// One POLYLINE with its two VERTEX and its SEQEND: the start and end widths
// are the width, the flag 70 is 2, and the vertices carry the layer and the
// colour. Single-precision points are written with 7 digits, the others
// with 15.
struct PointDXF {
    double x = 0, y = 0, z = 0;
    bool simple = true;
};
inline PointDXF PointSimple(float x, float y, float z) { return {x, y, z, true}; }
inline PointDXF PointNoeud(const Noeud& n) { return PointSimple(n.X, n.Y, n.Z); }
void EcritPolyligneDXF(TamponDXF& t, int16_t calque, double couleur, double largeur, const PointDXF& p1,
                       const PointDXF& p2);

// "PolyLignes (2D)" with "Arcs": one polyline per arc, from its origin node
// to its destination node; with "Arcs" chosen only the minimal arcs.
void EcritArcsPolylignesDXF(TamponDXF& t);

} // namespace kelmo
