#pragma once
// The facets file: a surface over the network given as triangles whose
// corners are nodes, each line naming the codes of its three corner nodes.
// The file is read into FacettesGPS, then every corner is tied to the node
// that has its code.
#include <QString>

namespace kelmo {

// More triangles than this are not read.
constexpr int NbMaxFacettesGPS = 30000;

inline const QString MessageIndexationFacettes = QStringLiteral("Implémentation Objet Facettes en cours...");
inline const QString TitreFichierFacettes = QStringLiteral("Fichier des facettes...");
inline const QString FiltreFichierFacettes = QStringLiteral("Data(*.dat)|*.dat|Tous fichiers(*.*)|*.*");

// The folder the file chooser opens on: "\data\facettes" below the data root
// (not created). Run at start-up once the data root is known.
void InitCheminFacettesGPS();

// Reads the triangles of the file into FacettesGPS (corner numbers 0) and
// sets NbFacettesGPS. Blank lines are not triangles, nor is a last line whose
// three codes are 0 (an end mark). A file that cannot be read, a binary file
// or a code beyond the 32-bit range is reported and the previous table kept:
// the result is then false. Beyond NbMaxFacettesGPS triangles the rest is
// left out with a warning.
bool LitFichierFacettesGPS(const QString& chemin);

// Gives every corner the number of the first node having its code; a code
// that no node has leaves 0.
void IndexeFacettesGPS();

// "Lecture du fichier de &facettes...": the file chooser, then the reading
// and the indexing of the chosen file.
void Kelmo_menLectFichFacettes_Click();

} // namespace kelmo
