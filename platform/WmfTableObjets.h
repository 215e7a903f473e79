#pragma once
// The object table of a metafile: numbered slots, each free or taken. A
// creation record takes the lowest free slot, as the platform that plays the
// file does, and a deletion frees it. Files from other programs may hold tens
// of thousands of objects, so the lowest free slot is found through one bit
// per slot and one summary bit per word of them, never by a scan from slot 0.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelmo::wmf {

class TableObjets {
public:
    // Takes the lowest free slot and returns it: a freed one first, else the
    // next new one; -1 when all NbMaxObjets slots are taken.
    int Prend();
    // Frees a taken slot; false (nothing changed) when it was not taken.
    bool Libere(int objet);
    bool Occupe(int objet) const;
    // Slots used so far, taken or freed since: the size of the table the
    // metafile needs.
    std::size_t Taille() const { return taille_; }
    // A slot taken in either table is taken; the size is the larger one.
    void Reunit(const TableObjets& autre);

private:
    void Agrandit(std::size_t taille);
    void NoteMot(std::size_t mot);

    std::vector<uint64_t> libres_;  // one bit per slot below taille_: set when free
    std::vector<uint64_t> resume_;  // one bit per word of libres_: set when it has a free slot
    std::size_t taille_ = 0;
};

} // namespace kelmo::wmf
