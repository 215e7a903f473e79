#pragma once
// Our own 16-bit Windows Metafile: a recorder that writes the published
// records, the writer of the standard and placeable files, a reader that
// accepts placeable and bare files from other programs, and a player that
// paints a metafile on a QPainter.
//
// A metafile is kept as its records only (16-bit words, little-endian when
// written), without the header and the end record, which are added when the
// bytes are produced; the recorder also keeps the object table, so that a
// metafile can be carried forward into the next recording as it is.
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kelmo::wmf {

// Record functions (MS-WMF RecordType).
enum Fonction : uint16_t {
    META_EOF = 0x0000,
    META_SETBKCOLOR = 0x0201,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETTEXTALIGN = 0x012E,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_ROUNDRECT = 0x061C,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_POLYPOLYGON = 0x0538,
    META_TEXTOUT = 0x0521,
    META_EXTTEXTOUT = 0x0A32,
    META_SELECTOBJECT = 0x012D,
    META_DELETEOBJECT = 0x01F0,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_CREATEPALETTE = 0x00F7,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_CREATEREGION = 0x06FF,
};

constexpr uint32_t CleePlacable = 0x9AC6CDD7u;
constexpr int TailleEnTetePlacable = 22;
constexpr int TailleEnTeteStandard = 18;
constexpr int MM_TEXT = 1;
constexpr int MM_ANISOTROPIC = 8;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;
constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;

struct Stylo {
    uint16_t style = PS_SOLID;
    int16_t largeur = 1;
    int32_t couleur = 0;   // stored colour value, red in the low byte
    bool operator==(const Stylo&) const = default;
};

struct Brosse {
    uint16_t style = BS_SOLID;
    int32_t couleur = 0xFFFFFF;
    uint16_t hachure = 0;
    bool operator==(const Brosse&) const = default;
};

struct Police {
    int16_t hauteur = -11;  // negative: character height in units
    int16_t largeur = 0;
    int16_t echappement = 0;
    int16_t orientation = 0;
    int16_t graisse = 400;  // 700 bold
    uint8_t italique = 0;
    uint8_t souligne = 0;
    uint8_t barre = 0;
    uint8_t jeuCaracteres = 0; // ANSI
    QString nom = QStringLiteral("Arial");
    bool operator==(const Police&) const = default;
};

// The standard metafile being recorded or recorded. Every Cree* takes the
// lowest free slot of the object table, as the platform does.
class Metafichier {
public:
    // --- raw records ---
    // A record that creates an object takes its slot (returned; -1 for the
    // others); a deletion frees it.
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
    uint16_t NombreObjets() const { return nbObjetsMax_; }
    uint32_t PlusGrandEnregistrement() const { return plusGrand_; }
    bool ObjetOccupe(int objet) const;

    // Standard metafile bytes: 18-byte header, the records, the end record.
    // `type` 1 is a memory metafile, 2 a disk one.
    std::string Octets(uint16_t type = 1) const;

    // Reads the records of a bare standard metafile (header first). Stops
    // at the end record, or at the first record that does not fit, keeping
    // what came before; nullopt when the header is not a metafile header.
    static std::optional<Metafichier> DepuisOctets(const std::string& octets, std::size_t debut = 0);

private:
    int PrendObjet();
    void NoteTaille(uint32_t tailleMots);

    std::vector<uint16_t> mots_;
    std::size_t nbEnregistrements_ = 0;
    std::vector<bool> occupes_;
    uint16_t nbObjetsMax_ = 0;
    uint32_t plusGrand_ = 3; // the end record
};

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

    struct Objet;
    struct Etat;

private:
    std::shared_ptr<Etat> etat_;
};

// Paints a whole metafile (own state) at the painter's units.
void JoueMetafichier(QPainter& peintre, const Metafichier& meta);

// A metafile file drawn on a white image: at the size declared by a
// placeable header (PixelsParPouce), else at its window extent, else at
// `tailleParDefaut`; never more than 4096 pixels a side (drawn smaller, same shape).
QImage ImageDepuisWmf(const FichierWmf& fichier, QSize tailleParDefaut = QSize(640, 480));

// A metafile file from disk drawn as a background picture (ImageDepuisWmf).
// Raises the file errors of LitFichierEntier; nullopt when the file is not a
// metafile.
std::optional<QImage> ChargeImageWmf(const QString& chemin);

} // namespace kelmo::wmf
