#pragma once
// Test helpers: a fresh model with the link types, small networks built in
// memory, and files written into a temporary folder.
#include "core/Modele.h"

#include <QString>
#include <QTemporaryDir>
#include <string>

namespace kelmo::test {

// A model as before start-up, with the 23 link types defined.
void ModeleNeuf();

// Appends a node / an arc directly (no derivation).
void Noeud_(const QString& nom, int32_t code, int32_t population = 0, float x = 0, float y = 0, float z = 0);
void Arc_(int32_t origine, int32_t destination, int16_t mode, float longueur = 10, float duree = 10,
          int16_t depart = 0, int16_t arrivee = 0);

// Appends a node numbered 10 times its index whose picture coordinates are
// its map coordinates (a view of scale 1, origin 0); returns its index.
int32_t NoeudAEcran(const QString& nom, int32_t population, float x, float y, float z = 0);

// Writes bytes to a file; returns its path.
QString EcritFichier(const QTemporaryDir& dir, const QString& nom, const std::string& contenu);
std::string LitOctets(const QString& chemin);

} // namespace kelmo::test
