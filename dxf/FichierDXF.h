#pragma once
// The DXF drawing of "Sortie DXF": HEADER, TABLES, then the entities the
// dialog chooses (labels, circles, arcs, relief facets, in that order) and
// the end marker, in Windows-1252 with CR LF line ends.
#include "dxf/TamponDXF.h"

#include <optional>

namespace kelmo {

// The checks made before any file is touched: the French message of the
// first box that cannot be written, nothing when the export can go on.
std::optional<QString> RefusSortieDXF();

void EcritSectionEntitesDXF(TamponDXF& t);
// An upper bound of the size of the drawing the dialog asks for.
std::size_t BorneOctetsDXF();
// The whole drawing, from HEADER to EOF.
void ConstruitFichierDXF(TamponDXF& t);

// Writes the drawing to DXF.NomFichierDXF under the hourglass, through a
// temporary file renamed over the old one. Returns false after showing the
// refusal or "Erreur lors de l'écriture du fichier DXF"; the old file is
// then left as it was. Valued arcs without an arc-value file are left out
// of a drawing that holds something else, and the user is told why.
bool EcritFichierDXF();

// Saves bytes as a DXF file; false after showing the write error.
bool EnregistreFichierDXF(const QString& chemin, const std::string& octets);

inline const QString TitreSortieDXF = QStringLiteral("Sortie DXF");

} // namespace kelmo
