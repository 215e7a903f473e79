#pragma once
// The vocabulary of the 16-bit Windows Metafile that the recorder writes and
// the player reads: record functions, the constants of their parameters and
// the pen, brush and font objects as their records carry them.
#include <QString>
#include <cstddef>
#include <cstdint>

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
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_COPYPEN = 13;

// The object table of a metafile never needs more slots than its header can
// count; a file that asks for more is malformed.
constexpr std::size_t NbMaxObjets = 65535;

// True for the records that take a slot of the object table.
constexpr bool CreeUnObjet(uint16_t fonction)
{
    switch (fonction) {
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

} // namespace kelmo::wmf
