#pragma once
// Record-at-a-time changes of the node and arc tables.
#include <QString>
#include <cstdint>

namespace kelmo {

// A timed service: a departure or an arrival that is not 0. A service that
// leaves as many minutes before midnight as it arrives after is timed too;
// only 00:00-00:00 is not.
inline bool EstHoraire(double heureDepart, double heureArrivee) { return heureDepart != 0 || heureArrivee != 0; }

// Both check the table limits before growing it (error 9) and convert their
// arguments to the field types (error 6 on overflow).
void AjouteArc(double codeOrigine, double codeDestination, double indiceOrigine, double indiceDestination, double mode,
               double longueur, double duree, double heureDepart, double heureArrivee, const QString& jours,
               double debit, double capacite);
void AjouteNoeud(const QString& nom, double code, double population, double x, double y, double z);
bool ChercheNoeudParCode(double code);
void RenumeroteNoeudDansArcs(double ancienCode, double nouveauCode);
// Deletes arc k; the comparison classes move down with the arcs.
void SupprimeArc(int32_t k);
void SupprimeNoeud(int32_t k);

} // namespace kelmo
