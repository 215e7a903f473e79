#pragma once
// The triangles of the relief around a node: the triangle between two
// neighbouring tents (under the arc joining the two neighbours), the inner
// point that closes a sector in the dual relief, and the painting of one
// triangle with its ridges, recorded as a facet when facets are collected.
#include <QString>
#include <cstdint>

namespace kelmo {

class ContexteRelief;
struct TypeArc;

// The link type whose colour and width draw the ridge being drawn.
extern TypeArc TypeArcRelief;

// The kept arc joining the neighbours at star positions i and j of centre:
// its apex height, the middle (xm, ym) of its ends and its number (0 when
// none). trouve: such an arc exists and the triangle (centre, neighbour,
// neighbour) was not drawn before in this relief. Without an arc, hauteur, xm
// and ym are left as passed and the memory is not touched.
void TriangleEntreArcs(ContexteRelief& ctx, int32_t i, int32_t j, int32_t centre, double& xm, double& ym,
                       double& hauteur, bool& trouve, int32_t* arcTrouve = nullptr);

// The memory of the triangles drawn: deja is false at the first sighting of
// those three codes (which is then recorded) and true at the next three; the
// third refusal frees the entry, so that a fifth sighting draws again.
void TriangleDejaTrace(ContexteRelief& ctx, int32_t code1, int32_t code2, int32_t code3, bool& deja);

// The height of the inner point closing the sector between star positions i
// and j of centre (the dual relief).
void FermeTrianglesNoeud(ContexteRelief& ctx, double& hauteur, int32_t centre, int32_t i, int32_t j);

// Paints the triangle of those corners (picture x, picture y, height; painted
// at (x, y - z)) in its shade, records it in metafile mode and collects it as
// a facet there or with "FichierRelief3D", and draws the ridges of the sides
// 1-2 (codeA) and 1-3 (codeB) for the side codes "D", "G" and "A".
void DessineTriangleRelief(ContexteRelief& ctx, double x1, double y1, double z1, double x2, double y2, double z2,
                           double x3, double y3, double z3, const QString& cote, int codeA, int codeB);

// What a triangle or a ridge gives the vector picture besides the bitmap.
// While the nodes are drawn the shapes are only shown on it, the metafile
// being recorded afterwards, once, in painter's order; recording them node
// by node would make a metafile that is thrown away at the end.
enum class SortieVectorielle { Aucune, Montre, Enregistre };

// The ridge pen and the filled triangle, shared with the facet redraw.
void PeintTriangle(double x1, double y1, double z1, double x2, double y2, double z2, double x3, double y3, double z3,
                   int32_t couleur, SortieVectorielle sortie);
void TraceArete(int code, double x1, double y1, double z1, double x2, double y2, double z2, SortieVectorielle sortie);

} // namespace kelmo
