#pragma once
#include <QString>

namespace kelmo {

// Reads a node file into `Noeuds`, replacing the table only when the whole
// file was read; any failure raises an ErreurExecution and leaves the table
// loaded before as it was.
void LitFichierNoeuds(const QString& chemin);
// Writes nodes 1 to `NbNoeuds`; a value too wide for its column refuses the
// write with a message naming the node, and the old file stays.
void CreeFichierNoeuds(const QString& chemin);

// A value as the file writers' refusals quote it: "infini", "-infini" or
// "non numérique" for what has no digits, else its general form.
QString TexteValeurRefusee(double valeur);

} // namespace kelmo
