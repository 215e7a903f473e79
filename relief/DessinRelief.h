#pragma once
// The time-space relief drawn node by node: around every visible node the
// star of kept arcs in direction order, a tent over each arc, and shaded
// triangles between neighbouring tents; in metafile mode the triangles are
// also collected as facets and painted again back to front at the end. The
// status bar then reports the change of the relief's surface.
#include <QString>
#include <cstdint>

namespace kelmo {

// Walks IndexNoeuds from position premier to dernier (dernier is also the
// progress total).
void DessineRelief(int32_t premier, int32_t dernier);

// True while a relief is being drawn (the main window refuses the commands
// that would change what it draws).
bool ReliefEnCours();
// Asks the relief being drawn to stop after its current node.
void DemandeArretRelief();

// The report of a relief of surface t after one of surface t0.
QString RapportContraction(double t, double t0, char separateurDecimal);

// The surface of the last relief drawn (0 before the first).
double SurfaceDernierRelief();

} // namespace kelmo
