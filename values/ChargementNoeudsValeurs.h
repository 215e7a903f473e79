#pragma once
// The node-value file commands: choose one of the two files, read both,
// prepare the values shown per node, lift the nodes to the values of file 1
// when asked, adapt the node colour to the kind of file and open the
// statistics window with the two file names.
#include <QString>

namespace kelmo {

// The menu command for file no. 1 (n = 1) or no. 2 (any other n): the file
// dialog, then ChargeFichiersNoeudValeur. Cancelling the dialog changes
// nothing.
void ChargeFichierNoeudValeur(int n);
// Everything after the dialog, with the chosen file already named in
// FichierNoeudValeur1 or FichierNoeudValeur2 and its title (name without
// folder). A file that fails to read is reported and the values loaded
// before are put back.
void ChargeFichiersNoeudValeur(int n, const QString& titreFichier);

// The file names, the class count and the circle scale into the statistics
// window; shows it (MontreStatistiques) and takes the scale back.
void PrepareStatistiques();

// Node heights from the values of file 1: Z = |Valeur1 + 1.00001| / 25000
// in single precision, at the first node of each record's code.
void IntegreValeursEnZ();

} // namespace kelmo
