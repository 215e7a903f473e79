#include "editing/SaisiesEdition.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {
namespace {

// The leading number, "." or "," as decimal point, when it is finite.
bool valeurFinie(const QString& texte, double& valeur)
{
    const double v = ValeurNombre(texte, true);
    if (!std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

} // namespace

bool NombreSaisi(const QString& texte, double& valeur)
{
    const QByteArray a = texte.toLatin1();
    if (!TexteEstNombre(std::string_view(a.constData(), static_cast<std::size_t>(a.size()))))
        return false;
    return valeurFinie(texte, valeur);
}

bool NombreEnTete(const QString& texte, double& valeur)
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
        return false;
    return valeurFinie(texte, valeur);
}

double ValeurBoite(const QString& texte)
{
    double v = 0;
    return valeurFinie(texte, v) ? v : 0.0;
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
