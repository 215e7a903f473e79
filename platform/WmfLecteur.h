#pragma once
// Reads the records of a standard metafile and plays them on a QPainter.
// Metafiles also come from other programs as background pictures, so the
// reader and the player take any bytes: a malformed record ends the reading
// or the playing where it starts, and nothing in a record can make them
// crash or run for long.
#include "platform/WmfEnregistreur.h"

#include <QPainter>
#include <QRect>
#include <QRectF>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace kelmo::wmf {

// Reads the records of a bare standard metafile (header first, at byte
// `debut`). Stops at the end record, or at the first record that does not
// fit, keeping what came before; nullopt when the header is not a metafile
// header.
std::optional<Metafichier> LitMetafichier(const std::string& octets, std::size_t debut = 0);

// Paints metafile records. It keeps the player state (object table, current
// pen, brush, font, position, text settings, window), so that a metafile
// that grows can be painted in several goes (Joue from where the last went).
class Lecteur {
public:
    Lecteur();
    void Reinitialise();
    // Maps the logical window (changed by the SetWindowOrg/Ext records) onto
    // the target rectangle of the painter. Without a target, logical units
    // are the painter's units (the picture's own metafile).
    void DefinitCible(const QRectF& cible, const QRect& fenetreInitiale);
    // Plays the records that start at word `depuisMot`; returns the word
    // where it stopped (the end of the records, or where a malformed record
    // starts).
    std::size_t Joue(QPainter& peintre, const Metafichier& meta, std::size_t depuisMot = 0);
    // Pictures from other programs: each Joue stops once `duree` has passed
    // (looked at every few records), so that a file of a million full-page
    // fills cannot hold the program; what was painted by then stays.
    void DefinitDureeMax(std::chrono::milliseconds duree);
    // True when the last Joue stopped for its time.
    bool Interrompu() const;

    struct Etat;

private:
    std::shared_ptr<Etat> etat_;
};

// Paints a whole metafile (own state) at the painter's units.
void JoueMetafichier(QPainter& peintre, const Metafichier& meta);

} // namespace kelmo::wmf
