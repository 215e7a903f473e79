#include "editing/SaisiesEdition.h"

#include <cmath>

namespace kelmo {

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
