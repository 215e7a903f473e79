#pragma once
// Our own recorder of 16-bit Windows Metafiles.
//
// A metafile is kept as its records only (16-bit words, little-endian when
// written), without the header and the end record, which are added when the
// bytes are produced; the recorder also keeps the object table, so that a
// metafile can be carried forward into the next recording as it is.
#include "platform/WmfFormat.h"
#include "platform/WmfTableObjets.h"

#include <QPoint>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace kelmo::wmf {

// The standard metafile being recorded or recorded. Every Cree* takes the
// lowest free slot of the object table, as the platform does.
class Metafichier {
public:
    // --- raw records ---
    // A record that creates an object takes its slot (returned; -1 for the
    // others, and when the table is full); a deletion frees it.
    int Enregistre(uint16_t fonction, std::initializer_list<uint16_t> parametres);
    int Enregistre(uint16_t fonction, const uint16_t* parametres, std::size_t nombre);

    // --- objects ---
    int CreeStylo(const Stylo& stylo);
    int CreeBrosse(const Brosse& brosse);
    int CreePolice(const Police& police);
    void Selectionne(int objet);
    void Supprime(int objet);

    // --- drawing and state records (coordinates already in 16-bit range) ---
    void MoveTo(int16_t x, int16_t y);
    void LineTo(int16_t x, int16_t y);
    void Ellipse(int16_t gauche, int16_t haut, int16_t droite, int16_t bas);
    void Rectangle(int16_t gauche, int16_t haut, int16_t droite, int16_t bas);
    void Polygone(const std::vector<QPoint>& points);
    void Polyligne(const std::vector<QPoint>& points);
    void TextOut(int16_t x, int16_t y, const std::string& octetsAnsi);
    void SetTextColor(int32_t couleur);
    void SetBkMode(uint16_t mode);
    void SetWindowOrg(int16_t x, int16_t y);
    void SetWindowExt(int16_t x, int16_t y);
    void SetMapMode(uint16_t mode);

    // Appends the records of another metafile, as playing it into this one
    // does; its object slots stay valid when this one holds no objects yet.
    void AjouteEnregistrementsDe(const Metafichier& autre);

    // The objects the recording context holds selected (slot -1: none), so
    // that the next shape can keep them or replace them; carried forward with
    // the metafile.
    struct Contexte {
        int stylo = -1;
        Stylo descStylo;
        int brosse = -1;
        Brosse descBrosse;
        int police = -1;
        Police descPolice;
    };
    Contexte contexte;

    // --- content ---
    const std::vector<uint16_t>& Mots() const { return mots_; }
    std::size_t NombreEnregistrements() const { return nbEnregistrements_; }
    bool EstVide() const { return mots_.empty(); }
    // Size of the object table the metafile needs (header field).
    uint16_t NombreObjets() const { return static_cast<uint16_t>(objets_.Taille()); }
    uint32_t PlusGrandEnregistrement() const { return plusGrand_; }
    bool ObjetOccupe(int objet) const { return objets_.Occupe(objet); }

    // The memory of the records, handed from one metafile to the next: a
    // large drawing then writes into pages already in use instead of asking
    // the system for new ones. Prend only takes it into an empty metafile.
    std::vector<uint16_t> RendMemoire();
    void PrendMemoire(std::vector<uint16_t>&& memoire);
    void Reserve(std::size_t mots) { mots_.reserve(mots); }
    std::size_t Capacite() const { return mots_.capacity(); }

    // Standard metafile bytes: 18-byte header, the records, the end record.
    // `type` 1 is a memory metafile, 2 a disk one.
    std::string Octets(uint16_t type = 1) const;

private:
    std::vector<uint16_t> mots_;
    std::size_t nbEnregistrements_ = 0;
    TableObjets objets_;
    uint32_t plusGrand_ = 3; // the end record
};

} // namespace kelmo::wmf
