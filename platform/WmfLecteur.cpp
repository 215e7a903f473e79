#include "platform/WmfLecteur.h"
#include "platform/CodePageAnsi.h"
#include "platform/SegmentsDirects.h"
#include "platform/TrianglesDirects.h"
#include "platform/WmfOctets.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace kelmo::wmf {

using octets::LitDouble;
using octets::LitMot;

// ---------------------------------------------------------------- reader

std::optional<Metafichier> LitMetafichier(const std::string& octets, std::size_t debut)
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
    std::vector<uint16_t> p;
    while (i + 6 <= fin) {
        const uint32_t taille = LitDouble(octets, i);
        const uint16_t fonction = LitMot(octets, i + 4);
        if (fonction == META_EOF)
            break;
        if (taille < 3 || taille > (fin - i) / 2)
            break; // truncated or malformed: keep what came before
        const std::size_t n = taille - 3;
        p.resize(n);
        for (std::size_t k = 0; k < n; ++k)
            p[k] = LitMot(octets, i + 6 + 2 * k);
        m.Enregistre(fonction, p.data(), n);
        i += 2u * taille;
    }
    return m;
}

// ---------------------------------------------------------------- player

namespace {

struct Objet {
    enum class Genre { Vide, Stylo, Brosse, Police, Autre } genre = Genre::Vide;
    wmf::Stylo stylo;
    wmf::Brosse brosse;
    wmf::Police police;
};

QColor EnQColor(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

} // namespace

struct Lecteur::Etat {
    TableObjets table;
    std::vector<Objet> objets; // by slot; a free slot holds an empty object
    wmf::Stylo stylo{PS_SOLID, 0, 0};
    wmf::Brosse brosse{BS_SOLID, 0xFFFFFF, 0};
    wmf::Police police{-16, 0, 0, 0, 400, 0, 0, 0, 0, QStringLiteral("Arial")};
    QPointF position;
    uint32_t couleurTexte = 0;
    uint32_t couleurFond = 0xFFFFFF;
    int modeFond = OPAQUE;
    uint16_t alignement = 0;
    int remplissage = 1; // alternate
    int rop2 = R2_COPYPEN;
    QPointF orgFenetre;
    QSizeF extFenetre{1, 1};
    bool extDefinie = false;
    bool orgDefinie = false;
    int modeCarte = MM_TEXT;
    QRectF cible;
    QRect fenetreInitiale;
    bool avecCible = false;
    QFont policeQt;     // the Qt font of policeQtDe
    Police policeQtDe;
    bool policeQtPrete = false;
    std::optional<std::chrono::milliseconds> dureeMax;
    bool interrompu = false;
};

Lecteur::Lecteur() : etat_(std::make_shared<Etat>()) {}

void Lecteur::Reinitialise()
{
    const Etat ancien = *etat_;
    *etat_ = Etat{};
    etat_->cible = ancien.cible;
    etat_->fenetreInitiale = ancien.fenetreInitiale;
    etat_->avecCible = ancien.avecCible;
    etat_->dureeMax = ancien.dureeMax;
}

void Lecteur::DefinitDureeMax(std::chrono::milliseconds duree) { etat_->dureeMax = duree; }

bool Lecteur::Interrompu() const { return etat_->interrompu; }

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
    case R2_XORPEN: return QPainter::RasterOp_SourceXorDestination;
    case R2_NOT: return QPainter::RasterOp_NotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

// Widest pen whose line runs go to the direct writer; a file may ask for
// pens thousands of pixels wide, which the painter fills far faster than as
// side-by-side lines.
constexpr int LargeurMaxDirecte = 64;

// The image the painter paints on, when line runs may be written straight
// into it: a 32-bit image of its own, no clipping, no opacity, and a
// transformation that only moves by whole pixels, so the integer ends of
// the records land on the pixels the bitmap picture would draw.
QImage* ImageDirecte(const QPainter& p, QPoint& decalage)
{
    QPaintDevice* d = p.device();
    if (!d || d->devType() != QInternal::Image || p.hasClipping() || p.opacity() != 1.0)
        return nullptr;
    auto* image = static_cast<QImage*>(d);
    if (!AccepteSegmentsDirects(*image) || !image->isDetached() || image->devicePixelRatio() != 1.0)
        return nullptr;
    const QTransform& t = p.worldTransform();
    if (t.type() > QTransform::TxTranslate || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()) ||
        std::abs(t.dx()) > 1.0e6 || std::abs(t.dy()) > 1.0e6)
        return nullptr;
    decalage = QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    return image;
}

// How unevenly the transformation stretches: the ratio of its largest to
// its smallest stretch (infinite when it flattens).
double Distorsion(const QTransform& t)
{
    const double e = (t.m11() + t.m22()) / 2, f = (t.m11() - t.m22()) / 2;
    const double g = (t.m21() + t.m12()) / 2, h = (t.m21() - t.m12()) / 2;
    const double q = std::hypot(e, h), r = std::hypot(f, g);
    const double petit = std::abs(q - r);
    return petit > 0 ? (q + r) / petit : std::numeric_limits<double>::infinity();
}

// Beyond this stretch ratio text is filled as outlines: the glyph cache
// renders each glyph under the transformation, and a glyph a few pixels
// high stretched thousands of pixels wide makes the font rasteriser fail
// (a metafile whose window is 1 unit wide and 32 767 high crashed it).
constexpr double DistorsionMaxTexte = 4.0;

// One call of Joue: the painter, the player state and what is being
// gathered.
class Seance {
public:
    Seance(QPainter& p, Lecteur::Etat& e) : p_(p), e_(e), base_(p.worldTransform()) {}

    std::size_t Joue(const std::vector<uint16_t>& w, std::size_t depuis);

private:
    // Parameters of the record being played; missing ones read as 0.
    uint16_t U(std::size_t k) const { return k < n_ ? a_[k] : 0; }
    int S(std::size_t k) const { return static_cast<int16_t>(U(k)); }
    uint32_t Couleur(std::size_t k) const { return (U(k) | (static_cast<uint32_t>(U(k + 1)) << 16)) & 0xFFFFFFu; }

    void AppliqueFenetre() { p_.setWorldTransform(TransformationDe(e_) * base_); }
    void PreparePinceau();
    void PrepareBrosse();
    void VideLignes();
    bool TriangleDirect();
    bool HorsImage(std::size_t nombre);
    QPolygonF Points(std::size_t debut, std::size_t nombre) const;
    QString Texte(std::size_t debutMot, std::size_t longueur) const;
    void Ecrit(double x, double y, const QString& texte);
    void CreeObjet(uint16_t f);
    void Enregistrement(uint16_t f);

    QPainter& p_;
    Lecteur::Etat& e_;
    const QTransform base_;
    bool styloPret_ = false, brossePret_ = false;
    const uint16_t* a_ = nullptr;
    std::size_t n_ = 0;
    // Runs of MoveTo/LineTo with one pen are drawn in one call: a map holds
    // a hundred thousand of them.
    std::vector<QLineF> lignes_;
    std::vector<QLine> lignesEntieres_;
    std::vector<QPoint> coins_;
};

void Seance::PreparePinceau()
{
    if (!styloPret_) {
        p_.setPen(PinceauDe(e_.stylo));
        p_.setCompositionMode(ModeDe(e_.rop2));
        styloPret_ = true;
    }
}

void Seance::PrepareBrosse()
{
    if (!brossePret_) {
        p_.setBrush(BrosseDe(e_.brosse));
        brossePret_ = true;
    }
}

void Seance::VideLignes()
{
    if (lignes_.empty())
        return;
    const QPen stylo = p_.pen();
    QPoint decalage;
    QImage* image = nullptr;
    if ((e_.stylo.style & 0x0F) == PS_SOLID && e_.rop2 == R2_COPYPEN && e_.stylo.largeur <= LargeurMaxDirecte)
        image = ImageDirecte(p_, decalage);
    if (image) {
        // The records hold whole numbers, so the ends stay whole.
        lignesEntieres_.clear();
        for (const QLineF& l : lignes_)
            lignesEntieres_.emplace_back(l.toLine().translated(decalage));
        TraceSegmentsDirects(*image, lignesEntieres_.data(), static_cast<int>(lignesEntieres_.size()),
                             stylo.color().rgb(), e_.stylo.largeur);
    } else if (stylo.style() == Qt::SolidLine && stylo.widthF() >= 2 && stylo.widthF() <= 4) {
        // Round ends of a few pixels go through the path stroker, several
        // times slower; square ends cover the same pixels but the end corners.
        QPen carre = stylo;
        carre.setCapStyle(Qt::SquareCap);
        p_.setPen(carre);
        p_.drawLines(lignes_.data(), static_cast<int>(lignes_.size()));
        p_.setPen(stylo);
    } else {
        p_.drawLines(lignes_.data(), static_cast<int>(lignes_.size()));
    }
    lignes_.clear();
}

// A triangle of the current record filled straight into the image, when
// it has no outline, a solid brush in copy mode and lands on whole pixels
// (TrianglesDirects.h); false when the painter must fill it.
bool Seance::TriangleDirect()
{
    if ((e_.stylo.style & 0x0F) != PS_NULL || e_.brosse.style != BS_SOLID || e_.rop2 == R2_XORPEN
        || e_.rop2 == R2_NOT)
        return false;
    QPoint decalage;
    QImage* image = ImageDirecte(p_, decalage);
    if (!image)
        return false;
    const QPoint coins[3] = {QPoint(S(1), S(2)) + decalage, QPoint(S(3), S(4)) + decalage,
                             QPoint(S(5), S(6)) + decalage};
    return RemplitTriangleDirect(*image, coins, EnQColor(static_cast<uint32_t>(e_.brosse.couleur)).rgb());
}

// True when the shape of the current record's `nombre` points, pen
// included, lands wholly off the image the painter paints on without
// scaling: it would draw nothing (PolygoneHorsImage).
bool Seance::HorsImage(std::size_t nombre)
{
    QPoint decalage;
    const QImage* image = ImageDirecte(p_, decalage);
    if (!image || nombre == 0)
        return false;
    coins_.clear();
    for (std::size_t k = 0; k < nombre; ++k)
        coins_.push_back(QPoint(S(1 + 2 * k), S(2 + 2 * k)) + decalage);
    const int largeur = (e_.stylo.style & 0x0F) == PS_NULL ? 0 : e_.stylo.largeur;
    return PolygoneHorsImage(coins_.data(), static_cast<int>(nombre), std::max<int64_t>(1, largeur) + 2, image->size());
}

QPolygonF Seance::Points(std::size_t debut, std::size_t nombre) const
{
    QPolygonF poly;
    poly.reserve(static_cast<int>(nombre));
    for (std::size_t k = 0; k < nombre; ++k)
        poly << QPointF(S(debut + 2 * k), S(debut + 2 * k + 1));
    return poly;
}

QString Seance::Texte(std::size_t debutMot, std::size_t longueur) const
{
    std::string s;
    s.reserve(longueur);
    for (std::size_t k = 0; k < longueur; ++k) {
        const uint16_t m = U(debutMot + k / 2);
        s.push_back(static_cast<char>(k % 2 ? (m >> 8) : (m & 0xFF)));
    }
    return DecodeAnsi(s);
}

// The Qt font of the selected font object, made again only when another
// is selected: a map names thousands of towns in one font.
const QFont& PoliceQt(Lecteur::Etat& e)
{
    if (e.policeQtPrete && e.policeQtDe == e.police)
        return e.policeQt;
    const Police& pol = e.police;
    QFont police(pol.nom.isEmpty() ? QStringLiteral("Arial") : pol.nom);
    const int h = std::abs(static_cast<int>(pol.hauteur));
    police.setPixelSize(std::max(1, h == 0 ? 16 : (pol.hauteur > 0 ? h * 4 / 5 : h)));
    police.setBold(pol.graisse >= 600);
    police.setItalic(pol.italique != 0);
    police.setUnderline(pol.souligne != 0);
    police.setStrikeOut(pol.barre != 0);
    e.policeQt = police;
    e.policeQtDe = pol;
    e.policeQtPrete = true;
    return e.policeQt;
}

void Seance::Ecrit(double x, double y, const QString& t)
{
    if (t.isEmpty())
        return;
    const QFont& police = PoliceQt(e_);
    p_.setFont(police);
    const QFontMetricsF m(police);
    const bool majPosition = e_.alignement & 1;
    // The advance costs a shaping of the text: measured only when used.
    const bool avecLargeur = majPosition || (e_.alignement & 6) != 0 || e_.modeFond == OPAQUE;
    const double largeur = avecLargeur ? m.horizontalAdvance(t) : 0;
    if (majPosition) {
        x = e_.position.x();
        y = e_.position.y();
    }
    double dx = 0;
    switch (e_.alignement & 6) {
    case 2: dx = -largeur; break;
    case 6: dx = -largeur / 2; break;
    default: break;
    }
    double dy = m.ascent();
    switch (e_.alignement & 24) {
    case 8: dy = -m.descent(); break;
    case 24: dy = 0; break;
    default: break;
    }
    p_.save();
    p_.translate(x, y);
    if (e_.police.echappement != 0)
        p_.rotate(-e_.police.echappement / 10.0);
    if (e_.modeFond == OPAQUE)
        p_.fillRect(QRectF(dx, dy - m.ascent(), largeur, m.height()), EnQColor(e_.couleurFond));
    if (Distorsion(p_.worldTransform()) <= DistorsionMaxTexte) {
        p_.setPen(EnQColor(e_.couleurTexte));
        p_.drawText(QPointF(dx, dy), t);
    } else {
        QPainterPath contours;
        contours.addText(QPointF(dx, dy), police, t);
        p_.fillPath(contours, EnQColor(e_.couleurTexte));
    }
    p_.restore();
    styloPret_ = false;
    if (majPosition)
        e_.position.setX(e_.position.x() + ((e_.alignement & 6) == 0 ? largeur : 0));
}

void Seance::CreeObjet(uint16_t f)
{
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
        for (std::size_t k = 0; k < 32 && 9 + k / 2 < n_; ++k) {
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
    // The lowest free slot, as the recorder took it; none when the table is full.
    const int k = e_.table.Prend();
    if (k < 0)
        return;
    if (static_cast<std::size_t>(k) >= e_.objets.size())
        e_.objets.resize(static_cast<std::size_t>(k) + 1);
    e_.objets[static_cast<std::size_t>(k)] = std::move(o);
}

void Seance::Enregistrement(uint16_t f)
{
    switch (f) {
    case META_SETBKCOLOR: e_.couleurFond = Couleur(0); break;
    case META_SETBKMODE: e_.modeFond = U(0); break;
    case META_SETMAPMODE: e_.modeCarte = U(0); break;
    case META_SETROP2: e_.rop2 = U(0); styloPret_ = false; break;
    case META_SETPOLYFILLMODE: e_.remplissage = U(0); break;
    case META_SETTEXTALIGN: e_.alignement = U(0); break;
    case META_SETTEXTCOLOR: e_.couleurTexte = Couleur(0); break;
    case META_SETWINDOWORG:
        e_.orgFenetre = QPointF(S(1), S(0));
        e_.orgDefinie = true;
        AppliqueFenetre();
        break;
    case META_SETWINDOWEXT:
        e_.extFenetre = QSizeF(S(1), S(0));
        e_.extDefinie = true;
        AppliqueFenetre();
        break;
    case META_MOVETO: e_.position = QPointF(S(1), S(0)); break;
    case META_LINETO: {
        const QPointF q(S(1), S(0));
        PreparePinceau();
        lignes_.emplace_back(e_.position, q);
        e_.position = q;
        break;
    }
    case META_ELLIPSE:
    case META_RECTANGLE:
    case META_ROUNDRECT: {
        const std::size_t d = f == META_ROUNDRECT ? 2 : 0;
        const QRectF r = QRectF(QPointF(S(d + 3), S(d + 2)), QPointF(S(d + 1), S(d + 0))).normalized();
        PreparePinceau();
        PrepareBrosse();
        if (f == META_ELLIPSE)
            p_.drawEllipse(r);
        else if (f == META_RECTANGLE)
            p_.drawRect(r);
        else
            p_.drawRoundedRect(r, S(1) / 2.0, S(0) / 2.0);
        break;
    }
    case META_POLYGON:
    case META_POLYLINE: {
        const std::size_t nb = std::min<std::size_t>(U(0), n_ > 0 ? (n_ - 1) / 2 : 0);
        if (HorsImage(nb) || (f == META_POLYGON && nb == 3 && TriangleDirect()))
            break;
        const QPolygonF poly = Points(1, nb);
        PreparePinceau();
        if (f == META_POLYLINE) {
            p_.drawPolyline(poly);
        } else {
            PrepareBrosse();
            p_.drawPolygon(poly, e_.remplissage == 2 ? Qt::WindingFill : Qt::OddEvenFill);
        }
        break;
    }
    case META_POLYPOLYGON: {
        const std::size_t nbPoly = std::min<std::size_t>(U(0), n_ > 0 ? n_ - 1 : 0);
        std::size_t k = 1 + nbPoly;
        PreparePinceau();
        PrepareBrosse();
        for (std::size_t j = 0; j < nbPoly; ++j) {
            const std::size_t nb = U(1 + j);
            if (k + 2 * nb > n_)
                break;
            p_.drawPolygon(Points(k, nb), e_.remplissage == 2 ? Qt::WindingFill : Qt::OddEvenFill);
            k += 2 * nb;
        }
        break;
    }
    case META_TEXTOUT: {
        const int longueur = S(0);
        if (longueur <= 0)
            break;
        const std::size_t motsTexte = (static_cast<std::size_t>(longueur) + 1) / 2;
        if (1 + motsTexte + 2 > n_)
            break;
        Ecrit(S(1 + motsTexte + 1), S(1 + motsTexte), Texte(1, static_cast<std::size_t>(longueur)));
        break;
    }
    case META_EXTTEXTOUT: {
        const int longueur = S(2);
        const uint16_t options = U(3);
        const std::size_t debutTexte = 4 + ((options & 0x0006) ? 4 : 0);
        if (longueur <= 0 || debutTexte + (static_cast<std::size_t>(longueur) + 1) / 2 > n_)
            break;
        Ecrit(S(1), S(0), Texte(debutTexte, static_cast<std::size_t>(longueur)));
        break;
    }
    case META_SELECTOBJECT: {
        const std::size_t k = U(0);
        if (k >= e_.objets.size())
            break;
        const Objet& o = e_.objets[k];
        switch (o.genre) {
        case Objet::Genre::Stylo: e_.stylo = o.stylo; styloPret_ = false; break;
        case Objet::Genre::Brosse: e_.brosse = o.brosse; brossePret_ = false; break;
        case Objet::Genre::Police: e_.police = o.police; break;
        default: break;
        }
        break;
    }
    case META_DELETEOBJECT:
        if (e_.table.Libere(U(0)))
            e_.objets[U(0)] = Objet{};
        break;
    default:
        if (CreeUnObjet(f))
            CreeObjet(f);
        // Other records (bitmaps, regions, palettes, clipping) are skipped.
        break;
    }
}

std::size_t Seance::Joue(const std::vector<uint16_t>& w, std::size_t depuis)
{
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, false);
    AppliqueFenetre();
    using Horloge = std::chrono::steady_clock;
    const Horloge::time_point limite = e_.dureeMax ? Horloge::now() + *e_.dureeMax : Horloge::time_point::max();
    e_.interrompu = false;
    std::size_t i = depuis;
    for (unsigned compte = 0; i + 3 <= w.size(); ++compte) {
        const uint32_t taille = w[i] | (static_cast<uint32_t>(w[i + 1]) << 16);
        const uint16_t f = w[i + 2];
        if (taille < 3 || taille > w.size() - i || f == META_EOF)
            break;
        // One record fills at most the picture: looking every 16 records
        // overshoots the time by a fraction of a second at worst.
        if (e_.dureeMax && compte % 16 == 0 && Horloge::now() >= limite) {
            e_.interrompu = true;
            break;
        }
        if (f != META_MOVETO && f != META_LINETO)
            VideLignes();
        n_ = taille - 3;
        a_ = w.data() + i + 3;
        Enregistrement(f);
        i += taille;
    }
    VideLignes();
    p_.restore();
    return i;
}

} // namespace

std::size_t Lecteur::Joue(QPainter& peintre, const Metafichier& meta, std::size_t depuisMot)
{
    Seance s(peintre, *etat_);
    return s.Joue(meta.Mots(), depuisMot);
}

void JoueMetafichier(QPainter& peintre, const Metafichier& meta)
{
    Lecteur l;
    l.Joue(peintre, meta);
}

} // namespace kelmo::wmf
