#pragma once
// Regional number texts of the statistics window's boxes.
#include "platform/Erreurs.h"
#include "platform/Nombres.h"

#include <QByteArray>
#include <cmath>

namespace kelmo {

inline QString TexteRegional(double valeur, char separateur, bool simplePrecision = false)
{
    return TexteGeneral(valeur, QLatin1Char(separateur), simplePrecision);
}

inline bool NombreRegional(const QString& texte, char separateur, double& valeur)
{
    QString t = texte.trimmed();
    t.replace(QLatin1Char(separateur), QLatin1Char('.'));
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    const QByteArray a = t.toLatin1();
    if (t.isEmpty() || t.contains(QLatin1Char(',')) || !TexteEstNombre(std::string_view(a.constData(), a.size())))
        return false;
    double v = 0;
    try {
        v = ValeurNombre(t);
    } catch (const ErreurExecution&) {
        return false;
    }
    if (!std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

inline double ValeurTeteRegionale(const QString& texte, char separateur)
{
    QString t = texte;
    t.replace(QLatin1Char(separateur), QLatin1Char('.'));
    return ValeurNombre(t);
}

inline float EnSimple(double valeur)
{
    if (!(std::fabs(valeur) <= 3.4028234663852886e38))
        LeveErreur(ErrDepassement);
    return static_cast<float>(valeur);
}

} // namespace kelmo
