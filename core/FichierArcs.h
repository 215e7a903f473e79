#pragma once
#include <QString>

namespace kelmo {

// Reads an arc file into `Arcs`, as a new table or, while `AjoutFichierArcs`
// is set, after the arcs already loaded. The table changes only when the
// whole file was read; any failure raises an ErreurExecution.
void LitFichierArcs(const QString& chemin);
// Writes arcs 1 to `NbArcs` (only those with both ends resolved while
// `EliminationArcsDeconnectes` is set). A value too wide for its column
// refuses the write with a message naming the arc, then raises
// ErrDepassement; the old file stays.
void CreeFichierArcs(const QString& chemin);
// The file keeps a duration, a departure and an arrival as hhmm in four
// columns ("-959" to "9959"): true when minutes, as the arc keeps them,
// write there, so that a command never makes a service the next save must
// refuse. LimitesTempsFichierArcs quotes that range for the refusals.
bool TempsTientDansFichierArcs(double minutes);
QString LimitesTempsFichierArcs();
void SignaleErreurVitesse(double ligne, double origine, double destination, double mode, double longueur,
                          double duree, double vitesse);

} // namespace kelmo
