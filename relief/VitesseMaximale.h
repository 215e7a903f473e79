#pragma once
// When the reference speed of the relief changes, the view is rescaled so
// that a distance on the picture keeps meaning the same time, and the status
// bar tells how much space contracts or dilates.
#include <QString>

namespace kelmo {

// ancienneVitesse: the reference speed before the change; the new one is
// VitesseReference. Rescales Echelle by new / old (a speed of 0 leaves it),
// re-projects, draws the nodes and writes the report into panel 5.
void RecalculeVitesseMaximale(double ancienneVitesse);

// The report for a change of scale from e0 to e.
QString RapportVitesseMaximale(double ancienneVitesse, double nouvelleVitesse, double e0, double e,
                               char separateurDecimal);

} // namespace kelmo
