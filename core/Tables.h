#pragma once
// Record-at-a-time changes of the node and arc tables.
#include <QString>
#include <cstdint>

namespace kelmo {

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
