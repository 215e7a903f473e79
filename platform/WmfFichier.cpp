#include "platform/WmfFichier.h"
#include "platform/Fichiers.h"
#include "platform/WmfLecteur.h"
#include "platform/WmfOctets.h"
#include "platform/ZoneImage.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kelmo::wmf {

using octets::AjouteDouble;
using octets::AjouteMot;
using octets::LitDouble;
using octets::LitMot;

uint16_t ControleEnTetePlacable(const std::string& s)
{
    uint16_t x = 0;
    for (std::size_t i = 0; i + 1 < 20 && i + 1 < s.size(); i += 2)
        x ^= LitMot(s, i);
    return x;
}

std::string OctetsEnTetePlacable(int16_t gauche, int16_t haut, int16_t droite, int16_t bas, uint16_t unitesParPouce)
{
    std::string s;
    AjouteDouble(s, CleePlacable);
    AjouteMot(s, 0); // handle
    AjouteMot(s, static_cast<uint16_t>(gauche));
    AjouteMot(s, static_cast<uint16_t>(haut));
    AjouteMot(s, static_cast<uint16_t>(droite));
    AjouteMot(s, static_cast<uint16_t>(bas));
    AjouteMot(s, unitesParPouce);
    AjouteDouble(s, 0); // reserved
    AjouteMot(s, ControleEnTetePlacable(s));
    return s;
}

std::optional<FichierWmf> LitFichierWmf(const std::string& octets)
{
    FichierWmf f;
    std::size_t debut = 0;
    if (octets.size() >= 4 && LitDouble(octets, 0) == CleePlacable) {
        if (octets.size() < static_cast<std::size_t>(TailleEnTetePlacable))
            return std::nullopt;
        EnTetePlacable e;
        e.gauche = static_cast<int16_t>(LitMot(octets, 6));
        e.haut = static_cast<int16_t>(LitMot(octets, 8));
        e.droite = static_cast<int16_t>(LitMot(octets, 10));
        e.bas = static_cast<int16_t>(LitMot(octets, 12));
        e.unitesParPouce = LitMot(octets, 14);
        e.controle = LitMot(octets, 20);
        f.placable = e;
        debut = TailleEnTetePlacable;
    }
    auto m = LitMetafichier(octets, debut);
    if (!m)
        return std::nullopt;
    f.meta = std::move(*m);
    return f;
}

QImage ImageDepuisWmf(const FichierWmf& fichier, QSize tailleParDefaut)
{
    constexpr int CoteMax = 4096;
    QSizeF taille = tailleParDefaut;
    QRect fenetre;
    if (fichier.placable) {
        const EnTetePlacable& e = *fichier.placable;
        const double unites = e.unitesParPouce == 0 ? 1440.0 : e.unitesParPouce;
        fenetre = QRect(QPoint(e.gauche, e.haut), QSize(e.droite - e.gauche, e.bas - e.haut));
        taille = QSizeF(std::abs(e.droite - e.gauche) * PixelsParPouce / unites,
                        std::abs(e.bas - e.haut) * PixelsParPouce / unites);
    } else {
        // A bare metafile: its own window extent, when it sets one.
        const auto& w = fichier.meta.Mots();
        for (std::size_t i = 0; i + 5 <= w.size();) {
            const uint32_t t = w[i] | (static_cast<uint32_t>(w[i + 1]) << 16);
            if (t < 3 || t > w.size() - i)
                break;
            if (w[i + 2] == META_SETWINDOWEXT && t >= 5) {
                taille = QSizeF(std::abs(static_cast<int16_t>(w[i + 4])), std::abs(static_cast<int16_t>(w[i + 3])));
                fenetre = QRect(0, 0, static_cast<int16_t>(w[i + 4]), static_cast<int16_t>(w[i + 3]));
                break;
            }
            i += t;
        }
    }
    // A picture larger than the bound is drawn smaller, keeping its shape.
    const double plusGrand = std::max(taille.width(), taille.height());
    if (plusGrand > CoteMax)
        taille *= CoteMax / plusGrand;
    const int l = std::clamp(static_cast<int>(std::lround(taille.width())), 1, CoteMax);
    const int h = std::clamp(static_cast<int>(std::lround(taille.height())), 1, CoteMax);
    QImage image(l, h, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter p(&image);
    Lecteur lecteur;
    lecteur.DefinitCible(QRectF(0, 0, l, h), fenetre);
    lecteur.DefinitDureeMax(DureeMaxImageWmf);
    lecteur.Joue(p, fichier.meta);
    return image;
}

std::optional<QImage> ChargeImageWmf(const QString& chemin)
{
    const auto f = LitFichierWmf(LitFichierEntier(chemin));
    if (!f)
        return std::nullopt;
    return ImageDepuisWmf(*f);
}

} // namespace kelmo::wmf
