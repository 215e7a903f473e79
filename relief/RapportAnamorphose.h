#pragma once
// The report of an anamorphosis: for every kept arc, its length in the
// anamorphosis against the length its travel time asks for, and the running
// stress (the misfit so far). One fixed file, replaced by every run and
// shown in the user's text viewer; nothing reads it back.
#include <QString>
#include <string>

namespace kelmo {

inline const QString NomRapportAnamorphose = QStringLiteral("nAAnam000.dat");
// The desktop's viewer for the report, started without waiting.
inline const QString VisionneurRapport = QStringLiteral("xdg-open");
inline const QString MessageErreurRapportAnamorphose = QStringLiteral("Erreur dans l'écriture du rapport d'anamorphose : ");
// A quantity of a line that is no finite single has no digits to write: the
// report is refused, the previous one left as it was.
inline const QString MessageValeurRapportAnamorphose =
    QStringLiteral("L'arc n° %1 (%2 - %3) a une valeur non finie dans la colonne %4 (%5) : le rapport n'est pas écrit.");

// The nine column titles, 120 characters.
inline constexpr const char* EnTeteRapportAnamorphose =
    "NomVille1            NomVille2  ModeTransport     LongArc   LongArcVoulue   ErrArc       Stress   "
    "CodeVille1  CodeVille2";

// The whole report, Windows-1252 with CR LF, from the working coordinates of
// the nodes: one line per arc of the table with Minimal = 1 and a non-zero
// Longueur (an arc of no link type, of speed 0 or without its two nodes has
// no wanted length and no line). A quantity that is no finite single raises
// an ErreurExecution written for the user.
std::string TexteRapportAnamorphose(double vitesseMax);

// Creates or replaces the report at that path; raises ErreurExecution when
// it cannot be written, the previous file then left as it was.
void EcritRapportAnamorphose(const QString& chemin, double vitesseMax);

// The data root when it is a folder that can be written, else the temporary
// folder when that one can, followed by the report's name.
QString CheminRapportAnamorphose();

// Writes the report where CheminRapportAnamorphose says, then opens it in the
// viewer (a viewer that cannot start is no error). A report that cannot be
// written is reported with its path.
void EcritEtMontreRapportAnamorphose(double vitesseMax);

} // namespace kelmo
