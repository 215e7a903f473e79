#pragma once
// Metafile files on disk: the 22-byte header of a placeable metafile, the
// reading of a placeable or bare file, and a file drawn as a picture.
#include "platform/WmfEnregistreur.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace kelmo::wmf {

struct EnTetePlacable {
    int16_t gauche = 0, haut = 0, droite = 0, bas = 0;
    uint16_t unitesParPouce = 1440;
    uint16_t controle = 0;
};

// The 22-byte header: key, handle 0, the box, the units, reserved 0, the
// XOR of the ten words before the check.
std::string OctetsEnTetePlacable(int16_t gauche, int16_t haut, int16_t droite, int16_t bas, uint16_t unitesParPouce);
uint16_t ControleEnTetePlacable(const std::string& vingtPremiersOctets);

// A metafile file from disk: placeable or bare.
struct FichierWmf {
    std::optional<EnTetePlacable> placable;
    Metafichier meta;
};
// nullopt when the bytes are not a metafile.
std::optional<FichierWmf> LitFichierWmf(const std::string& octets);

// A metafile file drawn on a white image: at the size declared by a
// placeable header (PixelsParPouce), else at its window extent, else at
// `tailleParDefaut`; never more than 4096 pixels a side (drawn smaller, same
// shape). Drawing stops after DureeMaxImageWmf, keeping what is drawn.
constexpr std::chrono::milliseconds DureeMaxImageWmf{3000};
QImage ImageDepuisWmf(const FichierWmf& fichier, QSize tailleParDefaut = QSize(640, 480));

// A metafile file from disk drawn as a background picture (ImageDepuisWmf).
// Raises the file errors of LitFichierEntier; nullopt when the file is not a
// metafile.
std::optional<QImage> ChargeImageWmf(const QString& chemin);

} // namespace kelmo::wmf
