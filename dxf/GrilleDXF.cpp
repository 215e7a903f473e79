#include "dxf/GrilleDXF.h"
#include "core/TypesArcs.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {

std::optional<int> ConvertitCouleurDXF(const QString& nom)
{
    static const struct {
        const char* minuscule;
        const char* capitale;
        int couleur;
    } noms[] = {
        {"noir", "Noir", 249}, {"rouge", "Rouge", 1}, {"jaune", "Jaune", 2},     {"vert", "Vert", 3},
        {"cyan", "Cyan", 4},   {"bleu", "Bleu", 5},   {"magenta", "Magenta", 6}, {"blanc", "Blanc", 7},
    };
    for (const auto& n : noms)
        if (nom == QLatin1String(n.minuscule) || nom == QLatin1String(n.capitale))
            return n.couleur;
    return std::nullopt;
}

double NombreCelluleDXF(const QString& texte)
{
    const NombreLu v = LitNombre(texte, CelluleDXF);
    return v ? *v : 0.0;
}

std::optional<double> NombreFiniCelluleDXF(const QString& texte)
{
    const NombreLu v = LitNombre(texte, CelluleDXF);
    return v ? std::optional(*v) : std::nullopt;
}

std::optional<int16_t> PlanCelluleDXF(const QString& texte)
{
    const NombreLu v = LitNombre(texte, {Etendue::TeteOuZero, true, GenreChamp::Entier16});
    return v ? std::optional(EnEntier16(*v)) : std::nullopt;
}

LignesTypesDXF::LignesTypesDXF()
{
    lignes_.fill(0);
    // The first match wins, as the row lookup compares the link types in
    // this order.
    const std::pair<const TypeArc*, int> rangs[] = {
        {&TypeTrain(), 4},           {&TypeVoieExpressInterurb(), 5}, {&TypeVoieRapideUrb65(), 5},
        {&TypeRoute70(), 6},         {&TypeRoute60(), 7},             {&TypeRoute50(), 8},
        {&TypeAutoroute(), 9},       {&TypeFerry(), 10},              {&TypeTGV(), 11},
        {&TypeBoulevardUrbain(), 12}, {&TypeVoieUrbaine(), 13},       {&TypeArtereUrbaine(), 14},
    };
    for (auto it = std::rbegin(rangs); it != std::rend(rangs); ++it)
        if (!it->first->Nom.isEmpty())
            lignes_[static_cast<uint16_t>(it->first->Code)] = static_cast<int8_t>(it->second);
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    for (int r = 4; r <= 14; ++r) {
        LigneArcsDXF& l = valeurs_[static_cast<std::size_t>(r)];
        l.Calque = PlanCelluleDXF(s.plancad[static_cast<std::size_t>(r)]).value_or(0);
        l.Couleur = ConvertitCouleurDXF(s.couleurcad[static_cast<std::size_t>(r)]).value_or(0);
        l.Epaisseur = NombreCelluleDXF(s.epaisseurcad[static_cast<std::size_t>(r)]);
    }
}

} // namespace kelmo
