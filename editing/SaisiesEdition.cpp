#include "editing/SaisiesEdition.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {
namespace {

// The leading number, "." or "," as decimal point.
Lu nombreEnTete(const QString& texte, double& valeur)
{
    const std::optional<double> v = ValeurNombreFinie(texte, true);
    if (!v)
        return Lu::HorsLimites;
    valeur = *v;
    return Lu::Nombre;
}

} // namespace

Lu NombreSaisi(const QString& texte, double& valeur)
{
    const QByteArray a = texte.toLatin1();
    if (!TexteEstNombre(std::string_view(a.constData(), static_cast<std::size_t>(a.size()))))
        return Lu::PasNombre;
    return nombreEnTete(texte, valeur);
}

Lu NombreEnTete(const QString& texte, double& valeur)
{
    qsizetype i = 0;
    const qsizetype n = texte.size();
    while (i < n && texte[i].isSpace())
        ++i;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-')))
        ++i;
    if (i < n && (texte[i] == QLatin1Char('.') || texte[i] == QLatin1Char(',')))
        ++i;
    if (i >= n || texte[i] < QLatin1Char('0') || texte[i] > QLatin1Char('9'))
        return Lu::PasNombre;
    return nombreEnTete(texte, valeur);
}

std::optional<double> ValeurBoite(const QString& texte) { return ValeurNombreFinie(texte, true); }

std::optional<double> ValeurBoitePourChamp(const QString& texte, GenreChamp champ, const QString& boite,
                                           const QString& titre)
{
    return NombreAccepte(texte, champ, boite, titre, true);
}

Lu NombreSaisiPourChamp(const QString& texte, GenreChamp champ, const QString& boite, const QString& titre,
                        double& valeur)
{
    double v = 0;
    const Lu lu = NombreSaisi(texte, v);
    if (lu == Lu::PasNombre)
        return lu;
    if (lu == Lu::HorsLimites || !TientDansChamp(v, champ)) {
        RefuseHorsChamp(texte, boite, champ, titre);
        return Lu::HorsLimites;
    }
    valeur = v;
    return Lu::Nombre;
}

QString TexteEntier(double valeur)
{
    if (!std::isfinite(valeur))
        return QStringLiteral("0");
    // + 0.0 turns a negative zero into 0.
    return QString::number(valeur + 0.0, 'f', 0);
}

void HeuresMinutes(double minutes, double& heures, double& reste)
{
    heures = std::floor(minutes / 60.0);
    reste = minutes - 60.0 * heures;
}

} // namespace kelmo
