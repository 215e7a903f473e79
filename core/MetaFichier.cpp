#include "core/MetaFichier.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "platform/CodePageAnsi.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

#include <algorithm>
#include <cmath>

namespace kelmo {

std::optional<wmf::Metafichier> MetaFichier;
std::array<QPoint, 3> PointsPolygone{};
int16_t NbFormesMetaFichier = 0;

namespace {

std::optional<wmf::Metafichier> enregistrement_; // the open recording
// The records' memory of the last metafile deleted, for the next recording:
// a relief redrawn writes tens of megabytes of records, and pages the
// system hands out afresh cost more than writing them.
std::vector<uint16_t> memoireLibre_;

void recupereMemoire(wmf::Metafichier& m)
{
    if (m.Capacite() > memoireLibre_.capacity())
        memoireLibre_ = m.RendMemoire();
}
ContexteMeta dc_ = ContexteMeta::Aucun;

// What of the accumulated metafile the vector picture already shows: the
// player keeps its object table between goes, so each end of recording
// paints only the records added since, unless the picture or the metafile
// was cleared in between.
struct Affichage {
    wmf::Lecteur lecteur;
    std::size_t motsJoues = 0;
    const ZoneImage* image = nullptr;
    uint64_t effacement = 0;
    uint64_t generation = 0;
};
Affichage affichage_;
uint64_t generation_ = 1; // grows at every deletion of the metafile

void Reinitialise()
{
    MetaFichier.reset();
    enregistrement_.reset();
    dc_ = ContexteMeta::Aucun;
    PointsPolygone = {};
    NbFormesMetaFichier = 0;
    affichage_ = Affichage{};
    memoireLibre_ = {};
    ++generation_;
}

const bool enregistre_ = (EnregistreReinitialisation(Reinitialise), true);

void MontreSurImaVec()
{
    if (!MetaFichier)
        return;
    ZoneImage& z = ImaVec();
    Affichage& a = affichage_;
    if (a.image != &z || a.effacement != z.NumeroEffacement() || a.generation != generation_ ||
        a.motsJoues > MetaFichier->Mots().size()) {
        a.lecteur = wmf::Lecteur{};
        a.motsJoues = 0;
    }
    if (a.motsJoues < MetaFichier->Mots().size())
        z.Peint([&](QPainter& p) { a.motsJoues = a.lecteur.Joue(p, *MetaFichier, a.motsJoues); });
    a.image = &z;
    a.effacement = z.NumeroEffacement();
    a.generation = generation_;
}

int16_t Entier16(double v) { return static_cast<int16_t>(std::nearbyint(v)); }

int16_t Epaisseur(double e)
{
    if (!(e >= 1))
        return 1; // a pen of width 0 or less draws one pixel
    return static_cast<int16_t>(std::min(std::nearbyint(e), 32767.0));
}

void ChoisitStylo(wmf::Metafichier& m, const wmf::Stylo& s)
{
    auto& c = m.contexte;
    if (c.stylo >= 0 && m.ObjetOccupe(c.stylo) && c.descStylo == s)
        return;
    const int nouveau = m.CreeStylo(s);
    m.Selectionne(nouveau);
    if (c.stylo >= 0 && m.ObjetOccupe(c.stylo))
        m.Supprime(c.stylo); // no longer selected, so deleting it is safe
    c.stylo = nouveau;
    c.descStylo = s;
}

void ChoisitBrosse(wmf::Metafichier& m, const wmf::Brosse& b)
{
    auto& c = m.contexte;
    if (c.brosse >= 0 && m.ObjetOccupe(c.brosse) && c.descBrosse == b)
        return;
    const int nouveau = m.CreeBrosse(b);
    m.Selectionne(nouveau);
    if (c.brosse >= 0 && m.ObjetOccupe(c.brosse))
        m.Supprime(c.brosse);
    c.brosse = nouveau;
    c.descBrosse = b;
}

void ChoisitPolice(wmf::Metafichier& m, const wmf::Police& p)
{
    auto& c = m.contexte;
    if (c.police >= 0 && m.ObjetOccupe(c.police) && c.descPolice == p)
        return;
    const int nouveau = m.CreePolice(p);
    m.Selectionne(nouveau);
    if (c.police >= 0 && m.ObjetOccupe(c.police))
        m.Supprime(c.police);
    c.police = nouveau;
    c.descPolice = p;
}

// Records a shape into the open recording; with none open, into the
// accumulated metafile, and shows it on the vector picture at once.
template <class Dessin>
void Enregistre(Dessin&& dessin)
{
    if (enregistrement_) {
        dessin(*enregistrement_);
        return;
    }
    if (!MetaFichier)
        MetaFichier.emplace();
    dessin(*MetaFichier);
    dc_ = ContexteMeta::ImaVec;
    MontreSurImaVec();
}

int32_t Couleur24(Couleur c) { return c & 0xFFFFFF; }

} // namespace

bool ModeImageVectorielle() { return K.Menu(QStringLiteral("menImageVectorielle")).Checked; }

ContexteMeta DCMeta() { return dc_; }
bool EnregistrementOuvert() { return enregistrement_.has_value(); }

int StyloMeta()
{
    const wmf::Metafichier* m = enregistrement_ ? &*enregistrement_ : (MetaFichier ? &*MetaFichier : nullptr);
    return m ? m->contexte.stylo : -1;
}

int BrosseMeta()
{
    const wmf::Metafichier* m = enregistrement_ ? &*enregistrement_ : (MetaFichier ? &*MetaFichier : nullptr);
    return m ? m->contexte.brosse : -1;
}

void DebutMetaFichier()
{
    if (enregistrement_)
        return; // recordings are not nested: the open one goes on
    // The accumulated metafile becomes the start of the new recording; it is
    // moved rather than replayed, which gives the same records at no cost.
    if (MetaFichier) {
        enregistrement_ = std::move(*MetaFichier);
        MetaFichier.reset();
    } else {
        enregistrement_.emplace();
        enregistrement_->PrendMemoire(std::move(memoireLibre_));
        memoireLibre_ = {};
    }
    dc_ = ContexteMeta::Enregistrement;
}

void ReserveMetaFichier(std::size_t mots)
{
    if (enregistrement_)
        enregistrement_->Reserve(mots);
}

void FinMetaFichier()
{
    if (!enregistrement_)
        return; // nothing open: the accumulated metafile stays as it is
    MetaFichier = std::move(*enregistrement_);
    enregistrement_.reset();
    dc_ = ContexteMeta::ImaVec;
    MontreSurImaVec();
    ImaVec().Refresh();
}

void EffaceMetaFichier()
{
    if (MetaFichier)
        recupereMemoire(*MetaFichier);
    MetaFichier.reset();
    if (enregistrement_) {
        recupereMemoire(*enregistrement_);
        enregistrement_.emplace();
    }
    ++generation_;
}

bool DansPlageMetaFichier(double x, double y)
{
    return TientDansChamp(x, GenreChamp::Entier16) && TientDansChamp(y, GenreChamp::Entier16);
}

bool LigneMeta(double x1, double y1, double x2, double y2, Couleur couleur, double epaisseur)
{
    // A width that is no number is refused as a point out of range is,
    // rather than recorded as some pen.
    if (!DansPlageMetaFichier(x1, y1) || !DansPlageMetaFichier(x2, y2) || !std::isfinite(epaisseur))
        return false;
    const wmf::Stylo stylo{wmf::PS_SOLID, Epaisseur(epaisseur), Couleur24(couleur)};
    const wmf::Brosse brosse{wmf::BS_SOLID, Couleur24(QBColor(15)), 0};
    Enregistre([&](wmf::Metafichier& m) {
        ChoisitStylo(m, stylo);
        ChoisitBrosse(m, brosse);
        m.MoveTo(Entier16(x1), Entier16(y1));
        m.LineTo(Entier16(x2), Entier16(y2));
    });
    return true;
}

bool CercleMeta(double x, double y, double rayon, Couleur couleurInterieur, Couleur couleurBord, double epaisseur)
{
    if (std::isnan(rayon) || !std::isfinite(epaisseur))
        return false; // not a circle of radius 0 nor some pen
    const double r = rayon > 0 ? rayon : 0.0;
    // The centre is rounded first, the corners computed from it and rounded
    // afterwards.
    const double xc = std::nearbyint(x), yc = std::nearbyint(y);
    if (!DansPlageMetaFichier(xc + r, yc + r) || !DansPlageMetaFichier(xc - r, yc - r))
        return false;
    const wmf::Stylo stylo{wmf::PS_SOLID, Epaisseur(epaisseur), Couleur24(couleurBord)};
    const wmf::Brosse brosse{wmf::BS_SOLID, Couleur24(couleurInterieur), 0};
    Enregistre([&](wmf::Metafichier& m) {
        ChoisitStylo(m, stylo);
        ChoisitBrosse(m, brosse);
        m.Ellipse(Entier16(xc + r), Entier16(yc + r), Entier16(xc - r), Entier16(yc - r));
    });
    return true;
}

bool PolygoneMeta()
{
    for (const QPoint& p : PointsPolygone)
        if (!DansPlageMetaFichier(p.x(), p.y()))
            return false;
    const wmf::Stylo stylo{wmf::PS_NULL, 0, 0};
    const wmf::Brosse brosse{wmf::BS_SOLID, Couleur24(Ima().FillColor), 0};
    const std::vector<QPoint> points(PointsPolygone.begin(), PointsPolygone.end());
    Enregistre([&](wmf::Metafichier& m) {
        ChoisitStylo(m, stylo);
        ChoisitBrosse(m, brosse);
        m.Polygone(points);
    });
    return true;
}

QString CoupeTexteMeta(const QString& texte)
{
    const int longueur = static_cast<int>(texte.size());
    int p = 0, coupe = 0;
    do {
        ++p;
        // positions p and p + 1, counted from 1
        if (p + 1 <= longueur && texte[p - 1] == QLatin1Char(' ') && texte[p] == QLatin1Char(' '))
            coupe = p - 1;
    } while (coupe == 0 && p < longueur);
    if (longueur == p)
        coupe = p;
    return texte.left(coupe);
}

bool TexteMeta(QString& texte, double x, double y, std::optional<Couleur> couleur)
{
    texte = CoupeTexteMeta(texte);
    if (!DansPlageMetaFichier(x, y))
        return false;
    if (texte.isEmpty())
        return true; // nothing visible to record
    const ZoneImage& ima = Ima();
    wmf::Police police;
    police.hauteur = static_cast<int16_t>(-std::clamp(std::lround(ima.FontSize * PixelsParPouce / 72.0), 1L, 32767L));
    police.graisse = ima.FontBold ? 700 : 400;
    police.italique = ima.FontItalic ? 1 : 0;
    police.souligne = ima.FontUnderline ? 1 : 0;
    police.barre = ima.FontStrikethru ? 1 : 0;
    police.nom = ima.FontName;
    const Couleur c = Couleur24(couleur.value_or(K.CouleurNoms));
    const std::string octets = EncodeAnsi(texte);
    Enregistre([&](wmf::Metafichier& m) {
        ChoisitPolice(m, police);
        m.SetTextColor(c);
        m.SetBkMode(wmf::TRANSPARENT);
        m.TextOut(Entier16(x), Entier16(y), octets);
        // Back to the context's default, which the shapes after it expect:
        // readers that honour the mode for fills would draw them see-through.
        m.SetBkMode(wmf::OPAQUE);
    });
    return true;
}

std::string OctetsMetaFichierPlacable(const wmf::Metafichier& meta, int16_t largeur, int16_t hauteur)
{
    std::string s = wmf::OctetsEnTetePlacable(0, 0, static_cast<int16_t>(largeur + 1), static_cast<int16_t>(hauteur + 1), 144);
    // The copy scaled to the picture: window extent and anisotropic mapping
    // first, then the records.
    wmf::Metafichier copie;
    copie.SetWindowExt(largeur, hauteur);
    copie.SetMapMode(wmf::MM_ANISOTROPIC);
    copie.AjouteEnregistrementsDe(meta);
    s += copie.Octets(1);
    return s;
}

bool EcritMetaFichierPlacable(const QString& nomFichier, const wmf::Metafichier* meta, int largeur, int hauteur)
{
    if (!meta) {
        MessageOK(QStringLiteral("Le Metafichier n'est pas défini"));
        return false;
    }
    if (largeur < 0 || hauteur < 0 || largeur > CoteMaxMetaFichier || hauteur > CoteMaxMetaFichier) {
        MessageOK(QStringLiteral("L'image vectorielle est trop grande pour un MetaFichier : %1 unités au plus en largeur "
                                 "et en hauteur (elle en a %2 sur %3). Réduisez la taille de l'image.")
                      .arg(CoteMaxMetaFichier)
                      .arg(largeur)
                      .arg(hauteur),
                  Icone::Exclamation);
        return false;
    }
    try {
        EnregistreFichier(nomFichier, OctetsMetaFichierPlacable(*meta, static_cast<int16_t>(largeur), static_cast<int16_t>(hauteur)));
    } catch (const ErreurExecution& e) {
        MessageOK(QStringLiteral("Le MetaFichier n'a pas pu être enregistré dans %1 : %2").arg(nomFichier, e.description()),
                  Icone::Exclamation);
        return false;
    }
    return true;
}

void EnregistreImageVectorielle()
{
    if (!MetaFichier) {
        MessageOK(QStringLiteral("Le Metafichier n'est pas défini"));
        return;
    }
    DemandeFichier d;
    d.filtre = QStringLiteral("Tous fichiers (*.*)|*.*|Windows MetaFile (*.wmf)|*.wmf");
    d.indexFiltre = 2;
    d.dossierInitial = K.RepertoireImages;
    d.nomFichier = QStringLiteral("Image1.wmf");
    d.titre = QStringLiteral("Enregistrer le MetaFichier");
    const std::optional<QString> nom = Ui().FichierEnregistrer(d);
    if (!nom || nom->isEmpty())
        return;
    // Rounded as a 16-bit integer would be, but checked first so that a
    // picture too large gets its message instead of an overflow.
    const double l = ArrondiBanquier(ImaVec().ScaleWidth());
    const double h = ArrondiBanquier(ImaVec().ScaleHeight());
    const int largeur = static_cast<int>(std::clamp(l, -1.0, 1.0e9));
    const int hauteur = static_cast<int>(std::clamp(h, -1.0, 1.0e9));
    EcritMetaFichierPlacable(*nom, &*MetaFichier, largeur, hauteur);
}

} // namespace kelmo
