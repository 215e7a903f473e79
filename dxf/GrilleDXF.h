#pragma once
// Reading the layer grid of "Sortie DXF": colour names, plane numbers and
// thicknesses, and the grid row of each link type.
#include "core/Modele.h"
#include "platform/NombresChamps.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kelmo {

// The DXF colour number of a colour name: exact comparison, each name all
// in lower case or with a capital initial ("noir" is 249, not 0 or 7).
// Nothing for any other text.
std::optional<int> ConvertitCouleurDXF(const QString& nom);

// The rule of the export's number cells: the leading number, with "." or
// "," as the decimal point, 0 when the cell starts with no number.
constexpr RegleNombre CelluleDXF{Etendue::TeteOuZero, true, GenreChamp::Double};

// What a number cell holds by that rule (0 beyond the range of a double,
// which the checks made before writing refuse).
double NombreCelluleDXF(const QString& texte);

// The leading number of a cell, as NombreCelluleDXF reads it; nothing when
// it lies beyond the range of a double ("1e999"), which the checks made
// before writing refuse like any other value out of range.
std::optional<double> NombreFiniCelluleDXF(const QString& texte);

// A plane cell as a layer number: a 16-bit integer, nearest, halves to even.
// Nothing when it does not fit (the export refuses it before writing).
std::optional<int16_t> PlanCelluleDXF(const QString& texte);

// Layer, colour and thickness of the arcs of one grid row.
struct LigneArcsDXF {
    int16_t Calque = 0;
    double Couleur = 0;
    double Epaisseur = 0;
};

// Rows of the arcs by link type, looked up once per export: the row (4 to
// 14) of each link-type code, 0 for the link types without a row.
class LignesTypesDXF {
public:
    LignesTypesDXF();
    int ligne(int16_t mode) const { return lignes_[static_cast<uint16_t>(mode)]; }
    // The row's cells as numbers; a link type without a row gets all zeros.
    const LigneArcsDXF& valeurs(int16_t mode) const { return valeurs_[static_cast<std::size_t>(ligne(mode))]; }

private:
    std::array<int8_t, 65536> lignes_;
    std::array<LigneArcsDXF, 15> valeurs_{};
};

} // namespace kelmo
