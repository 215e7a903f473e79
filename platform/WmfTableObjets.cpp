#include "platform/WmfTableObjets.h"
#include "platform/WmfFormat.h"

#include <algorithm>
#include <bit>

namespace kelmo::wmf {

namespace {

constexpr std::size_t Bits = 64;

// The bits of word `mot` that stand for slots below `taille`.
uint64_t Valides(std::size_t mot, std::size_t taille)
{
    const std::size_t debut = mot * Bits;
    if (taille <= debut)
        return 0;
    const std::size_t n = taille - debut;
    return n >= Bits ? ~uint64_t{0} : (uint64_t{1} << n) - 1;
}

} // namespace

void TableObjets::NoteMot(std::size_t mot)
{
    const uint64_t bit = uint64_t{1} << (mot % Bits);
    if (libres_[mot])
        resume_[mot / Bits] |= bit;
    else
        resume_[mot / Bits] &= ~bit;
}

void TableObjets::Agrandit(std::size_t taille)
{
    // New slots are taken: bits of libres_ beyond taille_ are always clear.
    taille_ = taille;
    const std::size_t mots = (taille + Bits - 1) / Bits;
    if (libres_.size() < mots) {
        libres_.resize(mots, 0);
        resume_.resize((mots + Bits - 1) / Bits, 0);
    }
}

int TableObjets::Prend()
{
    for (std::size_t j = 0; j < resume_.size(); ++j) {
        if (!resume_[j])
            continue;
        const std::size_t mot = j * Bits + static_cast<std::size_t>(std::countr_zero(resume_[j]));
        const std::size_t bit = static_cast<std::size_t>(std::countr_zero(libres_[mot]));
        libres_[mot] &= libres_[mot] - 1;
        NoteMot(mot);
        return static_cast<int>(mot * Bits + bit);
    }
    if (taille_ >= NbMaxObjets)
        return -1;
    const std::size_t objet = taille_;
    Agrandit(taille_ + 1);
    return static_cast<int>(objet);
}

bool TableObjets::Occupe(int objet) const
{
    if (objet < 0 || static_cast<std::size_t>(objet) >= taille_)
        return false;
    const auto k = static_cast<std::size_t>(objet);
    return !((libres_[k / Bits] >> (k % Bits)) & 1u);
}

bool TableObjets::Libere(int objet)
{
    if (!Occupe(objet))
        return false;
    const auto k = static_cast<std::size_t>(objet);
    libres_[k / Bits] |= uint64_t{1} << (k % Bits);
    NoteMot(k / Bits);
    return true;
}

void TableObjets::Reunit(const TableObjets& autre)
{
    const std::size_t ancienne = taille_;
    Agrandit(std::max(taille_, autre.taille_));
    for (std::size_t mot = 0; mot < libres_.size(); ++mot) {
        const uint64_t prisIci = Valides(mot, ancienne) & ~libres_[mot];
        const uint64_t prisLa = mot < autre.libres_.size() ? Valides(mot, autre.taille_) & ~autre.libres_[mot] : 0;
        libres_[mot] = Valides(mot, taille_) & ~(prisIci | prisLa);
        NoteMot(mot);
    }
}

} // namespace kelmo::wmf
