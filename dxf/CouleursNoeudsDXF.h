#pragma once
// The arcs in the colours of their end nodes' value classes: while the map
// is drawn with "DXF couleur noeuds" ticked, each arc is cut at the class
// limits between its two end values, its pieces are drawn in their class
// colours and collected; at the end of the drawing they go to a DXF file of
// their own (an ENTITIES section only), one POLYLINE per piece whose layer
// and colour are its class number.
#include "dxf/DonneesDXF.h"
#include "dxf/TamponDXF.h"

#include <vector>

namespace kelmo {

// One piece of an arc: its class (0 outside every class) and its two ends.
template <class Point>
struct PieceCouleurNoeud {
    int classe = 0;
    Point a, b;
};
struct PointPlan {
    double x = 0, y = 0;
};

// The pieces of the segment p1 (value vo, class co) to p2 (vd, cd), in the
// order they are collected. Both ends in one class: the two halves. One
// class apart: cut at the limit, the middle's class taking the two pieces
// that meet in the middle. Further apart: cut at every limit between the two
// classes, one piece per class from the lower to the higher. An end in no
// class: cut at every class limit between the two values, each piece in the
// class of its middle value, so that no cut falls outside the segment.
std::vector<PieceCouleurNoeud<PointPlan>> DecoupeArcCouleursNoeuds(PointPlan p1, PointPlan p2, float vo, float vd,
                                                                   int co, int cd);

// The class of a value as the node-colour pieces take it: the last class
// holding it, 0 when none does.
int ClasseCouleursNoeuds(float v);

// Installed into the map drawing: cuts the arc between those two nodes,
// draws its pieces on Ima (recorded in metafile mode) and appends them to
// SegmentsDXF (NbSegmentsDXF counts them).
void TraceArcCouleursNoeudsDXF(int indiceOrigine, int indiceDestination);

// The file of the collected pieces: ENTITIES, one POLYLINE per piece, EOF.
void ConstruitFichierCouleursNoeudsDXF(TamponDXF& t);
// Asks the file name ("(*.dxf)|*.dxf") and writes it; a cancelled choice
// writes nothing.
void EcritArcsCouleursNoeudsDXFFichier();

} // namespace kelmo
