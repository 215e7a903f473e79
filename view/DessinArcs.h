#pragma once
// The arcs of the map, one link type at a time: a tent raised by the relief
// height, a straight line with an arrowhead for a flat one-way road arc, or
// the node-colour drawings of the value maps and the DXF export.
#include "core/Modele.h"

#include <QPointF>
#include <optional>

namespace kelmo {

// Draws every arc whose Mode is the type's Code and whose two end nodes are
// Visible (the nodes must have been drawn since the last projection). Arcs
// whose node numbers fall outside the node table are skipped; an arc whose
// height cannot be computed is drawn flat.
void DessineArcsType(const TypeArc& type);

// The open head of a one-way arc: two strokes from the middle M of the arc
// to W1 and W2, its base centre lying 10 x EchelleRonds x TraceFleches
// behind M. None when the head has size 0 or the ends coincide.
struct TeteFleche {
    QPointF M, P, W1, W2;
};
std::optional<TeteFleche> CalculeTeteFleche(double x1, double y1, double x2, double y2, double taille);

// The straight arc and its head on Ima; returns the head drawn, which a
// recording records with the line.
std::optional<TeteFleche> DessineFleche(double x1, double y1, double x2, double y2);

// The two fixed groups, each as one recording in metafile mode.
void DessineArcsRoutiers();
void DessineArcsUrbains();

// Draws these link types in order through TypeArcCourant (names of no link
// type are passed over).
void DessineTypesParNom(std::initializer_list<const char16_t*> noms);

// Gathers the drawing errors of everything drawn while an object lives into
// one message, shown when the outermost one ends: a redraw of many link
// types shows at most one "Erreur durant le traçage des trajets." box.
class RegroupeErreursTrace {
public:
    RegroupeErreursTrace();
    ~RegroupeErreursTrace();
    RegroupeErreursTrace(const RegroupeErreursTrace&) = delete;
    RegroupeErreursTrace& operator=(const RegroupeErreursTrace&) = delete;
    static void Signale();
};

inline const QString MessageErreurTrace =
    QStringLiteral("Erreur durant le traçage des trajets.") + QChar(9) + QStringLiteral("Le traçage continue...");

// The link-type record being drawn, looked up from the arc's Mode.
extern TypeArc TypeArcTrace;

} // namespace kelmo
