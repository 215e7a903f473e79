#pragma once
// Paths. The program builds its paths as a root followed by Windows-style
// sub-paths ("\data\noeuds"); these functions turn them into Linux paths.
#include <QString>
#include <QStringList>
#include <vector>

namespace kelmo {

// "\" becomes "/"; doubled separators are merged (a root of "/" followed by
// "\data" gives "/data").
QString CheminLocal(const QString& chemin);

// The path itself when it exists; otherwise a case-insensitive match of each
// missing component (file names copied from Windows, "N157EU.DAT"); the
// local path unchanged when nothing matches.
QString CheminExistant(const QString& chemin);

// Joins a folder and a Windows-style sub-path: Joint("/home/u/kelmo", "\data").
QString Joint(const QString& dossier, const QString& sousChemin);

// The candidate data roots searched at start-up, in order, each with the name
// the messages show for it. By default: the "kelmo" folder of the user's home,
// the current folder, then the folder of the bundled sample tree.
struct CandidatRacine {
    QString dossier;
};
std::vector<CandidatRacine> CandidatsRacineDonnees();
void DefinitCandidatsRacineDonnees(std::vector<CandidatRacine> candidats); // tests
void RetablitCandidatsRacineDonnees();
// The folder of the bundled sample tree (the one that holds "data/").
QString RacineIntegree();

} // namespace kelmo
