#include "platform/Wmf.h"
#include "platform/CodePageAnsi.h"
#include "platform/Fichiers.h"
#include "platform/ZoneImage.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace kelmo::wmf {

namespace {

uint16_t Bas(int32_t v) { return static_cast<uint16_t>(static_cast<uint32_t>(v) & 0xFFFFu); }
uint16_t Haut(int32_t v) { return static_cast<uint16_t>((static_cast<uint32_t>(v) >> 16) & 0xFFFFu); }
uint16_t Mot(int16_t v) { return static_cast<uint16_t>(v); }

void AjouteMot(std::string& s, uint16_t m)
{
    s.push_back(static_cast<char>(m & 0xFF));
    s.push_back(static_cast<char>(m >> 8));
}

void AjouteDouble(std::string& s, uint32_t v)
{
    AjouteMot(s, static_cast<uint16_t>(v & 0xFFFFu));
    AjouteMot(s, static_cast<uint16_t>(v >> 16));
}

uint16_t LitMot(const std::string& s, std::size_t i)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(s[i]) | (static_cast<unsigned char>(s[i + 1]) << 8));
}

uint32_t LitDouble(const std::string& s, std::size_t i) { return LitMot(s, i) | (static_cast<uint32_t>(LitMot(s, i + 2)) << 16); }

bool CreeUnObjet(uint16_t f)
{
    switch (f) {
    case META_CREATEPENINDIRECT:
    case META_CREATEBRUSHINDIRECT:
    case META_CREATEFONTINDIRECT:
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_DIBCREATEPATTERNBRUSH:
    case META_CREATEREGION:
        return true;
    default:
        return false;
    }
}

QColor EnQColor(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// The object table of a metafile never needs to be larger than this; a file
// that asks for more is malformed.
constexpr std::size_t NbMaxObjets = 65535;

} // namespace

// ---------------------------------------------------------------- recorder

void Metafichier::NoteTaille(uint32_t tailleMots)
{
    plusGrand_ = std::max(plusGrand_, tailleMots);
    ++nbEnregistrements_;
}

int Metafichier::Enregistre(uint16_t fonction, const uint16_t* parametres, std::size_t nombre)
{
    const uint32_t taille = static_cast<uint32_t>(3 + nombre);
    mots_.push_back(static_cast<uint16_t>(taille & 0xFFFFu));
    mots_.push_back(static_cast<uint16_t>(taille >> 16));
    mots_.push_back(fonction);
    mots_.insert(mots_.end(), parametres, parametres + nombre);
    NoteTaille(taille);
    // The object table follows the records, whoever wrote them.
    if (CreeUnObjet(fonction))
        return occupes_.size() < NbMaxObjets ? PrendObjet() : -1;
    if (fonction == META_DELETEOBJECT && nombre >= 1 && ObjetOccupe(parametres[0]))
        occupes_[parametres[0]] = false;
    return -1;
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
    if (occupes_.size() < autre.occupes_.size())
        occupes_.resize(autre.occupes_.size(), false);
    for (std::size_t i = 0; i < autre.occupes_.size(); ++i)
        occupes_[i] = occupes_[i] || autre.occupes_[i];
    nbObjetsMax_ = std::max(nbObjetsMax_, autre.nbObjetsMax_);
}

int Metafichier::PrendObjet()
{
    for (std::size_t i = 0; i < occupes_.size(); ++i)
        if (!occupes_[i]) {
            occupes_[i] = true;
            return static_cast<int>(i);
        }
    occupes_.push_back(true);
    nbObjetsMax_ = static_cast<uint16_t>(std::max<std::size_t>(nbObjetsMax_, occupes_.size()));
    return static_cast<int>(occupes_.size() - 1);
}

bool Metafichier::ObjetOccupe(int objet) const
{
    return objet >= 0 && static_cast<std::size_t>(objet) < occupes_.size() && occupes_[static_cast<std::size_t>(objet)];
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
    AjouteMot(s, nbObjetsMax_);
    AjouteDouble(s, plusGrand_);
    AjouteMot(s, 0);       // members, unused
    for (uint16_t m : mots_)
        AjouteMot(s, m);
    AjouteDouble(s, 3);
    AjouteMot(s, META_EOF);
    return s;
}

std::optional<Metafichier> Metafichier::DepuisOctets(const std::string& octets, std::size_t debut)
{
    if (debut > octets.size() || octets.size() - debut < static_cast<std::size_t>(TailleEnTeteStandard))
        return std::nullopt;
    const uint16_t type = LitMot(octets, debut);
    const uint16_t tailleEnTete = LitMot(octets, debut + 2);
    if ((type != 1 && type != 2) || tailleEnTete != 9)
        return std::nullopt;
    Metafichier m;
    std::size_t i = debut + 2u * tailleEnTete;
    const std::size_t fin = octets.size();
    while (i + 6 <= fin) {
        const uint32_t taille = LitDouble(octets, i);
        const uint16_t fonction = LitMot(octets, i + 4);
        if (fonction == META_EOF)
            break;
        if (taille < 3 || taille > (fin - i) / 2)
            break; // truncated or malformed: keep what came before
        const std::size_t n = taille - 3;
        std::vector<uint16_t> p(n);
        for (std::size_t k = 0; k < n; ++k)
            p[k] = LitMot(octets, i + 6 + 2 * k);
        m.Enregistre(fonction, p.data(), n);
        i += 2u * taille;
    }
    return m;
}

// ---------------------------------------------------------------- placeable

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
    AjouteMot(s, Mot(gauche));
    AjouteMot(s, Mot(haut));
    AjouteMot(s, Mot(droite));
    AjouteMot(s, Mot(bas));
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
    auto m = Metafichier::DepuisOctets(octets, debut);
    if (!m)
        return std::nullopt;
    f.meta = std::move(*m);
    return f;
}

// ---------------------------------------------------------------- player

struct Lecteur::Objet {
    enum class Genre { Vide, Stylo, Brosse, Police, Autre } genre = Genre::Vide;
    wmf::Stylo stylo;
    wmf::Brosse brosse;
    wmf::Police police;
};

struct Lecteur::Etat {
    std::vector<Objet> objets;
    wmf::Stylo stylo{PS_SOLID, 0, 0};
    wmf::Brosse brosse{BS_SOLID, 0xFFFFFF, 0};
    wmf::Police police{-16, 0, 0, 0, 400, 0, 0, 0, 0, QStringLiteral("Arial")};
    QPointF position;
    uint32_t couleurTexte = 0;
    uint32_t couleurFond = 0xFFFFFF;
    int modeFond = OPAQUE;
    uint16_t alignement = 0;
    int remplissage = 1; // alternate
    int rop2 = 13;       // copy pen
    QPointF orgFenetre;
    QSizeF extFenetre{1, 1};
    bool extDefinie = false;
    bool orgDefinie = false;
    int modeCarte = MM_TEXT;
    QRectF cible;
    QRect fenetreInitiale;
    bool avecCible = false;
};

Lecteur::Lecteur() : etat_(std::make_shared<Etat>()) {}

void Lecteur::Reinitialise()
{
    const Etat ancien = *etat_;
    *etat_ = Etat{};
    etat_->cible = ancien.cible;
    etat_->fenetreInitiale = ancien.fenetreInitiale;
    etat_->avecCible = ancien.avecCible;
}

void Lecteur::DefinitCible(const QRectF& cible, const QRect& fenetreInitiale)
{
    etat_->cible = cible;
    etat_->fenetreInitiale = fenetreInitiale;
    etat_->avecCible = !cible.isEmpty();
}

namespace {

QTransform TransformationDe(const Lecteur::Etat& e)
{
    QPointF org = e.orgDefinie ? e.orgFenetre : QPointF();
    QSizeF ext = e.extFenetre;
    if (e.avecCible) {
        if (!e.orgDefinie && !e.fenetreInitiale.isNull())
            org = e.fenetreInitiale.topLeft();
        if (!e.extDefinie && !e.fenetreInitiale.isEmpty())
            ext = e.fenetreInitiale.size();
        else if (!e.extDefinie)
            ext = e.cible.size();
        const double ex = ext.width() == 0 ? 1.0 : ext.width();
        const double ey = ext.height() == 0 ? 1.0 : ext.height();
        QTransform t;
        t.translate(e.cible.left(), e.cible.top());
        t.scale(e.cible.width() / ex, e.cible.height() / ey);
        t.translate(-org.x(), -org.y());
        return t;
    }
    // The picture's own metafile: logical units are pixels.
    QTransform t;
    t.translate(-org.x(), -org.y());
    return t;
}

QPen PinceauDe(const Stylo& s)
{
    const int style = s.style & 0x0F;
    if (style == PS_NULL)
        return QPen(Qt::NoPen);
    QPen p(EnQColor(static_cast<uint32_t>(s.couleur)));
    if (s.largeur <= 1) {
        p.setCosmetic(true);
        p.setWidth(1);
    } else {
        p.setWidthF(s.largeur);
    }
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    switch (style) {
    case 1: p.setStyle(Qt::DashLine); break;
    case 2: p.setStyle(Qt::DotLine); break;
    case 3: p.setStyle(Qt::DashDotLine); break;
    case 4: p.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    return p;
}

QBrush BrosseDe(const Brosse& b)
{
    const QColor c = EnQColor(static_cast<uint32_t>(b.couleur));
    switch (b.style) {
    case BS_SOLID: return QBrush(c);
    case 2: { // hatched
        static const Qt::BrushStyle hachures[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                  Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(c, b.hachure < 6 ? hachures[b.hachure] : Qt::SolidPattern);
    }
    default: return QBrush(Qt::NoBrush);
    }
}

QPainter::CompositionMode ModeDe(int rop2)
{
    switch (rop2) {
    case 7: return QPainter::RasterOp_SourceXorDestination;
    case 6: return QPainter::RasterOp_NotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

} // namespace

std::size_t Lecteur::Joue(QPainter& p, const Metafichier& meta, std::size_t depuisMot)
{
    Etat& e = *etat_;
    const std::vector<uint16_t>& w = meta.Mots();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    const QTransform base = p.worldTransform();
    auto appliqueFenetre = [&] { p.setWorldTransform(TransformationDe(e) * base); };
    appliqueFenetre();
    bool styloPret = false, brossePret = false;
    auto preparePinceau = [&] {
        if (!styloPret) {
            p.setPen(PinceauDe(e.stylo));
            p.setCompositionMode(ModeDe(e.rop2));
            styloPret = true;
        }
    };
    auto prepareBrosse = [&] {
        if (!brossePret) {
            p.setBrush(BrosseDe(e.brosse));
            brossePret = true;
        }
    };

    // Runs of MoveTo/LineTo with one pen are drawn in one call: a map holds a
    // hundred thousand of them. Round ends of a few pixels go through the
    // path stroker, several times slower; square ends cover the same pixels
    // but the end corners.
    std::vector<QLineF> lignes;
    auto videLignes = [&] {
        if (lignes.empty())
            return;
        const QPen stylo = p.pen();
        if (stylo.style() == Qt::SolidLine && stylo.widthF() >= 2 && stylo.widthF() <= 4) {
            QPen carre = stylo;
            carre.setCapStyle(Qt::SquareCap);
            p.setPen(carre);
            p.drawLines(lignes.data(), static_cast<int>(lignes.size()));
            p.setPen(stylo);
        } else {
            p.drawLines(lignes.data(), static_cast<int>(lignes.size()));
        }
        lignes.clear();
    };

    std::size_t i = depuisMot;
    while (i + 3 <= w.size()) {
        const uint32_t taille = w[i] | (static_cast<uint32_t>(w[i + 1]) << 16);
        const uint16_t f = w[i + 2];
        if (taille < 3 || taille > w.size() - i || f == META_EOF)
            break;
        if (f != META_MOVETO && f != META_LINETO)
            videLignes();
        const std::size_t n = taille - 3;
        const uint16_t* a = &w[i + 3];
        auto U = [&](std::size_t k) -> uint16_t { return k < n ? a[k] : 0; };
        auto S = [&](std::size_t k) -> int { return static_cast<int16_t>(U(k)); };
        auto Couleur = [&](std::size_t k) -> uint32_t { return (U(k) | (static_cast<uint32_t>(U(k + 1)) << 16)) & 0xFFFFFFu; };
        auto points = [&](std::size_t debut, std::size_t nombre) {
            QPolygonF poly;
            poly.reserve(static_cast<int>(nombre));
            for (std::size_t k = 0; k < nombre; ++k)
                poly << QPointF(S(debut + 2 * k), S(debut + 2 * k + 1));
            return poly;
        };
        auto texte = [&](std::size_t debutMot, std::size_t longueur) {
            std::string s;
            s.reserve(longueur);
            for (std::size_t k = 0; k < longueur; ++k) {
                const uint16_t m = U(debutMot + k / 2);
                s.push_back(static_cast<char>(k % 2 ? (m >> 8) : (m & 0xFF)));
            }
            return DecodeAnsi(s);
        };
        auto ecrit = [&](double x, double y, const QString& t) {
            if (t.isEmpty())
                return;
            QFont police(e.police.nom.isEmpty() ? QStringLiteral("Arial") : e.police.nom);
            const int h = std::abs(static_cast<int>(e.police.hauteur));
            police.setPixelSize(std::max(1, h == 0 ? 16 : (e.police.hauteur > 0 ? h * 4 / 5 : h)));
            police.setBold(e.police.graisse >= 600);
            police.setItalic(e.police.italique != 0);
            police.setUnderline(e.police.souligne != 0);
            police.setStrikeOut(e.police.barre != 0);
            p.setFont(police);
            const QFontMetricsF m(police);
            const double largeur = m.horizontalAdvance(t);
            const bool majPosition = e.alignement & 1;
            if (majPosition) {
                x = e.position.x();
                y = e.position.y();
            }
            double dx = 0;
            switch (e.alignement & 6) {
            case 2: dx = -largeur; break;
            case 6: dx = -largeur / 2; break;
            default: break;
            }
            double dy = m.ascent();
            switch (e.alignement & 24) {
            case 8: dy = -m.descent(); break;
            case 24: dy = 0; break;
            default: break;
            }
            p.save();
            p.translate(x, y);
            if (e.police.echappement != 0)
                p.rotate(-e.police.echappement / 10.0);
            if (e.modeFond == OPAQUE)
                p.fillRect(QRectF(dx, dy - m.ascent(), largeur, m.height()), EnQColor(e.couleurFond));
            p.setPen(EnQColor(e.couleurTexte));
            p.drawText(QPointF(dx, dy), t);
            p.restore();
            styloPret = false;
            if (majPosition)
                e.position.setX(e.position.x() + ((e.alignement & 6) == 0 ? largeur : 0));
        };

        switch (f) {
        case META_SETBKCOLOR: e.couleurFond = Couleur(0); break;
        case META_SETBKMODE: e.modeFond = U(0); break;
        case META_SETMAPMODE: e.modeCarte = U(0); break;
        case META_SETROP2: e.rop2 = U(0); styloPret = false; break;
        case META_SETPOLYFILLMODE: e.remplissage = U(0); break;
        case META_SETTEXTALIGN: e.alignement = U(0); break;
        case META_SETTEXTCOLOR: e.couleurTexte = Couleur(0); break;
        case META_SETWINDOWORG:
            e.orgFenetre = QPointF(S(1), S(0));
            e.orgDefinie = true;
            appliqueFenetre();
            break;
        case META_SETWINDOWEXT:
            e.extFenetre = QSizeF(S(1), S(0));
            e.extDefinie = true;
            appliqueFenetre();
            break;
        case META_MOVETO: e.position = QPointF(S(1), S(0)); break;
        case META_LINETO: {
            const QPointF q(S(1), S(0));
            preparePinceau();
            lignes.emplace_back(e.position, q);
            e.position = q;
            break;
        }
        case META_ELLIPSE:
        case META_RECTANGLE:
        case META_ROUNDRECT: {
            const std::size_t d = f == META_ROUNDRECT ? 2 : 0;
            const QRectF r = QRectF(QPointF(S(d + 3), S(d + 2)), QPointF(S(d + 1), S(d + 0))).normalized();
            preparePinceau();
            prepareBrosse();
            if (f == META_ELLIPSE)
                p.drawEllipse(r);
            else if (f == META_RECTANGLE)
                p.drawRect(r);
            else
                p.drawRoundedRect(r, S(1) / 2.0, S(0) / 2.0);
            break;
        }
        case META_POLYGON:
        case META_POLYLINE: {
            const std::size_t nb = std::min<std::size_t>(U(0), n > 0 ? (n - 1) / 2 : 0);
            const QPolygonF poly = points(1, nb);
            preparePinceau();
            if (f == META_POLYLINE) {
                p.drawPolyline(poly);
            } else {
                prepareBrosse();
                p.drawPolygon(poly, e.remplissage == 2 ? Qt::WindingFill : Qt::OddEvenFill);
            }
            break;
        }
        case META_POLYPOLYGON: {
            const std::size_t nbPoly = std::min<std::size_t>(U(0), n > 0 ? n - 1 : 0);
            std::size_t k = 1 + nbPoly;
            preparePinceau();
            prepareBrosse();
            for (std::size_t j = 0; j < nbPoly; ++j) {
                const std::size_t nb = U(1 + j);
                if (k + 2 * nb > n)
                    break;
                p.drawPolygon(points(k, nb), e.remplissage == 2 ? Qt::WindingFill : Qt::OddEvenFill);
                k += 2 * nb;
            }
            break;
        }
        case META_TEXTOUT: {
            const int longueur = S(0);
            if (longueur <= 0)
                break;
            const std::size_t motsTexte = (static_cast<std::size_t>(longueur) + 1) / 2;
            if (1 + motsTexte + 2 > n)
                break;
            ecrit(S(1 + motsTexte + 1), S(1 + motsTexte), texte(1, static_cast<std::size_t>(longueur)));
            break;
        }
        case META_EXTTEXTOUT: {
            const int longueur = S(2);
            const uint16_t options = U(3);
            std::size_t debutTexte = 4 + ((options & 0x0006) ? 4 : 0);
            if (longueur <= 0 || debutTexte + (static_cast<std::size_t>(longueur) + 1) / 2 > n)
                break;
            ecrit(S(1), S(0), texte(debutTexte, static_cast<std::size_t>(longueur)));
            break;
        }
        case META_SELECTOBJECT: {
            const std::size_t k = U(0);
            if (k >= e.objets.size())
                break;
            const Objet& o = e.objets[k];
            switch (o.genre) {
            case Objet::Genre::Stylo: e.stylo = o.stylo; styloPret = false; break;
            case Objet::Genre::Brosse: e.brosse = o.brosse; brossePret = false; break;
            case Objet::Genre::Police: e.police = o.police; break;
            default: break;
            }
            break;
        }
        case META_DELETEOBJECT: {
            const std::size_t k = U(0);
            if (k < e.objets.size())
                e.objets[k] = Objet{};
            break;
        }
        default:
            if (CreeUnObjet(f)) {
                Objet o;
                if (f == META_CREATEPENINDIRECT) {
                    o.genre = Objet::Genre::Stylo;
                    o.stylo = Stylo{U(0), static_cast<int16_t>(S(1)), static_cast<int32_t>(Couleur(3))};
                } else if (f == META_CREATEBRUSHINDIRECT) {
                    o.genre = Objet::Genre::Brosse;
                    o.brosse = Brosse{U(0), static_cast<int32_t>(Couleur(1)), U(3)};
                } else if (f == META_CREATEFONTINDIRECT) {
                    o.genre = Objet::Genre::Police;
                    o.police.hauteur = static_cast<int16_t>(S(0));
                    o.police.largeur = static_cast<int16_t>(S(1));
                    o.police.echappement = static_cast<int16_t>(S(2));
                    o.police.orientation = static_cast<int16_t>(S(3));
                    o.police.graisse = static_cast<int16_t>(S(4));
                    o.police.italique = U(5) & 0xFF;
                    o.police.souligne = U(5) >> 8;
                    o.police.barre = U(6) & 0xFF;
                    o.police.jeuCaracteres = U(6) >> 8;
                    std::string nom;
                    for (std::size_t k = 0; k < 32 && 9 + k / 2 < n; ++k) {
                        const uint16_t m = U(9 + k / 2);
                        const char c = static_cast<char>(k % 2 ? (m >> 8) : (m & 0xFF));
                        if (c == '\0')
                            break;
                        nom.push_back(c);
                    }
                    o.police.nom = DecodeAnsi(nom);
                } else {
                    o.genre = Objet::Genre::Autre;
                }
                // The lowest free slot, as the recorder took it.
                std::size_t k = 0;
                while (k < e.objets.size() && e.objets[k].genre != Objet::Genre::Vide)
                    ++k;
                if (k == e.objets.size()) {
                    if (e.objets.size() >= NbMaxObjets)
                        break;
                    e.objets.emplace_back();
                }
                e.objets[k] = std::move(o);
            }
            // Other records (bitmaps, regions, palettes, clipping) are skipped.
            break;
        }
        i += taille;
    }
    videLignes();
    p.restore();
    return i;
}

void JoueMetafichier(QPainter& peintre, const Metafichier& meta)
{
    Lecteur l;
    l.Joue(peintre, meta);
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
