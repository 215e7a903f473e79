#include "platform/WmfEnregistreur.h"
#include "platform/CodePageAnsi.h"
#include "platform/WmfOctets.h"

#include <algorithm>

namespace kelmo::wmf {

using octets::AjouteDouble;
using octets::AjouteMot;

namespace {

uint16_t Bas(int32_t v) { return static_cast<uint16_t>(static_cast<uint32_t>(v) & 0xFFFFu); }
uint16_t Haut(int32_t v) { return static_cast<uint16_t>((static_cast<uint32_t>(v) >> 16) & 0xFFFFu); }
uint16_t Mot(int16_t v) { return static_cast<uint16_t>(v); }

} // namespace

int Metafichier::Enregistre(uint16_t fonction, const uint16_t* parametres, std::size_t nombre)
{
    const uint32_t taille = static_cast<uint32_t>(3 + nombre);
    mots_.push_back(static_cast<uint16_t>(taille & 0xFFFFu));
    mots_.push_back(static_cast<uint16_t>(taille >> 16));
    mots_.push_back(fonction);
    mots_.insert(mots_.end(), parametres, parametres + nombre);
    plusGrand_ = std::max(plusGrand_, taille);
    ++nbEnregistrements_;
    // The object table follows the records, whoever wrote them.
    if (CreeUnObjet(fonction))
        return objets_.Prend();
    if (fonction == META_DELETEOBJECT && nombre >= 1)
        objets_.Libere(parametres[0]);
    return -1;
}

std::vector<uint16_t> Metafichier::RendMemoire()
{
    std::vector<uint16_t> m = std::move(mots_);
    m.clear();
    mots_ = {};
    return m;
}

void Metafichier::PrendMemoire(std::vector<uint16_t>&& memoire)
{
    if (!mots_.empty() || memoire.capacity() <= mots_.capacity())
        return;
    mots_ = std::move(memoire);
    mots_.clear();
}

int Metafichier::Enregistre(uint16_t fonction, std::initializer_list<uint16_t> parametres)
{
    return Enregistre(fonction, parametres.begin(), parametres.size());
}

void Metafichier::AjouteEnregistrementsDe(const Metafichier& autre)
{
    mots_.insert(mots_.end(), autre.mots_.begin(), autre.mots_.end());
    nbEnregistrements_ += autre.nbEnregistrements_;
    plusGrand_ = std::max(plusGrand_, autre.plusGrand_);
    objets_.Reunit(autre.objets_);
}

int Metafichier::CreeStylo(const Stylo& s)
{
    return Enregistre(META_CREATEPENINDIRECT, {s.style, Mot(s.largeur), 0, Bas(s.couleur & 0xFFFFFF), Haut(s.couleur & 0xFFFFFF)});
}

int Metafichier::CreeBrosse(const Brosse& b)
{
    return Enregistre(META_CREATEBRUSHINDIRECT, {b.style, Bas(b.couleur & 0xFFFFFF), Haut(b.couleur & 0xFFFFFF), b.hachure});
}

int Metafichier::CreePolice(const Police& p)
{
    uint16_t w[9 + 16] = {Mot(p.hauteur), Mot(p.largeur), Mot(p.echappement), Mot(p.orientation), Mot(p.graisse),
                          static_cast<uint16_t>(p.italique | (p.souligne << 8)),
                          static_cast<uint16_t>(p.barre | (p.jeuCaracteres << 8)),
                          0,  // output and clip precision: defaults
                          0}; // quality and pitch: defaults
    // Face name: 32 bytes, NUL-terminated.
    std::string nom = EncodeAnsi(p.nom);
    if (nom.size() > 31)
        nom.resize(31);
    nom.resize(32, '\0');
    for (int i = 0; i < 16; ++i)
        w[9 + i] = static_cast<uint16_t>(static_cast<unsigned char>(nom[2 * i]) |
                                         (static_cast<unsigned char>(nom[2 * i + 1]) << 8));
    return Enregistre(META_CREATEFONTINDIRECT, w, 25);
}

void Metafichier::Selectionne(int objet) { Enregistre(META_SELECTOBJECT, {static_cast<uint16_t>(objet)}); }

void Metafichier::Supprime(int objet) { Enregistre(META_DELETEOBJECT, {static_cast<uint16_t>(objet)}); }

void Metafichier::MoveTo(int16_t x, int16_t y) { Enregistre(META_MOVETO, {Mot(y), Mot(x)}); }
void Metafichier::LineTo(int16_t x, int16_t y) { Enregistre(META_LINETO, {Mot(y), Mot(x)}); }

void Metafichier::Ellipse(int16_t gauche, int16_t haut, int16_t droite, int16_t bas)
{
    Enregistre(META_ELLIPSE, {Mot(bas), Mot(droite), Mot(haut), Mot(gauche)});
}

void Metafichier::Rectangle(int16_t gauche, int16_t haut, int16_t droite, int16_t bas)
{
    Enregistre(META_RECTANGLE, {Mot(bas), Mot(droite), Mot(haut), Mot(gauche)});
}

namespace {
std::vector<uint16_t> ParametresPoints(const std::vector<QPoint>& points)
{
    std::vector<uint16_t> w;
    w.reserve(1 + 2 * points.size());
    w.push_back(static_cast<uint16_t>(points.size()));
    for (const QPoint& p : points) {
        w.push_back(static_cast<uint16_t>(static_cast<int16_t>(p.x())));
        w.push_back(static_cast<uint16_t>(static_cast<int16_t>(p.y())));
    }
    return w;
}
} // namespace

void Metafichier::Polygone(const std::vector<QPoint>& points)
{
    const auto w = ParametresPoints(points);
    Enregistre(META_POLYGON, w.data(), w.size());
}

void Metafichier::Polyligne(const std::vector<QPoint>& points)
{
    const auto w = ParametresPoints(points);
    Enregistre(META_POLYLINE, w.data(), w.size());
}

void Metafichier::TextOut(int16_t x, int16_t y, const std::string& octets)
{
    const std::size_t n = std::min<std::size_t>(octets.size(), 32767);
    std::vector<uint16_t> w;
    w.reserve(3 + (n + 1) / 2);
    w.push_back(static_cast<uint16_t>(n));
    for (std::size_t i = 0; i < n; i += 2) {
        const unsigned a = static_cast<unsigned char>(octets[i]);
        const unsigned b = i + 1 < n ? static_cast<unsigned char>(octets[i + 1]) : 0u;
        w.push_back(static_cast<uint16_t>(a | (b << 8)));
    }
    w.push_back(Mot(y));
    w.push_back(Mot(x));
    Enregistre(META_TEXTOUT, w.data(), w.size());
}

void Metafichier::SetTextColor(int32_t c) { Enregistre(META_SETTEXTCOLOR, {Bas(c & 0xFFFFFF), Haut(c & 0xFFFFFF)}); }
void Metafichier::SetBkMode(uint16_t mode) { Enregistre(META_SETBKMODE, {mode}); }
void Metafichier::SetWindowOrg(int16_t x, int16_t y) { Enregistre(META_SETWINDOWORG, {Mot(y), Mot(x)}); }
void Metafichier::SetWindowExt(int16_t x, int16_t y) { Enregistre(META_SETWINDOWEXT, {Mot(y), Mot(x)}); }
void Metafichier::SetMapMode(uint16_t mode) { Enregistre(META_SETMAPMODE, {mode}); }

std::string Metafichier::Octets(uint16_t type) const
{
    std::string s;
    s.reserve(TailleEnTeteStandard + 2 * mots_.size() + 6);
    AjouteMot(s, type);
    AjouteMot(s, 9);       // header size, words
    AjouteMot(s, 0x0300);  // version with device-independent bitmaps
    AjouteDouble(s, static_cast<uint32_t>(9 + mots_.size() + 3));
    AjouteMot(s, NombreObjets());
    AjouteDouble(s, plusGrand_);
    AjouteMot(s, 0);       // members, unused
    for (uint16_t m : mots_)
        AjouteMot(s, m);
    AjouteDouble(s, 3);
    AjouteMot(s, META_EOF);
    return s;
}

} // namespace kelmo::wmf
