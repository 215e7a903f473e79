#pragma once
// The node-value file commands: choose one of the two files, read both,
// prepare the values shown per node, lift the nodes to the values of file 1
// when asked, adapt the node colour to the kind of file and open the
// statistics window with the two file names.
#include "core/Modele.h"

#include <QString>
#include <vector>

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

// The node values as they stand, to put back when a reading that cleared
// them fails.
class ValeursNoeudsChargees {
public:
    ValeursNoeudsChargees();
    void Retablit();

private:
    std::vector<ValeurNoeud> fichiers;
    int32_t nombre;
    std::vector<ValeurNoeud> parNoeud;
    std::vector<float> tailles;
    double refRonds, refRondsValeur1;
};

// Both node-value tables cleared: the file records (0 to 6000) and the
// values per node (0 to NbNoeuds).
void VideValeursNoeuds();

// Reads node-value file no. 1 or 2; a failure shows "Erreur dans la lecture
// du fichier noeud-valeur numéro n", followed by suite, and gives false, the
// tables unchanged.
bool LitFichierNoeudValeurSignale(int numero, const QString& chemin, const QString& suite = QString());

// The values replaced by those of node-value file no. 1 alone: the tables
// emptied, then the file read; a failure is reported, puts back the values
// loaded before and gives false.
bool RemplaceParFichierNoeudValeur1(const QString& chemin);

// The file names, the class count and the circle scale into the statistics
// window; shows it (MontreStatistiques) and takes the scale back.
void PrepareStatistiques();

// Node heights from the values of file 1: Z = |Valeur1 + 1.00001| / 25000
// in single precision, at the first node of each record's code.
void IntegreValeursEnZ();

} // namespace kelmo
